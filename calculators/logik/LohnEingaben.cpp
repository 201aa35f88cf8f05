#include "LohnEingaben.h"

#include <cctype>

namespace brenvik {

namespace {
constexpr std::array<EingabeInfo, kEingaben> kInfos{{
#define BRENVIK_EIN(name, art, gruppe, start) {#name, EingabeArt::art, gruppe, start},
    BRENVIK_LOHN_EINGABEN(BRENVIK_EIN)
#undef BRENVIK_EIN
}};

constexpr std::array<std::string_view, 12> kMonate{"Januar",    "Februar", "M\u00E4rz", "April",
                                                   "Mai",       "Juni",    "Juli",      "August",
                                                   "September", "Oktober", "November",  "Dezember"};
constexpr std::array<std::string_view, 3> kRegionen{"West", "Ost (Sachsen)", "Ost (andere)"};
constexpr std::array<std::string_view, 7> kKinder{"Kinderlos (PV erh\u00F6ht)",
                                                  "Kinder (PV Standard)",
                                                  "1 Kind",
                                                  "2 Kinder",
                                                  "3 Kinder",
                                                  "4 Kinder",
                                                  "5 oder mehr Kinder"};

// Case-insensitive for ASCII; umlauts must match as written.
bool gleich(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
} // namespace

std::span<const EingabeInfo, kEingaben> eingabeInfos() {
    return kInfos;
}
const EingabeInfo& info(Ein e) {
    return kInfos[std::size_t(e)];
}

Ein findeEingabe(std::string_view name) {
    for (std::size_t i = 0; i < kEingaben; ++i)
        if (kInfos[i].name == name) return Ein(i);
    return Ein::Anzahl;
}

std::span<const std::string_view> auswahlEintraege(Ein e) {
    switch (e) {
    case Ein::cbMonat:
        return kMonate;
    case Ein::edRegion:
        return kRegionen;
    case Ein::edKinderZahl:
        return kKinder;
    default:
        return {};
    }
}

int auswahlIndex(Ein e, std::string_view text) {
    auto eintraege = auswahlEintraege(e);
    for (std::size_t i = 0; i < eintraege.size(); ++i)
        if (gleich(eintraege[i], text)) return int(i);
    return -1;
}

} // namespace brenvik
