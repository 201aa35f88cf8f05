// Gross-to-net payroll: record inputs, direct insurance, taxes, private
// insurance, captions and the screen's input handlers.

#include "LohnTestHilfe.h"

#include <gtest/gtest.h>

using namespace brenvik;
using namespace brenvik::test;

namespace {
const Eingaben kBasis{{"edJahr", "2024"}, {"cbMonat", "M\u00E4rz"}, {"Eingabe", "3.000"}};
Eingaben mit(Eingaben e, const Eingaben& mehr) {
    e.insert(e.end(), mehr.begin(), mehr.end());
    return e;
}
} // namespace

TEST(Lohnabrechnung, ErgebnisseBruttoNetto2024) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 1, mit(kBasis, {{"edKinderZahl", "2 Kinder"}}));
    EXPECT_EQ(lv.Monat, 3);
    EXPECT_EQ(lv.RE4, 300000);
    EXPECT_EQ(lv.PVA, 1);
    EXPECT_EQ(l.caption(Erg::showBrutto), "3.000,00 \u20AC");
    EXPECT_EQ(l.caption(Erg::showRV), "279,00 \u20AC");
    EXPECT_EQ(l.caption(Erg::showKV), "244,50 \u20AC");
    EXPECT_EQ(l.caption(Erg::showPV), "43,50 \u20AC");
    EXPECT_EQ(l.caption(Erg::showSV), "-606,00 \u20AC");
    EXPECT_EQ(l.caption(Erg::showSVProz), "(20,20 %)");
    EXPECT_EQ(l.caption(Erg::showSVAG), "613,50 \u20AC");
    EXPECT_TRUE(l.sichtbar(Zeile::Arbeitgeber));
    EXPECT_FALSE(l.sichtbar(Zeile::Euro));
    EXPECT_FALSE(l.sichtbar(Zeile::HinweisDVers));
}

TEST(Lohnabrechnung, Steuerklasse2OhneKinderfreibetragWieKlasse1) {
    LohnVar lv;
    lauf(lv, 1, mit(kBasis, {{"edStKl", "2"}, {"edKFB", "0,0"}}));
    EXPECT_EQ(lv.STKL, 1);
    Cent lst2 = lv.LSTLZZ;
    lauf(lv, 1, kBasis);
    EXPECT_EQ(lv.LSTLZZ, lst2);
    lauf(lv, 1, mit(kBasis, {{"edStKl", "2"}, {"edKFB", "1,0"}}));
    EXPECT_EQ(lv.STKL, 2);
    EXPECT_LT(lv.LSTLZZ, lst2);
}

TEST(Lohnabrechnung, Kirchensteuer) {
    EXPECT_EQ(Lohnabrechnung::kirchensteuer(9, 12345), 11.11_z);
    EXPECT_EQ(Lohnabrechnung::kirchensteuer(8, 12345), 9.87_z);
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 1, mit(kBasis, {{"edKiSt", "8"}}));
    ASSERT_GT(lv.BK, 0);
    EXPECT_EQ(betrag(l, Erg::showKiSt), Zahl::bruch(lv.BK * 8 / 100, 100));
    lauf(lv, 1, mit(kBasis, {{"cbKiSt", "0"}}));
    EXPECT_EQ(lv.R, 0);
}

TEST(Lohnabrechnung, Direktversicherung) {
    struct Fall {
        const char* regime;
        Cent re4;
        Zahl svAbzug;
        const char* lstAG;
    };
    for (const Fall& f : {Fall{"rbDV_mtl", 305400, 0, "29,20 \u20AC"},
                          Fall{"rbDV_ab2005", 300000, 200, "0,00 \u20AC"},
                          Fall{"rbDV_anno", 300000, 200, "40,00 \u20AC"}}) {
        LohnVar lv;
        Lohnabrechnung l = lauf(lv, 1, mit(kBasis, {{"DVers", "200"}, {f.regime, "1"}}));
        EXPECT_EQ(lv.Brutto, Zahl(3200)) << f.regime;
        EXPECT_EQ(lv.RE4, f.re4) << f.regime;
        EXPECT_EQ(lv.SV_Abzug, f.svAbzug) << f.regime;
        EXPECT_EQ(l.caption(Erg::showLStAG), f.lstAG) << f.regime;
        EXPECT_EQ(l.caption(Erg::showDVers), "-200,00 \u20AC");
    }
}

