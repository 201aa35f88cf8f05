// The wage-tax calculator without its screen: what goes into the record,
// which module runs, and the captions, note and report that come back.

#include "Lohnsteuerrechner.h"
#include "Jahresauswahl.h"

#include <gtest/gtest.h>

using namespace brenvik;

namespace {

LStEingaben jahr2024(Zahl brutto) {
    LStEingaben e;
    e.jahr = 2024;
    e.brutto = brutto;
    return e;
}

Zahl betrag(const std::string& caption) {
    return LabelToBetrag(caption);
}

} // namespace

TEST(Lohnsteuerrechner, JahreslohnKlasse1Im2024) {
    LohnVar lv;
    LStErgebnis r = LohnsteuerBerechnen(jahr2024(24000), lv);
    EXPECT_EQ(r.modul, "LStPap24");
    EXPECT_EQ(r.brutto, "24.000,00 \u20ac");
    EXPECT_EQ(r.lohnsteuer, "1.316,00 \u20ac");
    EXPECT_EQ(r.solz, "0,00 \u20ac");
    EXPECT_EQ(r.kirchensteuer, "118,44 \u20ac"); // Trunc(9 % of 131 600 cents)
    EXPECT_EQ(r.summe, "-1.434,44 \u20ac");
    ASSERT_TRUE(r.anteil);
    EXPECT_EQ(*r.anteil, "(5,98 %)");
    EXPECT_EQ(lv.LZZ, 1);
    EXPECT_EQ(lv.STKL, 1);
    EXPECT_EQ(lv.RE4, 2400000);
    EXPECT_EQ(lv.Brutto, 24000);
    EXPECT_EQ(lv.R, 1);
    EXPECT_EQ(lv.F, 1);
}

TEST(Lohnsteuerrechner, KirchensteuerSatzUndPflicht) {
    LohnVar lv;
    LStEingaben e = jahr2024(24000);
    e.kirchensteuerSatz = 8;
    EXPECT_EQ(LohnsteuerBerechnen(e, lv).kirchensteuer, "105,28 \u20ac");
    e.kirchensteuer = false;
    LStErgebnis r = LohnsteuerBerechnen(e, lv);
    EXPECT_EQ(lv.R, 0);
    EXPECT_EQ(r.kirchensteuer, "0,00 \u20ac");
    EXPECT_EQ(r.summe, "-1.316,00 \u20ac");
}

// A year without a module leaves the record's results; the church tax is
// computed from the base that is left there.
TEST(Lohnsteuerrechner, JahrOhneModulBehaeltErgebnisseDesRecords) {
    LohnVar lv;
    lv.LSTLZZ = 50000;
    lv.SOLZLZZ = 1234;
    lv.BK = 12345;
    LStEingaben e = jahr2024(1000);
    e.jahr = 2030;
    LStErgebnis r = LohnsteuerBerechnen(e, lv);
    EXPECT_EQ(r.modul, "");
    EXPECT_EQ(r.lohnsteuer, "500,00 \u20ac");
    EXPECT_EQ(r.solz, "12,34 \u20ac");
    EXPECT_EQ(r.kirchensteuer, "11,11 \u20ac"); // Trunc(1 111.05) cents
    EXPECT_EQ(r.brutto, "1.000,00 \u20ac");     // the gross is this run's

    for (double jahr : {1e12, -5.0, 2002.4, 2024.6}) {
        e.jahr = jahr;
        EXPECT_EQ(LohnsteuerBerechnen(e, lv).modul, "") << jahr;
    }
    e.jahr = 2024.5; // rounds half to even: 2024
    EXPECT_EQ(LohnsteuerBerechnen(e, lv).modul, "LStPap24");
}

TEST(Lohnsteuerrechner, ProgressionsvorbehaltNurFuerJahrUndKlassenBis4) {
    LohnVar lv;
    LStEingaben e = jahr2024(40000);
    Zahl ohne = betrag(LohnsteuerBerechnen(e, lv).lohnsteuer);
    e.lohnersatz = 10000;
    Zahl mit = betrag(LohnsteuerBerechnen(e, lv).lohnsteuer);
    EXPECT_GT(mit, ohne);
    EXPECT_EQ(lv.PV32b, 10000);

    EXPECT_TRUE(LohnersatzMoeglich(0, 1));
    EXPECT_TRUE(LohnersatzMoeglich(0, 4));
    EXPECT_FALSE(LohnersatzMoeglich(0, 5));
    EXPECT_FALSE(LohnersatzMoeglich(1, 3));
    EXPECT_FALSE(LohnersatzMoeglich(3, 1));
}

