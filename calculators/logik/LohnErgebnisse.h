#pragma once
// The result captions, conditional lines and notes of the payroll frame.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace brenvik {

#define BRENVIK_LOHN_ERGEBNISSE(X)                                                                 \
    X(showBrutto)                                                                                  \
    X(showEinmal)                                                                                  \
    X(showLSt)                                                                                     \
    X(showSolZ)                                                                                    \
    X(showKiSt)                                                                                    \
    X(showSteuer)                                                                                  \
    X(showRV)                                                                                      \
    X(showKV)                                                                                      \
    X(showPV)                                                                                      \
    X(showAV)                                                                                      \
    X(showSV)                                                                                      \
    X(showNetto)                                                                                   \
    X(showVWLZahlung)                                                                              \
    X(showDVers)                                                                                   \
    X(showSB)                                                                                      \
    X(showKVpriv)                                                                                  \
    X(showKVag)                                                                                    \
    X(showAuszahlung)                                                                              \
    X(showEuro)                                                                                    \
    X(showBruttoAG)                                                                                \
    X(showSVAG)                                                                                    \
    X(showKVAG_Anteil)                                                                             \
    X(showLStAG)                                                                                   \
    X(showAG)                                                                                      \
    X(RV_EZ)                                                                                       \
    X(KV_EZ)                                                                                       \
    X(PV_EZ)                                                                                       \
    X(AV_EZ)                                                                                       \
    X(LSt_EZ)                                                                                      \
    X(SolZ_EZ)                                                                                     \
    X(KiSt_EZ)                                                                                     \
    X(showSteuerProz)                                                                              \
    X(showSVProz)                                                                                  \
    X(showNettoProz)                                                                               \
    X(showZahlungProz)

enum class Erg {
#define BRENVIK_ERG(name) name,
    BRENVIK_LOHN_ERGEBNISSE(BRENVIK_ERG)
#undef BRENVIK_ERG
        Anzahl
};
constexpr std::size_t kErgebnisse = std::size_t(Erg::Anzahl);

// Lines and blocks that the screen shows or hides.
#define BRENVIK_LOHN_ZEILEN(X)                                                                     \
    X(Bruttolohn)                       /* "Bruttolohn" and showBrutto */                          \
    X(Euro)                             /* showEuro, 2001 only */                                  \
    X(Arbeitgeber)                      /* the employer block */                                   \
    X(cbAG)                             /* its check box "AG-Aufwand zeigen" */                    \
    X(DavonKV)                          /* "davon KV", on request */                               \
    X(Einmalspalten)                    /* the one-off columns, on request */                      \
    X(Hinweis_P24b)                     /* lone-parent note */                                     \
    X(HinweisDVers)                     /* direct-insurance note */                                \
    X(lbHinweisGeringfuegigkeitsgrenze) /* low-wage note */

enum class Zeile {
#define BRENVIK_ZEILE(name) name,
    BRENVIK_LOHN_ZEILEN(BRENVIK_ZEILE)
#undef BRENVIK_ZEILE
        Anzahl
};
constexpr std::size_t kZeilen = std::size_t(Zeile::Anzahl);

std::string_view name(Erg e);
std::string_view name(Zeile z);
Erg findeErgebnis(std::string_view name); // Erg::Anzahl if none
Zeile findeZeile(std::string_view name);  // Zeile::Anzahl if none

// The notes among the lines; their texts come with the visibility.
constexpr std::array<Zeile, 3> kHinweise{Zeile::Hinweis_P24b, Zeile::HinweisDVers,
                                         Zeile::lbHinweisGeringfuegigkeitsgrenze};

} // namespace brenvik
