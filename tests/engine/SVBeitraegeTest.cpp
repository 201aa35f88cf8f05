// Contributions of the social-insurance routines of 2000 to 2024.

#include "SVBeitraege.h"
#include "sv/SVRunden.h"

#include <gtest/gtest.h>

using namespace brenvik;

namespace {

// A record as the payroll leaves it for a West employee with one child.
LohnVar fall(int jahr, int monat, Zahl brutto) {
    LohnVar lv;
    lv.Jahr = jahr;
    lv.Monat = monat;
    lv.Brutto = brutto;
    lv.Region = "West";
    lv.KV_Satz = jahr >= 2009 ? 14.6_z : 14.0_z;
    lv.KVZ = jahr >= 2015 ? 1.7_z : 0;
    lv.KV_Sonderbeitrag = jahr > 2005 || (jahr == 2005 && monat >= 7);
    lv.KVZ_Paritaet = jahr >= 2019;
    lv.PV_Kinder = 1;
    lv.Geringfuegigkeitsgrenze = GrenzeMinijob(monat, jahr);
    lv.Uebergangsgrenze = GrenzeUebergangsbereich(monat, jahr);
    return lv;
}

void rechne(LohnVar& lv, int modus = 1) {
    svRoutine(lv.Jahr)(lv, modus);
}

} // namespace

TEST(SVBeitraege, JedesJahrHatEineRoutine) {
    for (int j = 2000; j <= 2024; ++j)
        EXPECT_NE(svRoutine(j), nullptr) << j;
    EXPECT_EQ(svRoutine(1999), nullptr);
    EXPECT_EQ(svRoutine(2025), nullptr);
}

TEST(SVBeitraege, Beitragsbemessungsgrenzen2024) {
    for (Zahl brutto : {Zahl(8000), Zahl(7550)}) {
        LohnVar lv = fall(2024, 1, brutto);
        rechne(lv);
        EXPECT_EQ(lv.RV_AG, 70215);
        EXPECT_EQ(lv.RV_AN, 70215);
        EXPECT_EQ(lv.AV_AG, 9815);
        EXPECT_EQ(lv.AV_AN, 9815);
        // KV/PV on 5175: (14.6 + 1.7) / 2 and 1.7 / 1.7
        EXPECT_EQ(lv.KV_AN, 42176);
        EXPECT_EQ(lv.KV_AG, 42176);
        EXPECT_EQ(lv.PV_AN, 8798);
        EXPECT_EQ(lv.PV_AG, 8797);
    }
}

TEST(SVBeitraege, KeineSVUndBeamteOhneRenteUndArbeitslosigkeit) {
    for (auto [krv, keineSV] : {std::pair{2, 0}, std::pair{0, 1}}) {
        LohnVar lv = fall(2024, 6, 3000);
        lv.KRV = byte(krv);
        lv.KeineSV = keineSV;
        lv.Einmalzahlung = 1000;
        rechne(lv);
        EXPECT_EQ(lv.RV_AG + lv.RV_AN + lv.AV_AG + lv.AV_AN, 0);
        EXPECT_EQ(lv.RV_Einmal + lv.AV_Einmal, 0);
        EXPECT_EQ(lv.KV_AN, 24450);
        EXPECT_GT(lv.KV_Einmal_AN, 0);
    }
    // KRV 1 is the eastern ceiling from 2010, but uninsured before.
    LohnVar ost = fall(2024, 1, 8000);
    ost.KRV = 1;
    ost.Region = "Ost (andere)";
    rechne(ost);
    EXPECT_EQ(ost.RV_AN, 69285);
    LohnVar alt = fall(2008, 1, 3000);
    alt.KRV = 1;
    rechne(alt);
    EXPECT_EQ(alt.RV_AN, 0);
}

