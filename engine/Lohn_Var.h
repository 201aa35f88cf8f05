#pragma once
// The calculation record shared by every calculator and year module, and its
// rounding and conversion routines.

#include "Zahl.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brenvik {

using byte = std::uint8_t;
using Cent = std::int32_t; // whole cents (whole Pfennig in 2000 and 2001)

// Where a field belongs; the command-line tool accepts only Eingabe fields
// as inputs and prints the Ausgabe fields a module writes.
enum class FeldGruppe { Eingabe, Ausgabe, Sonstige };

// Permitted values of an input: min..max, and for decimals the number of
// decimal places (or a step such as 0.5 for ZKF).
struct FeldRegel {
    std::int64_t min;
    std::int64_t max;
    int stellen = 0;  // decimals allowed
    Zahl schritt = 0; // value must be a multiple of this (0: no rule)
};

constexpr FeldRegel kFlag{0, 1};
constexpr FeldRegel kCent{0, INT32_MAX};
constexpr FeldRegel kCentVorzeichen{INT32_MIN, INT32_MAX};
constexpr FeldRegel kJahr{0, 9999};
constexpr FeldRegel kSonst{INT32_MIN, INT32_MAX};

// X(type, name, group, rule) in the declared order of the record.
#define BRENVIK_LOHNVAR_FELDER(X)                                                                  \
    /* Inputs of the wage-tax modules */                                                           \
    X(byte, af, Eingabe, kFlag)                                                                    \
    X(std::int32_t, AJAHR, Eingabe, kJahr)                                                         \
    X(byte, ALTER1, Eingabe, kFlag)                                                                \
    X(Cent, ENTSCH, Eingabe, kCent)                                                                \
    X(Zahl, F, Eingabe, (FeldRegel{0, 1, 3}))                                                      \
    X(Cent, HINZUR, Eingabe, kCent)                                                                \
    X(Cent, JFREIB, Eingabe, kCent)                                                                \
    X(Cent, JHINZU, Eingabe, kCent)                                                                \
    X(Cent, JRE4, Eingabe, kCent)                                                                  \
    X(Cent, JRE4ENT, Eingabe, kCent)                                                               \
    X(Cent, JVBEZ, Eingabe, kCent)                                                                 \
    X(byte, KRV, Eingabe, (FeldRegel{0, 2}))                                                       \
    X(Zahl, KVZ, Eingabe, (FeldRegel{0, 100, 2}))                                                  \
    X(byte, LZZ, Eingabe, (FeldRegel{1, 4}))                                                       \
    X(Cent, LZZFREIB, Eingabe, kCent)                                                              \
    X(Cent, LZZHINZU, Eingabe, kCent)                                                              \
    X(Cent, PKPV, Eingabe, kCent)                                                                  \
    X(byte, PKV, Eingabe, (FeldRegel{0, 2}))                                                       \
    X(byte, PVS, Eingabe, kFlag)                                                                   \
    X(byte, PVZ, Eingabe, kFlag)                                                                   \
    X(byte, R, Eingabe, kFlag)                                                                     \
    X(Cent, RE4, Eingabe, kCent)                                                                   \
    X(Cent, SONSTB, Eingabe, kCent)                                                                \
    X(Cent, SONSTENT, Eingabe, kCent)                                                              \
    X(Cent, STERBE, Eingabe, kCent)                                                                \
    X(byte, STKL, Eingabe, (FeldRegel{0, 6}))                                                      \
    X(Cent, VBEZ, Eingabe, kCent)                                                                  \
    X(Cent, VBEZM, Eingabe, kCent)                                                                 \
    X(Cent, VBEZS, Eingabe, kCent)                                                                 \
    X(Cent, VBS, Eingabe, kCent)                                                                   \
    X(std::int32_t, VJAHR, Eingabe, kJahr)                                                         \
    X(Cent, VKAPA, Eingabe, kCentVorzeichen)                                                       \
    X(Cent, VMT, Eingabe, kCent)                                                                   \
    X(Cent, WFUNDF, Eingabe, kCent)                                                                \
    X(Zahl, ZKF, Eingabe, (FeldRegel{0, 99, 1, 1_z / 2}))                                          \
    X(std::int32_t, ZMVB, Eingabe, (FeldRegel{0, 12}))                                             \
    X(Cent, HINZUR_EUR, Eingabe, kCent)                                                            \
    X(Cent, RE4_EUR, Eingabe, kCent)                                                               \
    X(Cent, VBEZ_EUR, Eingabe, kCent)                                                              \
    X(Cent, WFUNDF_EUR, Eingabe, kCent)                                                            \
    /* Outputs of the wage-tax modules; the three annual WVFRB values are */                       \
    /* 64-bit so that the largest wages fit */                                                     \
    X(Cent, BK, Ausgabe, kSonst)                                                                   \
    X(Cent, BKS, Ausgabe, kSonst)                                                                  \
    X(Cent, BKV, Ausgabe, kSonst)                                                                  \
    X(Cent, LSTLZZ, Ausgabe, kSonst)                                                               \
    X(Cent, SOLZLZZ, Ausgabe, kSonst)                                                              \
    X(Cent, SOLZS, Ausgabe, kSonst)                                                                \
    X(Cent, SOLZV, Ausgabe, kSonst)                                                                \
    X(Cent, LST_SONST, Ausgabe, kSonst)                                                            \
    X(Cent, STV, Ausgabe, kSonst)                                                                  \
    X(Cent, VKVLZZ, Ausgabe, kSonst)                                                               \
    X(Cent, VKVSONST, Ausgabe, kSonst)                                                             \
    X(Cent, VFRB, Ausgabe, kSonst)                                                                 \
    X(Cent, VFRBS1, Ausgabe, kSonst)                                                               \
    X(Cent, VFRBS2, Ausgabe, kSonst)                                                               \
    X(std::int64_t, WVFRB, Ausgabe, kSonst)                                                        \
    X(std::int64_t, WVFRBO, Ausgabe, kSonst)                                                       \
    X(std::int64_t, WVFRBM, Ausgabe, kSonst)                                                       \
    X(Cent, BK_EUR, Ausgabe, kSonst)                                                               \
    X(Cent, LSTLZZ_EUR, Ausgabe, kSonst)                                                           \
    X(Cent, SOLZLZZ_EUR, Ausgabe, kSonst)                                                          \
    /* Inputs added later to the flowchart interface */                                            \
    X(Cent, MBV, Eingabe, kCent)                                                                   \
    X(std::int32_t, PVA, Eingabe, (FeldRegel{0, 4}))                                               \
    /* Social insurance and calculators */                                                         \
    X(Cent, PV_EZ_Differenz, Sonstige, kSonst)                                                     \
    X(std::int32_t, PV_Kinder, Sonstige, kSonst)                                                   \
    X(std::int32_t, KeineSV, Sonstige, kFlag)                                                      \
    X(Cent, RV_AG, Sonstige, kSonst)                                                               \
    X(Cent, RV_AN, Sonstige, kSonst)                                                               \
    X(Cent, KV_AG, Sonstige, kSonst)                                                               \
    X(Cent, KV_AN, Sonstige, kSonst)                                                               \
    X(Cent, AV_AG, Sonstige, kSonst)                                                               \
    X(Cent, AV_AN, Sonstige, kSonst)                                                               \
    X(Cent, PV_AG, Sonstige, kSonst)                                                               \
    X(Cent, PV_AN, Sonstige, kSonst)                                                               \
    X(std::string, Waehrung, Sonstige, kSonst)                                                     \
    X(std::string, Region, Sonstige, kSonst)                                                       \
    X(Zahl, SV_Abzug, Sonstige, kSonst)                                                            \
    X(Zahl, KV_Satz, Sonstige, kSonst)                                                             \
    X(Zahl, PKV_Beitrag, Sonstige, kSonst)                                                         \
    X(Zahl, PPV_Beitrag, Sonstige, kSonst)                                                         \
    X(Zahl, PKV_PV_Beitrag, Sonstige, kSonst)                                                      \
    X(Zahl, PKV_Zuschuss, Sonstige, kSonst)                                                        \
    X(Zahl, PPV_Zuschuss, Sonstige, kSonst)                                                        \
    X(Zahl, PKV_PV_Zuschuss, Sonstige, kSonst)                                                     \
    X(Zahl, UB_AG_Gesamt, Sonstige, kSonst)                                                        \
    X(Zahl, UB_RV_Gesamt, Sonstige, kSonst)                                                        \
    X(Zahl, UB_KV_Gesamt, Sonstige, kSonst)                                                        \
    X(Zahl, UB_AV_Gesamt, Sonstige, kSonst)                                                        \
    X(Zahl, UB_PV_Gesamt, Sonstige, kSonst)                                                        \
    X(byte, KV_Sonderbeitrag, Sonstige, kFlag)                                                     \
    X(byte, Kinderlos, Sonstige, kFlag)                                                            \
    X(byte, Privat, Sonstige, kFlag)                                                               \
    X(byte, KVZ_Paritaet, Sonstige, kFlag)                                                         \
    X(Zahl, Entgelt_Vormonate, Sonstige, kSonst)                                                   \
    X(Zahl, Entgelt_Vorjahr, Sonstige, kSonst)                                                     \
    X(Zahl, Einmalzahlung, Sonstige, kSonst)                                                       \
    X(Zahl, Jahreslohn_ohne_EZ, Sonstige, kSonst)                                                  \
    X(Cent, RV_Einmal, Sonstige, kSonst)                                                           \
    X(Cent, KV_Einmal_AG, Sonstige, kSonst)                                                        \
    X(Cent, KV_Einmal_AN, Sonstige, kSonst)                                                        \
    X(Cent, AV_Einmal, Sonstige, kSonst)                                                           \
    X(Cent, PV_Einmal_AG, Sonstige, kSonst)                                                        \
    X(Cent, PV_Einmal_AN, Sonstige, kSonst)                                                        \
    X(std::int32_t, Monat, Sonstige, (FeldRegel{0, 12}))                                           \
    X(std::int32_t, SV_Tage_Jahr, Sonstige, kSonst)                                                \
    X(std::int32_t, SV_Tage_Vorjahr, Sonstige, kSonst)                                             \
    X(Zahl, Brutto, Sonstige, kSonst)                                                              \
    X(Zahl, PV32b, Sonstige, (FeldRegel{0, INT32_MAX, 2}))                                         \
    X(Zahl, Geringfuegigkeitsgrenze, Sonstige, kSonst)                                             \
    X(Zahl, Uebergangsgrenze, Sonstige, kSonst)                                                    \
    X(byte, Eintritt_vor_2013, Sonstige, kFlag)                                                    \
    X(byte, Eintritt_ab_2013, Sonstige, kFlag)                                                     \
    X(byte, Gleitzone_neu_800_850, Sonstige, kFlag)                                                \
    X(byte, Uebergangsbereich_neu, Sonstige, kFlag)                                                \
    X(std::int32_t, Jahr, Sonstige, kJahr)