TEST(Lohnabrechnung, DirektversicherungDurchGehaltsumwandlung) {
    LohnVar lv;
    Lohnabrechnung l =
        lauf(lv, 1, mit(kBasis, {{"DVers", "200"}, {"rbDV_Umwandlung", "1"}, {"edEZ", "150"}}));
    EXPECT_EQ(lv.Einmalzahlung, Zahl(0));
    EXPECT_EQ(lv.SONSTB, 0);
    EXPECT_EQ(lv.Brutto, Zahl(3200));
    EXPECT_EQ(l.caption(Erg::showEinmal), "0,00 \u20AC");
    // without a one-off payment the conversion changes nothing
    lauf(lv, 1, mit(kBasis, {{"DVers", "200"}, {"rbDV_Umwandlung", "1"}}));
    EXPECT_EQ(lv.Brutto, Zahl(3000));
}

TEST(Lohnabrechnung, DirektversicherungVor2005MitJahresgrenze) {
    LohnVar lv;
    Lohnabrechnung l(lv, 1, {2024, 1});
    l.setze("edJahr", "2004");
    EXPECT_TRUE(l.haken(Ein::rbDV_anno));
    EXPECT_FALSE(l.haken(Ein::rbDV_ab2005));
    EXPECT_FALSE(l.eingabeSichtbar(Ein::rbDV_ab2005));
    l.setze("Eingabe", "3.000");
    l.setze("DVers", "2.000");
    l.rechnen();
    EXPECT_EQ(lv.RE4, 500000 - 175200);
    EXPECT_EQ(l.caption(Erg::showLStAG), "350,40 \u20AC");
    EXPECT_EQ(lv.SV_Abzug, Zahl(2000));
}

TEST(Lohnabrechnung, PrivatVersichertUndZurueck) {
    LohnVar lv;
    Lohnabrechnung l(lv, 1, {2024, 1});
    for (auto [n, t] :
         mit(kBasis,
             {{"rbFrei", "1"}, {"edKV", "400"}, {"edPV", "50"}, {"agKV", "200"}, {"agPV", "25"}}))
        l.setze(n, t);
    l.rechnen();
    EXPECT_EQ(lv.Privat, 1);
    EXPECT_EQ(lv.PKV, 2);
    EXPECT_EQ(lv.PKPV, 45000);
    EXPECT_EQ(l.caption(Erg::showKV), "0,00 \u20AC");
    EXPECT_EQ(l.caption(Erg::showPV), "0,00 \u20AC");
    EXPECT_EQ(l.caption(Erg::showKVpriv), "-450,00 \u20AC");
    EXPECT_EQ(l.caption(Erg::showKVag), "225,00 \u20AC");
    // employer: pension and unemployment 318 plus the subsidies
    EXPECT_EQ(l.caption(Erg::showSVAG), "543,00 \u20AC");
    EXPECT_EQ(betrag(l, Erg::showAuszahlung), betrag(l, Erg::showNetto) - 450 + 225);
    EXPECT_EQ(betrag(l, Erg::showAG), Zahl(3000) + 543);
    std::vector<std::string> b = l.bericht();
    EXPECT_NE(std::find(b.begin(), b.end(), "\t zzgl. KV-/PV-Beitrag\t    225,00 \u20AC"), b.end());

    l.setze("rbGesetz", "1");
    l.rechnen();
    EXPECT_EQ(lv.Privat, 0);
    EXPECT_EQ(lv.PKV, 0);
    EXPECT_EQ(l.caption(Erg::showKV), "244,50 \u20AC");
}

