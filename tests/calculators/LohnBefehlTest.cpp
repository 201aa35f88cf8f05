// brenvik-cli lohn, driven in-process.

#include "Befehle.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
struct Ergebnis {
    int code;
    std::string out, err;
};
Ergebnis lohn(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    int code = brenvik::cli::lohnBefehl(args, in, out, err);
    return {code, out.str(), err.str()};
}
} // namespace

TEST(LohnBefehl, JsonMitAllenCaptionsUndHinweisen) {
    Ergebnis r = lohn({"edJahr=2024", "cbMonat=M\u00E4rz", "Eingabe=3.000", "DVers=100"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"showBrutto\": \"3.100,00 \u20AC\""), std::string::npos);
    EXPECT_NE(r.out.find("\"showZahlungProz\": \"("), std::string::npos);
    EXPECT_NE(r.out.find("\"HinweisDVers\": {\"sichtbar\": true, \"text\": \"Die Berechnung"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"Arbeitgeber\": true"), std::string::npos);
    EXPECT_NE(r.out.find("\\r\\n"), std::string::npos);
}

TEST(LohnBefehl, TextIstDieAbrechnung) {
    Ergebnis r = lohn({"--modus", "2", "--format", "text", "edJahr=2024", "Eingabe=2000"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("\nNetto -> Brutto - Berechnung\n", 0), 0u);
    EXPECT_NE(r.out.find("\tNettolohn\t\t\t  2.000,00 \u20AC\n"), std::string::npos);
}

TEST(LohnBefehl, FehlerOhneAusgabe) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"edJahr=2024", "Brutto=3000"},
          std::vector<std::string>{"cbMonat=Maerz"}, std::vector<std::string>{"--modus", "4"},
          std::vector<std::string>{"Eingabe"}, std::vector<std::string>{"--format", "xml"}}) {
        Ergebnis r = lohn(args);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
    EXPECT_NE(lohn({"edJahr=2024", "Brutto=3000"}).err.find("'Brutto'"), std::string::npos);
    EXPECT_EQ(lohn({"--help"}).code, 0);
    // a text that does not convert counts as 0
    Ergebnis null = lohn({"edJahr=2024", "Eingabe=viel"});
    EXPECT_EQ(null.code, 0);
    EXPECT_NE(null.out.find("\"showBrutto\": \"0,00 \u20AC\""), std::string::npos);
}
