#pragma once
// Steps shared by the wage-tax flowcharts of 2000 to 2009: period shares,
// the old conversion to annual amounts, the old provident-expense lump sum,
// the tariff form of 2005 to 2009 and the tax-class V/VI steps.

#include "PapAb2010.h"

#include <cstdint>

namespace brenvik::alt {

// A zone or bound that a year does not have.
constexpr i64 kOffen = INT64_MAX;

// v rounded down to a multiple of s; 0 for negative v.
i64 abrundenAuf(i64 v, i64 s);

// Truncated to three decimals, as the tariffs up to 2004 do with RW.
Zahl dreiStellen(const Zahl& rw);

// Annual whole euros (Mark) from an amount of the pay period in cents
// (Pfennig), by the conversion formulas of the flowcharts up to 2007:
// a / 100, (a + 0.67) * 0.12, (a + 0.89) * 3.6 / 7, (a + 0.56) * 3.6, each
// truncated. A negative amount gives 0.
i64 jahresbetrag(i64 cent, int lzz);

// Share of the annual amount jw (cents) for the pay period: truncated
// (ANTEIL1) and rounded up by adding 0.99 (ANTEIL2).
i64 anteil1(i64 jw, int lzz);
i64 anteil2(i64 jw, int lzz);

// Old provident-expense lump sum (MVSP / UMVSP of the flowcharts up to 2009).
struct AltePauschale {
    enum class Kurz { genau, abrunden, aufrunden }; // KRV = 1 below VSPKURZ
    enum class Schluss { stufe, abrunden, aufrunden };

    i64 VSPVOR, VSPMAX1, VSPMAX2, VSPKURZ; // per tariff unit
    Kurz kurz;
    bool restAufCent; // halved rest rounded up to cents (2008, 2009), else to euros
    Schluss schluss;  // rounding of the general path
    i64 stufe = 0;    // table step for Schluss::stufe
};
Zahl altePauschale(const Zahl& basis, i64 kztab, int krv, const AltePauschale& r);

// Tariff of 2005 to 2009 for one tariff unit (not multiplied by KZTAB).
// t.B4 == kOffen: zone 4 is open (2005, 2006).
struct TarifAb2005 {
    Tarif t;
    i64 zuschlag2; // constant added in zone 2
};
i64 tarifAb2005(const Zahl& X, const TarifAb2005& t);

// Bounds of the tax-class V/VI steps; W3 == kOffen when there is no third.
struct Stkl5Grenzen {
    i64 W1, W2, W3;
    Zahl satz;           // rate above W1 (and between W2 and W3)
    Zahl satz3 = 0.45_z; // rate above W3
};

// UP5_6: twice the difference of the tariff at 1.25 and 0.75 times ZX, at
// least the minimum rate of ZX.
template <class TarifFn> i64 up5_6(i64 ZX, const Zahl& mindestsatz, TarifFn tarif) {
    i64 ST1 = tarif(Zahl(ZX) * 1.25_z);
    i64 ST2 = tarif(Zahl(ZX) * 0.75_z);
    i64 DIFF = (ST1 - ST2) * 2;
    i64 MIST = (Zahl(ZX) * mindestsatz).trunc();
    return MIST > DIFF ? MIST : DIFF;
}

// MST5_6 for the whole amount ZZX; up(ZX) is the year's UP5_6.
template <class Up5_6> i64 mst5_6(i64 ZZX, const Stkl5Grenzen& g, Up5_6 up) {
    if (ZZX > g.W2) {
        i64 ST = up(g.W2);
        if (ZZX > g.W3) {
            ST = (Zahl(ST) + Zahl(g.W3 - g.W2) * g.satz).trunc();
            return (Zahl(ST) + Zahl(ZZX - g.W3) * g.satz3).trunc();
        }
        return (Zahl(ST) + Zahl(ZZX - g.W2) * g.satz).trunc();
    }
    i64 ST = up(ZZX);
    if (ZZX > g.W1) {
        i64 VERGL = ST;
        i64 HOCH = (Zahl(up(g.W1)) + Zahl(ZZX - g.W1) * g.satz).trunc();
        ST = HOCH < VERGL ? HOCH : VERGL;
    }
    return ST;
}

// Solidarity surcharge of one year: 5.5 % of jbmg, at most the mitigation
// share of the excess over the exemption limit; in whole cents (0 up to the
// limit). Truncating SOLZJ to cents first, as 2005 to 2009 do, gives the same.
i64 solzJahrCent(i64 jbmg, i64 solzfrei, const Zahl& milderung);

} // namespace brenvik::alt
