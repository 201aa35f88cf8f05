#pragma once
// The wage-tax modules of 2010 to 2023, one per year (2015 has two: January
// to November, and December with the mid-year change of law).

#include "LStModul.h"

namespace brenvik {

struct PapJahr;

LStModul& LStPap10();
LStModul& LStPap11();
LStModul& LStPap12();
LStModul& LStPap13();
LStModul& LStPap14();
LStModul& LStPap15();
// The 2015 constants of January to November.
const PapJahr& parameter2015();
LStModul& LStPap15_Dez();
LStModul& LStPap16();
LStModul& LStPap17();
LStModul& LStPap18();
LStModul& LStPap19();
LStModul& LStPap20();
LStModul& LStPap21();
LStModul& LStPap22();
LStModul& LStPap23();

} // namespace brenvik
