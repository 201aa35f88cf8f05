#pragma once
// Number texts with German conventions (decimal comma, "." between thousands),
// independent of the system locale: the program always shows German figures.

#include "Zahl.h"

#include <string>
#include <string_view>

namespace brenvik {

inline constexpr char kDezimalzeichen = ',';
inline constexpr char kTausenderzeichen = '.';

// Formats like a display format of the screens: "#,##0.00", "0.00", "#,##0",
// with an optional second section after ';' for negative numbers and a third
// for zero. '0' is a fixed digit, '#' an optional one, ',' in the integer part
// groups thousands; other characters are copied. Halves round away from zero.
std::string FormatiereZahl(const Zahl& wert, std::string_view format);

// Shortest exact text of the number with decimal comma ("1470", "-50",
// "10,75").
std::string AllgemeinesFormat(const Zahl& wert);

// Decimal text with comma (or '.') as separator and optional sign; false when
// the text is no number.
bool LiesDezimal(std::string_view text, Zahl& wert);

} // namespace brenvik
