// Social insurance 2000 to 2004: Deutsche Mark in 2000 and 2001, a fixed
// care rate of 1.7 % with the Saxony shift expressed through the employer's
// part, one-off payments from 2002, Gleitzone from 2003.

#include "SVGleitzone.h"
#include "SVHilfen.h"
#include "SVRoutinen.h"

namespace brenvik::sv {

namespace {

struct Rundung {
    Zahl anteil;     // monthly shares
    Zahl pflegeHalb; // employer half of the care rate
    Zahl einmal;     // one-off pension, unemployment and health shares
    Zahl einmalPflege;
};

Rundung rundung(int jahr) {
    switch (jahr) {
    case 2000:
    case 2001:
        return {0.99_z, 0.49_z, 0, 0};
    case 2003:
        return {0.49_z, 0.49_z, 0.99_z, 0.49_z};
    default:
        return {0.99_z, 0.99_z, 0.99_z, 0.49_z}; // 2002, 2004
    }
}

Zahl kvGrenze(const SVJahr& j, const Grenzen& g) {
    if (j.jahr == 2000) return Zahl(g.aktuell.trunc() / 4 * 3);
    return j.kvBbg;
}

// Employer's care part in Saxony: 0.7 % halved.
Cent pflegeTeilSachsen(const Zahl& basis, const char* feld) {
    return anteil(basis * 0.7_z / 2, 0.99_z, feld);
}

void einmalzahlung(LohnVar& lv, const SVJahr& j, const Rundung& r, bool rvPflicht, bool sachsen) {
    EntgelteAufJahrHochrechnen(lv);
    Grenzen g = BBG_setzen(lv, j);
    if (rvPflicht) {
        Grenzen jahr{g.aktuell * 12, g.vorjahr * 12};
        Zahl p = EZ_Anteil_bis2012(lv, jahr);
        lv.RV_Einmal = anteil(p * j.rv / 2, r.einmal, "RV_Einmal");
        lv.AV_Einmal = anteil(p * j.av / 2, r.einmal, "AV_Einmal");
    }
    if (lv.Privat == 0) {
        Grenzen kv{kvGrenze(j, g) * 12, j.vorKvJahr};
        Zahl p = EZ_Anteil_bis2012(lv, kv);
        lv.KV_Einmal_AG = lv.KV_Einmal_AN = anteil(p * lv.KV_Satz / 2, r.einmal, "KV_Einmal_AN");
        Cent halb = anteil(p * 1.7_z / 2, r.einmalPflege, "PV_Einmal_AN");
        Cent an = halb;
        if (sachsen) {
            Cent teil = pflegeTeilSachsen(p, "PV_Einmal_AG");
            an = alsCent(std::int64_t(2) * halb - teil, "PV_Einmal_AN");
            lv.PV_EZ_Differenz = alsCent(std::int64_t(an) - teil, "PV_EZ_Differenz");
        }
        // both fields carry the employee's value; the payroll takes the
        // Saxony difference off the employer's total
        lv.PV_Einmal_AG = lv.PV_Einmal_AN = an;
    }
}

} // namespace

void svBis2004(LohnVar& lv, int modus, int jahr) {
    const SVJahr& j = svJahr(jahr);
    const Rundung r = rundung(jahr);
    lv.RV_AG = lv.AV_AG = lv.RV_Einmal = lv.AV_Einmal = 0;
    lv.KV_Einmal_AG = lv.KV_Einmal_AN = lv.PV_Einmal_AG = lv.PV_Einmal_AN = 0;
    if (jahr >= 2002) lv.PV_EZ_Differenz = 0;
    Grenzen g = BBG_setzen(lv, j);
    bool sachsen = istSachsen(lv.Region);

    Zahl basis = jahr <= 2001 ? lv.Brutto : lv.Brutto - lv.SV_Abzug;
    if (basis > g.aktuell) basis = g.aktuell;
    bool rvPflicht = lv.KRV == 0 && lv.KeineSV == 0;
    if (rvPflicht) {
        lv.RV_AG = anteil(basis * j.rv / 2, r.anteil, "RV_AG");
        lv.AV_AG = anteil(basis * j.av / 2, r.anteil, "AV_AG");
    }

    lv.PKV_PV_Beitrag = lv.PKV_PV_Zuschuss = 0;
    lv.KV_AG = lv.KV_AN = lv.PV_AG = lv.PV_AN = 0;
    Cent pflegeTeil = 0;
    if (lv.Privat == 1) {
        lv.PKV_PV_Beitrag = lv.PKV_Beitrag + lv.PPV_Beitrag;
        lv.PKV_PV_Zuschuss = lv.PKV_Zuschuss + lv.PPV_Zuschuss;
    } else {
        Zahl kvBasis = basis;
        Zahl kvg = kvGrenze(j, g);
        if (kvBasis > kvg) kvBasis = kvg;
        lv.KV_AG = anteil(kvBasis * lv.KV_Satz / 2, r.anteil, "KV_AG");
        lv.PV_AG = anteil(kvBasis * 1.7_z / 2, r.pflegeHalb, "PV_AG");
        if (sachsen) pflegeTeil = pflegeTeilSachsen(kvBasis, "PV_AG");
    }

    if (jahr >= 2002 && lv.Einmalzahlung > 0) einmalzahlung(lv, j, r, rvPflicht, sachsen);

    lv.RV_AN = lv.RV_AG;
    lv.AV_AN = lv.AV_AG;
    lv.KV_AN = lv.KV_AG;
    lv.PV_AN = lv.PV_AG;
    if (sachsen && lv.Privat != 1) {
        lv.PV_AN = alsCent(std::int64_t(2) * lv.PV_AG - pflegeTeil, "PV_AN");
        lv.PV_AG = pflegeTeil;
    }

    if (modus == 3 && jahr >= 2003)
        if (auto be = gleitzoneBasis(lv, jahr)) gleitzoneAnteile(lv, *be, j.rv, j.av, 0, 1.7_z);
}

} // namespace brenvik::sv
