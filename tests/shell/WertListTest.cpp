#include "WertList.h"
#include "TestHilfe.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace brenvik;
using brenvik::test::leseDatei;
using brenvik::test::schreibeDatei;

namespace {

QStringList schluessel(const TWertList& l) {
    QStringList r;
    for (int i = 0; i < l.Count(); ++i)
        r << l.OriginalByIndex(i);
    return r;
}

TEST(WertList, CaseInsensitiveKeys) {
    TWertList l;
    EXPECT_EQ(l.Add("Name=1"), 0);
    EXPECT_EQ(l.Add("NAME=2"), -1);
    EXPECT_EQ(l.Count(), 1);
    EXPECT_EQ(l.WertByStr("nAmE"), "1");
    EXPECT_EQ(l.Add(QStringLiteral("Ärger=a")), 1);
    EXPECT_EQ(l.IndexOf(QStringLiteral("äRGER")), 1);
    EXPECT_EQ(l.ParameterByIndex(1), QStringLiteral("ärger"));
    EXPECT_EQ(l.OriginalByIndex(1), QStringLiteral("Ärger=a"));

    TWertList gross(true);
    EXPECT_EQ(gross.Add("Name=1"), 0);
    EXPECT_EQ(gross.Add("NAME=2"), 1);
    EXPECT_EQ(gross.WertByStr("nAmE"), "");
    EXPECT_EQ(gross.WertByStr("NAME"), "2");
}

TEST(WertList, LineFormsAndNestedItems) {
    TWertList l;
    l.Add("nurKey");
    EXPECT_EQ(l.WertByStr("nurkey"), "");
    EXPECT_EQ(l.OriginalByStr("nurkey"), "nurKey");
    l.Add(QStringLiteral("Name=Meier¶Ort=Bonn"));
    EXPECT_EQ(l.WertByStr("name"), "Meier");
    EXPECT_EQ(l.AdditionalItemByStr("name", "ort"), "Bonn");
    EXPECT_EQ(l.AdditionalStrByStr("name"), "Ort=Bonn\r\n");
    EXPECT_EQ(l.OriginalByIndex(1), QStringLiteral("Name=Meier¶Ort=Bonn"));
    l.Add(QStringLiteral("a=1=2¶b=3¶c=4"));
    EXPECT_EQ(l.WertByStr("a"), "1=2");
    EXPECT_EQ(l.OriginalByStr("a"), QStringLiteral("a=1=2¶b=3¶c=4"));
    EXPECT_EQ(l.AdditionalListByStr("a")->AdditionalItemByStr("b", "c"), "4");
    EXPECT_EQ(l.Text(), QStringLiteral("nurKey\r\nName=Meier¶Ort=Bonn\r\na=1=2¶b=3¶c=4\r\n"));

    l.SetAdditionalItemByStr("name", "Ort", "Köln");
    l.SetAdditionalItemByStr("name", "PLZ", "50667");
    EXPECT_EQ(l.OriginalByStr("name"), QStringLiteral("Name=Meier¶Ort=Köln¶PLZ=50667"));
    l.SetAdditionalItemByStr("nurkey", "x", "1"); // no nested list: nothing
    EXPECT_EQ(l.AdditionalListByStr("nurkey"), nullptr);
    l.SetAdditionalStrByStr("nurkey", "x=9");
    EXPECT_EQ(l.OriginalByStr("nurkey"), QStringLiteral("nurKey¶x=9"));
    l.SetAdditionalStrByStr("neu", "y=1"); // missing key: appended without items
    EXPECT_EQ(l.OriginalByStr("neu"), "neu");
    auto andere = std::make_unique<TWertList>();
    andere->Add("z=5");
    l.SetAdditionalListByStr("neu", std::move(andere));
    EXPECT_EQ(l.AdditionalItemByStr("neu", "z"), "5");
    EXPECT_NE(l.AdditionalListByIndex(l.IndexOf("a")), nullptr);
}

TEST(WertList, TypedAccess) {
    TWertList l;
    l.SetZahlByStr("fehlt", 42);
    EXPECT_EQ(l.OriginalByStr("fehlt"), "fehlt=42");
    l.Add("neg=-7");
    l.Add("hex=$FF");
    l.Add("text=abc");
    EXPECT_EQ(l.ZahlByStr("neg"), -7);
    EXPECT_EQ(l.ColorByStr("hex"), 255);
    EXPECT_EQ(l.ZahlByStr("text"), 0);
    EXPECT_EQ(l.ZahlByIndex(99), 0);
    EXPECT_EQ(l.WertByIndex(-1), "");

    l.Add("betrag=1234,56789");
    EXPECT_EQ(l.CurrByStr("betrag"), Zahl::bruch(12345679, 10000));
    EXPECT_EQ(l.CurrByStr("text"), Zahl(0));
    l.SetCurrByStr("preis", Zahl::bruch(125, 10));
    EXPECT_EQ(l.WertByStr("preis"), "12,5");

    l.Add("tag=24.12.2023");
    l.Add("mitZeit=24.12.2023 10:00");
    l.Add("tage=45000");
    EXPECT_EQ(l.DateTimeByStr("tag"), QDateTime(QDate(2023, 12, 24), QTime(0, 0)));
    EXPECT_EQ(l.DateTimeByStr("mitZeit"), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_EQ(l.DateTimeByStr("keiner"), QDateTime(QDate(1, 1, 1), QTime(0, 0)));
    EXPECT_EQ(l.DateTimeByIndex(l.IndexOf("tage")), QDateTime(QDate(2023, 3, 15), QTime(0, 0)));
    EXPECT_EQ(l.DateTimeByIndex(l.IndexOf("text")), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    l.SetDateTimeByStr("d1", QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
    l.SetDateTimeByStr("d2", QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    EXPECT_EQ(l.WertByStr("d1"), "02.01.2024");
    EXPECT_EQ(l.WertByStr("d2"), "02.01.2024 03:04:05");

    l.Add("Gross=MiXeD");
    EXPECT_EQ(l.WertLowerByStr("gross"), "mixed");
    QObject o;
    l.SetObjektByStr("obj", &o);
    EXPECT_EQ(l.ObjektByStr("OBJ"), &o);
    l.SetValues("v", "w");
    EXPECT_EQ(l.Values("V"), "w");
}

TEST(WertList, DeleteAreaInsertMoveExchange) {
    TWertList l;
    for (const char* k : {"a", "b", "c", "d", "e"})
        l.Add(k);
    EXPECT_EQ(l.DeleteArea("B"), 4);
    EXPECT_EQ(schluessel(l), QStringList{"a"});
    EXPECT_EQ(l.DeleteArea("fehlt"), 0);
    EXPECT_EQ(l.IndexOf("c"), -1);

    for (const char* k : {"b", "c"})
        l.Add(k);
    EXPECT_EQ(l.Liste(), (QStringList{"c", "b", "a"}));
    EXPECT_EQ(l.Insert(1, "x=1"), 1);
    EXPECT_EQ(l.Insert(99, "y"), 4);
    EXPECT_EQ(l.Insert(0, "X=2"), 1); // existing key: new value, same place
    EXPECT_EQ(schluessel(l), (QStringList{"a", "x=2", "b", "c", "y"}));
    l.Move(0, 3);
    EXPECT_EQ(schluessel(l), (QStringList{"x=2", "b", "c", "a", "y"}));
    l.Exchange(0, 4);
    EXPECT_EQ(schluessel(l), (QStringList{"y", "b", "c", "a", "x=2"}));
    for (int i = 0; i < l.Count(); ++i)
        EXPECT_EQ(l.IndexOf(l.ParameterByIndex(i)), i);
    l.Delete(1);
    l.Delete(17); // ignored
    EXPECT_EQ(schluessel(l), (QStringList{"y", "c", "a", "x=2"}));
    EXPECT_EQ(l.IndexOf("x"), 3);
    EXPECT_THROW(l.Exchange(0, 4), TWertListFehler);
    try {
        l.Move(-1, 0);
        FAIL();
    } catch (const TWertListFehler& f) {
        EXPECT_STREQ(f.what(), "Move : wrong value ");
    }
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.IndexOf("y"), -1);
}

TEST(WertList, KeysThatCannotBeStored) {
    TWertList l;
    EXPECT_THROW(l.Add(QString(256, 'k') + "=1"), TWertListFehler);
    EXPECT_EQ(l.Add(QString(255, 'k') + "=1"), 0);
    EXPECT_THROW(l.Add(QStringLiteral("tab\tkey")), TWertListFehler);
    EXPECT_THROW(l.Add(QStringLiteral("ÿ")), TWertListFehler); // code 255
    EXPECT_THROW(l.Add(QStringLiteral("日本")), TWertListFehler);
    EXPECT_EQ(l.Add(QStringLiteral("€uro=1")), 1); // Windows-1252 code 128
    EXPECT_EQ(l.IndexOf(QStringLiteral("\tnope")), -1);
    l.AddStrings({"ok1=1", "bad\x01", "ok2=2"});
    EXPECT_EQ(l.WertByStr("ok2"), "2");
    EXPECT_EQ(l.Count(), 4);
}

TEST(WertList, NotProvidedOperationsRaise) {
    TWertList l;
    EXPECT_THROW(l.Append("x"), TWertListFehler);
    EXPECT_THROW(l.Find("x"), TWertListFehler);
    EXPECT_THROW(l.GetAdditional(0), TWertListFehler);
    EXPECT_THROW(l.ParameterArray(), TWertListFehler);
    try {
        l.WertArray();
    } catch (const TWertListFehler& f) {
        EXPECT_STREQ(f.what(), "GetWert:Anweisung in TWertList nicht Implementiert!");
    }
}

// The character tree against a plain map, with many shared prefixes.
TEST(WertList, IndexAgreesWithAMapUnderAddsAndDeletes) {
    std::mt19937 zufall(7);
    const QString zeichen = QStringLiteral("abAB1.");
    TWertList l;
    std::map<QString, int> soll; // lower-case key -> value
    for (int runde = 0; runde < 3000; ++runde) {
        QString k;
        const int n = int(zufall() % 5);
        for (int i = 0; i < n; ++i)
            k += zeichen[qsizetype(zufall() % zeichen.size())];
        if (zufall() % 4 == 0) {
            const int pos = l.IndexOf(k);
            ASSERT_EQ(pos >= 0, soll.count(k.toLower()) == 1) << k.toStdString();
            if (pos >= 0) {
                l.Delete(pos);
                soll.erase(k.toLower());
            }
        } else {
            const int r = l.Add(k, QString::number(runde));
            ASSERT_EQ(r >= 0, soll.count(k.toLower()) == 0) << k.toStdString();
            if (r >= 0) soll[k.toLower()] = runde;
        }
    }
    ASSERT_EQ(l.Count(), int(soll.size()));
    for (const auto& [k, v] : soll)
        EXPECT_EQ(l.ZahlByStr(k.toUpper()), v) << k.toStdString();
    for (int i = 0; i < l.Count(); ++i)
        EXPECT_EQ(l.IndexOf(l.ParameterByIndex(i)), i);
}

TEST(WertList, Files) {
    QTemporaryDir tmp;
    const QString datei = tmp.path() + "/liste.txt";
    schreibeDatei(datei, "x=1\r\n\r\ny=2\nz\r");
    TWertList l;
    ASSERT_TRUE(l.LoadFromFile(datei));
    EXPECT_EQ(schluessel(l), (QStringList{"x=1", "y=2", "z"}));
    EXPECT_EQ(l.FileName(), datei);

    l.Add(QStringLiteral("Straße=Ü¶Ort=Köln"));
    const QString aus = tmp.path() + "/aus.txt";
    ASSERT_TRUE(l.SaveToFile(aus));
    EXPECT_EQ(leseDatei(aus),
              QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral("x=1\r\ny=2\r\nz\r\nStraße=Ü¶Ort=Köln\r\n").toUtf8());
    TWertList zurueck;
    ASSERT_TRUE(zurueck.LoadFromFile(aus));
    EXPECT_EQ(zurueck.Text(), l.Text());

    // Not UTF-8: read again as 8-bit text.
    schreibeDatei(tmp.path() + "/ansi.txt", "K\xF6ln=1\r\n");
    TWertList ansi;
    ASSERT_TRUE(ansi.LoadFromFile(tmp.path() + "/ansi.txt"));
    EXPECT_EQ(ansi.WertByStr(QStringLiteral("köln")), "1");

    TWertList fehlt;
    EXPECT_FALSE(fehlt.LoadFromFile(tmp.path() + "/gibtsnicht"));
    EXPECT_FALSE(l.SaveToFile(tmp.path() + "/kein/ordner/datei"));
}

} // namespace