TEST(Lohnsteuerrechner, RecordfelderVorUndAb2010) {
    struct Fall {
        double jahr;
        bool beamter;
        int region;
        int kinder;
        double stkl;
        int krv, pkv, pvs, pvz, pva;
    };
    // pkv/pvs/pvz/pva -1: not written before 2010 (stay as before the run).
    const Fall faelle[] = {
        {2009, true, -1, 2, 1, 1, -1, -1, -1, -1}, {2009, false, 1, 0, 1, 0, -1, -1, -1, -1},
        {2010, true, -1, 2, 1, 2, 1, 0, 0, 0},     {2010, false, 1, 2, 1, 1, 0, 1, 0, 0},
        {2024, false, 2, 2, 1, 1, 0, 0, 0, 0},     {2024, false, -1, 2, 1, 0, 0, 0, 0, 0},
        {2024, false, 0, 0, 1, 0, 0, 0, 1, 0},     {2024, false, 0, 0, 2, 0, 0, 0, 0, 0},
        {2024, false, 0, 3, 1, 0, 0, 0, 0, 1},     {2024, false, 0, 6, 1, 0, 0, 0, 0, 4},
        {2024, false, 0, 1, 1, 0, 0, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message()
                     << f.jahr << " region " << f.region << " kinder " << f.kinder);
        LohnVar lv;
        lv.PKV = lv.PVZ = 7;
        lv.PVA = 7;
        LStEingaben e = jahr2024(3000);
        e.jahr = f.jahr;
        e.beamter = f.beamter;
        e.region = f.region;
        e.kinder = f.kinder;
        e.steuerklasse = f.stkl;
        e.kvZusatz = Zahl::bruch(25, 10);
        LohnsteuerBerechnen(e, lv);
        EXPECT_EQ(lv.KRV, f.krv);
        if (f.pkv >= 0) {
            EXPECT_EQ(lv.PKV, f.pkv);
            EXPECT_EQ(lv.PVS, f.pvs);
            EXPECT_EQ(lv.PVZ, f.pvz);
            EXPECT_EQ(lv.PVA, f.pva);
            EXPECT_EQ(lv.KVZ, Zahl::bruch(25, 10));
        } else {
            EXPECT_EQ(lv.PKV, 7);
            EXPECT_EQ(lv.PVA, 7);
        }
    }
}

// A year without a module shows the record exactly as the calculator wrote
// it (the modules change some inputs, such as LZZ for the annual tax).
TEST(Lohnsteuerrechner, FreibetragKinderfreibetraegeUndAltersentlastung) {
    LohnVar lv;
    LStEingaben e = jahr2024(3000);
    e.jahr = 2030;
    e.zeitraum = 1;
    e.freibetrag = Zahl::bruch(123456, 100);
    e.kinderfreibetraege = Zahl::bruch(15, 10);
    e.altersentlastung = true;
    e.steuerklasse = 3.7; // truncated
    LohnsteuerBerechnen(e, lv);
    EXPECT_EQ(lv.LZZ, 2);
    EXPECT_EQ(lv.LZZFREIB, 123456);
    EXPECT_EQ(lv.WFUNDF, 123456);
    EXPECT_EQ(lv.ZKF, Zahl::bruch(3, 2));
    EXPECT_EQ(lv.ALTER1, 1);
    EXPECT_EQ(lv.STKL, 3);
}

TEST(Lohnsteuerrechner, UnmoeglicheSteuerklasseIstEinFehlerDerNichtsZeigt) {
    LohnVar lv;
    LStEingaben e = jahr2024(3000);
    e.steuerklasse = 7;
    EXPECT_THROW(LohnsteuerBerechnen(e, lv), std::out_of_range);
    e.steuerklasse = 1;
    e.brutto = Zahl(30000000); // three billion cents do not fit the record
    EXPECT_THROW(LohnsteuerBerechnen(e, lv), FeldUeberlauf);
}

TEST(Lohnsteuerrechner, BruttoNullGibtKeinenAnteil) {
    LohnVar lv;
    LStErgebnis r = LohnsteuerBerechnen(jahr2024(0), lv);
    EXPECT_FALSE(r.anteil);
    EXPECT_EQ(r.lohnsteuer, "0,00 \u20ac");
}

TEST(Lohnsteuerrechner, Jahr2015RechnetImmerMitDemDezembermodul) {
    for (int monat = 0; monat <= 12; ++monat) {
        LStModul* m = lohnsteuerModul(Rechner::Lohnsteuer, 2015, monat);
        if (m) {
            EXPECT_EQ(m->name(), "LStPap15_Dez") << monat;
        }
    }
    for (int zeitraum = 0; zeitraum < 4; ++zeitraum) {
        LohnVar lv;
        lv.Monat = 5;
        LStEingaben e = jahr2024(2000);
        e.jahr = 2015;
        e.zeitraum = zeitraum;
        LStErgebnis r = LohnsteuerBerechnen(e, lv);
        EXPECT_TRUE(r.modul.empty() || r.modul == "LStPap15_Dez") << r.modul;
    }
}

