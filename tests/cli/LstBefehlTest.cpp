#include "Befehle.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace brenvik::cli;

namespace {
struct Lauf {
    int rc;
    std::string out, err;
};
Lauf lst(std::vector<std::string> args, const std::string& eingabe = "") {
    std::istringstream in(eingabe);
    std::ostringstream out, err;
    int rc = lstBefehl(args, in, out, err);
    return {rc, out.str(), err.str()};
}
bool enthaelt(const std::string& s, const std::string& teil) {
    return s.find(teil) != std::string::npos;
}
} // namespace

TEST(LstBefehl, SingleCasePrintsEveryOutputOfTheModule) {
    Lauf l = lst({"LZZ=2", "RE4=300000", "STKL=1", "KVZ=1.7", "R=1"});
    ASSERT_EQ(l.rc, 0) << l.err;
    EXPECT_EQ(l.out.back(), '\n');
    EXPECT_TRUE(enthaelt(l.out, "\"modul\":\"LStPap24\""));
    EXPECT_TRUE(enthaelt(l.out, "\"LSTLZZ\":32208"));
    EXPECT_TRUE(enthaelt(l.out, "\"BK\":32208"));
    for (const char* f : {"SOLZLZZ", "LST_SONST", "SOLZS", "BKS", "STV", "SOLZV", "BKV", "VKVLZZ",
                          "VKVSONST", "VFRB", "VFRBS1", "VFRBS2", "WVFRB", "WVFRBO", "WVFRBM"})
        EXPECT_TRUE(enthaelt(l.out, std::string("\"") + f + "\":")) << f;
}

TEST(LstBefehl, DecimalsAreReadExactlyAndProvisoApplies) {
    Lauf l = lst({"--jahr", "2024", "LZZ=1", "RE4=2400000", "STKL=1", "KVZ=1.70", "PV32b=5000"});
    ASSERT_EQ(l.rc, 0) << l.err;
    EXPECT_TRUE(enthaelt(l.out, "\"LSTLZZ\":202500"));
}

TEST(LstBefehl, TaxClassZeroComputesNoTax) {
    Lauf l = lst({"LZZ=2", "RE4=300000", "STKL=0"});
    ASSERT_EQ(l.rc, 0) << l.err;
    EXPECT_TRUE(enthaelt(l.out, "\"LSTLZZ\":0"));
}

TEST(LstBefehl, BadInputNamesTheFieldAndPrintsNothing) {
    struct Fall {
        std::vector<std::string> args;
        std::string meldung;
    } faelle[] = {
        {{"LZZ=2", "STKL=1", "FOO=1"}, "FOO"},
        {{"LZZ=2", "STKL=1", "RE4=abc"}, "RE4"},
        {{"LZZ=0", "STKL=1"}, "LZZ"},
        {{"LZZ=5", "STKL=1"}, "LZZ"},
        {{"LZZ=2", "STKL=7"}, "STKL"},
        {{"LZZ=2", "STKL=1", "R=2"}, "R"},
        {{"LZZ=2", "STKL=1", "af=-1"}, "af"},
        {{"LZZ=2", "STKL=1", "RE4=2147483648"}, "RE4"},
        {{"LZZ=2", "STKL=1", "RE4=-1"}, "RE4"},
        {{"LZZ=2", "STKL=1", "RE4=100.5"}, "RE4"},
        {{"LZZ=2", "STKL=1", "ZKF=0.3"}, "ZKF"},
        {{"LZZ=2", "STKL=1", "KVZ=1.234"}, "KVZ"},
        {{"LZZ=2", "STKL=1", "KVZ=1,7"}, "KVZ"},
        {{"LZZ=2", "STKL=1", "F=1.5"}, "F"},
        {{"LZZ=2", "STKL=1", "PVA=5"}, "PVA"},
        {{"LZZ=2", "STKL=1", "LSTLZZ=5"}, "LSTLZZ"}, // an output, not an input
        {{"LZZ=2", "STKL=1", "RE4=1", "RE4=2"}, "RE4"},
        {{"STKL=1"}, "LZZ"},
        {{"LZZ=2"}, "STKL"},
        {{"--jahr", "1999", "LZZ=2", "STKL=1"}, "1999"},
        {{"--modul", "LStPap99", "LZZ=2", "STKL=1"}, "LStPap99"},
        {{"--monat", "13", "LZZ=2", "STKL=1"}, "13"},
    };
    for (const auto& f : faelle) {
        Lauf l = lst(f.args);
        EXPECT_NE(l.rc, 0) << f.meldung;
        EXPECT_TRUE(l.out.empty()) << f.meldung << ": " << l.out;
        EXPECT_TRUE(enthaelt(l.err, f.meldung)) << l.err;
    }
}

