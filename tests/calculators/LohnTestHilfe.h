#pragma once
// Shared helpers of the payroll tests.

#include "LohnFormat.h"
#include "Lohnabrechnung.h"

#include <string_view>
#include <utility>
#include <vector>

namespace brenvik::test {

using Eingaben = std::vector<std::pair<std::string_view, std::string_view>>;

// A frame opened in January 2024, the inputs set in order, one run.
inline Lohnabrechnung lauf(LohnVar& lv, int modus, const Eingaben& e,
                           Lohnabrechnung::Datum heute = {2024, 1}) {
    Lohnabrechnung l(lv, modus, heute);
    for (const auto& [name, text] : e)
        l.setze(name, text);
    l.rechnen();
    return l;
}

// The amount of a caption in either currency.
inline Zahl betrag(const Lohnabrechnung& l, Erg e) {
    std::string c = l.caption(e);
    if (c.size() > 3 && c.compare(c.size() - 3, 3, " DM") == 0) c.resize(c.size() - 3);
    return LabelToBetrag(c);
}

} // namespace brenvik::test
