// Wage tax 2005 to 2009: the old annual conversion, the lump-sum comparison,
// pensions, the other payment and multi-year pay, and the 2009 variants.
#include "Jahresauswahl.h"
#include "Module.h"
#include "Module2000bis2009.h"

#include <gtest/gtest.h>

using namespace brenvik;

namespace {
LohnVar fall(int lzz, Cent re4, int stkl) {
    LohnVar lv;
    LohnVarReset(lv);
    lv.LZZ = std::uint8_t(lzz);
    lv.RE4 = re4;
    lv.STKL = std::uint8_t(stkl);
    return lv;
}
} // namespace

TEST(LStPap2005bis2009, OldConversionToAnnualWage) {
    struct Fall {
        int lzz;
        i64 cent, euro;
    } faelle[] = {{1, 3600099, 36000}, {2, 300000, 36000}, {3, 70000, 36000},
                  {4, 10000, 36002},   {2, 299999, 35999}, {2, -5000, 0}};
    for (const Fall& f : faelle)
        EXPECT_EQ(alt::jahresbetrag(f.cent, f.lzz), f.euro) << f.lzz << " " << f.cent;

    LohnVar lv = fall(2, 300000, 1);
    LStPap06().Lohnsteuer(lv);
    EXPECT_EQ(LStPap06().zwischenwerte().ZRE4, 36000);
}

TEST(LStPap2005bis2009, MonthlyThreeThousandEuros2009) {
    LohnVar lv = fall(2, 300000, 1);
    LStPap09().Lohnsteuer(lv);
    auto z = LStPap09().zwischenwerte();
    EXPECT_EQ(z.VSP, 2790_z); // new lump sum 1289.52 + 1500 against the old 2001
    EXPECT_EQ(z.ZTABFB, 956_z);
    EXPECT_EQ(z.ZVE, 32254_z);
    EXPECT_EQ(z.LSTJAHR, 6424);
    EXPECT_EQ(lv.LSTLZZ, 53533);
    EXPECT_EQ(lv.SOLZLZZ, 2944);
    EXPECT_EQ(lv.BK, 0);
}

// Same allowances and lump sum, the tariff before the stimulus package.
TEST(LStPap2005bis2009, Before2ndStimulusPackageDiffersFrom2009) {
    LohnVar lv = fall(2, 300000, 1);
    LStPap09_vorKon2().Lohnsteuer(lv);
    auto z = LStPap09_vorKon2().zwischenwerte();
    EXPECT_EQ(z.ZVE, 32254_z);
    EXPECT_EQ(z.LSTJAHR, 6537);
    EXPECT_EQ(lv.LSTLZZ, 54475);

    // A taxable income of 7751 euros is free in 2009 (basic allowance 7834),
    // not before.
    LohnVar a = fall(1, 1088300, 1), b = fall(1, 1088300, 1); // ZVE 7751
    LStPap09().Lohnsteuer(a);
    LStPap09_vorKon2().Lohnsteuer(b);
    EXPECT_EQ(a.LSTLZZ, 0);
    EXPECT_GT(b.LSTLZZ, 0);
}

TEST(LStPap2005bis2009, ClassFiveHasNoLumpSums) {
    LohnVar lv = fall(2, 300000, 5);
    LStPap07().Lohnsteuer(lv);
    auto z = LStPap07().zwischenwerte();
    EXPECT_EQ(z.ZTABFB, 920);
    EXPECT_EQ(z.VSP, 0);
    EXPECT_EQ(z.ZVE, 35080);
    EXPECT_GT(lv.LSTLZZ, 0);
}

TEST(LStPap2005bis2009, FortyFivePercentZoneFrom2007) {
    EXPECT_EQ(LStPap05().tarif(300000), 118086); // 0.42 X - 7914
    EXPECT_EQ(LStPap07().tarif(300000), 119586); // 0.45 X - 15414
    EXPECT_EQ(LStPap07().tarif(250000), LStPap05().tarif(250000));
    EXPECT_EQ(LStPap05().tarif(7664), 0);
    EXPECT_EQ(LStPap05().tarif(12739), LStPap07().tarif(12739));
}

