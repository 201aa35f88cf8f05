// For every year and a grid of wages the statement adds up: net, payout and
// employer cost follow from the shown lines to the cent.

#include "LohnTestHilfe.h"

#include "sv/SVParameter.h"

#include <gtest/gtest.h>

using namespace brenvik;
using namespace brenvik::test;

namespace {

std::vector<Zahl> lohnRaster(int jahr) {
    const sv::SVJahr& p = sv::svJahr(jahr);
    std::vector<Zahl> r{0,   400,  401,  450,  451,     520,      538,       800,
                        850, 1300, 1600, 2000, p.kvBbg, p.bbgOst, p.bbgWest, p.bbgWest + 1000};
    if (jahr == 2000)
        r.push_back(p.bbgWest / 4 * 3);
    else
        r.push_back(p.kvBbg + 0.01_z);
    return r;
}

void pruefeSumme(const Lohnabrechnung& l, const std::string& fall) {
    auto b = [&](Erg e) { return betrag(l, e); };
    Zahl steuern = b(Erg::showLSt) + b(Erg::showSolZ) + b(Erg::showKiSt);
    Zahl beitraege = b(Erg::showRV) + b(Erg::showKV) + b(Erg::showPV) + b(Erg::showAV);
    EXPECT_EQ(b(Erg::showSteuer), -steuern) << fall;
    EXPECT_EQ(b(Erg::showSV), -beitraege) << fall;
    EXPECT_EQ(b(Erg::showNetto), b(Erg::showBrutto) + b(Erg::showEinmal) - steuern - beitraege)
        << fall;
    EXPECT_EQ(b(Erg::showAuszahlung), b(Erg::showNetto) + b(Erg::showVWLZahlung) +
                                          b(Erg::showDVers) + b(Erg::showSB) + b(Erg::showKVpriv) +
                                          b(Erg::showKVag))
        << fall;
    EXPECT_EQ(b(Erg::showAG),
              b(Erg::showLStAG) + b(Erg::showSVAG) + b(Erg::showBrutto) + b(Erg::showEinmal))
        << fall;
    EXPECT_EQ(b(Erg::showBruttoAG), b(Erg::showBrutto) + b(Erg::showEinmal)) << fall;
}

} // namespace

TEST(LohnTabelle, AbrechnungGehtAufFuerJedesJahr) {
    LohnVar lv;
    struct Variante {
        const char* name;
        Eingaben e;
    };
    const std::vector<Variante> varianten{
        {"einfach", {}},
        {"mit Abzuegen",
         {{"SB", "50"}, {"VWL_AG", "40"}, {"VWL", "40"}, {"DVers", "100"}, {"rbDV_mtl", "1"}}},
        {"Einmalzahlung", {{"edEZ", "2.500"}, {"edEZ_Jahr", "40.000"}, {"edEntgelt1", "6.000"}}},
        {"privat",
         {{"rbFrei", "1"}, {"edKV", "300"}, {"edPV", "40"}, {"agKV", "150"}, {"agPV", "20"}}},
        {"Sachsen kinderlos",
         {{"edRegion", "Ost (Sachsen)"},
          {"edKinderZahl", "Kinderlos (PV erh\u00F6ht)"},
          {"edEZ", "800"}}},
    };
    for (int jahr = 2000; jahr <= 2024; ++jahr) {
        for (const Zahl& lohn : lohnRaster(jahr)) {
            for (const Variante& v : varianten) {
                for (int modus : {1, 3}) {
                    if (modus == 3 && jahr < 2003) continue;
                    Eingaben e{{"edJahr", ""}, {"cbMonat", "Februar"}, {"Eingabe", ""}};
                    std::string j = std::to_string(jahr), g = formatBetrag(lohn);
                    e[0].second = j;
                    e[2].second = g;
                    e.insert(e.end(), v.e.begin(), v.e.end());
                    Lohnabrechnung l = lauf(lv, modus, e);
                    std::string fall =
                        j + " " + g + " " + v.name + " Modus " + std::to_string(modus);
                    ASSERT_NE(l.caption(Erg::showNetto), "") << fall;
                    if (l.caption(Erg::showNetto) == "0,00 \u20AC" && modus == 3) continue;
                    pruefeSumme(l, fall);
                    if (modus == 1 && jahr >= 2002 && jahr <= 2004) {
                        // employer's care on the one-off payment without the Saxony excess
                        Zahl ag =
                            Zahl::bruch(std::int64_t(lv.RV_AG) + lv.KV_AG + lv.PV_AG + lv.AV_AG +
                                            lv.RV_Einmal + lv.KV_Einmal_AG + lv.PV_Einmal_AG +
                                            lv.AV_Einmal - lv.PV_EZ_Differenz,
                                        100);
                        EXPECT_EQ(betrag(l, Erg::showSVAG), ag + lv.PKV_PV_Zuschuss) << fall;
                    }
                }
            }
        }
    }
}
