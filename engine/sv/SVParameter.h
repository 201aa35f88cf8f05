#pragma once
// Statutory social-insurance constants of 2000 to 2024, one row per year.

#include "Zahl.h"

namespace brenvik::sv {

struct SVJahr {
    int jahr;
    Zahl rv;       // pension rate, both sides together
    Zahl av;       // unemployment rate
    Zahl pv;       // care rate (first half of the year where it changed)
    Zahl pvAbJuli; // care rate from July
    Zahl zuschlag; // childless surcharge on the employee's care rate
    Zahl zuschlagAbJuli;
    Zahl bbgWest; // monthly pension/unemployment ceilings
    Zahl bbgOst;
    Zahl kvBbg;   // monthly health/care ceiling (2000: three quarters of the region's)
    Zahl vorWest; // previous year's monthly pension ceilings (March clause)
    Zahl vorOst;
    Zahl vorKvJahr; // previous year's annual health/care ceiling
};

// The row of that year (2000 to 2024); throws std::out_of_range otherwise.
const SVJahr& svJahr(int jahr);

} // namespace brenvik::sv
