#pragma once
// The wage-tax flowchart family of 2010 to 2024. One class runs the steps;
// each year's module is an instance with that year's constants and the
// switches for the points where its flowchart differs from 2024.

#include "LStModul.h"

#include <cstdint>
#include <vector>

namespace brenvik {

using i64 = std::int64_t;

// Income-tax tariff: zone 1 below GFB + 1; zone 2 below B2: Y = (X - GFB) /
// 10000, ST = Trunc((Y * A2 + 1400) * Y); zone 3 below B3: Y = (X - S3) / 10000,
// ST = Trunc((Y * A3 + 2397) * Y + C3); zone 4 below B4: Trunc(X * 0.42 - D4);
// zone 5: Trunc(X * 0.45 - D5).
struct Tarif {
    i64 GFB;
    i64 B2;
    Zahl A2;
    i64 S3;
    i64 B3;
    Zahl A3;
    Zahl C3;
    i64 B4;
    Zahl D4;
    Zahl D5;
};

// Care-insurance rates: employee and employer in Saxony, both elsewhere, and
// the childless surcharge on the employee rate.
struct PVSaetze {
    Zahl anSachsen;
    Zahl agSachsen;
    Zahl sonst;
    Zahl zuschlagKinderlos;
};

struct PapJahr {
    const char* name;
    int jahr;

    // Provident-expense lump sum.
    i64 BBGRV_West;
    i64 BBGRV_Ost;
    Zahl RVSATZAN;
    Zahl TBSVORV; // deductible share of the pension contribution (1 in 2024)
    i64 BBGKVPV;
    Zahl kvzAnteil; // share of KVZ in the employee's health rate (0: KVZ not read)
    Zahl KVSATZAN;  // employee health rate without KVZ
    Zahl KVSATZAG;
    PVSaetze pv;
    bool pvaAbschlag; // 2024: each PVA child lowers the employee care rate by 0.25 %

    // Tariff and allowances.
    Tarif tarif;
    i64 W1STKL5, W2STKL5, W3STKL5;
    i64 SOLZFREI;
    Zahl solzMilderung; // share of the excess that bounds the surcharge
    i64 anpLohn;        // employee lump sum for wages
    i64 EFA;
    i64 kinderfreibetrag; // per full child, classes I to III; class IV half

    // Points where older flowcharts differ from 2024.
    bool fvbNurBisZvbezj = true;     // MRE4 caps FVB at ZVBEZJ (from 2016)
    bool zvbezAufFvbz = false;       // MZTABFB raises ZVBEZ to FVBZ (2010 to 2013)
    bool anpNachMonat = false;       // 2011: wage lump sum by period and month
    bool freibetragsAusgaben = true; // VFRB ... WVFRBM (from 2016)
    bool vkv = true;                 // VKVLZZ, VKVSONST (from 2012)
    bool entschImMosonst = true;     // MOSONST deducts JRE4ENT (from 2011)
    bool entschImSonst = true;       // MRE4SONST / MVMT deduct JRE4ENT, SONSTENT (from 2011)
    bool mbv = true;                 // MBV and STSMIN (from 2022)
    bool solzsFreigrenze = true;     // MSOLZSTS decides SOLZS (from 2021)
    bool solzvFreigrenze = true;     // exemption test for SOLZV (from 2021)

