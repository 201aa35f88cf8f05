#include "PapAb2008.h"

#include "Rententabellen.h"

namespace brenvik {

using namespace alt;

namespace {
Zahl mal55(i64 v) {
    return Zahl(v) * 5.5_z / 100;
}
} // namespace

PapAb2008::PapAb2008(const PapJahr2008bis2009& j)
    : PapAb2010(j.basis), j_(j), tarifAlt_{j.basis.tarif, j.tarifZuschlag2} {}

// The new lump sum knows one pension ceiling; health and care rates play no
// part before 2010.
void PapAb2008::MPARA() {
    BBGRV = p_.BBGRV_West;
    RVSATZAN = p_.RVSATZAN;
    TBSVORV = p_.TBSVORV;
    W1STKL5 = p_.W1STKL5;
    W2STKL5 = p_.W2STKL5;
    W3STKL5 = p_.W3STKL5;
    GFB = tarif_.GFB;
    SOLZFREI = p_.SOLZFREI;
}

// As 2010, but there is no factor: F is neither read nor written.
void PapAb2008::MRE4JL() {
    const LohnVar& lv = *lv_;
    Zahl f;
    switch (lv.LZZ) {
    case 1:
        f = 1;
        break;
    case 2:
        f = 12;
        break;
    case 3:
        f = Zahl::bruch(360, 7);
        break;
    default:
        f = 360;
        break;
    }
    ZRE4J = Zahl(lv.RE4) * f / 100;
    ZVBEZJ = Zahl(lv.VBEZ) * f / 100;
    JLFREIB = Zahl(lv.LZZFREIB) * f / 100;
    JLHINZU = Zahl(lv.LZZHINZU) * f / 100;
}

// 2008 sets the pension base of the other payment inside the step and caps
// the surcharge differently; 2009 runs the step as 2010 does.
void PapAb2008::MRE4() {
    if (j_.fassung2008) VBEZBSO = i64(lv_->STERBE) + lv_->VKAPA;
    PapAb2010::MRE4();
}

i64 PapAb2008::FVBZSOBerechnen() {
    if (!j_.fassung2008) return PapAb2010::FVBZSOBerechnen();
    return HFVBZSO >= TAB3(J) ? TAB3(J).trunc() : AufEuroAufrunden(HFVBZSO);
}

// Old-age relief rounded up to cents, not to euros.
void PapAb2008::MRE4ALTE() {
    const LohnVar& lv = *lv_;
    if (lv.ALTER1 == 0) {
        ALTE = 0;
        return;
    }
    K = tabellenZeile(lv.AJAHR);
    BMG = ZRE4J - ZVBEZJ;
    ALTE = AufCentAufrunden(TAB4(K) * BMG);
    HBALTE = TAB5(K).trunc();
    if (ALTE > HBALTE) ALTE = HBALTE;
}

// The lump-sum base is the wage after the pension allowance and old-age
// relief.
void PapAb2008::MRE4ABZ() {
    ZRE4 = ZRE4J - FVB - ALTE - JLFREIB + JLHINZU;
    if (ZRE4 < 0) ZRE4 = 0;
    ZRE4VP = ZRE4J - FVB - ALTE;
    if (ZRE4VP < 0) ZRE4VP = 0;
    ZVBEZ = ZVBEZJ - FVB;
    if (ZVBEZ < 0) ZVBEZ = 0;
}

void PapAb2008::MBERECH() {
    const LohnVar& lv = *lv_;
    MZTABFB();
    MLSTJAHR();
    LSTJAHR = ST;
    LSTLZZ = UPANTEIL(LSTJAHR * 100);
    if (lv.ZKF > 0) {
        ZTABFB += KFB;
        MLSTJAHR();
        JBMG = ST;
    } else {
        JBMG = LSTJAHR;
    }
    MSOLZ();
}

void PapAb2008::MZTABFB() {
    const LohnVar& lv = *lv_;
    EFA = SAP = KFB = ANP = 0;
    if (ZVBEZ >= 0 && ZVBEZ < FVBZ) ZVBEZ = FVBZ;
    if (lv.STKL < 6) {
        if (ZVBEZ > 0) ANP = ZVBEZ - FVBZ >= 102 ? 102 : (ZVBEZ - FVBZ).trunc();
    } else {
        FVBZ = 0;
        FVBZSO = 0;
    }
    if (lv.STKL < 6 && ZRE4 > ZVBEZ) {
        if (ZRE4 - ZVBEZ >= p_.anpLohn)
            ANP += p_.anpLohn;
        else if (j_.anpLohnAufrunden)
            ANP = AufEuroAufrunden(ANP + ZRE4 - ZVBEZ);
        else
            ANP = (ANP + ZRE4 - ZVBEZ).trunc();
    }
    KZTAB = 1;
    const i64 kind = p_.kinderfreibetrag;
    switch (lv.STKL) {
    case 1:
        SAP = 36;
        KFB = (lv.ZKF * kind).trunc();
        break;
    case 2:
        EFA = p_.EFA;
        SAP = 36;
        KFB = (lv.ZKF * kind).trunc();
        break;
    case 3:
        KZTAB = 2;
        SAP = j_.sapSplitting;
        KFB = (lv.ZKF * kind).trunc();
        break;
    case 4:
        SAP = 36;
        KFB = (lv.ZKF * Zahl::bruch(kind, 2)).trunc();
        break;
    default:
        break; // V, VI: no SAP, no child allowance
    }
    ZTABFB = EFA + ANP + SAP + FVBZ;
}

void PapAb2008::MLSTJAHR() {
    const LohnVar& lv = *lv_;
    if (lv.STKL < 5)
        UPEVP();
    else
        VSP = 0;
    if (j_.fassung2008) {
        Zahl z;
        if (KENNVMT == 1)
            z = ZRE4gespeichert - ZTABFBgespeichert + fuenftel;
        else if (KENNVMT == 2)
            z = (ZRE4 - ZTABFB) / 5;
        else
            z = ZRE4 - ZTABFB;
        ZVE = (z - VSP).trunc();
        UPMLST();
        return;
    }
    if (KENNVMT != 1) {
        ZVE = (ZRE4 - ZTABFB - VSP).trunc();
        UPMLST();
        return;
    }
    Zahl vmt = Zahl(lv.VMT) / 100, vkapa = Zahl(lv.VKAPA) / 100;
    ZVE = ZRE4 - ZTABFB - VSP - vmt - vkapa;
    if (ZVE < 0) {
        ZVE = (ZVE + vmt + vkapa) / 5;
        UPMLST();
        ST = ST * 5;
    } else {
        UPMLST();
        STOVMT = ST;
        ZVE = ZVE + Zahl(i64(lv.VMT) + lv.VKAPA) / 500;
        UPMLST();
        ST = (ST - STOVMT) * 5 + STOVMT;
    }
}

// New lump sum; the old one (MVSP) replaces it when larger.
void PapAb2008::UPEVP() {
    const LohnVar& lv = *lv_;
    if (lv.KRV != 0) {
        VSP1 = 0;
    } else {
        if (ZRE4VP > BBGRV) ZRE4VP = BBGRV;
        VSP1 = ZRE4VP * TBSVORV * RVSATZAN;
    }
    VSP2 = ZRE4VP * 0.11_z;
    VHB = 1500 * KZTAB;
    if (VSP2 > VHB) VSP2 = VHB;
    VSPN = AufEuroAufrunden(VSP1 + VSP2);
    MVSP();
    if (VSPN > VSP) VSP = VSPN;
}

void PapAb2008::MVSP() {
    VSP = altePauschale(ZRE4VP, KZTAB, lv_->KRV, j_.pauschale);
}

void PapAb2008::UPMLST() {
    if (j_.progressionsvorbehalt) {
        PapAb2010::UPMLST();
        return;
    }
    if (ZVE < 1) {
        ZVE = 0;
        X = 0;
    } else {
        X = (ZVE / KZTAB).trunc();
    }
    if (lv_->STKL < 5)
        UPTAB();
    else
        MST5_6();
}

void PapAb2008::UPTAB() {
    ST = tarifAb2005(X, tarifAlt_) * KZTAB;
}

void PapAb2008::UP5_6() {
    ST = up5_6(ZX, j_.mindestsatz5_6, [this](const Zahl& x) { return tarifAb2005(x, tarifAlt_); });
}

// As 2010 without factor.
void PapAb2008::MSONST() {
    LohnVar& lv = *lv_;
    lv.LZZ = 1;
    if (lv.ZMVB == 0) lv.ZMVB = 12;
    if (lv.SONSTB == 0) {
        LSTSO = LST_SONST = SOLZS = BKS = 0;
        return;
    }
    MOSONST();
    ZRE4J = Zahl(i64(lv.JRE4) + lv.SONSTB) / 100;
    ZVBEZJ = Zahl(i64(lv.JVBEZ) + lv.VBS) / 100;
    VBEZBSO = lv.STERBE;
    MRE4SONST();
    MLSTJAHR();
    LSTSO = ST * 100;
    LST_SONST = LSTSO - LSTOSO;
    if (LST_SONST < 0) LST_SONST = 0;
    SOLZS = mal55(LST_SONST).trunc();
    BKS = lv.R != 0 ? LST_SONST : 0;
}

void PapAb2008::MVMT() {
    LohnVar& lv = *lv_;
    if (lv.VKAPA < 0) lv.VKAPA = 0;
    if (i64(lv.VMT) + lv.VKAPA <= 0) {
        STV = SOLZV = BKV = 0;
        return;
    }
    if (LSTSO == 0) {
        MOSONST();
        LST1 = LSTOSO;
    } else {
        LST1 = LSTSO;
    }
    if (j_.fassung2008)
        mvmt2008();
    else
        mvmt2009();
    LST3 = LST3 - LST1;
    if (STV > LST3) STV = LST3;
    if (STV < 0) STV = 0;
    SOLZV = mal55(STV).trunc();
    BKV = lv.R != 0 ? STV : 0;
}

// Tax of the fifth of the multi-year pay on top of the saved annual amounts,
// times five; for a negative annual income five times the tax of the fifth
// of the whole.
void PapAb2008::mvmt2008() {
    const LohnVar& lv = *lv_;
    ZRE4gespeichert = ZRE4;
    ZTABFBgespeichert = ZTABFB;
    const i64 fvbzGespeichert = FVBZ;
    ZRE4J = Zahl(i64(lv.JRE4) + lv.SONSTB + lv.VMT + lv.VKAPA) / 100;
    ZVBEZJ = Zahl(i64(lv.JVBEZ) + lv.VBS + lv.VKAPA) / 100;
    MRE4SONST();
    MLSTJAHR();
    LST3 = ST * 100;
    ZTABFB = ZTABFB - FVBZ + fvbzGespeichert;
    KENNVMT = 1;
    if (i64(lv.JRE4) + lv.SONSTB - lv.JFREIB + lv.JHINZU < 0) {
        KENNVMT = 2;
        MLSTJAHR();
        STV = ST * 500;
    } else {
        fuenftel = (Zahl(lv.VMT) / 100 + Zahl(lv.VKAPA) / 100 - ZTABFB + ZTABFBgespeichert) / 5;
        MLSTJAHR();
        STV = (ST * 100 - LST1) * 5;
    }
}

// As 2010, without the KENNVMT 2 pass and without MRE4ABZ between the passes.
void PapAb2008::mvmt2009() {
    const LohnVar& lv = *lv_;
    VBEZBSO = i64(lv.STERBE) + lv.VKAPA;
    ZRE4J = Zahl(i64(lv.JRE4) + lv.SONSTB + lv.VMT + lv.VKAPA) / 100;
    ZVBEZJ = Zahl(i64(lv.JVBEZ) + lv.VBS + lv.VKAPA) / 100;
    MRE4SONST();
    MLSTJAHR();
    LST3 = ST * 100;
    KENNVMT = 1;
    MLSTJAHR();
    LST2 = ST * 100;
    STV = LST2 - LST1;
}

} // namespace brenvik
