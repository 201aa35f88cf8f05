#pragma once
// Pension-allowance and old-age-relief tables of the modules from 2007 on,
// indexed 1..36; any other index yields 0.

#include "Zahl.h"

namespace brenvik {

Zahl TAB1(int i); // share of the pension allowance
Zahl TAB2(int i); // maximum pension allowance, euros
Zahl TAB3(int i); // surcharge to the pension allowance, euros
inline Zahl TAB4(int i) { return TAB1(i); } // share of the old-age relief
Zahl TAB5(int i); // maximum old-age relief, euros

// Row of the tables for a start year (VJAHR, AJAHR): 1 before 2006, then
// year - 2004, 36 from 2040.
inline int tabellenZeile(int jahr) { return jahr < 2006 ? 1 : (jahr < 2040 ? jahr - 2004 : 36); }

} // namespace brenvik
