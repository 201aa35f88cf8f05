#include "Jahresauswahl.h"
#include "LohnVarFelder.h"
#include "Lohn_Var.h"

#include <gtest/gtest.h>

using namespace brenvik;

TEST(LohnVarRundung, RoundingRoutines) {
    EXPECT_EQ(AufEuroAufrunden(100.005_z), 100);
    EXPECT_EQ(AufEuroAufrunden(100.01_z), 101);
    EXPECT_EQ(AufEuroAufrunden(100.02_z), 101);
    EXPECT_EQ(AufEuroAufrunden(Zahl(100)), 100);
    EXPECT_EQ(AufCentAufrunden(1.23004_z), 1.23_z);
    EXPECT_EQ(AufCentAufrunden(1.2301_z), 1.24_z);
    EXPECT_EQ(AufCentAbrunden(310.6999_z), 310.69_z);
    EXPECT_EQ(Abschneiden(-2.7_z), -2);
}

TEST(LohnVarRundung, DeutscheMark) {
    EXPECT_EQ(DMToEuro(1.95583_z), 1_z);
    EXPECT_EQ(EuroToDM(1_z), 1.96_z);
    EXPECT_EQ(DMToEuro(100_z), 51.13_z);
    EXPECT_EQ(EuroToDM(51.13_z), 100_z);
}

TEST(LohnVarText, StrToBetragAndLabelToBetrag) {
    EXPECT_EQ(StrToBetrag("1.234,56"), 1234.56_z);
    EXPECT_EQ(StrToBetrag(""), 0_z);
    EXPECT_EQ(StrToBetrag("abc"), 0_z);
    EXPECT_EQ(StrToBetrag("3.000"), 3000_z);
    EXPECT_EQ(StrToBetrag("-12,5"), -12.5_z);
    EXPECT_EQ(StrToBetrag("12.5"), 125_z); // '.' is a thousands separator
    EXPECT_EQ(LabelToBetrag("1.316,00 \u20AC"), 1316_z);
    EXPECT_EQ(LabelToBetrag("-7,50 \u20AC"), -7.5_z);
    EXPECT_EQ(LabelToBetrag("n/a"), 0_z);
}

TEST(LohnVarGrenzen, MinijobAndTransitionZone) {
    struct Fall {
        int monat, jahr;
        Zahl minijob, zone;
    } faelle[] = {
        {1, 2012, 400, 800},  {1, 2013, 450, 850},  {6, 2019, 450, 850},
        {7, 2019, 450, 1300}, {9, 2022, 450, 1300}, {10, 2022, 520, 1600},
        {1, 2023, 520, 2000}, {1, 2024, 538, 2000}, {1, 2100, 0, 0},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(GrenzeMinijob(f.monat, f.jahr), f.minijob) << f.monat << "/" << f.jahr;
        EXPECT_EQ(GrenzeUebergangsbereich(f.monat, f.jahr), f.zone) << f.monat << "/" << f.jahr;
    }
}

TEST(LohnVarReset, ClearsOptionalInputsOnly) {
    LohnVar lv;
    lv.F = 0.9_z;
    lv.af = 1;
    lv.SONSTB = 5;
    lv.PV32b = 100;
    lv.STKL = 3;
    lv.RE4 = 123;
    lv.KVZ = 1.7_z;
    lv.LSTLZZ = 77;
    LohnVarReset(lv);
    EXPECT_EQ(lv.F, 1_z);
    EXPECT_EQ(lv.af, 0);
    EXPECT_EQ(lv.SONSTB, 0);
    EXPECT_EQ(lv.PV32b, 0_z);
    EXPECT_EQ(lv.STKL, 3);
    EXPECT_EQ(lv.RE4, 123);
    EXPECT_EQ(lv.KVZ, 1.7_z);
    EXPECT_EQ(lv.LSTLZZ, 77);
}

TEST(LohnVarFelder, TableKnowsEveryFieldInOrder) {
    auto felder = lohnVarFelder();
    ASSERT_FALSE(felder.empty());
    EXPECT_EQ(felder.front().name, "af");
    EXPECT_EQ(felder.back().name, "Jahr");
    ASSERT_NE(findeFeld("LSTLZZ"), nullptr);
    EXPECT_EQ(findeFeld("LSTLZZ")->gruppe, FeldGruppe::Ausgabe);
    EXPECT_EQ(findeFeld("nope"), nullptr);
}

TEST(Jahresauswahl, ModulesByCalculatorYearAndMonth) {
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnsteuer, 2002, 0), nullptr);
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnabrechnung, 2025, 1), nullptr);
    EXPECT_EQ(lohnsteuerModul(Rechner::Kurzarbeit, 2024, 1), nullptr);
    ASSERT_NE(lohnsteuerModul(Rechner::Lohnsteuer, 2024, 0), nullptr);
    EXPECT_EQ(lohnsteuerModul(Rechner::Lohnsteuer, 2024, 0)->name(), "LStPap24");
}

TEST(Jahresauswahl, PayrollWithoutTaxClassLeavesTaxOutputsAtZero) {
    LohnVar lv;
    lv.LSTLZZ = lv.SOLZLZZ = lv.BK = lv.LST_SONST = lv.STV = 99;
    lv.STKL = 0;
    lv.LZZ = 2;
    lv.RE4 = 300000;
    LohnabrechnungRechnen(lv, 2024, 1);
    EXPECT_EQ(lv.LSTLZZ, 0);
    EXPECT_EQ(lv.SOLZLZZ, 0);
    EXPECT_EQ(lv.BK, 0);
    EXPECT_EQ(lv.LST_SONST, 0);
    EXPECT_EQ(lv.STV, 0);
    EXPECT_EQ(lv.Waehrung, " \u20AC");
}