    // 2023: a second parameter set from July, chosen by Monat; annual
    // calculations take the means of the two halves.
    const PVSaetze* pvZweitesHalbjahr = nullptr;
    const PVSaetze* pvZweitesHalbjahrJahr = nullptr;
};

// Some working variables of the last run, for tests and diagnostics.
struct PapZwischenwerte {
    Zahl ZRE4J, ZTABFB, VSP, ZVE, X;
    i64 LSTJAHR, JBMG, ST, KFB;
    Zahl KVSATZAN, PVSATZAN;
    i64 ANP, FVBZ;
};

class PapAb2010 : public LStModul {
public:
    explicit PapAb2010(const PapJahr& p);
    std::string_view name() const override { return p_.name; }
    void Lohnsteuer(LohnVar& lv) override;
    std::span<const std::string_view> ausgaben() const override { return ausgaben_; }
    PapZwischenwerte zwischenwerte() const {
        return {ZRE4J, ZTABFB, VSP, ZVE, X, LSTJAHR, JBMG, ST, KFB, KVSATZAN, PVSATZAN, ANP, FVBZ};
    }

protected:
    // The entry's steps in order; the results reach the record afterwards.
    virtual void ablauf();
    virtual void ergebnisseSchreiben();

    // Steps, named as in the flowchart, virtual so that older flowcharts can
    // replace single steps; lv_ is the record of the current run.
    virtual void MPARA();
    virtual void MRE4JL();
    virtual void MRE4();
    virtual i64 FVBZSOBerechnen();
    virtual void MRE4ALTE();
    virtual void MRE4ABZ();
    virtual void MBERECH();
    virtual void MZTABFB();
    virtual void MLSTJAHR();
    virtual void UPEVP();
    virtual void MVSP();
    virtual void UPMLST();
    virtual void UPTAB();
    virtual void MST5_6();
    virtual void UP5_6();
    virtual i64 UPANTEIL(i64 JW) const;
    virtual void UPVKV();
    virtual void MSOLZ();
    virtual void MSONST();
    virtual void MOSONST();
    virtual void MRE4SONST();
    virtual void STSMIN();
    virtual void MSOLZSTS();
    virtual void MVMT();
    virtual void progressionsvorbehalt();

    const PapJahr& p_;
    // The law in force: tariff and the allowances of MZTABFB. A flowchart that
    // computes under two laws in one run (December 2015) switches these.
    Tarif tarif_;
    i64 efa_;
    i64 kinderfreibetrag_;
    std::vector<std::string_view> ausgaben_;
    LohnVar* lv_ = nullptr;

    // Working variables of the flowchart (kept between runs).
    Zahl ALTE, BMG, FVB, FVBSO, HFVBZ, HFVBZSO, JLFREIB, JLHINZU;
    Zahl KVSATZAG, KVSATZAN, PVSATZAG, PVSATZAN, RVSATZAN, TBSVORV;
    Zahl RW, SOLZJ, SOLZMIN, VHB, VSP, VSPN, VSP1, VSP2, VSP3;
    Zahl X, Y, ZRE4, ZRE4J, ZRE4VP, ZTABFB, ZVBEZ, ZVBEZJ, ZVE;
    i64 ANP = 0, BBGKVPV = 0, BBGRV = 0, DIFF = 0, EFA = 0, FVBZ = 0, FVBZSO = 0, GFB = 0;
    i64 HBALTE = 0, HFVB = 0, HOCH = 0, J = 0, JBMG = 0, K = 0, KENNVMT = 0, KFB = 0;
    i64 KZTAB = 1, LSTJAHR = 0, LST1 = 0, LST2 = 0, LST3 = 0, LSTOSO = 0, LSTSO = 0;
    i64 MIST = 0, SAP = 0, SOLZFREI = 0, ST = 0, ST1 = 0, ST2 = 0, STOVMT = 0;
    i64 VBEZB = 0, VBEZBSO = 0, VERGL = 0, VKV = 0, W1STKL5 = 0, W2STKL5 = 0, W3STKL5 = 0;
    i64 ZX = 0, ZZX = 0;
    i64 VFRB = 0, VFRBS1 = 0, VFRBS2 = 0, WVFRB = 0, WVFRBO = 0, WVFRBM = 0;
    i64 LSTLZZ = 0, SOLZLZZ = 0, BK = 0, LST_SONST = 0, SOLZS = 0, BKS = 0, STV = 0, SOLZV = 0,
        BKV = 0, VKVLZZ = 0, VKVSONST = 0;
};

} // namespace brenvik