TEST(LStPap2005bis2009, PensionWithoutMonthlyAmounts2007) {
    LohnVar lv = fall(2, 100000, 1);
    lv.VBEZ = 100000;
    LStPap07().Lohnsteuer(lv);
    auto z = LStPap07().zwischenwerte();
    EXPECT_EQ(z.FVB, 0);
    EXPECT_EQ(z.ZTABFB, 102 + 36 + 900); // pension ANP, SAP, surcharge
}

// Allowances per pay period: 40 % of the annual pension base, at most the
// period's share of 3000 euros, even where VBEZM * 12 exceeds 32 bits.
TEST(LStPap2005bis2009, PensionAllowancePerPeriod2006) {
    LohnVar lv = fall(2, 1000000, 1);
    lv.VBEZ = 1000000;
    lv.VBEZM = INT32_MAX;
    LStPap06().Lohnsteuer(lv);
    EXPECT_EQ(LStPap06().zwischenwerte().FVB, 25000);

    lv = fall(2, 1000000, 1);
    lv.VBEZ = 100000;
    lv.VBEZM = 50001;
    lv.ALTER1 = 1;
    LStPap06().Lohnsteuer(lv);
    auto z = LStPap06().zwischenwerte();
    EXPECT_EQ(z.FVB, 20001);  // 240005 cents a year, shared out and rounded up
    EXPECT_EQ(z.ALTE, 15834); // 40 % of 9000 euros above 1900 / 12, rounded up
}

TEST(LStPap2005bis2009, OtherPaymentRewritesRecordInputs) {
    for (PapAb2005* m : {&LStPap06(), &LStPap07()}) {
        LohnVar lv = fall(2, 300000, 1);
        lv.JRE4 = 3600000;
        lv.SONSTB = 100000;
        lv.VBEZS = 1000;
        lv.STERBE = 5000;
        lv.R = 1;
        m->Lohnsteuer(lv);
        EXPECT_EQ(lv.LZZ, 1);
        EXPECT_EQ(lv.RE4, 3700000);
        EXPECT_EQ(lv.VBEZS, m == &LStPap07() ? 6000 : 1000) << m->name();
        EXPECT_GT(lv.LST_SONST, 0);
        EXPECT_EQ(lv.BKS, lv.LST_SONST);
        EXPECT_EQ(lv.SOLZS, (Zahl(lv.LST_SONST) * 5.5_z / 100).trunc());

        // The tax on the payment is the annual difference.
        LohnVar ohne = fall(1, 3600000, 1), mit = fall(1, 3700000, 1);
        m->Lohnsteuer(ohne);
        m->Lohnsteuer(mit);
        EXPECT_EQ(lv.LST_SONST, mit.LSTLZZ - ohne.LSTLZZ);
    }
}

TEST(LStPap2005bis2009, OtherPayment2008And2009) {
    for (PapAb2008* m : {&LStPap08(), &LStPap09()}) {
        LohnVar lv = fall(2, 300000, 3);
        lv.JRE4 = 3600000;
        lv.SONSTB = 200000;
        m->Lohnsteuer(lv);
        LohnVar ohne = fall(1, 3600000, 3), mit = fall(1, 3800000, 3);
        m->Lohnsteuer(ohne);
        m->Lohnsteuer(mit);
        EXPECT_EQ(lv.LST_SONST, mit.LSTLZZ - ohne.LSTLZZ) << m->name();
        EXPECT_EQ(lv.LZZ, 1);
        EXPECT_EQ(lv.ZMVB, 12);
    }
}

// With a negative annual income the 2008 flowchart taxes a fifth of the
// whole and multiplies by five.
TEST(LStPap2005bis2009, MultiYearPayWithNegativeIncome2008) {
    LohnVar lv = fall(1, 0, 1);
    lv.JFREIB = 100000;
    lv.VMT = 20000000;
    LStPap08().Lohnsteuer(lv);
    auto z = LStPap08().zwischenwerte();
    EXPECT_EQ(z.ZVE, 36082_z); // (199000 - 956) / 5 - 3526
    EXPECT_GT(z.ST, 0);
    EXPECT_EQ(lv.STV, z.ST * 500);
    EXPECT_EQ(lv.SOLZV, (Zahl(lv.STV) * 5.5_z / 100).trunc());
}

