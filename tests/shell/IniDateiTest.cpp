#include "IniDatei.h"
#include "TestHilfe.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brenvik;
using brenvik::test::leseDatei;
using brenvik::test::schreibeDatei;

namespace {

class IniDateiTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString pfad(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }
};

TEST_F(IniDateiTest, NamesCompareWithoutCase) {
    schreibeDatei(pfad("a.ini"), "[Standards]\nLogLevel = Detail\n[Ordner]\nDatenRoot=/d\n");
    IniDatei ini(pfad("a.ini"));
    EXPECT_EQ(ini.ReadString("STANDARDS", "loglevel"), "Detail");
    EXPECT_EQ(ini.ReadString("ordner", "DATENROOT"), "/d");
    EXPECT_TRUE(ini.SectionExists("sTaNdArDs"));
    EXPECT_TRUE(ini.ValueExists("Ordner", "datenroot"));
    EXPECT_FALSE(ini.ValueExists("Standards", "DatenRoot"));
}

TEST_F(IniDateiTest, MissingFileReadsAsEmptyAndEveryKeyHasItsDefault) {
    IniDatei ini(pfad("fehlt.ini"));
    EXPECT_EQ(ini.ReadString("S", "K", "vorgabe"), "vorgabe");
    EXPECT_EQ(ini.ReadInteger("S", "K", 7), 7);
    EXPECT_TRUE(ini.ReadBool("S", "K", true));
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    IniDatei leer{QString()};
    EXPECT_EQ(leer.ReadString("S", "K", "v"), "v");
    EXPECT_FALSE(leer.WriteString("S", "K", "v"));
}

TEST_F(IniDateiTest, ValuesAndBooleans) {
    schreibeDatei(pfad("b.ini"), "[S]\neins=1\nnull=0\nwahr=True\nnein=no\nfalsch=xyz\n"
                                 "zahl= 42 \nhex=$1F\nzitat=\"  mit Rand  \"\nleer=\n"
                                 "; kommentar=9\n");
    IniDatei ini(pfad("b.ini"));
    EXPECT_TRUE(ini.ReadBool("S", "eins", false));
    EXPECT_FALSE(ini.ReadBool("S", "null", true));
    EXPECT_TRUE(ini.ReadBool("S", "wahr", false));
    EXPECT_FALSE(ini.ReadBool("S", "nein", true));
    EXPECT_TRUE(ini.ReadBool("S", "falsch", true)); // not a boolean: default
    EXPECT_EQ(ini.ReadInteger("S", "zahl", 0), 42);
    EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
    EXPECT_EQ(ini.ReadString("S", "zitat"), "  mit Rand  ");
    EXPECT_EQ(ini.ReadString("S", "leer", "vorgabe"), ""); // present but empty
    EXPECT_FALSE(ini.ValueExists("S", "; kommentar"));
}

TEST_F(IniDateiTest, WritingOneKeyKeepsEverythingElse) {
    const QByteArray vorher = "; Kopf\r\n[Eins]\r\nA=1\r\n\r\n[Zwei]\r\nB = 2\r\nC=3\r\n";
    schreibeDatei(pfad("c.ini"), vorher);
    IniDatei ini(pfad("c.ini"));
    ASSERT_TRUE(ini.WriteString("zwei", "b", "neu"));
    EXPECT_EQ(leseDatei(pfad("c.ini")),
              "; Kopf\r\n[Eins]\r\nA=1\r\n\r\n[Zwei]\r\nB=neu\r\nC=3\r\n");
    ASSERT_TRUE(ini.WriteString("Eins", "N", "x"));
    EXPECT_EQ(leseDatei(pfad("c.ini")),
              "; Kopf\r\n[Eins]\r\nA=1\r\nN=x\r\n\r\n[Zwei]\r\nB=neu\r\nC=3\r\n");
    ASSERT_TRUE(ini.WriteBool("Drei", "D", true));
    EXPECT_TRUE(leseDatei(pfad("c.ini")).endsWith("C=3\r\n[Drei]\r\nD=1\r\n"));
    ASSERT_TRUE(ini.DeleteKey("EINS", "a"));
    ASSERT_TRUE(ini.EraseSection("zwei"));
    EXPECT_EQ(leseDatei(pfad("c.ini")), "; Kopf\r\n[Eins]\r\nN=x\r\n\r\n[Drei]\r\nD=1\r\n");
}

TEST_F(IniDateiTest, WritingCreatesAMissingFileAndKeepsAByteOrderMark) {
    IniDatei neu(pfad("neu.ini"));
    ASSERT_TRUE(neu.WriteInteger("S", "K", -5));
    EXPECT_EQ(leseDatei(pfad("neu.ini")), "[S]\nK=-5\n");

    schreibeDatei(pfad("bom.ini"), "\xEF\xBB\xBF[Büro]\nOrt=Köln\n");
    IniDatei bom(pfad("bom.ini"));
    EXPECT_EQ(bom.ReadString("BÜRO", "ort"), QStringLiteral("Köln"));
    ASSERT_TRUE(bom.WriteString("Büro", "Ort", QStringLiteral("Düren")));
    EXPECT_EQ(leseDatei(pfad("bom.ini")), "\xEF\xBB\xBF[Büro]\nOrt=Düren\n");
}

TEST_F(IniDateiTest, FileNameIsLookedUpWithoutCase) {
    schreibeDatei(pfad("Unter/KELVANTA.INI"), "[Version]\nMorvana=1\n");
    IniDatei ini(pfad("unter/Kelvanta.Ini"));
    EXPECT_TRUE(ini.ReadBool("Version", "Morvana", false));
    ASSERT_TRUE(ini.WriteString("Version", "Morvana", "0"));
    // The existing file was changed; no second file appeared.
    EXPECT_EQ(QDir(pfad("Unter")).entryList(QDir::Files), QStringList{"KELVANTA.INI"});
    EXPECT_EQ(leseDatei(pfad("Unter/KELVANTA.INI")), "[Version]\nMorvana=0\n");
}

TEST_F(IniDateiTest, TwoObjectsOnOneFileSeeEachOthersWrites) {
    IniDatei a(pfad("d.ini")), b(pfad("D.INI"));
    ASSERT_TRUE(a.WriteString("S", "x", "1"));
    ASSERT_TRUE(b.WriteString("S", "y", "2"));
    EXPECT_EQ(a.ReadString("S", "y"), "2");
    EXPECT_EQ(a.ReadSection("S"), (QStringList{"x", "y"}));
}

} // namespace
