// Social insurance 2005 to 2024: care rates with the childless surcharge
// (and from July 2023 the child reductions), the employee-only health extra
// from July 2005, the shared additional rate from 2019, one-off payments with
// the annual ceilings and the March clause, and the reduced-contribution zone
// of the low-wage mode.

#include "SVGleitzone.h"
#include "SVHilfen.h"
#include "SVRoutinen.h"

namespace brenvik::sv {

namespace {

struct Regeln {
    Zahl rundung;     // added before each share is truncated
    bool rvAbKrv2;    // from 2010 KRV 1 (east ceiling) is insured as well
    bool ezAb2013;    // pro-rata one-off method
    bool kvzExtra;    // 2015 on: the extra is the additional rate KVZ
    bool paritaet;    // 2019 on: KVZ_Paritaet splits the additional rate
    bool kinderAbzug; // July 2023 on
};

Regeln regeln(int jahr, int monat) {
    Regeln r;
    r.rundung = jahr >= 2022 ? 0.5_z : 0.99_z;
    r.rvAbKrv2 = jahr >= 2010;
    r.ezAb2013 = jahr >= 2013;
    r.kvzExtra = jahr >= 2015;
    r.paritaet = jahr >= 2019;
    r.kinderAbzug = jahr > 2023 || (jahr == 2023 && monat >= 7);
    return r;
}

Zahl kvExtra(const LohnVar& lv, const Regeln& r) {
    return r.kvzExtra ? lv.KVZ : 0.9_z;
}

// Health shares on `basis` into ag/an (step "KV" of the month and of the
// one-off payment alike).
void kvAnteile(const LohnVar& lv, const Regeln& r, const Zahl& basis, Cent& ag, Cent& an,
               const char* feldAg, const char* feldAn) {
    ag = anteil(basis * lv.KV_Satz / 2, r.rundung, feldAg);
    if (r.paritaet && lv.KVZ_Paritaet) {
        an = anteil((lv.KV_Satz / 2 + lv.KVZ / 2) * basis, r.rundung, feldAn);
        ag = an;
    } else if (lv.KV_Sonderbeitrag) {
        an = anteil((lv.KV_Satz / 2 + kvExtra(lv, r)) * basis, r.rundung, feldAn);
    } else {
        an = ag;
    }
}

void pvAnteile(const Regeln& r, const PVSaetze& s, const Zahl& basis, Cent& ag, Cent& an,
               const char* feldAg, const char* feldAn) {
    an = anteil(basis * s.an, r.rundung, feldAn);
    ag = alsCent(std::int64_t(anteil(basis * s.gesamt, r.rundung, feldAg)) - an, feldAg);
}

void einmalzahlung(LohnVar& lv, const SVJahr& j, const Regeln& r, const PVSaetze& pv,
                   bool rvPflicht) {
    if (!r.ezAb2013) EntgelteAufJahrHochrechnen(lv);
    auto ezAnteil = [&](const Grenzen& g) {
        return r.ezAb2013 ? EZ_Anteil_ab2013(lv, g) : EZ_Anteil_bis2012(lv, g);
    };
    Grenzen g = BBG_setzen(lv, j);
    if (rvPflicht) {
        Zahl p = ezAnteil({g.aktuell * 12, g.vorjahr * 12});
        lv.RV_Einmal = anteil(p * j.rv / 2, r.rundung, "RV_Einmal");
        lv.AV_Einmal = anteil(p * j.av / 2, r.rundung, "AV_Einmal");
    }
    if (lv.Privat == 0) {
        Zahl p = ezAnteil({j.kvBbg * 12, j.vorKvJahr});
        kvAnteile(lv, r, p, lv.KV_Einmal_AG, lv.KV_Einmal_AN, "KV_Einmal_AG", "KV_Einmal_AN");
        pvAnteile(r, pv, p, lv.PV_Einmal_AG, lv.PV_Einmal_AN, "PV_Einmal_AG", "PV_Einmal_AN");
    }
}

void niedriglohn(LohnVar& lv, int jahr, const SVJahr& j, const Regeln& r, const PVSaetze& pv) {
    if (jahr > 2022 || (jahr == 2022 && lv.Monat >= 10)) {
        if (uebergangsbereichGilt(lv, jahr)) uebergangsbereich(lv, jahr);
        return;
    }
    if (auto be = gleitzoneBasis(lv, jahr)) {
        Zahl extra = lv.KV_Sonderbeitrag ? kvExtra(lv, r) : Zahl(0);
        gleitzoneAnteile(lv, *be, j.rv, j.av, extra, pv.gesamt);
    }
}

} // namespace

void svAb2005(LohnVar& lv, int modus, int jahr) {
    const SVJahr& j = svJahr(jahr);
    const Regeln r = regeln(jahr, lv.Monat);
    lv.RV_AG = lv.AV_AG = lv.RV_Einmal = lv.AV_Einmal = 0;
    if (jahr == 2022) lv.UB_AG_Gesamt = 0;
    Grenzen g = BBG_setzen(lv, j);
    bool sachsen = istSachsen(lv.Region);

    Zahl basis = lv.Brutto - lv.SV_Abzug;
    if (basis > g.aktuell) basis = g.aktuell;
    bool rvPflicht = (r.rvAbKrv2 ? lv.KRV < 2 : lv.KRV == 0) && lv.KeineSV == 0;
    if (rvPflicht) {
        lv.RV_AG = anteil(basis * j.rv / 2, r.rundung, "RV_AG");
        lv.AV_AG = anteil(basis * j.av / 2, r.rundung, "AV_AG");
    }

    lv.PKV_PV_Beitrag = lv.PKV_PV_Zuschuss = 0;
    lv.KV_AG = lv.KV_Einmal_AG = lv.KV_AN = lv.KV_Einmal_AN = 0;
    lv.PV_AG = lv.PV_AN = lv.PV_Einmal_AG = lv.PV_Einmal_AN = 0;

    bool zweiteHaelfte = lv.Monat >= 7;
    PVSaetze pv =
        pvSaetze(zweiteHaelfte ? j.pvAbJuli : j.pv, sachsen, lv.Kinderlos != 0,
                 zweiteHaelfte ? j.zuschlagAbJuli : j.zuschlag, r.kinderAbzug, lv.PV_Kinder);
    if (lv.Privat == 1) {
        lv.PKV_PV_Beitrag = lv.PKV_Beitrag + lv.PPV_Beitrag;
        lv.PKV_PV_Zuschuss = lv.PKV_Zuschuss + lv.PPV_Zuschuss;
    } else {
        if (basis > j.kvBbg) basis = j.kvBbg;
        kvAnteile(lv, r, basis, lv.KV_AG, lv.KV_AN, "KV_AG", "KV_AN");
        pvAnteile(r, pv, basis, lv.PV_AG, lv.PV_AN, "PV_AG", "PV_AN");
    }

    if (lv.Einmalzahlung > 0) einmalzahlung(lv, j, r, pv, rvPflicht);

    lv.RV_AN = lv.RV_AG;
    lv.AV_AN = lv.AV_AG;

    if (modus == 3) niedriglohn(lv, jahr, j, r, pv);
}

} // namespace brenvik::sv
