#pragma once
// Which year module each calculator runs, and the calling order of one run.

#include "LStModul.h"

namespace brenvik {

enum class Rechner { Lohnabrechnung, Lohnsteuer, Steuerklassenwahl, Kurzarbeit };

// The wage-tax module a calculator uses for that year and payroll month, or
// nullptr where it has none (the run then computes nothing).
LStModul* lohnsteuerModul(Rechner rechner, int jahr, int monat);

// Payroll run: clears the nine tax outputs, sets Waehrung, runs the wage tax
// when STKL is not 0 and then the year's social insurance in mode `modus`.
void LohnabrechnungRechnen(LohnVar& lv, int jahr, int modus);
// Wage-tax calculator run (2003 to 2024; no social insurance).
void LohnsteuerRechnen(LohnVar& lv, int jahr);
// Tax-class choice run (2000 to 2024; no social insurance).
void SteuerklassenwahlRechnen(LohnVar& lv, int jahr);

} // namespace brenvik
