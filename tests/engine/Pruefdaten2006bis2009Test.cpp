// The official test tables of 2006 to 2009: annual wages, every tax class,
// general (KRV 0) and special (KRV 1) tables.
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
    int krv;
};

struct Zeile {
    int lohn;
    int steuer[6];
};

std::vector<Zeile> lies(const std::string& pfad) {
    std::ifstream in(pfad);
    std::vector<Zeile> zeilen;
    std::string text;
    std::getline(in, text); // heading
    while (std::getline(in, text)) {
        if (text.empty()) continue;
        std::istringstream s(text);
        std::string feld;
        Zeile z{};
        std::getline(s, feld, ',');
        z.lohn = std::stoi(feld);
        for (int& st : z.steuer) {
            std::getline(s, feld, ',');
            st = std::stoi(feld);
        }
        zeilen.push_back(z);
    }
    return zeilen;
}

class Pruefdaten2006bis2009 : public testing::TestWithParam<Tabelle> {};

TEST_P(Pruefdaten2006bis2009, EveryRowAndClassMatches) {
    const Tabelle& t = GetParam();
    LStModul* modul = findeModul(t.modul);
    ASSERT_NE(modul, nullptr) << t.modul;
    const auto zeilen = lies(std::string(BRENVIK_TESTDATA) + "/" + t.datei);
    ASSERT_FALSE(zeilen.empty()) << t.datei;
    for (const Zeile& z : zeilen) {
        for (int kl = 1; kl <= 6; ++kl) {
            LohnVar lv;
            LohnVarReset(lv);
            lv.LZZ = 1;
            lv.STKL = std::uint8_t(kl);
            lv.RE4 = z.lohn * 100;
            lv.KRV = std::uint8_t(t.krv);
            modul->Lohnsteuer(lv);
            EXPECT_EQ(lv.LSTLZZ, z.steuer[kl - 1] * 100)
                << t.datei << ": wage " << z.lohn << ", class " << kl;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tabellen, Pruefdaten2006bis2009,
                         testing::Values(Tabelle{"2006-general.csv", "LStPap06", 0},
                                         Tabelle{"2006-special.csv", "LStPap06", 1},
                                         Tabelle{"2007-general.csv", "LStPap07", 0},
                                         Tabelle{"2007-special.csv", "LStPap07", 1},
                                         Tabelle{"2008-general.csv", "LStPap08", 0},
                                         Tabelle{"2008-special.csv", "LStPap08", 1},
                                         Tabelle{"2009-general.csv", "LStPap09", 0},
                                         Tabelle{"2009-special.csv", "LStPap09", 1}),
                         [](const testing::TestParamInfo<Tabelle>& info) {
                             std::string n = info.param.datei;
                             n = n.substr(0, n.find('.'));
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

} // namespace
