// Wage tax 2000 to 2004: table steps, Mark years, the small-payment rule of
// 2002 and 2003, and the worked monthly cases.
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
Cent lstlzz(PapBis2004& m, LohnVar lv) {
    m.Lohnsteuer(lv);
    return lv.LSTLZZ;
}
} // namespace

TEST(LStPap2000bis2004, MonthlyThreeThousandEuros2004) {
    LohnVar lv = fall(2, 300000, 1);
    LStPap04().Lohnsteuer(lv);
    auto z = LStPap04().zwischenwerte();
    EXPECT_EQ(z.ZRE4, 36000);
    EXPECT_EQ(z.VSP, 2001_z);
    EXPECT_EQ(z.ZTABFB, 956);
    EXPECT_EQ(z.ZVE, 33043);
    EXPECT_EQ(z.LSTJAHR, 6994);
    EXPECT_EQ(lv.LSTLZZ, 58283);
    EXPECT_EQ(lv.SOLZLZZ, 3205);
    EXPECT_EQ(lv.BK, 0);
}

// Worked by hand: stepped wage 36000, lump-sum base 36035, VSP 2001 stepped
// to 1980, ZVE 32940, X in the middle of its step.
TEST(LStPap2000bis2004, MonthlyThreeThousandEuros2002) {
    LohnVar lv = fall(2, 300000, 1);
    lv.R = 1;
    LStPap02().Lohnsteuer(lv);
    auto z = LStPap02().zwischenwerte();
    EXPECT_EQ(z.ZRE4VP, 36035);
    EXPECT_EQ(z.VSP, 1980_z);
    EXPECT_EQ(z.ZVE, 32940);
    EXPECT_EQ(z.X, 32958);
    EXPECT_EQ(z.LSTJAHR, 7463);
    EXPECT_EQ(lv.LSTLZZ, 62191);
    EXPECT_EQ(lv.SOLZLZZ, 3420);
    EXPECT_EQ(lv.BK, 62191);
}

// Worked by hand in Mark: stepped wage 59996, base 60049, VSP 3915 stepped to
// 3888, ZVE 54000; the euro outputs are the Pfennig results converted.
TEST(LStPap2000bis2004, MonthlyFiveThousandMark2000) {
    LohnVar lv = fall(2, 500000, 1);
    LStPap00().Lohnsteuer(lv);
    auto z = LStPap00().zwischenwerte();
    EXPECT_EQ(z.ZRE4, 59996);
    EXPECT_EQ(z.VSP, 3888_z);
    EXPECT_EQ(z.ZVE, 54000);
    EXPECT_EQ(z.LSTJAHR, 11883);
    EXPECT_EQ(lv.LSTLZZ, 99025);
    EXPECT_EQ(lv.SOLZLZZ, 5446);
    EXPECT_EQ(lv.LSTLZZ_EUR, 50631);
    EXPECT_EQ(lv.SOLZLZZ_EUR, 2784);
    EXPECT_EQ(lv.BK_EUR, 0);
}

TEST(LStPap2000bis2004, TableStepsOfTheTaxableIncome) {
    struct Fall {
        PapBis2004& m;
        i64 zve, kztab, x;
    } faelle[] = {
        {LStPap02(), 35, 1, 0},        {LStPap02(), 36, 1, 54}, {LStPap02(), 71, 1, 54},
        {LStPap02(), 72, 1, 90},       {LStPap02(), 72, 2, 54}, {LStPap01(), 53, 1, 0},
        {LStPap01(), 54, 1, 81},       {LStPap00(), -1, 1, 0},  {LStPap00(), 107, 1, 54},
        {LStPap00(), 108, 1, 108},     {LStPap04(), 0, 1, 0},   {LStPap04(), 33043, 1, 33043},
        {LStPap04(), 33043, 2, 16521},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.m.tarifbetrag(f.zve, f.kztab), f.x) << f.m.name() << " ZVE " << f.zve;
}