TEST(LStPap2005bis2009, MultiYearPayIsTaxedByFifths) {
    for (PapAb2008* m : {&LStPap08(), &LStPap09()}) {
        LohnVar lv = fall(2, 300000, 1);
        lv.JRE4 = 3600000;
        lv.VMT = 1000000;
        lv.R = 1;
        m->Lohnsteuer(lv);
        // The fifth rule lowers the tax below that of the whole amount.
        LohnVar ohne = fall(1, 3600000, 1), ganz = fall(1, 4600000, 1);
        m->Lohnsteuer(ohne);
        m->Lohnsteuer(ganz);
        EXPECT_GT(lv.STV, 0) << m->name();
        EXPECT_LT(lv.STV, ganz.LSTLZZ - ohne.LSTLZZ) << m->name();
        EXPECT_EQ(lv.BKV, lv.STV);
    }
}

TEST(LStPap2005bis2009, ProgressionProvisoOnlyIn2009) {
    for (PapAb2008* m : {&LStPap08(), &LStPap09(), &LStPap09_vorKon2()}) {
        LohnVar ohne = fall(1, 3000000, 1), mit = fall(1, 3000000, 1);
        mit.PV32b = 5000;
        m->Lohnsteuer(ohne);
        m->Lohnsteuer(mit);
        if (m == &LStPap09())
            EXPECT_GT(mit.LSTLZZ, ohne.LSTLZZ);
        else
            EXPECT_EQ(mit.LSTLZZ, ohne.LSTLZZ) << m->name();
    }
}

// No factor before 2010: F is neither read nor reset.
TEST(LStPap2005bis2009, NoFactorProcedure) {
    LohnVar mitF = fall(2, 300000, 4), ohneF = fall(2, 300000, 4);
    mitF.af = 1;
    mitF.F = 0.5_z;
    LStPap09().Lohnsteuer(mitF);
    LStPap09().Lohnsteuer(ohneF);
    EXPECT_EQ(mitF.LSTLZZ, ohneF.LSTLZZ);
    EXPECT_EQ(mitF.F, 0.5_z);
}

TEST(LStPap2005bis2009, ModulesAndDispatch) {
    std::vector<std::string_view> namen;
    for (LStModul* m : module2000bis2009())
        namen.push_back(m->name());
    EXPECT_EQ(namen, (std::vector<std::string_view>{"LStPap00", "LStPap01", "LStPap02", "LStPap03",
                                                    "LStPap04", "LStPap05", "LStPap06", "LStPap07",
                                                    "LStPap08", "LStPap09", "LStPap09_vorKon2"}));
    EXPECT_EQ(findeModul("LStPap09_vorKon2"), &LStPap09_vorKon2());
    EXPECT_EQ(LStPap08().ausgaben().size(), 9u);
    EXPECT_EQ(LStPap05().ausgaben().size(), 6u);

    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnabrechnung, 2000, 1), &LStPap00());
    EXPECT_EQ(lohnsteuerModul(Rechner::Steuerklassenwahl, 2001, 1), &LStPap01());
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnsteuer, 2002, 1), nullptr);
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnsteuer, 2003, 1), &LStPap03());
    EXPECT_EQ(lohnsteuerModul(Rechner::Kurzarbeit, 2008, 1), nullptr);
    EXPECT_EQ(lohnsteuerModul(Rechner::Kurzarbeit, 2009, 1), &LStPap09());
}

// A pension allowance above the wage of the period (pension base from
// VBEZM far above VBEZ) must not make the lump sum negative and so raise
// the taxable income.
TEST(LStPap2005bis2009, LumpSumBaseNeverNegative) {
    LohnVar lv = fall(2, 10000, 1);
    lv.HINZUR = 500000;
    lv.VBEZ = 10000;
    lv.VBEZM = 1000000;
    LStPap06().Lohnsteuer(lv);
    auto z = LStPap06().zwischenwerte();
    EXPECT_EQ(z.FVB, 25000);
    EXPECT_EQ(z.ZRE4VP, 0);
    EXPECT_EQ(z.VSP, 0);
}