TEST(SVBeitraege, PrivatVersichertOhneKVundPV) {
    LohnVar lv = fall(2024, 1, 3000);
    lv.Privat = 1;
    lv.PKV_Beitrag = 400;
    lv.PPV_Beitrag = 50;
    lv.PKV_Zuschuss = 200;
    lv.PPV_Zuschuss = 25;
    lv.Einmalzahlung = 1000;
    rechne(lv);
    EXPECT_EQ(lv.KV_AN + lv.KV_AG + lv.PV_AN + lv.PV_AG, 0);
    EXPECT_EQ(lv.KV_Einmal_AN + lv.PV_Einmal_AN, 0);
    EXPECT_EQ(lv.PKV_PV_Beitrag, 450);
    EXPECT_EQ(lv.PKV_PV_Zuschuss, 225);
    EXPECT_EQ(lv.RV_Einmal, 9300);
}

// One-off payment 2024 in February: room of the months so far plus, under
// the March clause, the unused previous-year room.
TEST(SVBeitraege, Maerzklausel) {
    struct Fall {
        int monat, tageVorjahr;
        Zahl vorjahr;
        Cent rv, kv;
    };
    for (const Fall& f : {
             Fall{2, 360, 50000, 434310, 115730}, // 9100 + 37600; KV 4350 + 9850
             Fall{2, 180, 30000, 212970, 0},      // 9100 + 43800 - 30000
             Fall{2, 0, 50000, 84630, 0},         // no previous-year days: no clause
             Fall{4, 360, 50000, 169260, 0},      // April: 4 * 7550 - 4 * 3000
         }) {
        LohnVar lv = fall(2024, f.monat, 3000);
        lv.Entgelt_Vormonate = 3000 * (f.monat - 1);
        lv.Einmalzahlung = 60000;
        lv.SV_Tage_Vorjahr = f.tageVorjahr;
        lv.Entgelt_Vorjahr = f.vorjahr;
        rechne(lv);
        EXPECT_EQ(lv.RV_Einmal, f.rv) << f.monat << " " << f.tageVorjahr;
        EXPECT_EQ(lv.AV_Einmal, f.rv / 93 * 13) << "same base";
        if (f.kv) {
            EXPECT_EQ(lv.KV_Einmal_AN, f.kv);
        }
    }
}

TEST(SVBeitraege, EinmalzahlungBis2012RechnetAufJahrHoch) {
    LohnVar lv = fall(2010, 5, 3000);
    lv.SV_Tage_Jahr = 120;
    lv.Entgelt_Vormonate = 20000; // 60000 on 360 days
    lv.Einmalzahlung = 10000;
    rechne(lv);
    EXPECT_EQ(lv.Entgelt_Vormonate, Zahl(60000));
    EXPECT_EQ(lv.RV_Einmal, 59700); // 66000 - 60000 at 9.95 %
    // March clause of that method: the whole payment within the previous year's room
    LohnVar m = fall(2010, 2, 3000);
    m.SV_Tage_Jahr = 30;
    m.Entgelt_Vormonate = 6000; // 72000 > 66000
    m.SV_Tage_Vorjahr = 360;
    m.Entgelt_Vorjahr = 30000;
    m.Einmalzahlung = 10000;
    rechne(m);
    EXPECT_EQ(m.RV_Einmal, 99500);
}

TEST(SVBeitraege, DMJahreOhneEinmalzahlung) {
    for (int jahr : {2000, 2001}) {
        LohnVar lv = fall(jahr, 3, 5000);
        lv.RV_Einmal = lv.AV_Einmal = lv.KV_Einmal_AG = lv.KV_Einmal_AN = 77;
        lv.PV_Einmal_AG = lv.PV_Einmal_AN = 77;
        lv.Einmalzahlung = 1000;
        rechne(lv);
        EXPECT_EQ(lv.RV_Einmal + lv.AV_Einmal + lv.KV_Einmal_AG + lv.KV_Einmal_AN +
                      lv.PV_Einmal_AG + lv.PV_Einmal_AN,
                  0)
            << jahr;
    }
}

TEST(SVBeitraege, OstGrenzenDerDMJahre) {
    LohnVar j2000 = fall(2000, 1, 9000);
    j2000.Region = "Ost (andere)";
    rechne(j2000);
    EXPECT_EQ(j2000.KV_AG, 37275); // three quarters of 7100 = 5325 DM at 7 %
    EXPECT_EQ(j2000.RV_AG, 68515); // 7100 at 9.65 %
    LohnVar j2001 = fall(2001, 1, 9000);
    j2001.Region = "Ost (andere)";
    rechne(j2001);
    EXPECT_EQ(j2001.KV_AG, 45675); // 6525, not three quarters of 7300
}

