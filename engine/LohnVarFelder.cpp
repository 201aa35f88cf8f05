#include "LohnVarFelder.h"

namespace brenvik {

namespace {
#define BRENVIK_INFO(typ, name, gruppe, regel) FeldInfo{#name, FeldGruppe::gruppe, regel, &LohnVar::name},
const FeldInfo kFelder[] = {BRENVIK_LOHNVAR_FELDER(BRENVIK_INFO)};
#undef BRENVIK_INFO
} // namespace

std::span<const FeldInfo> lohnVarFelder() { return kFelder; }

const FeldInfo* findeFeld(std::string_view name) {
    for (const auto& f : kFelder)
        if (f.name == name) return &f;
    return nullptr;
}

} // namespace brenvik
