// The official annual test tables of 2010 to 2023: every row and tax class
// must give exactly the published annual wage tax.
#include "Module.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace brenvik;

namespace {

struct Tabelle {
    const char* datei;
    const char* modul;
    int monat;          // Monat of the run (2011 and 2015 versions, 2023 half)
    int kvzHundertstel; // extra health rate of the general tables, 1/100 percent
                        // (not read before 2015)
};

// general: statutory insurance, western pension ceiling, childless surcharge
// except in class II; special: no statutory pension, private health cover
// without premium.
const Tabelle kTabellen[] = {
    {"2010-general.csv", "LStPap10", 0, 0},
    {"2010-special.csv", "LStPap10", 0, 0},
    {"2011-general-dec.csv", "LStPap11", 12, 0},
    {"2011-special-dec.csv", "LStPap11", 12, 0},
    {"2012-general.csv", "LStPap12", 0, 0},
    {"2012-special.csv", "LStPap12", 0, 0},
    {"2013-general.csv", "LStPap13", 0, 0},
    {"2013-special.csv", "LStPap13", 0, 0},
    {"2014-general.csv", "LStPap14", 0, 0},
    {"2014-special.csv", "LStPap14", 0, 0},
    {"2015-general-nov.csv", "LStPap15", 11, 90},
    {"2015-special-nov.csv", "LStPap15", 11, 90},
    {"2015-general-dec.csv", "LStPap15_Dez", 12, 90},
    {"2015-special-dec.csv", "LStPap15_Dez", 12, 90},
    {"2016-general.csv", "LStPap16", 0, 110},
    {"2016-special.csv", "LStPap16", 0, 110},
    {"2017-general.csv", "LStPap17", 0, 110},
    {"2017-special.csv", "LStPap17", 0, 110},
    {"2018-general.csv", "LStPap18", 0, 100},
    {"2018-special.csv", "LStPap18", 0, 100},
    {"2019-general.csv", "LStPap19", 0, 90},
    {"2019-special.csv", "LStPap19", 0, 90},
    {"2020-general.csv", "LStPap20", 0, 110},
    {"2020-special.csv", "LStPap20", 0, 110},
    {"2021-general.csv", "LStPap21", 0, 130},
    {"2021-special.csv", "LStPap21", 0, 130},
    {"2022-general.csv", "LStPap22", 0, 130},
    {"2022-special.csv", "LStPap22", 0, 130},
    {"2023-general.csv", "LStPap23", 1, 160}, // table of January to June
    {"2023-special.csv", "LStPap23", 1, 160},
};

std::vector<std::vector<long>> zeilen(const std::string& pfad) {
    std::ifstream in(pfad);
    std::vector<std::vector<long>> ergebnis;
    std::string zeile;
    std::getline(in, zeile); // title and tax classes
    while (std::getline(in, zeile)) {
        if (zeile.empty()) continue;
        std::vector<long> werte;
        std::stringstream s(zeile);
        for (std::string feld; std::getline(s, feld, ',');)
            werte.push_back(std::stol(feld));
        ergebnis.push_back(werte);
    }
    return ergebnis;
}

class Pruefdaten : public testing::TestWithParam<Tabelle> {};

TEST_P(Pruefdaten, AnnualTaxOfEveryRowAndClass) {
    const Tabelle& t = GetParam();
    const bool allgemein = std::string(t.datei).find("general") != std::string::npos;
    LStModul* modul = findeModul(t.modul);
    ASSERT_NE(modul, nullptr) << t.modul;
    auto tabelle = zeilen(std::string(BRENVIK_TESTDATA) + "/" + t.datei);
    ASSERT_GE(tabelle.size(), 20u) << t.datei;
    const Zahl kvz = Zahl::bruch(t.kvzHundertstel, 100);

    for (const auto& reihe : tabelle) {
        ASSERT_EQ(reihe.size(), 7u) << t.datei;
        for (int stkl = 1; stkl <= 6; ++stkl) {
            LohnVar lv;
            LohnVarReset(lv);
            lv.LZZ = 1;
            lv.STKL = byte(stkl);
            lv.RE4 = Cent(reihe[0] * 100);
            lv.Monat = t.monat;
            if (allgemein) {
                lv.KRV = 0;
                lv.PKV = 0;
                lv.PVZ = stkl == 2 ? 0 : 1;
                lv.KVZ = kvz;
            } else {
                lv.KRV = 2;
                lv.PKV = 1;
                lv.PKPV = 0;
            }
            modul->Lohnsteuer(lv);
            EXPECT_EQ(lv.LSTLZZ, reihe[stkl] * 100)
                << t.datei << ": wage " << reihe[0] << ", class " << stkl;
        }
    }
}

std::string testname(const testing::TestParamInfo<Tabelle>& info) {
    std::string name = info.param.datei;
    name = name.substr(0, name.size() - 4);
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Jahre2010bis2023, Pruefdaten, testing::ValuesIn(kTabellen), testname);

} // namespace
