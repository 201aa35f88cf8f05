#include "LohnErgebnisse.h"

namespace brenvik {

namespace {
constexpr std::array<std::string_view, kErgebnisse> kErgNamen{
#define BRENVIK_ERG(name) #name,
    BRENVIK_LOHN_ERGEBNISSE(BRENVIK_ERG)
#undef BRENVIK_ERG
};
constexpr std::array<std::string_view, kZeilen> kZeilenNamen{
#define BRENVIK_ZEILE(name) #name,
    BRENVIK_LOHN_ZEILEN(BRENVIK_ZEILE)
#undef BRENVIK_ZEILE
};
} // namespace

std::string_view name(Erg e) {
    return kErgNamen[std::size_t(e)];
}
std::string_view name(Zeile z) {
    return kZeilenNamen[std::size_t(z)];
}

Erg findeErgebnis(std::string_view n) {
    for (std::size_t i = 0; i < kErgebnisse; ++i)
        if (kErgNamen[i] == n) return Erg(i);
    return Erg::Anzahl;
}
Zeile findeZeile(std::string_view n) {
    for (std::size_t i = 0; i < kZeilen; ++i)
        if (kZeilenNamen[i] == n) return Zeile(i);
    return Zeile::Anzahl;
}

} // namespace brenvik
