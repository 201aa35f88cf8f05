#pragma once
// Number texts of the payroll screen, German style.

#include "Zahl.h"

#include <string>
#include <string_view>

namespace brenvik {

// x rounded to `stellen` decimals (ties away from zero) with decimal comma;
// `tausender` groups the integer part with '.' as in "#,##0.00".
std::string formatZahl(const Zahl& x, int stellen, bool tausender);
// "#,##0.00": 1234.5 -> "1.234,50".
inline std::string formatBetrag(const Zahl& x) {
    return formatZahl(x, 2, true);
}
// "(" + "0.00" + " %)": 12.345 -> "(12,35 %)".
std::string formatProzent(const Zahl& x);

// Whole number in a strict decimal text (optional sign, digits only).
bool ganzzahlAusText(std::string_view text, long long& out);

} // namespace brenvik
