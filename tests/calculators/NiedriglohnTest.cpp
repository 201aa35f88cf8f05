// Low-wage mode: the zone, its notes and the blanking outside the zone.

#include "LohnTestHilfe.h"

#include <gtest/gtest.h>

using namespace brenvik;
using namespace brenvik::test;

namespace {
const std::string kNull = "0,00 \u20AC";
void erwarteAusgeblendet(const Lohnabrechnung& l, bool ja) {
    for (Erg e :
         {Erg::showNetto, Erg::showAuszahlung, Erg::showAG, Erg::showSVAG, Erg::showBruttoAG})
        EXPECT_EQ(l.caption(e) == kNull, ja) << name(e) << " " << l.caption(e);
    EXPECT_EQ(l.caption(Erg::showNettoProz) == "0,00 %", ja);
}
} // namespace

TEST(Niedriglohn, UntereGrenze2024) {
    LohnVar lv;
    Lohnabrechnung unter = lauf(lv, 3, {{"edJahr", "2024"}, {"Eingabe", "500"}});
    EXPECT_TRUE(unter.sichtbar(Zeile::lbHinweisGeringfuegigkeitsgrenze));
    EXPECT_EQ(unter.hinweis(Zeile::lbHinweisGeringfuegigkeitsgrenze),
              "Geringf\u00FCgigkeitsgrenze unterschritten (538 \u20AC)");
    EXPECT_FALSE(unter.sichtbar(Zeile::Bruttolohn));
    erwarteAusgeblendet(unter, true);

    Lohnabrechnung grenze = lauf(lv, 3, {{"edJahr", "2024"}, {"Eingabe", "538"}});
    EXPECT_EQ(grenze.hinweis(Zeile::lbHinweisGeringfuegigkeitsgrenze),
              "Geringf\u00FCgigkeitsgrenze unterschritten (538 \u20AC)");
    EXPECT_FALSE(grenze.sichtbar(Zeile::Bruttolohn));
    erwarteAusgeblendet(grenze, false);
}

TEST(Niedriglohn, ObereGrenze2024) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 3, {{"edJahr", "2024"}, {"Eingabe", "2100"}});
    EXPECT_EQ(l.hinweis(Zeile::lbHinweisGeringfuegigkeitsgrenze),
              "Obergrenze Gleitzone \u00FCberschritten (2.000 \u20AC)");
    erwarteAusgeblendet(l, true);
    Lohnabrechnung drin = lauf(lv, 3, {{"edJahr", "2024"}, {"Eingabe", "1500"}});
    EXPECT_FALSE(drin.sichtbar(Zeile::lbHinweisGeringfuegigkeitsgrenze));
    EXPECT_TRUE(drin.sichtbar(Zeile::Bruttolohn));
    erwarteAusgeblendet(drin, false);
    // the employer's contributions are the zone total
    EXPECT_EQ(betrag(drin, Erg::showSVAG), lv.UB_AG_Gesamt);
    EXPECT_GT(lv.UB_AG_Gesamt, 0);
}

TEST(Niedriglohn, Altvertraege2022) {
    LohnVar lv;
    Lohnabrechnung l =
        lauf(lv, 3, {{"edJahr", "2022"}, {"cbMonat", "November"}, {"Eingabe", "500"}});
    EXPECT_EQ(l.hinweis(Zeile::lbHinweisGeringfuegigkeitsgrenze),
              "        Berechnung Altvertr\u00E4ge vor 10/22 mit\r\n"
              "Bestandschutz werden nicht unterst\u00FCtzt (520 \u20AC).");
    erwarteAusgeblendet(l, true);
    // the employer block is not offered for Saxony in October to December 2022
    EXPECT_TRUE(l.sichtbar(Zeile::Arbeitgeber));
    Lohnabrechnung s = lauf(lv, 3,
                            {{"edJahr", "2022"},
                             {"cbMonat", "November"},
                             {"edRegion", "Ost (Sachsen)"},
                             {"Eingabe", "900"}});
    EXPECT_FALSE(s.sichtbar(Zeile::Arbeitgeber));
    EXPECT_FALSE(s.sichtbar(Zeile::cbAG));
}

TEST(Niedriglohn, RVAusTatsaechlichemEntgelt) {
    LohnVar lv;
    Lohnabrechnung zone = lauf(lv, 3, {{"edJahr", "2024"}, {"Eingabe", "1000"}});
    Lohnabrechnung voll = lauf(lv, 3, {{"edJahr", "2024"}, {"Eingabe", "1000"}, {"cbRVVoll", "1"}});
    EXPECT_LT(betrag(zone, Erg::showRV), 93);
    EXPECT_EQ(voll.caption(Erg::showRV), "93,00 \u20AC");
}

TEST(Niedriglohn, VersteckteEingabenZaehlenNicht) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 3,
                            {{"edJahr", "2024"},
                             {"Eingabe", "1000"},
                             {"SB", "100"},
                             {"DVers", "50"},
                             {"cbBeamter", "1"},
                             {"rbFrei", "1"}});
    EXPECT_EQ(l.caption(Erg::showBrutto), "1.000,00 \u20AC");
    EXPECT_EQ(lv.Privat, 0);
    EXPECT_EQ(lv.KRV, 0);
    EXPECT_FALSE(l.eingabeSichtbar(Ein::DVers));
    EXPECT_TRUE(l.eingabeSichtbar(Ein::cbRVVoll));
}

TEST(Niedriglohn, JahresbereichUndEintritt) {
    LohnVar lv;
    Lohnabrechnung l(lv, 3, {2024, 1});
    l.setze("edJahr", "2001");
    EXPECT_EQ(l.text(Ein::edJahr), "2003");
    l.setze("cbMonat", "Februar");
    EXPECT_EQ(l.meldung(), "Die neue Berechnung gilt erst ab April 2003.");
    l.setze("edJahr", "2013");
    EXPECT_TRUE(l.eingabeSichtbar(Ein::rbVor2013));
    l.setze("rbVor2013", "1");
    l.setze("Eingabe", "425");
    l.rechnen();
    EXPECT_EQ(lv.Eintritt_vor_2013, 1);
    EXPECT_EQ(lv.Eintritt_ab_2013, 0);
    EXPECT_EQ(lv.RV_AN, 2319);
    l.setze("edJahr", "2019");
    l.setze("cbMonat", "Juli");
    l.rechnen();
    EXPECT_EQ(lv.Uebergangsbereich_neu, 1);
    EXPECT_EQ(lv.Eintritt_ab_2013, 1);
    l.setze("cbMonat", "Juni");
    l.rechnen();
    EXPECT_EQ(lv.Uebergangsbereich_neu, 0);
}
