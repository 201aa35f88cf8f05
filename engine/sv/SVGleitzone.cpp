#include "SVGleitzone.h"

#include "SVHilfen.h"
#include "SVRunden.h"

namespace brenvik::sv {

namespace {

struct Linear { // BE = a * AE - b
    Zahl a, b;
};

// 2003 to 2012: the multiplied-out form of F * 400 + (2 - F) * (AE - 400).
Linear formelBis2012(int jahr, int monat) {
    switch (jahr) {
    case 2003:
        return {1.4005_z, 320.4_z};
    case 2004:
    case 2005:
        return {1.4048_z, 323.84_z};
    case 2006:
        return monat <= 6 ? Linear{1.4033_z, 322.64_z} : Linear{1.284_z, 227.2_z};
    case 2007:
        return {1.2327_z, 186.16_z};
    case 2008:
        return {1.2268_z, 181.44_z};
    case 2009:
        return {1.2528_z, 202.24_z};
    case 2010:
        return {1.2415_z, 193.2_z};
    case 2011:
        return {1.2565_z, 205.2_z};
    default:
        return {1.2509_z, 200.72_z};
    }
}

Zahl faktorF(int jahr) {
    switch (jahr) {
    case 2016:
        return 0.7547_z;
    case 2017:
        return 0.7509_z;
    case 2018:
        return 0.7547_z;
    case 2019:
        return 0.7566_z;
    case 2020:
        return 0.7547_z;
    default:
        return 0.7509_z; // 2021, 2022 up to September
    }
}

// 2013 to 2018, contract begun before 2013 with pay up to 450.
Zahl basisAltvertrag(int jahr, const Zahl& ae) {
    if (jahr <= 2014) return 1.2395_z * ae - 191.6_z;
    if (jahr == 2015) return 1.2694375_z * ae - 229.021875_z;
    Zahl f = faktorF(jahr);
    return f * 400 + (2 - f) * (ae - 400);
}

// 2013 to 2018, the zone of 450 to 850.
Zahl basisNeu(int jahr, const Zahl& ae) {
    if (jahr <= 2014) return 1.2694_z * ae - 229.0_z;
    if (jahr == 2015) return 1.2716875_z * ae - 230.934375_z;
    Zahl f = faktorF(jahr);
    return f * 450 + (2.125_z - 1.125_z * f) * (ae - 450);
}

Zahl basisAb2019(int jahr, const Zahl& ae, const Zahl& og) {
    Zahl f = faktorF(jahr);
    return f * 450 + (og / (og - 450) - Zahl(450) / (og - 450) * f) * (ae - 450);
}

std::optional<Zahl> basis2013bis2018(const LohnVar& lv, int jahr) {
    const Zahl& ae = lv.Brutto;
    if (lv.Eintritt_vor_2013 && ae > 400 && ae <= 450) return basisAltvertrag(jahr, ae);
    bool neu = (lv.Eintritt_vor_2013 && ae > 450 && ae <= 800) ||
               (lv.Eintritt_vor_2013 && lv.Gleitzone_neu_800_850 && ae > 800 && ae < 850) ||
               (lv.Eintritt_ab_2013 && ae > 450 && ae <= 850);
    if (neu) return basisNeu(jahr, ae);
    return std::nullopt;
}

// The zone of July 2019 (upper limit 1300) or the 2013 zone up to 850.
std::optional<Zahl> obergrenzeAb2019(const LohnVar& lv) {
    if (lv.Brutto <= 0) return std::nullopt;
    if (lv.Uebergangsbereich_neu) return Zahl(1300);
    if (lv.Eintritt_ab_2013 && lv.Brutto > 450 && lv.Brutto <= 850) return Zahl(850);
    return std::nullopt;
}

} // namespace

std::optional<Zahl> gleitzoneBasis(const LohnVar& lv, int jahr) {
    const Zahl& ae = lv.Brutto;
    if (jahr <= 2012) {
        if (ae <= 400 || ae > 800) return std::nullopt;
        Linear l = formelBis2012(jahr, lv.Monat);
        return l.a * ae - l.b;
    }
    if (jahr <= 2018) {
        auto be = basis2013bis2018(lv, jahr);
        // 2015 computes on BE rounded to four decimals
        if (be && jahr == 2015) be = Zahl::bruch((*be * 10000).round(), 10000);
        return be;
    }
    if (auto og = obergrenzeAb2019(lv)) return basisAb2019(jahr, ae, *og);
    return std::nullopt;
}

void gleitzoneAnteile(LohnVar& lv, const Zahl& be, const Zahl& rv, const Zahl& av,
                      const Zahl& kvExtra, const Zahl& pvGesamt) {
    const Zahl r = 0.49_z;
    auto gesamt = [&](const Zahl& satz, const char* feld) {
        return std::int64_t(2) * anteil(be * satz / 2, r, feld);
    };
    lv.RV_AN = alsCent(gesamt(rv, "RV_AN") - lv.RV_AG, "RV_AN");
    lv.AV_AN = alsCent(gesamt(av, "AV_AN") - lv.AV_AG, "AV_AN");
    std::int64_t kv = gesamt(lv.KV_Satz, "KV_AN") - lv.KV_AG;
    if (kvExtra != 0) kv += anteil(be * kvExtra, r, "KV_AN");
    lv.KV_AN = alsCent(kv, "KV_AN");
    lv.PV_AN = alsCent(gesamt(pvGesamt, "PV_AN") - lv.PV_AG, "PV_AN");
}

bool uebergangsbereichGilt(const LohnVar& lv, int jahr) {
    if (lv.Brutto <= 0) return false;
    if (jahr >= 2024) return true;
    return lv.Uebergangsbereich_neu || (lv.Eintritt_ab_2013 && lv.Brutto > 450 && lv.Brutto <= 850);
}

void uebergangsbereich(LohnVar& lv, int jahr) {
    // 2022 and the first half of 2023 still have the old care rates
    bool alt = jahr == 2022 || (jahr == 2023 && lv.Monat <= 6);
    Zahl f = jahr == 2022 ? 0.7009_z : jahr == 2023 ? 0.6922_z : 0.6846_z;
    Zahl av = jahr == 2022 ? 2.4_z : 2.6_z;
    Zahl pv = alt ? 3.05_z : 3.4_z;
    Zahl pvAn = alt ? 1.525_z : 1.7_z;
    Zahl zuschlag = alt ? 0.35_z : 0.6_z;
    Zahl s = lv.PVS == 1 ? 0.5_z : 0;

    const Zahl& ae = lv.Brutto;
    const Zahl& g = lv.Geringfuegigkeitsgrenze;
    const Zahl& og = lv.Uebergangsgrenze;
    Zahl be = f * g + (og / (og - g) - g / (og - g) * f) * (ae - g);
    Zahl beGerundet = Runden2(2, be);
    // 2024 takes the totals from the rounded base, the years before from BE itself
    const Zahl& beSumme = jahr >= 2024 ? beGerundet : be;
    lv.UB_RV_Gesamt = Runden2(2, beSumme * 18.6_z / 100);
    lv.UB_AV_Gesamt = Runden2(2, beSumme * av / 100);
    lv.UB_KV_Gesamt = Runden2(2, beSumme * (14.6_z + lv.KVZ) / 100);
    lv.UB_PV_Gesamt = Runden2(2, beSumme * pv / 100);

    Zahl beAn = og / (og - g) * (ae - g);
    lv.RV_AN = alsCent((9.3_z * beAn).trunc(), "RV_AN");
    lv.AV_AN = alsCent((av / 2 * beAn).trunc(), "AV_AN");
    lv.KV_AN = alsCent(((lv.KV_Satz + lv.KVZ) / 2 * beAn).trunc(), "KV_AN");
    Zahl r = alt ? Zahl(0) : kinderAbschlag(lv.PV_Kinder);
    std::int64_t pvAnteil;
    if (lv.PVZ == 1)
        pvAnteil = ((pvAn + s) * beAn).trunc() + (beGerundet * zuschlag).trunc();
    else
        pvAnteil = ((pvAn - r + s) * beAn).trunc();
    lv.PV_AN = alsCent(pvAnteil, "PV_AN");

    Zahl pvAg = jahr >= 2024 ? Runden2(2, lv.UB_PV_Gesamt - (pvAn + s) * beAn / 100)
                             : lv.UB_PV_Gesamt - Zahl::bruch(((pvAn + s) * beAn).trunc(), 100);
    lv.UB_AG_Gesamt = (lv.UB_RV_Gesamt - Zahl::bruch(lv.RV_AN, 100)) +
                      (lv.UB_AV_Gesamt - Zahl::bruch(lv.AV_AN, 100)) +
                      (lv.UB_KV_Gesamt - Zahl::bruch(lv.KV_AN, 100)) + pvAg;
}

} // namespace brenvik::sv