TEST(SVBeitraege, RegionUndSachsen) {
    LohnVar west = fall(2024, 1, 8000);
    west.Region = "west";
    rechne(west);
    EXPECT_EQ(west.RV_AN, 70215);

    LohnVar klein = fall(2024, 1, 3000);
    klein.Region = "Ost (sachsen)";
    rechne(klein);
    EXPECT_EQ(klein.PV_AN, 5100); // no Saxony split: 1.7 %

    LohnVar sachsen = fall(2024, 1, 3000);
    sachsen.Region = "Ost (Sachsen)";
    rechne(sachsen);
    EXPECT_EQ(sachsen.PV_AN, 6600); // 2.2 %
    EXPECT_EQ(sachsen.PV_AG, 3600);
}

TEST(SVBeitraege, SachsenBis2004UeberDenArbeitgeberteil) {
    LohnVar lv = fall(2002, 6, 2000);
    lv.Region = "Ost (Sachsen)";
    lv.Einmalzahlung = 1000;
    rechne(lv);
    EXPECT_EQ(lv.PV_AG, 700);
    EXPECT_EQ(lv.PV_AN, 2700);
    EXPECT_EQ(lv.PV_Einmal_AN, 1350);
    EXPECT_EQ(lv.PV_Einmal_AG, 1350);
    EXPECT_EQ(lv.PV_EZ_Differenz, 1000);
}

TEST(SVBeitraege, PflegesatzWechseltImJuli) {
    LohnVar juni = fall(2008, 6, 3000), juli = fall(2008, 7, 3000);
    rechne(juni);
    rechne(juli);
    EXPECT_EQ(juni.PV_AN, 2550);
    EXPECT_EQ(juli.PV_AN, 2925);

    // 2023: childless surcharge 0.35 -> 0.6, child reductions from July
    LohnVar k6 = fall(2023, 6, 3000), k7 = fall(2023, 7, 3000);
    k6.PV_Kinder = k7.PV_Kinder = 5;
    rechne(k6);
    rechne(k7);
    EXPECT_EQ(k6.PV_AN, 4575);
    EXPECT_EQ(k7.PV_AN, 2100); // 1.7 - 1.0
    LohnVar l6 = fall(2023, 6, 3000), l7 = fall(2023, 7, 3000);
    l6.Kinderlos = l7.Kinderlos = 1;
    l6.PV_Kinder = l7.PV_Kinder = -1;
    rechne(l6);
    rechne(l7);
    EXPECT_EQ(l6.PV_AN, 5625);
    EXPECT_EQ(l7.PV_AN, 6900);
    for (int kinder : {0, 1}) {
        LohnVar lv = fall(2024, 1, 3000);
        lv.PV_Kinder = kinder;
        rechne(lv);
        EXPECT_EQ(lv.PV_AN, 5100);
    }
}

TEST(SVBeitraege, UebergangsbereichAnDerObergrenze) {
    LohnVar lv = fall(2024, 3, 2000);
    rechne(lv, 3);
    EXPECT_EQ(lv.RV_AN, 18600);
    EXPECT_EQ(lv.RV_AG, 18600);
    EXPECT_EQ(lv.KV_AN, 16300);
    EXPECT_EQ(lv.PV_AN, 3400);
    EXPECT_EQ(lv.UB_RV_Gesamt, Zahl(372));
    EXPECT_EQ(lv.UB_AG_Gesamt, Zahl(409));
}

TEST(SVBeitraege, Uebergangsbereich2023JuniJuli) {
    LohnVar juni = fall(2023, 6, 1000), juli = fall(2023, 7, 1000);
    juni.PV_Kinder = juli.PV_Kinder = 2;
    juni.Uebergangsbereich_neu = juli.Uebergangsbereich_neu = 1;
    rechne(juni, 3);
    rechne(juli, 3);
    EXPECT_EQ(juni.PV_AN, 989); // 1.525 on 648.65
    EXPECT_EQ(juli.PV_AN, 940); // 1.45
}

