#include "Zahl.h"

#include <gtest/gtest.h>

using namespace brenvik;

TEST(Zahl, DecimalProductsAreExact) {
    EXPECT_EQ(Zahl(50) * 0.42_z, Zahl(21));
    EXPECT_EQ((310.69_z * 100).trunc(), 31069);
    EXPECT_EQ(0.1_z + 0.2_z, 0.3_z);
    EXPECT_EQ(Zahl(1) / 3 * 3, Zahl(1));
    EXPECT_EQ(Zahl(300000) * 12 / 100, Zahl(36000));
    EXPECT_EQ((Zahl(700) * 360 / 7 / 100), Zahl(360));
    EXPECT_EQ(Zahl(100000) / 1.95583_z * 1.95583_z, Zahl(100000));
    // The shortcuts for halving, powers of ten and mixed scales.
    EXPECT_EQ(Zahl(7) / 2, 3.5_z);
    EXPECT_EQ(Zahl(1) / 3 / 2, Zahl(1) / 6);
    EXPECT_EQ(-1.25_z / 1, -1.25_z);
    EXPECT_EQ(Zahl(12345) / 10000, 1.2345_z);
    EXPECT_EQ(0.5_z + Zahl(1) / 3, Zahl(5) / 6);
    EXPECT_EQ(1.5_z - 0.25_z, 1.25_z);
    EXPECT_EQ(Zahl(3) / 8, 0.375_z);
}

TEST(Zahl, TruncTowardZeroAndRoundTiesToEven) {
    struct Fall {
        Zahl x;
        std::int64_t trunc, round;
    } faelle[] = {
        {2.5_z, 2, 2},  {3.5_z, 3, 4},     {-2.5_z, -2, -2},    {-3.5_z, -3, -4},
        {2.51_z, 2, 3}, {-2.51_z, -2, -3}, {Zahl(7) / 3, 2, 2}, {-Zahl(7) / 3, -2, -2},
        {0.5_z, 0, 0},  {1.5_z, 1, 2},     {Zahl(0), 0, 0},     {Zahl(-5), -5, -5},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(f.x.trunc(), f.trunc) << f.x.text();
        EXPECT_EQ(f.x.round(), f.round) << f.x.text();
    }
}

TEST(Zahl, ComparesExactly) {
    EXPECT_LT(Zahl(1) / 3, 0.3334_z);
    EXPECT_GT(Zahl(1) / 3, 0.3333_z);
    EXPECT_LT(-Zahl(1) / 3, -0.3333_z);
    EXPECT_EQ(vergleiche(Zahl(2) / 4, 0.5_z), 0);
    EXPECT_LT(Zahl(5) / 7, Zahl(5) / 6);
    EXPECT_GT(Zahl(-1), Zahl(-3) / 2);
}

TEST(Zahl, ParsesDecimalTextExactly) {
    Zahl z;
    ASSERT_TRUE(Zahl::ausText("1.70", z));
    EXPECT_EQ(z, 1.7_z);
    ASSERT_TRUE(Zahl::ausText("-1234,56", z));
    EXPECT_EQ(z, -1234.56_z);
    ASSERT_TRUE(Zahl::ausText("0.1", z));
    EXPECT_EQ(z * 3, 0.3_z);
    for (const char* schlecht : {"", "-", "1.2.3", "1e5", "abc", "1 2", "0x10", "."})
        EXPECT_FALSE(Zahl::ausText(schlecht, z)) << schlecht;
}

TEST(Zahl, TextShowsDecimals) {
    EXPECT_EQ((1.7_z).text(), "1.7");
    EXPECT_EQ((-0.125_z).text(), "-0.125");
    EXPECT_EQ(Zahl(21).text(), "21");
    EXPECT_EQ((Zahl(1) / 3).text(4), "0.3333");
}

TEST(Zahl, OverflowIsReportedNotWrapped) {
    Zahl gross = Zahl::bruch(i128(1) << 125, 1);
    EXPECT_THROW(gross * gross, ZahlUeberlauf);
    EXPECT_THROW(gross + gross + gross + gross, ZahlUeberlauf);
    EXPECT_THROW(-gross - gross - gross - gross - gross, ZahlUeberlauf);
    EXPECT_THROW(gross.trunc(), ZahlUeberlauf);
    Zahl feinerNenner = Zahl(1) / Zahl::bruch(INT64_MAX, 1);
    EXPECT_THROW(feinerNenner / 3, ZahlUeberlauf);
    EXPECT_THROW(Zahl(1) / Zahl(0), std::domain_error);
}