TEST(LstBefehl, LargestWageInEveryPeriod) {
    for (const char* lzz : {"LZZ=1", "LZZ=2", "LZZ=3", "LZZ=4"}) {
        Lauf l = lst({lzz, "RE4=2147483647", "STKL=1", "R=1", "SONSTB=2147483647",
                      "JRE4=2147483647", "VMT=2147483647", "VKAPA=2147483647"});
        EXPECT_EQ(l.rc, 0) << lzz << ": " << l.err;
    }
}

TEST(LstBefehl, BatchWritesOneLinePerCaseAndGoesOnAfterErrors) {
    std::string eingabe =
        "{\"id\": 1, \"jahr\": 2024, \"LZZ\": 2, \"STKL\": 1, \"RE4\": 300000, \"KVZ\": \"1.70\"}\n"
        "{\"id\": \"zwei\", \"jahr\": 2024, \"LZZ\": 2, \"STKL\": 9}\n"
        "kein json\n"
        "\n"
        "{\"id\": 4, \"jahr\": 2024, \"LZZ\": 2, \"STKL\": 1, \"RE4\": 1000000, \"KVZ\": 1.7, "
        "\"R\": 1}\n"
        "{\"id\": 5, \"LZZ\": 2, \"STKL\": 1}\n"
        "{\"id\": 6, \"jahr\": 2024, \"LZZ\": 2, \"STKL\": 1, \"KVZ\": 1e2}\n"
        "{\"id\": 7, \"jahr\": 2024, \"LZZ\": 2, \"STKL\": 1, \"RE4\": [1]}\n";
    Lauf l = lst({"--batch"}, eingabe);
    EXPECT_EQ(l.rc, 1);
    std::istringstream zeilen(l.out);
    std::vector<std::string> z;
    for (std::string s; std::getline(zeilen, s);)
        z.push_back(s);
    ASSERT_EQ(z.size(), 7u) << l.out;
    EXPECT_TRUE(enthaelt(z[0], "{\"id\":1,\"modul\":\"LStPap24\""));
    EXPECT_TRUE(enthaelt(z[0], "\"LSTLZZ\":32208"));
    EXPECT_TRUE(enthaelt(z[1], "\"id\":\"zwei\""));
    EXPECT_TRUE(enthaelt(z[1], "\"fehler\":\"Feld STKL"));
    EXPECT_TRUE(enthaelt(z[2], "\"zeile\":3"));
    EXPECT_TRUE(enthaelt(z[3], "\"LSTLZZ\":276966"));
    EXPECT_TRUE(enthaelt(z[3], "\"SOLZLZZ\":14980"));
    EXPECT_TRUE(enthaelt(z[4], "jahr fehlt"));
    EXPECT_TRUE(enthaelt(z[5], "\"fehler\""));
    EXPECT_TRUE(enthaelt(z[6], "\"fehler\""));
    EXPECT_TRUE(enthaelt(l.err, "Zeile 2"));
}

TEST(LstBefehl, BatchStartsEachCaseFromAFreshRecord) {
    std::string eingabe =
        "{\"jahr\": 2024, \"LZZ\": 2, \"STKL\": 1, \"RE4\": 300000, \"KVZ\": 1.7, \"R\": 1}\n"
        "{\"jahr\": 2024, \"LZZ\": 2, \"STKL\": 1, \"RE4\": 300000, \"KVZ\": 1.7}\n";
    Lauf l = lst({"--batch"}, eingabe);
    ASSERT_EQ(l.rc, 0) << l.err;
    EXPECT_TRUE(enthaelt(l.out.substr(l.out.find('\n')), "\"BK\":0"));
}
