#include "PapAb2005.h"

#include "Rententabellen.h"

namespace brenvik {

using namespace alt;

namespace {
i64 anteilAufCent(const Zahl& satz, i64 cent) {
    return (satz * cent + 0.99_z).trunc();
}
} // namespace

PapAb2005::PapAb2005(const PapJahr2005bis2007& j) : j_(j) {
    ausgaben_ = {"BK", "BKS", "LSTLZZ", "SOLZLZZ", "SOLZS", "LST_SONST"};
}

void PapAb2005::Lohnsteuer(LohnVar& lv) {
    lv_ = &lv;
    MRE4();
    RE4LZZ = i64(lv.RE4) + lv.HINZUR - FVB - ALTE - lv.WFUNDF;
    RE4LZZV = i64(lv.RE4) - FVB - ALTE;
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
    MSONST();

    lv.LSTLZZ = alsCent(LSTLZZ, "LSTLZZ");
    lv.SOLZLZZ = alsCent(SOLZLZZ, "SOLZLZZ");
    lv.BK = alsCent(BK, "BK");
    lv.LST_SONST = alsCent(LST_SONST, "LST_SONST");
    lv.SOLZS = alsCent(SOLZS, "SOLZS");
    lv.BKS = alsCent(BKS, "BKS");
}

// Pension allowance and old-age relief of the pay period (cents): the
// annual amount shared out to the period and rounded up.
void PapAb2005::MRE4() {
    const LohnVar& lv = *lv_;
    const bool jahr = lv.LZZ == 1;
    FVB = FVBZ = 0;
    if (lv.VBEZ != 0) {
        const i64 VBEZB = jahr ? i64(lv.VBEZM) * lv.ZMVB + lv.VBEZS : i64(lv.VBEZM) * 12 + lv.VBEZS;
        i64 fvbJahr, HFVB;
        if (!j_.versorgungNachTabellen) {
            FVBZ = jahr ? j_.fvbzMonat * lv.ZMVB : j_.fvbzJahr;
            fvbJahr = anteilAufCent(j_.fvbSatz, VBEZB);
            HFVB = j_.fvbMax * 100;
        } else {
            const int J = tabellenZeile(lv.VJAHR);
            if (jahr && i64(lv.STERBE) + lv.VKAPA <= 0) {
                HFVB = (TAB2(J) / 12 * lv.ZMVB * 100).trunc();
                FVBZ = (TAB3(J) / 12 * lv.ZMVB + 0.99_z).trunc();
            } else {
                HFVB = (TAB2(J) * 100).trunc();
                FVBZ = TAB3(J).trunc();
            }
            fvbJahr = anteilAufCent(TAB1(J), VBEZB);
        }
        if (fvbJahr > HFVB) fvbJahr = HFVB;
        FVB = anteil2(fvbJahr, lv.LZZ);
    }

    ALTE = 0;
    if (lv.ALTER1 != 0) {
        const i64 BMG = i64(lv.RE4) - lv.VBEZ;
        i64 HBALTE;
        if (!j_.versorgungNachTabellen) {
            ALTE = anteilAufCent(j_.alteSatz, BMG);
            HBALTE = j_.alteMax * 100;
        } else {
            const int K = tabellenZeile(lv.AJAHR);
            ALTE = anteilAufCent(TAB4(K), BMG);
            HBALTE = (TAB5(K) * 100).trunc();
        }
        const i64 max = anteil2(HBALTE, lv.LZZ);
        if (ALTE > max) ALTE = max;
    }
}

// Annual whole euros; negative amounts count as 0 (the lump-sum base of
// 2005 and 2006 included, where a negative base would raise the tax).
void PapAb2005::MRE4JL() {
    const LohnVar& lv = *lv_;
    ZRE4 = jahresbetrag(RE4LZZ, lv.LZZ);
    ZRE4VP = jahresbetrag(RE4LZZV, lv.LZZ);
    if (j_.versorgungNachTabellen) ZVBEZ = jahresbetrag(i64(lv.VBEZ) - FVB, lv.LZZ);
}

void PapAb2005::MZTABFB() {
    const LohnVar& lv = *lv_;
    EFA = ANP = SAP = KFB = 0;
    KZTAB = 1;
    if (!j_.versorgungNachTabellen) {
        if (lv.STKL < 6) {
            if (lv.VBEZ > 0) ANP = j_.anpVersorgung;
            if (lv.VBEZ < lv.RE4 || lv.VBEZ < lv.SONSTB) ANP += j_.anpLohn;
        }
    } else {
        if (ZVBEZ >= 0 && ZVBEZ < FVBZ) ZVBEZ = FVBZ;
        if (lv.STKL < 6) {
            if (ZVBEZ > 0) ANP = ZVBEZ - FVBZ >= j_.anpVersorgung ? j_.anpVersorgung : ZVBEZ - FVBZ;
            if (ZRE4 > ZVBEZ) {
                if (ZRE4 - ZVBEZ >= j_.anpLohn)
                    ANP += j_.anpLohn;
                else
                    ANP = ANP + ZRE4 - ZVBEZ;
            }
        }
    }
    const i64 kind = j_.kinderfreibetragHalb;
    switch (lv.STKL) {
    case 1:
        SAP = j_.sapEinzel;
        KFB = (lv.ZKF * kind * 2).trunc();
        break;
    case 2:
        EFA = j_.EFA;
        SAP = j_.sapEinzel;
        KFB = (lv.ZKF * kind * 2).trunc();
        break;
    case 3:
        KZTAB = 2;
        SAP = j_.sapSplitting;
        KFB = (lv.ZKF * kind * 2).trunc();
        break;
    case 4:
        SAP = j_.sapEinzel;
        KFB = (lv.ZKF * kind).trunc();
        break;
    default:
        break; // V, VI: no SAP, no child allowance
    }
    ZTABFB = EFA + ANP + SAP + FVBZ;
}

void PapAb2005::MLSTJAHR() {
    const LohnVar& lv = *lv_;
    VSP = lv.STKL >= 5 ? 0 : UPEVP();
    ZVE = ZRE4 - ZTABFB - VSP;
    if (ZVE > 0) {
        X = ZVE / KZTAB;
    } else {
        ZVE = X = 0;
    }
    if (lv.STKL >= 5) {
        auto tarif = [this](const Zahl& x) { return this->tarif(x); };
        ST = mst5_6(X, j_.stkl5, [&](i64 ZX) { return up5_6(ZX, j_.mindestsatz5_6, tarif); });
    } else {
        ST = tarif(X) * KZTAB;
    }
}

// The larger of the new lump sum and the old one.
i64 PapAb2005::UPEVP() {
    const LohnVar& lv = *lv_;
    Zahl VSP1 = 0;
    if (lv.KRV == 0) {
        if (ZRE4VP > j_.BBGRV) ZRE4VP = j_.BBGRV;
        VSP1 = Zahl(ZRE4VP) * j_.TBSVORV * j_.RVSATZAN;
    }
    Zahl VSP2 = Zahl(ZRE4VP) * 0.11_z;
    const i64 VHB = 1500 * KZTAB;
    if (VSP2 > VHB) VSP2 = VHB;
    const i64 VSPN = AufEuroAufrunden(VSP1 + VSP2);
    const i64 alt = altePauschale(ZRE4VP, KZTAB, lv.KRV, j_.pauschale).trunc();
    return VSPN > alt ? VSPN : alt;
}

void PapAb2005::MSOLZ() {
    const LohnVar& lv = *lv_;
    SOLZLZZ = anteil1(solzJahrCent(JBMG, j_.SOLZFREI * KZTAB, j_.solzMilderung), lv.LZZ);
    BK = lv.R != 0 ? anteil1(JBMG * 100, lv.LZZ) : 0;
}

void PapAb2005::sonstPass(bool mitMztabfb) {
    const LohnVar& lv = *lv_;
    MRE4();
    RE4LZZ = i64(lv.RE4) + lv.JHINZU - FVB - ALTE - lv.JFREIB;
    RE4LZZV = i64(lv.RE4) - FVB - ALTE;
    MRE4JL();
    if (mitMztabfb) MZTABFB();
    MLSTJAHR();
}

// Other payment: annual tax with and without it. The passes rewrite the
// record inputs LZZ, RE4, VBEZ (and VBEZS) as the flowchart does.
void PapAb2005::MSONST() {
    LohnVar& lv = *lv_;
    if (lv.SONSTB <= 0) {
        LST_SONST = SOLZS = BKS = 0;
        return;
    }
    const bool neu = j_.versorgungNachTabellen;
    lv.LZZ = 1;
    lv.VBEZ = lv.JVBEZ;
    lv.RE4 = lv.JRE4;
    sonstPass(true);
    LST1 = ST * 100;
    lv.VBEZ = alsCent(i64(lv.JVBEZ) + lv.VBS, "VBEZ");
    lv.RE4 = alsCent(i64(lv.JRE4) + lv.SONSTB, "RE4");
    if (neu) lv.VBEZS = alsCent(i64(lv.VBEZS) + lv.STERBE, "VBEZS");
    sonstPass(neu);
    LST2 = ST * 100;
    LST_SONST = LST2 - LST1;
    // Only 2007 clears a negative difference; it arises only from pensions
    // or allowances larger than the payment, and a negative tax on a payment
    // is never right, so every year clears it.
    if (LST_SONST < 0) LST_SONST = 0;
    SOLZS = (Zahl(LST_SONST) * 5.5_z / 100).trunc();
    BKS = lv.R != 0 ? LST_SONST : 0;
}

} // namespace brenvik
