#include "PapHilfen2000bis2009.h"

#include "Lohn_Var.h"

namespace brenvik::alt {

i64 abrundenAuf(i64 v, i64 s) {
    return v < 0 ? 0 : v / s * s;
}

Zahl dreiStellen(const Zahl& rw) {
    return Zahl::bruch((rw * 1000).trunc(), 1000);
}

i64 jahresbetrag(i64 cent, int lzz) {
    if (cent < 0) return 0;
    Zahl a = cent;
    switch (lzz) {
    case 1:
        return (a / 100).trunc();
    case 2:
        return ((a + 0.67_z) * 0.12_z).trunc();
    case 3:
        return ((a + 0.89_z) * 3.6_z / 7).trunc();
    default:
        return ((a + 0.56_z) * 3.6_z).trunc();
    }
}

namespace {
Zahl anteil(i64 jw, int lzz) {
    switch (lzz) {
    case 1:
        return jw;
    case 2:
        return Zahl(jw) / 12;
    case 3:
        return Zahl(jw) * 7 / 360;
    default:
        return Zahl(jw) / 360;
    }
}
} // namespace

i64 anteil1(i64 jw, int lzz) {
    return anteil(jw, lzz).trunc();
}
i64 anteil2(i64 jw, int lzz) {
    return lzz == 1 ? jw : (anteil(jw, lzz) + 0.99_z).trunc();
}

Zahl altePauschale(const Zahl& basis, i64 kztab, int krv, const AltePauschale& r) {
    const Zahl VSPO = basis * 0.2_z;
    const i64 VSPMAX1 = r.VSPMAX1 * kztab, VSPMAX2 = r.VSPMAX2 * kztab;
    const i64 VSPKURZ = r.VSPKURZ * kztab;
    if (krv == 1) {
        if (VSPO > VSPKURZ) return VSPKURZ;
        switch (r.kurz) {
        case AltePauschale::Kurz::genau:
            return VSPO;
        case AltePauschale::Kurz::abrunden:
            return VSPO.trunc();
        case AltePauschale::Kurz::aufrunden:
            return (VSPO + 0.99_z).trunc();
        }
    }
    Zahl VSPVOR = Zahl(r.VSPVOR * kztab) - basis * 0.16_z;
    if (VSPVOR < 0) VSPVOR = 0;
    Zahl VSP;
    if (VSPO <= VSPVOR) {
        VSP = VSPO;
    } else {
        VSP = VSPVOR;
        Zahl VSPREST = VSPO - VSPVOR;
        if (VSPREST > VSPMAX1) {
            VSP += VSPMAX1;
            Zahl haelfte = (VSPREST - VSPMAX1) / 2;
            VSPREST = r.restAufCent ? AufCentAufrunden(haelfte) : Zahl(AufEuroAufrunden(haelfte));
            VSP += VSPREST > VSPMAX2 ? Zahl(VSPMAX2) : VSPREST;
        } else {
            VSP += VSPREST;
        }
    }
    switch (r.schluss) {
    case AltePauschale::Schluss::stufe:
        return abrundenAuf(VSP.trunc(), r.stufe);
    case AltePauschale::Schluss::abrunden:
        return VSP.trunc();
    case AltePauschale::Schluss::aufrunden:
        return AufEuroAufrunden(VSP);
    }
    return VSP;
}

i64 tarifAb2005(const Zahl& X, const TarifAb2005& tarif) {
    const Tarif& t = tarif.t;
    if (X < t.GFB + 1) return 0;
    if (X < t.B2) {
        Zahl Y = (X - t.GFB) / 10000;
        Zahl RW = Y * t.A2 + tarif.zuschlag2;
        return (RW * Y).trunc();
    }
    if (X < t.B3) {
        Zahl Y = (X - t.S3) / 10000;
        Zahl RW = (Y * t.A3 + 2397) * Y;
        return (RW + t.C3).trunc();
    }
    if (t.B4 == kOffen || X < t.B4) return (X * 0.42_z - t.D4).trunc();
    return (X * 0.45_z - t.D5).trunc();
}

i64 solzJahrCent(i64 jbmg, i64 solzfrei, const Zahl& milderung) {
    if (jbmg <= solzfrei) return 0;
    Zahl SOLZJ = Zahl(jbmg) * 5.5_z / 100;
    Zahl SOLZMIN = Zahl(jbmg - solzfrei) * milderung;
    if (SOLZJ > SOLZMIN) SOLZJ = SOLZMIN;
    return (SOLZJ * 100).trunc();
}

} // namespace brenvik::alt
