#pragma once
// The inputs of the payroll frame by component name, with their start values
// and the kind of control behind each: the texts are what a user types or
// chooses there.

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brenvik {

// X(name, kind, group, start value)
#define BRENVIK_LOHN_EINGABEN(X)                                                                   \
    X(edName, Text, 0, "")                                                                         \
    X(edJahr, Text, 0, "")                                                                         \
    X(cbMonat, Auswahl, 0, "Januar")                                                               \
    X(Eingabe, Text, 0, "0")                                                                       \
    X(SB, Text, 0, "")                                                                             \
    X(VWL_AG, Text, 0, "")                                                                         \
    X(VWL, Text, 0, "")                                                                            \
    X(DVers, Text, 0, "")                                                                          \
    X(rbDV_anno, Radio, 1, "0")                                                                    \
    X(rbDV_mtl, Radio, 1, "0")                                                                     \
    X(rbDV_ab2005, Radio, 1, "1")                                                                  \
    X(rbDV_Umwandlung, Haken, 0, "0")                                                              \
    X(edRegion, Auswahl, 0, "West")                                                                \
    X(cbBeamter, Haken, 0, "0")                                                                    \
    X(cbNoSV, Haken, 0, "0")                                                                       \
    X(rbGesetz, Radio, 2, "1")                                                                     \
    X(rbFrei, Radio, 2, "0")                                                                       \
    X(prozKV, Text, 0, "14,6")                                                                     \
    X(prozKVbes, Text, 0, "1,7")                                                                   \
    X(edKV, Text, 0, "")                                                                           \
    X(edPV, Text, 0, "")                                                                           \
    X(agKV, Text, 0, "")                                                                           \
    X(agPV, Text, 0, "")                                                                           \
    X(edKinderZahl, Auswahl, 0, "1 Kind")                                                          \
    X(edStKl, Text, 0, "1")                                                                        \
    X(edKFB, Text, 0, "0,0")                                                                       \
    X(edKiSt, Text, 0, "9")                                                                        \
    X(cbKiSt, Haken, 0, "1")                                                                       \
    X(cbAEB, Haken, 0, "0")                                                                        \
    X(Geburtsjahr, Text, 0, "")                                                                    \
    X(edFaktor, Text, 0, "0,000")                                                                  \
    X(edFrei, Text, 0, "0")                                                                        \
    X(cbRVVoll, Haken, 0, "0")                                                                     \
    X(rbVor2013, Radio, 3, "0")                                                                    \
    X(rbAb2013, Radio, 3, "1")                                                                     \
    X(cbWie2013, Haken, 0, "0")                                                                    \
    X(cbAG, Haken, 0, "1")                                                                         \
    X(edTextEZ, Text, 0, "")                                                                       \
    X(edEZ, Text, 0, "")                                                                           \
    X(edEZ_Jahr, Text, 0, "")                                                                      \
    X(edM1, Text, 0, "")                                                                           \
    X(edT1, Text, 0, "")                                                                           \
    X(edSVT1, Text, 0, "")                                                                         \
    X(edEntgelt1, Text, 0, "")                                                                     \
    X(edM2, Text, 0, "")                                                                           \
    X(edT2, Text, 0, "")                                                                           \
    X(edSVT2, Text, 0, "")                                                                         \
    X(edEntgelt2, Text, 0, "")

enum class Ein {
#define BRENVIK_EIN(name, art, gruppe, start) name,
    BRENVIK_LOHN_EINGABEN(BRENVIK_EIN)
#undef BRENVIK_EIN
        Anzahl
};
constexpr std::size_t kEingaben = std::size_t(Ein::Anzahl);

enum class EingabeArt { Text, Auswahl, Haken, Radio };

struct EingabeInfo {
    std::string_view name;
    EingabeArt art;
    int gruppe; // radio buttons of one group share a number (> 0)
    std::string_view start;
};

std::span<const EingabeInfo, kEingaben> eingabeInfos();
const EingabeInfo& info(Ein e);
// The input of that component name (exact spelling), or Ein::Anzahl.
Ein findeEingabe(std::string_view name);

// Items of the combo boxes, in list order.
std::span<const std::string_view> auswahlEintraege(Ein e);
// Index of the item (compared without regard to case), or -1.
int auswahlIndex(Ein e, std::string_view text);

// Raised for a component name the frame does not have.
class UnbekannteEingabe : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};
// Raised for a text a control cannot hold (no such item, a tick other than 1/0).
class UngueltigeEingabe : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

} // namespace brenvik