TEST(SVBeitraege, Gleitzone2022SeptemberGegenOktober) {
    LohnVar sep = fall(2022, 9, 1000), okt = fall(2022, 10, 1000);
    sep.KVZ = okt.KVZ = 1.3_z;
    sep.Uebergangsbereich_neu = okt.Uebergangsbereich_neu = 1;
    rechne(sep, 3);
    rechne(okt, 3);
    EXPECT_EQ(sep.RV_AN, 8564);
    EXPECT_EQ(sep.AV_AN, 1106);
    EXPECT_EQ(sep.KV_AN, 7321);
    EXPECT_EQ(sep.PV_AN, 1405);
    EXPECT_EQ(sep.UB_AG_Gesamt, Zahl(0));
    EXPECT_EQ(okt.RV_AN, 6613);
    EXPECT_EQ(okt.AV_AN, 853);
    EXPECT_EQ(okt.KV_AN, 5653);
    EXPECT_EQ(okt.PV_AN, 1084);
    EXPECT_GT(okt.UB_AG_Gesamt, 0);
}

TEST(SVBeitraege, Altvertraege2013) {
    LohnVar alt = fall(2013, 5, 425);
    alt.Eintritt_vor_2013 = 1;
    rechne(alt, 3);
    EXPECT_EQ(alt.RV_AG, 4017);
    EXPECT_EQ(alt.RV_AN, 2319);

    LohnVar neu = fall(2013, 5, 825);
    neu.Eintritt_vor_2013 = 1;
    neu.Gleitzone_neu_800_850 = 1;
    rechne(neu, 3);
    EXPECT_EQ(neu.RV_AN, 7667);

    LohnVar ohne = fall(2013, 5, 825);
    ohne.Eintritt_vor_2013 = 1;
    rechne(ohne, 3);
    EXPECT_EQ(ohne.RV_AN, 7797);

    LohnVar mode1 = fall(2013, 5, 425);
    mode1.Eintritt_vor_2013 = 1;
    rechne(mode1, 1);
    EXPECT_EQ(mode1.RV_AN, 4017);
}

TEST(SVBeitraege, Gleitzone2006JuniJuli) {
    LohnVar juni = fall(2006, 6, 600), juli = fall(2006, 7, 600);
    rechne(juni, 3);
    rechne(juli, 3);
    EXPECT_EQ(juni.RV_AN, 4278);
    EXPECT_EQ(juli.RV_AN, 4742);
}

TEST(SVRunden, Runden2EntscheidetAmDezimaltext) {
    using sv::Runden2;
    EXPECT_EQ(Runden2(2, 1.005_z), 1.01_z);
    EXPECT_EQ(Runden2(2, 2.675_z), 2.68_z);
    EXPECT_EQ(Runden2(2, 1.0049_z), 1.00_z);
    EXPECT_EQ(Runden2(2, 1.0061_z), 1.01_z);
    EXPECT_EQ(Runden2(2, -1.004_z), -1.00_z);
    EXPECT_EQ(Runden2(2, -1.006_z), -1.01_z);
    // A '5' after the kept digits rounds a negative value toward zero.
    EXPECT_EQ(Runden2(2, -1.005_z), -1.00_z);
    // 15 significant digits show 1.005 although the value is below it.
    EXPECT_EQ(Runden2(2, 1.005_z - Zahl::bruch(1, 1'000'000'000'000'000'000LL)), 1.01_z);
    EXPECT_EQ(Runden2(2, Zahl(2000) / 3), 666.67_z);
}

TEST(SVRunden, AufrundenStellen) {
    using sv::Aufrunden_Stellen;
    EXPECT_EQ(Aufrunden_Stellen(2, 1.0001_z), 1.01_z);
    EXPECT_EQ(Aufrunden_Stellen(2, 1.000000000001_z), 1.00_z);
    EXPECT_EQ(Aufrunden_Stellen(2, 0), 0);
    EXPECT_EQ(Aufrunden_Stellen(2, -1.019_z), -1.01_z);
}