TEST(Lohnsteuerrechner, HinweisAlleinerziehendeNur2020Und2021InKlasse2) {
    const struct {
        double jahr, stkl;
        bool sichtbar;
    } faelle[] = {
        {2021, 2, true}, {2020, 2, true}, {2022, 2, false}, {2020, 1, false}, {2019, 2, false}};
    for (const auto& f : faelle) {
        LohnVar lv;
        LStEingaben e = jahr2024(2000);
        e.jahr = f.jahr;
        e.steuerklasse = f.stkl;
        LStErgebnis r = LohnsteuerBerechnen(e, lv);
        EXPECT_EQ(r.hinweisSichtbar, f.sichtbar) << f.jahr << " " << f.stkl;
        if (!f.sichtbar) continue;
        EXPECT_EQ(r.hinweis,
                  "Die Erh\u00f6hung des Alleinerziehenden Entlastungsbetrags i.S. d. \u00a7 "
                  "24b EStG\n\r"
                  "ab dem zweiten Halbjahr 2020 hat die Finanzverwaltung im amtlichen "
                  "Programm-\n\r"
                  "ablaufplan nicht ber\u00fccksichtigt. Tragen Sie stattdessen einen "
                  "Freibetrag in\n\r"
                  "H\u00f6he von 2.100,- \u20ac ein, um eine zutreffende "
                  "Lohnsteuer-Berechnung zu\n\r"
                  "erhalten. (4.008 - 1.908 = 2.100)\n\r");
    }
}

TEST(Lohnsteuerrechner, BeamtenBeschriftungWechselt2010) {
    EXPECT_EQ(BeamterText(2009), "Besondere LSt-Tabelle (Beamte)");
    EXPECT_EQ(BeamterText(2010), "Keine RV-Pflicht (Beamte)");
}

TEST(Lohnsteuerrechner, Betragstexte) {
    const std::pair<Zahl, const char*> faelle[] = {
        {0, "0,00 \u20ac"},
        {Zahl::bruch(123456789123, 100000), "1.234.567,89 \u20ac"},
        {-1316, "-1.316,00 \u20ac"},
        {Zahl::bruch(5, 1000), "0,01 \u20ac"},
        {Zahl::bruch(-4, 1000), "0,00 \u20ac"},
        {999, "999,00 \u20ac"},
    };
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(Betragstext(wert), text);
    EXPECT_EQ(BerichtsBetrag("1.316,00 \u20ac"), "  1.316,00 \u20ac");
    EXPECT_EQ(BerichtsBetrag("-1.234.567,89 \u20ac"), "-1.234.567,89 \u20ac");
}

TEST(Lohnsteuerrechner, BerichtMitUndOhneName) {
    LStBerichtsdaten d;
    d.zeitraum = "Jahr";
    d.jahr = "2024";
    d.brutto = "24.000,00 \u20ac";
    d.lohnsteuer = "1.316,00 \u20ac";
    d.solz = "0,00 \u20ac";
    d.kirchensteuer = "118,44 \u20ac";
    d.summe = "-1.434,44 \u20ac";
    std::vector<std::string> texte;
    for (const auto& z : LohnsteuerBericht(d))
        texte.push_back(z.text);
    const std::vector<std::string> erwartet{"",
                                            "LSt-Berechnung",
                                            "\tZeitraum:\tJahr 2024",
                                            "",
                                            "\tBruttolohn\t\t\t 24.000,00 \u20ac",
                                            "",
                                            "\t Lohnsteuer\t  1.316,00 \u20ac",
                                            "\t Solidarit\u00e4tszuschlag\t      0,00 \u20ac",
                                            "\t Kirchensteuer\t    118,44 \u20ac",
                                            "\t Summe Steuerabz\u00fcge\t\t\t -1.434,44 \u20ac",
                                            "",
                                            ""};
    EXPECT_EQ(texte, erwartet);

    d.name = "Muster";
    auto zeilen = LohnsteuerBericht(d);
    EXPECT_EQ(zeilen[2].text, "\tName:\tMuster");
    EXPECT_TRUE(zeilen[1].zentriert);
    EXPECT_EQ(zeilen[1].punkt, 14);
    EXPECT_EQ(zeilen[5].schrift, "Courier New");
    EXPECT_TRUE(zeilen[5].fett);
    EXPECT_FALSE(zeilen[7].fett);
    EXPECT_EQ(zeilen[7].tabs, (std::vector<int>{30, 31, 350, 400, 550}));
    EXPECT_EQ(zeilen[3].tabs, (std::vector<int>{30, 100, 350, 400, 550}));
}