TEST(Lohnabrechnung, KeineSVWaehltPrivat) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 1, mit(kBasis, {{"cbNoSV", "1"}}));
    EXPECT_TRUE(l.haken(Ein::rbFrei));
    EXPECT_EQ(lv.KRV, 2);
    EXPECT_EQ(l.caption(Erg::showSV), "0,00 \u20AC");
}

TEST(Lohnabrechnung, Einmalzahlung) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 1, mit(kBasis, {{"edEZ", "1.000"}, {"edEZ_Jahr", "36.000"}}));
    EXPECT_EQ(lv.SONSTB, 100000);
    EXPECT_EQ(lv.JRE4, 3600000);
    EXPECT_EQ(l.caption(Erg::RV_EZ), "93,00 \u20AC");
    EXPECT_EQ(betrag(l, Erg::showRV), 372);
    EXPECT_EQ(l.caption(Erg::showBruttoAG), "4.000,00 \u20AC");
    EXPECT_GT(betrag(l, Erg::LSt_EZ), 0);
    EXPECT_EQ(betrag(l, Erg::showLSt), Zahl::bruch(lv.LSTLZZ + lv.LST_SONST, 100));
}

TEST(Lohnabrechnung, DMJahr2001) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 1, {{"edJahr", "2001"}, {"Eingabe", "3.000"}, {"edStKl", "1"}});
    EXPECT_EQ(l.caption(Erg::showBrutto), "3.000,00 DM");
    EXPECT_TRUE(l.sichtbar(Zeile::Euro));
    Zahl auszahlung = betrag(l, Erg::showAuszahlung);
    EXPECT_EQ(l.caption(Erg::showEuro),
              "(entspricht " + formatBetrag(DMToEuro(auszahlung)) + " \u20AC)");
}

TEST(Lohnabrechnung, JahreswechselRechnetDMUm) {
    LohnVar lv;
    Lohnabrechnung l(lv, 1, {2024, 1});
    l.setze("edJahr", "2001");
    l.setze("Eingabe", "3000");
    l.setze("edJahr", "2002");
    EXPECT_EQ(l.text(Ein::Eingabe), "1.533,88");
    l.setze("edJahr", "2001");
    EXPECT_EQ(l.text(Ein::Eingabe), "3.000,01");
    l.setze("edJahr", "2000");
    l.setze("edJahr", "2001");
    EXPECT_EQ(l.text(Ein::Eingabe), "3.000,01");
}

TEST(Lohnabrechnung, FesterKVSatzAb2009) {
    LohnVar lv;
    Lohnabrechnung l(lv, 1, {2024, 1});
    l.setze("prozKV", "13,9");
    l.setze("edJahr", "2009");
    l.setze("cbMonat", "Juli");
    EXPECT_EQ(l.text(Ein::prozKV), "14,0");
    EXPECT_FALSE(l.eingabeAktiv(Ein::prozKV));
    l.setze("edJahr", "2008");
    EXPECT_EQ(l.text(Ein::prozKV), "13,9");
    l.rechnen();
    EXPECT_EQ(lv.KV_Satz, 13.9_z);
    EXPECT_EQ(lv.KV_Sonderbeitrag, 1);
    l.setze("edJahr", "2005");
    l.setze("cbMonat", "Juni");
    l.rechnen();
    EXPECT_EQ(lv.KV_Sonderbeitrag, 0);
    EXPECT_EQ(lv.KVZ_Paritaet, 0);
}

TEST(Lohnabrechnung, GeburtsjahrUndAltersentlastung) {
    LohnVar lv;
    Lohnabrechnung l(lv, 1, {2024, 1});
    for (auto [ein, aus] :
         {std::pair{"7", "2007"}, {"58", "1958"}, {"195", ""}, {"1960", "1960"}}) {
        l.setze("Geburtsjahr", ein);
        EXPECT_EQ(l.text(Ein::Geburtsjahr), aus);
    }
    l.rechnen();
    EXPECT_EQ(lv.AJAHR, 2025);
    l.setze("Geburtsjahr", "");
    l.rechnen();
    EXPECT_EQ(lv.AJAHR, 65);
    l.setze("edJahr", "2005");
    l.rechnen();
    EXPECT_EQ(lv.AJAHR, 0); // no year of birth before 2006
}

