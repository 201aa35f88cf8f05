#include "PapAb2010.h"

#include "Rententabellen.h"

namespace brenvik {

namespace {
Zahl mal55(i64 v) {
    return Zahl(v) * 5.5_z / 100;
}
} // namespace

PapAb2010::PapAb2010(const PapJahr& p)
    : p_(p), tarif_(p.tarif), efa_(p.EFA), kinderfreibetrag_(p.kinderfreibetrag) {
    for (std::string_view f :
         {"BK", "BKS", "BKV", "LSTLZZ", "SOLZLZZ", "SOLZS", "SOLZV", "LST_SONST", "STV"})
        ausgaben_.push_back(f);
    if (p.vkv) {
        ausgaben_.push_back("VKVLZZ");
        ausgaben_.push_back("VKVSONST");
    }
    if (p.freibetragsAusgaben)
        for (std::string_view f : {"VFRB", "VFRBS1", "VFRBS2", "WVFRB", "WVFRBO", "WVFRBM"})
            ausgaben_.push_back(f);
}

void PapAb2010::Lohnsteuer(LohnVar& lv) {
    lv_ = &lv;
    ablauf();
    ergebnisseSchreiben();
}

void PapAb2010::ablauf() {
    MPARA();
    MRE4JL();
    VBEZBSO = 0;
    KENNVMT = 0;
    MRE4();
    MRE4ABZ();
    MBERECH();
    MSONST();
    MVMT();
}

// Results reach the record only at the end, each checked against its field.
void PapAb2010::ergebnisseSchreiben() {
    LohnVar& lv = *lv_;
    lv.LSTLZZ = alsCent(LSTLZZ, "LSTLZZ");
    lv.SOLZLZZ = alsCent(SOLZLZZ, "SOLZLZZ");
    lv.BK = alsCent(BK, "BK");
    lv.LST_SONST = alsCent(LST_SONST, "LST_SONST");
    lv.SOLZS = alsCent(SOLZS, "SOLZS");
    lv.BKS = alsCent(BKS, "BKS");
    lv.STV = alsCent(STV, "STV");
    lv.SOLZV = alsCent(SOLZV, "SOLZV");
    lv.BKV = alsCent(BKV, "BKV");
    if (p_.vkv) {
        lv.VKVLZZ = alsCent(VKVLZZ, "VKVLZZ");
        lv.VKVSONST = alsCent(VKVSONST, "VKVSONST");
    }
    if (p_.freibetragsAusgaben) {
        lv.VFRB = alsCent(VFRB, "VFRB");
        lv.VFRBS1 = alsCent(VFRBS1, "VFRBS1");
        lv.VFRBS2 = alsCent(VFRBS2, "VFRBS2");
        lv.WVFRB = WVFRB;
        lv.WVFRBO = WVFRBO;
        lv.WVFRBM = WVFRBM;
    }
}

void PapAb2010::MPARA() {
    const LohnVar& lv = *lv_;
    if (lv.KRV < 2) {
        BBGRV = lv.KRV == 0 ? p_.BBGRV_West : p_.BBGRV_Ost;
        RVSATZAN = p_.RVSATZAN;
        TBSVORV = p_.TBSVORV;
    }
    BBGKVPV = p_.BBGKVPV;
    KVSATZAN = p_.kvzAnteil == 0 ? p_.KVSATZAN : lv.KVZ * p_.kvzAnteil / 100 + p_.KVSATZAN;
    KVSATZAG = p_.KVSATZAG;

    const PVSaetze* pv = &p_.pv;
    if (p_.pvZweitesHalbjahr && !(lv.Monat >= 1 && lv.Monat <= 6))
        pv = lv.LZZ == 1 ? p_.pvZweitesHalbjahrJahr : p_.pvZweitesHalbjahr;
    if (lv.PVS == 1) {
        PVSATZAN = pv->anSachsen;
        PVSATZAG = pv->agSachsen;
    } else {
        PVSATZAN = PVSATZAG = pv->sonst;
    }
    if (lv.PVZ == 1)
        PVSATZAN += pv->zuschlagKinderlos;
    else if (p_.pvaAbschlag)
        PVSATZAN -= Zahl(lv.PVA) * 0.0025_z;

    W1STKL5 = p_.W1STKL5;
    W2STKL5 = p_.W2STKL5;
    W3STKL5 = p_.W3STKL5;
    GFB = tarif_.GFB;
    SOLZFREI = p_.SOLZFREI;
}

void PapAb2010::MRE4JL() {
    LohnVar& lv = *lv_;
    // Exact annual values; the flowchart's 32-bit products would wrap for
    // very large wages.
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
    if (lv.af == 0) lv.F = 1;
}

void PapAb2010::MRE4() {
    const LohnVar& lv = *lv_;
    if (ZVBEZJ == 0) {
        FVBZ = 0;
        FVB = 0;
        FVBZSO = 0;
        FVBSO = 0;
    } else {
        J = tabellenZeile(lv.VJAHR);
        if (lv.LZZ == 1) {
            VBEZB = i64(lv.VBEZM) * lv.ZMVB + lv.VBEZS;
            HFVB = AufEuroAufrunden(TAB2(J) / 12 * lv.ZMVB);
            FVBZ = AufEuroAufrunden(TAB3(J) / 12 * lv.ZMVB);
        } else {
            VBEZB = i64(lv.VBEZM) * 12 + lv.VBEZS;
            HFVB = TAB2(J).trunc();
            FVBZ = TAB3(J).trunc();
        }
        FVB = AufCentAufrunden(TAB1(J) * VBEZB / 100);
        if (FVB > HFVB) FVB = HFVB;
        if (p_.fvbNurBisZvbezj && FVB > ZVBEZJ) FVB = ZVBEZJ;
        FVBSO = AufCentAufrunden(TAB1(J) * VBEZBSO / 100 + FVB);
        if (FVBSO > TAB2(J)) FVBSO = TAB2(J);
        HFVBZSO = Zahl(VBEZB + VBEZBSO) / 100 - FVBSO;
        FVBZSO = FVBZSOBerechnen();
        HFVBZ = Zahl(VBEZB) / 100 - FVB;
        if (FVBZ > HFVBZ) FVBZ = AufEuroAufrunden(HFVBZ);
    }
    MRE4ALTE();
}

// Surcharge to the pension allowance including the other payment.
i64 PapAb2010::FVBZSOBerechnen() {
    i64 fvbzso = AufEuroAufrunden(Zahl(VBEZBSO) / 100 + FVBZ);
    if (fvbzso > HFVBZSO) fvbzso = AufEuroAufrunden(HFVBZSO);
    if (fvbzso > TAB3(J)) fvbzso = TAB3(J).trunc();
    return fvbzso;
}

void PapAb2010::MRE4ALTE() {
    const LohnVar& lv = *lv_;
    if (lv.ALTER1 == 0) {
        ALTE = 0;
        return;
    }
    K = tabellenZeile(lv.AJAHR);
    BMG = ZRE4J - ZVBEZJ;
    ALTE = AufEuroAufrunden(TAB4(K) * BMG);
    HBALTE = TAB5(K).trunc();
    if (ALTE > HBALTE) ALTE = HBALTE;
}

void PapAb2010::MRE4ABZ() {
    ZRE4 = ZRE4J - FVB - ALTE - JLFREIB + JLHINZU;
    if (ZRE4 < 0) ZRE4 = 0;
    ZRE4VP = ZRE4J;
    if (KENNVMT == 2) ZRE4VP -= Zahl(lv_->ENTSCH) / 100;
    ZVBEZ = ZVBEZJ - FVB;
    if (ZVBEZ < 0) ZVBEZ = 0;
}

void PapAb2010::MBERECH() {
    const LohnVar& lv = *lv_;
    MZTABFB();
    if (p_.freibetragsAusgaben) VFRB = ((ANP + FVB + FVBZ) * 100).trunc();
    MLSTJAHR();
    if (p_.freibetragsAusgaben) {
        WVFRB = ((ZVE - GFB) * 100).trunc();
        if (WVFRB < 0) WVFRB = 0;
    }
    LSTJAHR = (ST * lv.F).trunc();
    LSTLZZ = UPANTEIL(LSTJAHR * 100);
    if (p_.vkv) {
        UPVKV();
        VKVLZZ = UPANTEIL(VKV);
    }
    if (lv.ZKF > 0) {
        ZTABFB += KFB;
        MRE4ABZ();
        MLSTJAHR();
        JBMG = (ST * lv.F).trunc();
    } else {
        JBMG = LSTJAHR;
    }
    MSOLZ();
}

void PapAb2010::MZTABFB() {
    const LohnVar& lv = *lv_;
    EFA = SAP = KFB = ANP = 0;
    if (ZVBEZ >= 0 && ZVBEZ < FVBZ) {
        if (p_.zvbezAufFvbz)
            ZVBEZ = FVBZ;
        else
            FVBZ = ZVBEZ.trunc();
    }
    if (lv.STKL < 6) {
        if (ZVBEZ > 0) {
            if (ZVBEZ - FVBZ >= 102)
                ANP = 102;
            else
                ANP = AufEuroAufrunden(ZVBEZ - FVBZ);
        }
    } else {
        FVBZ = 0;
        FVBZSO = 0;
    }
    if (lv.STKL < 6 && ZRE4 > ZVBEZ) {
        i64 anpLohn = p_.anpLohn;
        if (p_.anpNachMonat) {
            if (lv.LZZ == 2 && lv.Monat <= 11)
                anpLohn = 920;
            else if (lv.LZZ == 1)
                anpLohn = 1000;
            else
                anpLohn = 1880;
        }
        if (ZRE4 - ZVBEZ >= anpLohn)
            ANP += anpLohn;
        else
            ANP = AufEuroAufrunden(ANP + ZRE4 - ZVBEZ);
    }
    KZTAB = 1;
    const i64 kind = kinderfreibetrag_;
    switch (lv.STKL) {
    case 1:
        SAP = 36;
        KFB = (lv.ZKF * kind).trunc();
        break;
    case 2:
        EFA = efa_;
        SAP = 36;
        KFB = (lv.ZKF * kind).trunc();
        break;
    case 3:
        KZTAB = 2;
        SAP = 36;
        KFB = (lv.ZKF * kind).trunc();
        break;
    case 4:
        SAP = 36;
        KFB = (lv.ZKF * Zahl::bruch(kind, 2)).trunc();
        break;
    case 5:
        SAP = 36;
        KFB = 0;
        break;
    default:
        KFB = 0;
        break;
    }
    ZTABFB = EFA + ANP + SAP + FVBZ;
}

void PapAb2010::MLSTJAHR() {
    const LohnVar& lv = *lv_;
    UPEVP();
    if (KENNVMT != 1) {
        ZVE = (ZRE4 - ZTABFB - VSP).trunc();
        UPMLST();
    } else {
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
}

void PapAb2010::UPEVP() {
    const LohnVar& lv = *lv_;
    if (lv.KRV > 1) {
        VSP1 = 0;
    } else {
        if (ZRE4VP > BBGRV) ZRE4VP = BBGRV;
        VSP1 = ZRE4VP * TBSVORV;
        VSP1 = VSP1 * RVSATZAN;
    }
    VSP2 = ZRE4VP * 0.12_z;
    VHB = lv.STKL == 3 ? 3000 : 1900;
    if (VSP2 > VHB) VSP2 = VHB;
    VSPN = AufEuroAufrunden(VSP1 + VSP2);
    MVSP();
    if (VSPN > VSP) VSP = VSPN;
}

void PapAb2010::MVSP() {
    const LohnVar& lv = *lv_;
    if (ZRE4VP > BBGKVPV) ZRE4VP = BBGKVPV;
    if (lv.PKV == 0) {
        VSP3 = ZRE4VP * (KVSATZAN + PVSATZAN);
    } else if (lv.STKL == 6) {
        VSP3 = 0;
    } else {
        VSP3 = Zahl(lv.PKPV) * 12 / 100;
        if (lv.PKV == 2) VSP3 -= ZRE4VP * (KVSATZAG + PVSATZAG);
    }
    VSP = AufEuroAufrunden(VSP3 + VSP1);
}

void PapAb2010::UPMLST() {
    const LohnVar& lv = *lv_;
    if (ZVE < 1) {
        ZVE = 0;
        X = 0;
    } else {
        X = (ZVE / KZTAB).trunc();
    }
    if (lv.LZZ == 1 && lv.STKL < 5 && lv.PV32b != 0) {
        progressionsvorbehalt();
        return;
    }
    if (lv.STKL < 5)
        UPTAB();
    else
        MST5_6();
}

void PapAb2010::progressionsvorbehalt() {
    const LohnVar& lv = *lv_;
    Zahl X0 = X;
    Zahl zusatz = KZTAB == 1 ? lv.PV32b : Zahl((lv.PV32b / 2).trunc());
    X = X + zusatz;
    UPTAB();
    if (X != 0 && ST != 0) {
        Zahl satz = Zahl::bruch((Zahl(ST) / X * 1000000).trunc(), 1000000);
        ST = (X0 * satz).trunc();
    }
}

void PapAb2010::UPTAB() {
    const Tarif& t = tarif_;
    if (X < GFB + 1) {
        ST = 0;
    } else if (X < t.B2) {
        Y = (X - GFB) / 10000;
        RW = Y * t.A2;
        RW = RW + 1400;
        ST = (RW * Y).trunc();
    } else if (X < t.B3) {
        Y = (X - t.S3) / 10000;
        RW = Y * t.A3;
        RW = RW + 2397;
        RW = RW * Y;
        ST = (RW + t.C3).trunc();
    } else if (X < t.B4) {
        ST = (X * 0.42_z - t.D4).trunc();
    } else {
        ST = (X * 0.45_z - t.D5).trunc();
    }
    ST = ST * KZTAB;
}

void PapAb2010::MST5_6() {
    ZZX = X.trunc();
    if (ZZX > W2STKL5) {
        ZX = W2STKL5;
        UP5_6();
        if (ZZX > W3STKL5) {
            ST = (ST + Zahl(W3STKL5 - W2STKL5) * 0.42_z).trunc();
            ST = (ST + Zahl(ZZX - W3STKL5) * 0.45_z).trunc();
        } else {
            ST = (ST + Zahl(ZZX - W2STKL5) * 0.42_z).trunc();
        }
    } else {
        ZX = ZZX;
        UP5_6();
        if (ZZX > W1STKL5) {
            VERGL = ST;
            ZX = W1STKL5;
            UP5_6();
            HOCH = (ST + Zahl(ZZX - W1STKL5) * 0.42_z).trunc();
            ST = HOCH < VERGL ? HOCH : VERGL;
        }
    }
}

void PapAb2010::UP5_6() {
    X = Zahl(ZX) * 1.25_z;
    UPTAB();
    ST1 = ST;
    X = Zahl(ZX) * 0.75_z;
    UPTAB();
    ST2 = ST;
    DIFF = (ST1 - ST2) * 2;
    MIST = (Zahl(ZX) * 0.14_z).trunc();
    ST = MIST > DIFF ? MIST : DIFF;
}

i64 PapAb2010::UPANTEIL(i64 JW) const {
    switch (lv_->LZZ) {
    case 1:
        return JW;
    case 2:
        return JW / 12;
    case 3:
        return (Zahl(JW) * 7 / 360).trunc();
    default:
        return JW / 360;
    }
}

void PapAb2010::UPVKV() {
    if (lv_->PKV > 0)
        VKV = VSP2 > VSP3 ? (VSP2 * 100).trunc() : (VSP3 * 100).trunc();
    else
        VKV = 0;
}

void PapAb2010::MSOLZ() {
    const LohnVar& lv = *lv_;
    SOLZFREI = SOLZFREI * KZTAB;
    if (JBMG > SOLZFREI) {
        SOLZJ = AufCentAbrunden(mal55(JBMG));
        SOLZMIN = Zahl(JBMG - SOLZFREI) * p_.solzMilderung;
        if (SOLZJ > SOLZMIN) SOLZJ = SOLZMIN;
        SOLZLZZ = UPANTEIL((SOLZJ * 100).trunc());
    } else {
        SOLZLZZ = 0;
    }
    BK = lv.R != 0 ? UPANTEIL(JBMG * 100) : 0;
}

void PapAb2010::MSONST() {
    LohnVar& lv = *lv_;
    lv.LZZ = 1;
    if (lv.ZMVB == 0) lv.ZMVB = 12;
    const bool mitMbv = p_.mbv && lv.MBV != 0;
    if (lv.SONSTB == 0 && !mitMbv) {
        VKVSONST = 0;
        LSTSO = 0;
        LST_SONST = 0;
        SOLZS = 0;
        BKS = 0;
        return;
    }
    MOSONST();
    if (p_.vkv) {
        UPVKV();
        VKVSONST = VKV;
    }
    ZRE4J = Zahl(i64(lv.JRE4) + lv.SONSTB) / 100;
    ZVBEZJ = Zahl(i64(lv.JVBEZ) + lv.VBS) / 100;
    VBEZBSO = lv.STERBE;
    MRE4SONST();
    MLSTJAHR();
    if (p_.freibetragsAusgaben) {
        WVFRBM = ((ZVE - GFB) * 100).trunc();
        if (WVFRBM < 0) WVFRBM = 0;
    }
    if (p_.vkv) {
        UPVKV();
        VKVSONST = VKV - VKVSONST;
    }
    LSTSO = ST * 100;
    LST_SONST = (Zahl(LSTSO - LSTOSO) * lv.F).trunc();
    if (p_.mbv) {
        STSMIN();
        return;
    }
    if (LST_SONST < 0) LST_SONST = 0;
    SOLZS = (mal55(LST_SONST)).trunc();
    if (p_.solzsFreigrenze) MSOLZSTS();
    BKS = lv.R != 0 ? LST_SONST : 0;
}

void PapAb2010::MOSONST() {
    const LohnVar& lv = *lv_;
    ZRE4J = Zahl(lv.JRE4) / 100;
    ZVBEZJ = Zahl(lv.JVBEZ) / 100;
    JLFREIB = Zahl(lv.JFREIB) / 100;
    JLHINZU = Zahl(lv.JHINZU) / 100;
    MRE4();
    MRE4ABZ();
    if (p_.entschImMosonst) ZRE4VP -= Zahl(lv.JRE4ENT) / 100;
    MZTABFB();
    if (p_.freibetragsAusgaben) VFRBS1 = ((ANP + FVB + FVBZ) * 100).trunc();
    MLSTJAHR();
    if (p_.freibetragsAusgaben) {
        WVFRBO = ((ZVE - GFB) * 100).trunc();
        if (WVFRBO < 0) WVFRBO = 0;
    }
    LSTOSO = ST * 100;
}

void PapAb2010::MRE4SONST() {
    const LohnVar& lv = *lv_;
    MRE4();
    FVB = FVBSO;
    MRE4ABZ();
    if (p_.mbv) ZRE4VP += Zahl(lv.MBV) / 100;
    if (p_.entschImSonst) ZRE4VP = ZRE4VP - Zahl(lv.JRE4ENT) / 100 - Zahl(lv.SONSTENT) / 100;
    FVBZ = FVBZSO;
    MZTABFB();
    if (p_.freibetragsAusgaben) VFRBS2 = ((ANP + FVB + FVBZ) * 100 - VFRBS1).trunc();
}

void PapAb2010::STSMIN() {
    const LohnVar& lv = *lv_;
    if (LST_SONST < 0) {
        if (lv.MBV != 0) {
            LSTLZZ += LST_SONST;
            if (LSTLZZ < 0) LSTLZZ = 0;
            SOLZLZZ = (mal55(LST_SONST) + SOLZLZZ).trunc();
            if (SOLZLZZ < 0) SOLZLZZ = 0;
            BK += LST_SONST;
            if (BK < 0) BK = 0;
        }
        LST_SONST = 0;
        SOLZS = 0;
    } else {
        MSOLZSTS();
    }
    BKS = lv.R != 0 ? LST_SONST : 0;
}

void PapAb2010::MSOLZSTS() {
    const LohnVar& lv = *lv_;
    Zahl basis = lv.ZKF > 0 ? ZVE - KFB : ZVE;
    X = basis < 1 ? Zahl(0) : basis / KZTAB;
    if (lv.STKL < 5)
        UPTAB();
    else
        MST5_6();
    if ((ST * lv.F).trunc() > SOLZFREI)
        SOLZS = (mal55(LST_SONST)).trunc();
    else
        SOLZS = 0;
}

void PapAb2010::MVMT() {
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
    VBEZBSO = i64(lv.STERBE) + lv.VKAPA;
    ZRE4J = Zahl(i64(lv.JRE4) + lv.SONSTB + lv.VMT + lv.VKAPA) / 100;
    ZVBEZJ = Zahl(i64(lv.JVBEZ) + lv.VBS + lv.VKAPA) / 100;
    KENNVMT = 2;
    MRE4SONST();
    MLSTJAHR();
    LST3 = ST * 100;
    MRE4ABZ();
    if (p_.entschImSonst) ZRE4VP = ZRE4VP - Zahl(lv.JRE4ENT) / 100 - Zahl(lv.SONSTENT) / 100;
    KENNVMT = 1;
    MLSTJAHR();
    LST2 = ST * 100;
    STV = LST2 - LST1;
    LST3 = LST3 - LST1;
    if (STV > LST3) STV = LST3;
    if (STV < 0)
        STV = 0;
    else
        STV = (Zahl(STV) * lv.F).trunc();
    if (!p_.solzvFreigrenze || Zahl(STV) / 100 + JBMG > SOLZFREI)
        SOLZV = mal55(STV).trunc();
    else
        SOLZV = 0;
    BKV = lv.R != 0 ? STV : 0;
}

} // namespace brenvik
