#include "PapBis2004.h"

namespace brenvik {

using namespace alt;

namespace {
constexpr Zahl kDMFaktor = 1.95583_z;
i64 prozent40AufCent(i64 cent) {
    return (Zahl(cent) * 0.4_z + 0.99_z).trunc();
}
} // namespace

PapBis2004::PapBis2004(const PapJahrBis2004& j) : j_(j) {
    if (j.mark)
        ausgaben_ = {"BK", "LSTLZZ", "SOLZLZZ", "BK_EUR", "LSTLZZ_EUR", "SOLZLZZ_EUR"};
    else
        ausgaben_ = {"BK", "BKS", "LSTLZZ", "SOLZLZZ", "SOLZS", "LST_SONST"};
}

void PapBis2004::Lohnsteuer(LohnVar& lv) {
    lv_ = &lv;
    if (j_.mark) eurosUmrechnen();
    MRE4();
    MRE4JL();
    MZTABFB();
    MLSTJAHR();
    LSTJAHR = ST;
    LSTLZZ = anteil1(ST * 100, lv.LZZ);
    if (lv.ZKF > 0) {
        ZTABFB += KFB;
        MLSTJAHR();
        JBMG = ST;
    } else {
        JBMG = LSTJAHR;
    }
    MSOLZ();
    if (j_.sonstige != PapJahrBis2004::Sonstige::keine) MSONST();
    ergebnisseSchreiben();
}

// The euro inputs are added to the Pfennig fields they stand beside.
void PapBis2004::eurosUmrechnen() {
    LohnVar& lv = *lv_;
    auto dazu = [](Cent& feld, Cent euro, const char* name) {
        feld = alsCent(i64(feld) + (Zahl(euro) * kDMFaktor).round(), name);
    };
    dazu(lv.RE4, lv.RE4_EUR, "RE4");
    dazu(lv.VBEZ, lv.VBEZ_EUR, "VBEZ");
    dazu(lv.WFUNDF, lv.WFUNDF_EUR, "WFUNDF");
    dazu(lv.HINZUR, lv.HINZUR_EUR, "HINZUR");
}

// Pension allowance and old-age relief of the pay period, each at most the
// period's share of its annual maximum.
void PapBis2004::MRE4() {
    const LohnVar& lv = *lv_;
    FVB = 0;
    if (lv.VBEZ != 0) {
        FVB = prozent40AufCent(lv.VBEZ);
        i64 max = anteil2(j_.fvbMax * 100, lv.LZZ);
        if (FVB > max) FVB = max;
    }
    ALTE = 0;
    if (lv.ALTER1 != 0) {
        ALTE = prozent40AufCent(i64(lv.RE4) - lv.VBEZ);
        i64 max = anteil2(j_.alteMax * 100, lv.LZZ);
        if (ALTE > max) ALTE = max;
    }
    RE4LZZ = i64(lv.RE4) + lv.HINZUR - FVB - ALTE - lv.WFUNDF;
    RE4LZZV = i64(lv.RE4) - FVB - ALTE;
}

// Annual wage and lump-sum base, placed on the steps of the printed tables.
// ZRE4 and ZRE4VP hold the stepped values from here on.
void PapBis2004::MRE4JL() {
    const int lzz = lv_->LZZ;
    ZRE4 = jahresbetrag(RE4LZZ, lzz);
    ZRE4VP = jahresbetrag(RE4LZZV, lzz);
    const i64 s = j_.stufe;
    switch (j_.stufung) {
    case PapJahrBis2004::Stufung::untergrenze: {
        // 2000 has no separate lump-sum wage: both come from RE4LZZ.
        i64 stufe = abrundenAuf(ZRE4 - 2, s);
        ZRE4 = stufe + 2;
        ZRE4VP = stufe + s + 1;
        break;
    }
    case PapJahrBis2004::Stufung::mitte:
        ZRE4 = abrundenAuf(ZRE4, s);
        ZRE4VP = abrundenAuf(ZRE4VP, s) + s - 1;
        break;
    case PapJahrBis2004::Stufung::keine:
        break;
    }
}

void PapBis2004::MZTABFB() {
    const LohnVar& lv = *lv_;
    EFA = ANP = SAP = KFB = 0;
    KZTAB = 1;
    i64 korrektur = 0;
    const i64 kind = j_.kinderfreibetragHalb;
    switch (lv.STKL) {
    case 1:
        ANP = j_.ANP;
        SAP = j_.sapEinzel;
        KFB = (lv.ZKF * kind * 2).trunc();
        break;
    case 2:
        ANP = j_.ANP;
        EFA = j_.EFA;
        SAP = j_.sapEinzel;
        KFB = (lv.ZKF * kind * 2).trunc();
        break;
    case 3:
        KZTAB = 2;
        ANP = j_.ANP;
        SAP = j_.sapSplitting;
        KFB = (lv.ZKF * kind * 2).trunc();
        break;
    case 4:
        ANP = j_.ANP;
        SAP = j_.sapEinzel;
        KFB = (lv.ZKF * kind).trunc();
        break;
    case 5:
        ANP = j_.ANP;
        break;
    default:
        korrektur = j_.stkl6Korrektur;
        break;
    }
    ZTABFB = EFA + ANP + SAP + korrektur;
}

// Below its first step a taxable income counts as 0.
bool PapBis2004::steuerpflichtig(i64 zve) const {
    switch (j_.stufung) {
    case PapJahrBis2004::Stufung::untergrenze:
        return zve >= 0;
    case PapJahrBis2004::Stufung::mitte:
        return zve > j_.stufe - 1;
    case PapJahrBis2004::Stufung::keine:
        break;
    }
    return zve > 0;
}

i64 PapBis2004::tarifbetrag(i64 zve, i64 kztab) const {
    if (!steuerpflichtig(zve)) return 0;
    const i64 s = j_.stufe;
    switch (j_.stufung) {
    case PapJahrBis2004::Stufung::untergrenze:
        return abrundenAuf(zve / kztab, s);
    case PapJahrBis2004::Stufung::mitte:
        return abrundenAuf(zve / kztab, s) + s / 2;
    case PapJahrBis2004::Stufung::keine:
        break;
    }
    return zve / kztab;
}

i64 PapBis2004::tarif(const Zahl& X) const {
    const TarifBis2004& t = j_.tarif;
    if (X < t.grenze1) return 0;
    if (X < t.grenze2) {
        Zahl Y = (X - t.abzug2) / 10000;
        Zahl RW = Y * t.A2;
        if (t.dreiStellen2) RW = dreiStellen(RW);
        RW = RW + t.zuschlag2;
        return (RW * Y).trunc();
    }
    if (X < t.grenze3) {
        Zahl Y = (X - t.abzug3) / 10000;
        Zahl RW = Y * t.A3;
        if (t.dreiStellen3) RW = dreiStellen(RW);
        RW = (RW + t.zuschlag3) * Y;
        if (t.dreiStellen3) RW = dreiStellen(RW);
        return (RW + t.C3).trunc();
    }
    return (X * t.satz4 - t.D4).trunc();
}

void PapBis2004::MLSTJAHR() {
    const LohnVar& lv = *lv_;
    VSP = lv.STKL >= 5 ? Zahl(0) : altePauschale(ZRE4VP, KZTAB, lv.KRV, j_.pauschale);
    ZVE = (ZRE4 - ZTABFB - VSP).trunc();
    X = tarifbetrag(ZVE, KZTAB);
    if (!steuerpflichtig(ZVE)) ZVE = 0;
    if (lv.STKL >= 5) {
        auto tarif = [this](const Zahl& x) { return this->tarif(x); };
        ST = mst5_6(X, j_.stkl5, [&](i64 ZX) { return up5_6(ZX, j_.mindestsatz5_6, tarif); });
    } else {
        ST = tarif(X) * KZTAB;
    }
}

void PapBis2004::MSOLZ() {
    const LohnVar& lv = *lv_;
    const i64 SOLZFREI = j_.SOLZFREI * KZTAB;
    SOLZLZZ = anteil1(solzJahrCent(JBMG, SOLZFREI, 20_z / 100), lv.LZZ);
    BK = lv.R != 0 ? anteil1(JBMG * 100, lv.LZZ) : 0;
}

void PapBis2004::jahresPass(bool mitMztabfb) {
    MRE4();
    MRE4JL();
    if (mitMztabfb) MZTABFB();
    MLSTJAHR();
}

// Other payment; the steps rewrite the record inputs they recompute with.
void PapBis2004::MSONST() {
    LohnVar& lv = *lv_;
    if (lv.SONSTB == 0) {
        LST_SONST = SOLZS = BKS = 0;
        return;
    }
    const bool kleinbetrag = j_.sonstige == PapJahrBis2004::Sonstige::kleinbetrag;
    if (kleinbetrag && lv.SONSTB <= 15000) {
        // Small payments count as current wage of the pay period.
        lv.VBEZ = alsCent(i64(lv.VBEZ) + lv.VBS, "VBEZ");
        lv.RE4 = alsCent(i64(lv.RE4) + lv.SONSTB, "RE4");
        jahresPass(true);
        LST_SONST = anteil1(ST * 100, lv.LZZ) - LSTLZZ;
    } else {
        lv.LZZ = 1;
        lv.VBEZ = lv.JVBEZ;
        lv.WFUNDF = lv.JFREIB;
        lv.HINZUR = lv.JHINZU;
        lv.RE4 = lv.JRE4;
        jahresPass(true);
        LST1 = ST * 100;
        lv.VBEZ = alsCent(i64(lv.JVBEZ) + lv.VBS, "VBEZ");
        lv.RE4 = alsCent(i64(lv.JRE4) + lv.SONSTB, "RE4");
        jahresPass(kleinbetrag); // 2004 keeps the allowances of the first pass
        LST2 = ST * 100;
        LST_SONST = LST2 - LST1;
    }
    // Negative only for pensions or allowances larger than the payment; a
    // negative tax on a payment is never right.
    if (LST_SONST < 0) LST_SONST = 0;
    SOLZS = (Zahl(LST_SONST) * 5.5_z / 100).trunc();
    BKS = lv.R != 0 ? LST_SONST : 0;
}

void PapBis2004::ergebnisseSchreiben() {
    LohnVar& lv = *lv_;
    lv.LSTLZZ = alsCent(LSTLZZ, "LSTLZZ");
    lv.SOLZLZZ = alsCent(SOLZLZZ, "SOLZLZZ");
    lv.BK = alsCent(BK, "BK");
    if (j_.sonstige != PapJahrBis2004::Sonstige::keine) {
        lv.LST_SONST = alsCent(LST_SONST, "LST_SONST");
        lv.SOLZS = alsCent(SOLZS, "SOLZS");
        lv.BKS = alsCent(BKS, "BKS");
    }
    if (j_.mark) {
        auto euro = [](i64 pfennig) { return (Zahl(pfennig) / kDMFaktor).round(); };
        lv.BK_EUR = alsCent(euro(BK), "BK_EUR");
        lv.LSTLZZ_EUR = alsCent(euro(LSTLZZ), "LSTLZZ_EUR");
        lv.SOLZLZZ_EUR = alsCent(euro(SOLZLZZ), "SOLZLZZ_EUR");
    }
}

} // namespace brenvik