// Values where cutting RW to three decimals changes the tax by one unit.
TEST(LStPap2000bis2004, TariffZonesAndThreeDecimalSteps) {
    EXPECT_EQ(LStPap00().tarif(76950), 20569);
    EXPECT_EQ(LStPap01().tarif(97065), 27932);
    EXPECT_EQ(LStPap02().tarif(51966), 15356);
    EXPECT_EQ(LStPap04().tarif(52152), 14623); // 45 % line
    EXPECT_EQ(LStPap04().tarif(7664), 0);
    EXPECT_EQ(LStPap04().tarif(7700), 5);
    EXPECT_EQ(LStPap02().tarif(7235), 0);
    EXPECT_EQ(LStPap02().tarif(7236), 7);
}

TEST(LStPap2000bis2004, ClassSixCorrectionOnlyForClassSix) {
    PapBis2004& m = LStPap00();
    const Cent allein = lstlzz(m, fall(2, 500000, 1));

    LohnVar vi = fall(2, 500000, 6);
    m.Lohnsteuer(vi);
    auto z = m.zwischenwerte();
    EXPECT_EQ(z.ZTABFB, 2);
    EXPECT_EQ(z.ZVE, 59994); // the correction takes the 2 of the stepped wage off again
    EXPECT_GT(vi.LSTLZZ, allein);

    LohnVar i = fall(2, 500000, 1);
    m.Lohnsteuer(i);
    EXPECT_EQ(m.zwischenwerte().ZTABFB, 2108);
    EXPECT_EQ(i.LSTLZZ, allein);
}

TEST(LStPap2000bis2004, EuroInputsAreConvertedToPfennig) {
    for (PapBis2004* m : {&LStPap00(), &LStPap01()}) {
        LohnVar euro = fall(2, 100000, 1);
        euro.ALTER1 = 1;
        euro.RE4_EUR = 150000; // 293374.5 Pfennig, rounded to even
        euro.VBEZ_EUR = 20000;
        euro.WFUNDF_EUR = 10000;
        euro.HINZUR_EUR = 5000;
        m->Lohnsteuer(euro);
        EXPECT_EQ(euro.RE4, 100000 + 293374) << m->name();
        EXPECT_EQ(euro.VBEZ, 39117);
        EXPECT_EQ(euro.WFUNDF, 19558);
        EXPECT_EQ(euro.HINZUR, 9779);

        LohnVar pfennig = fall(2, 393374, 1);
        pfennig.ALTER1 = 1;
        pfennig.VBEZ = 39117;
        pfennig.WFUNDF = 19558;
        pfennig.HINZUR = 9779;
        m->Lohnsteuer(pfennig);
        EXPECT_EQ(euro.LSTLZZ, pfennig.LSTLZZ);
        EXPECT_GT(euro.LSTLZZ, 0);
        EXPECT_EQ(Zahl(euro.LSTLZZ_EUR), DMToEuro(Zahl::bruch(euro.LSTLZZ, 100)) * 100);
        EXPECT_EQ(Zahl(euro.SOLZLZZ_EUR), DMToEuro(Zahl::bruch(euro.SOLZLZZ, 100)) * 100);
    }
}

TEST(LStPap2000bis2004, SmallOtherPaymentIsCurrentWage) {
    PapBis2004& m = LStPap02();
    const Cent ohne = lstlzz(m, fall(2, 300000, 1));
    const Cent mit = lstlzz(m, fall(2, 315000, 1));

    LohnVar lv = fall(2, 300000, 1);
    lv.JRE4 = 3600000;
    lv.SONSTB = 15000;
    lv.R = 1;
    m.Lohnsteuer(lv);
    EXPECT_EQ(lv.LSTLZZ, ohne);
    EXPECT_EQ(lv.LST_SONST, mit - ohne);
    EXPECT_EQ(lv.SOLZS, (Zahl(lv.LST_SONST) * 5.5_z / 100).trunc());
    EXPECT_EQ(lv.BKS, lv.LST_SONST);
    EXPECT_EQ(lv.LZZ, 2);
    EXPECT_EQ(lv.RE4, 315000);
}

