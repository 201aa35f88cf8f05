#pragma once
// Pieces shared by the social-insurance routines of all years.

#include "Lohn_Var.h"
#include "SVParameter.h"

#include <string_view>

namespace brenvik::sv {

// The routine's local pension/unemployment ceilings: current and previous
// year, monthly from BBG_setzen, annual where the one-off step sets them.
struct Grenzen {
    Zahl aktuell;
    Zahl vorjahr;
};

// "WEST" in any case selects the western ceilings, every other text the
// eastern ones.
bool istWest(std::string_view region);
// Saxony only where the region contains "Sachsen" in exactly that spelling.
bool istSachsen(std::string_view region);
Grenzen BBG_setzen(const LohnVar& lv, const SVJahr& j);

// Part of the one-off payment subject to contributions under the annual
// ceilings g; 2013 onward (pro-rata room of the months so far).
Zahl EZ_Anteil_ab2013(const LohnVar& lv, const Grenzen& g);
// The same, 2002 to 2012 (whole-year room, on rescaled sums).
Zahl EZ_Anteil_bis2012(const LohnVar& lv, const Grenzen& g);
// 2002 to 2012: the sums of the year so far and of the previous year are
// rescaled to 360 days before the first EZ_Anteil; the record keeps them.
void EntgelteAufJahrHochrechnen(LohnVar& lv);

// A share in cents: Trunc(x + zuschlag), checked against the field width.
Cent anteil(const Zahl& x, const Zahl& zuschlag, const char* feld);

// Care rates of one month (2005 onward): employee, employer and their sum.
struct PVSaetze {
    Zahl an;
    Zahl ag;
    Zahl gesamt;
};
// Rate of the month, Saxony split, childless surcharge and, when
// `kinderAbzug`, the reductions for two to five children.
PVSaetze pvSaetze(const Zahl& satz, bool sachsen, bool kinderlos, const Zahl& zuschlag,
                  bool kinderAbzug, int pvKinder);
// Reduction of the employee's care rate for the children choice.
Zahl kinderAbschlag(int pvKinder);

} // namespace brenvik::sv