struct LohnVar {
#define BRENVIK_FELD(typ, name, gruppe, regel) typ name{};
    BRENVIK_LOHNVAR_FELDER(BRENVIK_FELD)
#undef BRENVIK_FELD
};

// The one record of the program (zero at start). Calculators and modules may
// also be handed a record of their own, as the tests do.
LohnVar& Lohn_Var();

// Resets the optional inputs of a run (F becomes 1, the rest 0).
void LohnVarReset(LohnVar& lv);

// Text to euros: drops every '.', converts with decimal comma; 0 on failure.
Zahl StrToBetrag(std::string_view text);
// Caption to euros: drops '.', ' ' and "€", then as StrToBetrag.
Zahl LabelToBetrag(std::string_view caption);
Zahl DMToEuro(const Zahl& dm);
Zahl EuroToDM(const Zahl& euro);
Zahl AufCentAufrunden(const Zahl& x);
std::int64_t AufEuroAufrunden(const Zahl& x);
Zahl AufCentAbrunden(const Zahl& x);
std::int64_t Abschneiden(const Zahl& x);
Zahl GrenzeMinijob(int monat, int jahr);
Zahl GrenzeUebergangsbereich(int monat, int jahr);

// Assigns a computed amount to a 32-bit record field; a value that does not
// fit is an error, never a wrapped number.
class FeldUeberlauf : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};
[[noreturn]] void feldUeberlauf(std::int64_t wert, const char* feld);
inline Cent alsCent(std::int64_t wert, const char* feld) {
    if (wert < INT32_MIN || wert > INT32_MAX) feldUeberlauf(wert, feld);
    return Cent(wert);
}

} // namespace brenvik
