#pragma once
// Rounding routines of the transition-zone steps.

#include "Zahl.h"

#include <cstdint>

namespace brenvik::sv {

// Commercial rounding to `stellen` decimals, decided on the 15-digit decimal
// text of x: a '5' right after the kept digits always rounds up (toward
// +infinity), otherwise ties go away from zero.
Zahl Runden2(int stellen, const Zahl& x);
// Rounds a positive value up to `stellen` decimals (a fraction below 1e-9 of
// the last place is dropped), truncates a negative one.
Zahl Aufrunden_Stellen(int stellen, const Zahl& x);

// The decimal digit at position `stelle` after the separator of the text
// that the 15-significant-digit general format gives for x, or -1 where that
// text has no such digit (no decimals, exponent form, too short).
int ziffer15(const Zahl& x, int stelle);

} // namespace brenvik::sv
