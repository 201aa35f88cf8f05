// Net-to-gross search of mode 2.

#include "LohnTestHilfe.h"

#include <gtest/gtest.h>

using namespace brenvik;
using namespace brenvik::test;

TEST(NettoBrutto, FindetDenBruttolohn) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 2, {{"edJahr", "2024"}, {"Eingabe", "2.000"}});
    EXPECT_EQ(l.caption(Erg::showNetto), "2.000,00 \u20AC");
    EXPECT_LT(l.suchlaeufe(), 100);
    EXPECT_GT(betrag(l, Erg::showBrutto), 2000);
    EXPECT_EQ(l.eingabeBeschriftung(), "&Netto-Monats-Lohn");
}

TEST(NettoBrutto, WunschnettoNull) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 2, {{"edJahr", "2024"}, {"Eingabe", "0"}});
    EXPECT_EQ(l.suchlaeufe(), 1);
    EXPECT_EQ(l.caption(Erg::showNetto), "0,00 \u20AC");
    EXPECT_EQ(l.caption(Erg::showBrutto), "0,00 \u20AC");
}

// Where the wage tax jumps by more than the wanted cent, the search swings
// between two gross values and gives up after 100 runs with the last one.
TEST(NettoBrutto, StopptNach100Laeufen) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 2, {{"edJahr", "2024"}, {"Eingabe", "1.178,28"}});
    EXPECT_EQ(l.suchlaeufe(), 100);
    EXPECT_NE(l.caption(Erg::showNetto), "1.178,28 \u20AC");
    Zahl abweichung = betrag(l, Erg::showNetto) - 1178.28_z;
    EXPECT_LT(abweichung < 0 ? -abweichung : abweichung, 1);
}

TEST(NettoBrutto, DirektversicherungMindertDasNetto) {
    LohnVar lv;
    Lohnabrechnung l = lauf(
        lv, 2,
        {{"edJahr", "2024"}, {"Eingabe", "2.000"}, {"DVers", "100"}, {"rbDV_Umwandlung", "1"}});
    // converted from pay: the payout is the wanted net
    EXPECT_EQ(l.caption(Erg::showAuszahlung), "2.000,00 \u20AC");
}

TEST(NettoBrutto, KeineEinmalzahlungImModus2) {
    LohnVar lv;
    Lohnabrechnung l = lauf(lv, 2, {{"edJahr", "2024"}, {"Eingabe", "2.000"}, {"edEZ", "500"}});
    EXPECT_EQ(lv.Einmalzahlung, Zahl(0));
    EXPECT_EQ(l.caption(Erg::showNetto), "2.000,00 \u20AC");
}
