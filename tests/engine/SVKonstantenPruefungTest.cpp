// Every year's contribution constants, read through the routine: rates,
// West/East ceilings (monthly and, through a one-off payment, annual and of
// the previous year), care split and childless surcharge, rounding of the
// year. The expected cents were computed separately from the statutory
// figures, not from the engine's own table.

#include "SVBeitraege.h"

#include <gtest/gtest.h>

using namespace brenvik;

namespace {

struct Jahreswerte {
    int jahr, monat;
    Cent rvWest, avWest, kvWest, pvAgWest, pvAnWest, pvAnKinderlos;
    Cent rvOst, kvOst;
    Cent rvEinmal, kvEinmal; // January, previous year 1 euro in 360 days
};

// clang-format off
const Jahreswerte kJahre[] = {
//   year mon  RV     AV     KV     PV AG  PV AN  PV AN o.K. RV Ost KV Ost  RV EZ    KV EZ
    {2000, 1, 82990, 27950, 45150, 5482, 5482, 5482, 68515, 37275, 0, 0},
    {2001, 1, 83085, 28275, 45675, 5546, 5546, 5546, 69715, 45675, 0, 0},
    {2002, 1, 42975, 14625, 23625, 2869, 2869, 2869, 35813, 23625, 1025459, 563733},
    {2003, 1, 49725, 16575, 24150, 2932, 2932, 2932, 41437, 24150, 1123191, 573293},
    {2004, 1, 50213, 16738, 24413, 2965, 2965, 2965, 42413, 24413, 1199241, 582743},
    {2005, 1, 50700, 16900, 24675, 2996, 2997, 3878, 42900, 24675, 1210941, 589043},
    {2006, 1, 51188, 17063, 24938, 3028, 3029, 3919, 42900, 24938, 1222641, 595343},
    {2007, 1, 52238, 11025, 24938, 3028, 3029, 3919, 45273, 24938, 1253691, 598493},
    {2008, 1, 52735, 8745, 25200, 3060, 3060, 3960, 44775, 25200, 1259661, 601643},
    {2008, 7, 52735, 8745, 25200, 3510, 3510, 4410, 44775, 25200, 0, 0},
    {2009, 1, 53730, 7560, 25725, 3583, 3584, 4502, 45273, 25725, 1277571, 611093},
    {2010, 1, 54725, 7700, 26250, 3656, 3657, 4594, 46268, 26250, 1301451, 623693},
    {2011, 1, 54725, 8250, 25988, 3620, 3620, 4548, 47760, 25988, 1313391, 626843},
    {2012, 1, 54880, 8400, 26775, 3729, 3730, 4686, 47040, 26775, 1305351, 633143},
    {2013, 1, 54810, 8700, 27563, 4036, 4036, 5021, 46305, 27563, 635031, 321293},
    {2014, 1, 56228, 8925, 28350, 4151, 4152, 5164, 47250, 28350, 657711, 330743},
    {2015, 1, 56568, 9075, 28875, 4847, 4847, 5879, 48620, 28875, 667581, 340193},
    {2016, 1, 57970, 9300, 29663, 4979, 4980, 6039, 50490, 29663, 678801, 346493},
    {2017, 1, 59373, 9525, 30450, 5546, 5547, 6634, 53295, 30450, 695631, 355943},
    {2018, 1, 60450, 9750, 30975, 5642, 5642, 6749, 53940, 30975, 708651, 365393},
    {2019, 1, 62310, 8375, 31763, 6920, 6920, 8055, 57195, 31763, 725391, 371693},
    {2020, 1, 64170, 8280, 32813, 7148, 7149, 8321, 59985, 32813, 747711, 381143},
    {2021, 1, 66030, 8520, 33863, 7377, 7378, 8587, 62310, 33863, 770031, 393743},
    {2022, 1, 65565, 8460, 33863, 7377, 7377, 9070, 62775, 33863, 792351, 406343},
    {2023, 1, 67890, 9490, 34913, 7606, 7606, 9352, 66030, 34913, 786771, 406343},
    {2023, 7, 67890, 9490, 34913, 8479, 8479, 11471, 66030, 34913, 0, 0},
    {2024, 1, 70215, 9815, 36225, 8797, 8798, 11903, 69285, 36225, 814671, 418943},
};
// clang-format on

// Gross above every ceiling, statutory insurance at 14 %, no extra rates, one
// child (no reduction), so that only the year's constants decide.
LohnVar ueberAllenGrenzen(const Jahreswerte& w, const char* region) {
    LohnVar lv;
    lv.Jahr = w.jahr;
    lv.Monat = w.monat;
    lv.Brutto = 20000;
    lv.Region = region;
    lv.KV_Satz = 14;
    lv.PV_Kinder = 1;
    return lv;
}

void rechne(LohnVar& lv) {
    svRoutine(lv.Jahr)(lv, 1);
}

} // namespace

TEST(SVKonstantenPruefung, MonatsbeitraegeAnDenGrenzenJedesJahres) {
    for (const Jahreswerte& w : kJahre) {
        SCOPED_TRACE(testing::Message() << w.jahr << "/" << w.monat);
        LohnVar west = ueberAllenGrenzen(w, "West");
        rechne(west);
        EXPECT_EQ(west.RV_AG, w.rvWest);
        EXPECT_EQ(west.RV_AN, w.rvWest);
        EXPECT_EQ(west.AV_AG, w.avWest);
        EXPECT_EQ(west.KV_AG, w.kvWest);
        EXPECT_EQ(west.KV_AN, w.kvWest);
        EXPECT_EQ(west.PV_AG, w.pvAgWest);
        EXPECT_EQ(west.PV_AN, w.pvAnWest);

        LohnVar kinderlos = ueberAllenGrenzen(w, "West");
        kinderlos.Kinderlos = 1;
        kinderlos.PV_Kinder = -1;
        rechne(kinderlos);
        EXPECT_EQ(kinderlos.PV_AN, w.pvAnKinderlos);

        LohnVar ost = ueberAllenGrenzen(w, "Ost (andere)");
        rechne(ost);
        EXPECT_EQ(ost.RV_AG, w.rvOst);
        EXPECT_EQ(ost.KV_AG, w.kvOst);
    }
}

TEST(SVKonstantenPruefung, EinmalzahlungMitJahresUndVorjahresgrenzen) {
    for (const Jahreswerte& w : kJahre) {
        if (w.jahr < 2002 || w.monat != 1) continue;
        SCOPED_TRACE(w.jahr);
        LohnVar lv = ueberAllenGrenzen(w, "West");
        lv.Einmalzahlung = 1000000;
        lv.Entgelt_Vorjahr = 1;
        lv.SV_Tage_Vorjahr = 360;
        rechne(lv);
        EXPECT_EQ(lv.RV_Einmal, w.rvEinmal);
        EXPECT_EQ(lv.KV_Einmal_AG, w.kvEinmal);
    }
}