TEST(Lohnabrechnung, FaktorNurInKlasse4) {
    LohnVar lv;
    lauf(lv, 1, mit(kBasis, {{"edStKl", "4"}, {"edFaktor", "0,950"}}));
    EXPECT_EQ(lv.F, 0.95_z);
    EXPECT_EQ(lv.af, 1);
    lauf(lv, 1, mit(kBasis, {{"edStKl", "3"}, {"edFaktor", "0,950"}}));
    EXPECT_EQ(lv.F, 1);
    EXPECT_EQ(lv.af, 0);
}

TEST(Lohnabrechnung, EinmalzahlungVorbelegenUndSVTage) {
    LohnVar lv;
    Lohnabrechnung l =
        lauf(lv, 1, {{"edJahr", "2024"}, {"cbMonat", "Februar"}, {"Eingabe", "2500"}});
    EXPECT_EQ(l.einmalzahlungBelegen(false), "");
    EXPECT_EQ(l.text(Ein::edEZ_Jahr), "30.000,00");
    EXPECT_EQ(l.text(Ein::edEntgelt1), "2.500,00");
    EXPECT_EQ(l.text(Ein::edM1), "1");
    EXPECT_EQ(l.text(Ein::edSVT1), "30");
    EXPECT_TRUE(l.eingabeSichtbar(Ein::edEntgelt2));

    l.setze("edM2", "13");
    l.setze("edT2", "45");
    EXPECT_EQ(l.text(Ein::edM2), "12");
    EXPECT_EQ(l.text(Ein::edT2), "30");
    EXPECT_EQ(l.text(Ein::edSVT2), "360");
    l.setze("edM2", "x");
    l.setze("edT2", "");
    EXPECT_EQ(l.text(Ein::edSVT2), "0");

    l.setze("edJahr", "2001");
    EXPECT_EQ(l.einmalzahlungBelegen(false), "Erst ab dem Jahr 2002 verf\u00FCgbar");
    Lohnabrechnung netto(lv, 2, {2024, 1});
    EXPECT_EQ(netto.einmalzahlungBelegen(false),
              "Zurzeit nur in der \u00B4normalen\u00B4 Bruttolohn-Berechnung verf\u00FCgbar");
}

TEST(Lohnabrechnung, HinweisAlleinerziehende) {
    LohnVar lv;
    Eingaben k2{{"edStKl", "2"}, {"edKFB", "1,0"}, {"Eingabe", "3000"}};
    Lohnabrechnung juni = lauf(lv, 1, mit({{"edJahr", "2020"}, {"cbMonat", "Juni"}}, k2));
    EXPECT_FALSE(juni.sichtbar(Zeile::Hinweis_P24b));
    Lohnabrechnung juli = lauf(lv, 1, mit({{"edJahr", "2020"}, {"cbMonat", "Juli"}}, k2));
    EXPECT_TRUE(juli.sichtbar(Zeile::Hinweis_P24b));
    EXPECT_NE(juli.hinweis(Zeile::Hinweis_P24b).find("Lohnsteuer-\n\rBerechnung zu erhalten"),
              std::string::npos);
    EXPECT_NE(juli.hinweis(Zeile::Hinweis_P24b).find("Tragen Sie stattdessen einen\n\r"),
              std::string::npos);
    Lohnabrechnung j21 = lauf(lv, 1, mit({{"edJahr", "2021"}, {"cbMonat", "Januar"}}, k2));
    EXPECT_NE(j21.hinweis(Zeile::Hinweis_P24b)
                  .find("Tragen Sie f\u00FCr 2021 stattdessen\n\r"
                        "einen Freibetrag in H\u00F6he von 175,- "),
              std::string::npos);
    Lohnabrechnung k1 = lauf(lv, 1, {{"edJahr", "2021"}, {"Eingabe", "3000"}});
    EXPECT_FALSE(k1.sichtbar(Zeile::Hinweis_P24b));
}