TEST(LStPap2000bis2004, LargerOtherPaymentByTheAnnualMethod) {
    PapBis2004& m = LStPap02();
    const Cent jahrOhne = lstlzz(m, fall(1, 3600000, 1));
    const Cent jahrMit = lstlzz(m, fall(1, 3615001, 1));

    LohnVar lv = fall(2, 300000, 1);
    lv.JRE4 = 3600000;
    lv.SONSTB = 15001;
    lv.JFREIB = 0;
    lv.JHINZU = 0;
    lv.WFUNDF = 5000;
    lv.HINZUR = 7000;
    m.Lohnsteuer(lv);
    EXPECT_EQ(lv.LST_SONST, jahrMit - jahrOhne);
    EXPECT_GT(lv.LST_SONST, 0);
    // The annual passes rewrite the record inputs they use.
    EXPECT_EQ(lv.LZZ, 1);
    EXPECT_EQ(lv.RE4, 3615001);
    EXPECT_EQ(lv.WFUNDF, 0);
    EXPECT_EQ(lv.HINZUR, 0);
}

TEST(LStPap2000bis2004, OtherPayment2004HasNoSmallPaymentRule) {
    PapBis2004& m = LStPap04();
    const Cent jahrOhne = lstlzz(m, fall(1, 3600000, 1));
    const Cent jahrMit = lstlzz(m, fall(1, 3610000, 1));
    LohnVar lv = fall(2, 300000, 1);
    lv.JRE4 = 3600000;
    lv.SONSTB = 10000;
    m.Lohnsteuer(lv);
    EXPECT_EQ(lv.LST_SONST, jahrMit - jahrOhne);
    EXPECT_EQ(lv.LZZ, 1);
}

TEST(LStPap2000bis2004, Year2003EqualsYear2002) {
    for (int lzz = 1; lzz <= 4; ++lzz)
        for (int stkl = 1; stkl <= 6; ++stkl)
            for (Cent re4 : {20000, 300000, 2500000})
                for (Cent sonstb : {0, 12000, 400000}) {
                    LohnVar a = fall(lzz, re4, stkl);
                    a.ZKF = 1;
                    a.R = 1;
                    a.ALTER1 = stkl == 2;
                    a.VBEZ = re4 / 4;
                    a.JRE4 = re4 * 12;
                    a.SONSTB = sonstb;
                    LohnVar b = a;
                    LStPap02().Lohnsteuer(a);
                    LStPap03().Lohnsteuer(b);
                    EXPECT_EQ(a.LSTLZZ, b.LSTLZZ);
                    EXPECT_EQ(a.SOLZLZZ, b.SOLZLZZ);
                    EXPECT_EQ(a.BK, b.BK);
                    EXPECT_EQ(a.LST_SONST, b.LST_SONST);
                    EXPECT_EQ(a.SOLZS, b.SOLZS);
                }
}

// Products the flowchart forms in 32 bits (annual tax times 100) are exact:
// a monthly wage at the top of the field still yields 45 % of it.
TEST(LStPap2000bis2004, LargestWagesDoNotWrap) {
    LohnVar lv = fall(2, INT32_MAX, 1);
    LStPap04().Lohnsteuer(lv);
    EXPECT_GT(Zahl(lv.LSTLZZ), Zahl(INT32_MAX) * 0.449_z);
    EXPECT_LT(Zahl(lv.LSTLZZ), Zahl(INT32_MAX) * 0.45_z);

    // An other payment whose annual wage no longer fits RE4 is refused.
    LohnVar zuGross = fall(1, 100000, 1);
    zuGross.JRE4 = INT32_MAX;
    zuGross.SONSTB = 500000;
    EXPECT_THROW(LStPap02().Lohnsteuer(zuGross), FeldUeberlauf);
}

TEST(LStPap2000bis2004, OutputsListedPerModule) {
    auto namen = [](LStModul& m) {
        auto a = m.ausgaben();
        return std::vector<std::string_view>(a.begin(), a.end());
    };
    using V = std::vector<std::string_view>;
    EXPECT_EQ(namen(LStPap00()),
              (V{"BK", "LSTLZZ", "SOLZLZZ", "BK_EUR", "LSTLZZ_EUR", "SOLZLZZ_EUR"}));
    EXPECT_EQ(namen(LStPap04()), (V{"BK", "BKS", "LSTLZZ", "SOLZLZZ", "SOLZS", "LST_SONST"}));

    // The Mark years neither read SONSTB nor write the other-payment outputs.
    LohnVar lv = fall(2, 300000, 1);
    lv.SONSTB = 100000;
    lv.LST_SONST = 77;
    LStPap01().Lohnsteuer(lv);
    EXPECT_EQ(lv.LST_SONST, 77);
    EXPECT_EQ(lv.LZZ, 2);
}