TEST(Lohnabrechnung, HinweisDirektversicherungAb2022) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 1, mit(kBasis, {{"DVers", "100"}}));
    EXPECT_TRUE(l.sichtbar(Zeile::HinweisDVers));
    EXPECT_EQ(l.hinweis(Zeile::HinweisDVers).rfind("Die Berechnung der Direktversicherung", 0), 0u);
    Lohnabrechnung vor = lauf(lv, 1, {{"edJahr", "2021"}, {"Eingabe", "3000"}, {"DVers", "100"}});
    EXPECT_FALSE(vor.sichtbar(Zeile::HinweisDVers));
}

TEST(Lohnabrechnung, FalscheEingaben) {
    LohnVar lv;
    Lohnabrechnung l(lv, 1, {2024, 1});
    EXPECT_THROW(l.setze("edBrutto", "1"), UnbekannteEingabe);
    EXPECT_THROW(l.setze("cbMonat", "Maerz"), UngueltigeEingabe);
    EXPECT_THROW(l.setze("cbKiSt", "ja"), UngueltigeEingabe);
    l.setze("edStKl", "9");
    EXPECT_EQ(l.text(Ein::edStKl), "6");
    l.setze("edStKl", "1");
    EXPECT_THROW(l.caption("showNix"), UnbekannteEingabe);
    l.setze("cbMonat", "m\u00E4rz");
    EXPECT_EQ(l.text(Ein::cbMonat), "M\u00E4rz");
    // texts that are no number count as 0
    l.setze("Eingabe", "abc");
    l.rechnen();
    EXPECT_EQ(l.caption("showBrutto"), "0,00 \u20AC");
    EXPECT_TRUE(l.sichtbar("Bruttolohn"));
    // a year that is no number ends the run: the captions stay
    l.setze("Eingabe", "3000");
    l.rechnen();
    l.setze("edJahr", "20x4");
    l.setze("Eingabe", "5000");
    l.rechnen();
    EXPECT_EQ(l.caption(Erg::showBrutto), "3.000,00 \u20AC");
}

TEST(Lohnabrechnung, BerichtZeilen) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 1, mit(kBasis, {{"edName", "Muster"}, {"DVers", "50"}}));
    std::vector<std::string> b = l.bericht();
    ASSERT_GT(b.size(), 10u);
    EXPECT_EQ(b[1], "Brutto -> Netto - Berechnung");
    EXPECT_EQ(b[2], "\tName:\tMuster");
    EXPECT_EQ(b[3], "\tZeitraum:\tM\u00E4rz 2024");
    EXPECT_EQ(b[4], "\tSteuerklasse: 1 / 0,0 Kind(er)");
    EXPECT_EQ(b[6], "\tBruttolohn\t\t\t  3.050,00 \u20AC");
    auto hat = [&](const std::string& z) { return std::find(b.begin(), b.end(), z) != b.end(); };
    EXPECT_TRUE(hat("\t abzgl. Direktversicherung\t    -50,00 \u20AC"));
    EXPECT_TRUE(hat("Arbeitgeber"));
    EXPECT_TRUE(hat("\t Pauschale Lohnsteuer des AG\t\t\t      0,00 \u20AC"));
    EXPECT_FALSE(hat("\t abzgl. KV-/PV-Beitrag\t      0,00 \u20AC"));
    l.setze("cbAG", "0");
    l.rechnen();
    EXPECT_FALSE(l.sichtbar(Zeile::Arbeitgeber));
    b = l.bericht();
    EXPECT_FALSE(hat("Arbeitgeber"));
}
