#include "KLogger.h"
#include "TestHilfe.h"
#include "ZeitFormat.h"

#include <QObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brenvik;
using brenvik::test::leseDatei;
using brenvik::test::schreibeDatei;

namespace {

// A logger whose program folder is a scratch folder without installation.
class LoggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto s = std::make_unique<test::TestSystem>();
        s->programm = tmp.path() + "/prog/x";
        SystemSetzen(std::move(s));
        logger = &TLogger::Instance();
        logger->SetAddOnFormat("");
    }
    void TearDown() override {
        TLogger::ReleaseInstance();
        SystemSetzen(nullptr);
    }
    QString datei() const { return tmp.path() + "/log/test.Log"; }
    QStringList dateiZeilen() const {
        QStringList l = QString::fromUtf8(leseDatei(datei())).split('\n');
        if (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
        return l;
    }
    bool inListe(const std::string& teil) const {
        for (const auto& z : logger->LogList())
            if (z.find(teil) != std::string::npos) return true;
        return false;
    }

    QTemporaryDir tmp;
    TLogger* logger = nullptr;
};

TEST_F(LoggerTest, DirectConstructionIsRefused) {
    try {
        TLogger zweiter;
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Access class TLogger through Instance only");
    }
    EXPECT_TRUE(TLogger::IsInstance());
    EXPECT_EQ(&TLogger::Instance(), logger);
}

TEST_F(LoggerTest, LevelAndGroupFilter) {
    LogLevelSetzen(tLogTypError);
    LogGruppenSetzen(TLogGroupSet((1u << tlogGrDef) | (1u << tLogGrDLL)));
    LogError("calc-fehler", {}, tLogGrCalc);
    LogError("def-fehler");
    LogWarning("warnung");
    LogSystem("hoch", {}, 16);
    EXPECT_FALSE(inListe("calc-fehler"));
    EXPECT_TRUE(inListe("def-fehler"));
    EXPECT_FALSE(inListe("warnung"));
    EXPECT_FALSE(inListe("hoch"));

    LogLevelSetzen(tLogTypException); // nothing is filtered by group any more
    LogSystem("sys-calc", {}, tLogGrCalc);
    LogException("exc-druck", {}, tLogGrDruck);
    LogSystem("sys-40", {}, 40);
    LogError("nur-e");
    LogWarning("nur-w");
    LogInfo("nur-i");
    LogDetail("nur-d");
    EXPECT_TRUE(inListe("sys-calc"));
    EXPECT_TRUE(inListe("exc-druck"));
    EXPECT_TRUE(inListe("sys-40"));
    for (const char* t : {"nur-e", "nur-w", "nur-i", "nur-d"})
        EXPECT_FALSE(inListe(t)) << t;
}

TEST_F(LoggerTest, LevelSystemIsStoredAsException) {
    LogLevelSetzen(tLogTypSystem);
    EXPECT_EQ(logger->GetLogLevel(), tLogTypException);
    EXPECT_EQ(logger->GetLogLevelText(), "Exception");
    EXPECT_FALSE(LogDetailAktiv());
    LogLevelSetzen(tLogTypDetail);
    EXPECT_TRUE(LogDetailAktiv());
}

TEST_F(LoggerTest, LineFormat) {
    logger->SetLogLevel(tLogTypEventWinMess);
    logger->Write(tLogTypInfo, "ohne Zeit");
    logger->Write(tLogTypInfo, "init", tlogGrInit);
    logger->Write(TLogLevelType(0), "nodef", tlogGrDef);
    logger->Write(tLogTypEventSystem, "lang", tlogGrErfassung);
    logger->SetAddOnFormat("- DD.mm.yyyy hh.nn.ss.zzz -");
    logger->Write(tLogTypInfo, "mit Zeit");
    const auto l = logger->LogList();
    ASSERT_GE(l.size(), 5u);
    EXPECT_EQ(l[l.size() - 5], "Info     Def Groupohne Zeit");
    EXPECT_EQ(l[l.size() - 4], "Info     Init     init");
    EXPECT_EQ(l[l.size() - 3], "Level nicDef Groupnodef");
    EXPECT_EQ(l[l.size() - 2], "EventSystErfassunglang");
    const QRegularExpression zeit(
        R"(^Info     Def Group- \d\d\.\d\d\.\d{4} \d\d\.\d\d\.\d\d\.\d{3} - mit Zeit$)");
    EXPECT_TRUE(zeit.match(QString::fromStdString(l.back())).hasMatch()) << l.back();
    EXPECT_EQ(LogLevelText(11), "LogLevelType 11 nicht definiert");
}

TEST(ZeitFormat, Tokens) {
    const Zeitpunkt z{2024, 3, 7, 9, 5, 4, 12};
    struct Fall {
        const char* format;
        const char* text;
    } faelle[] = {
        {"- DD.mm.yyyy hh.nn.ss.zzz -", "- 07.03.2024 09.05.04.012 -"},
        {"d.m.yyyy hh:nn:ss:zzz", "7.3.2024 09:05:04:012"},
        {"dd.mm.yy", "07.03.24"},
        {"hh:mm", "09:05"}, // minutes right after an hour
        {"\"Tag\" d", "Tag 7"},
        {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(FormatDateTime(f.format, z), f.text) << f.format;
}

TEST_F(LoggerTest, SourcePrefixes) {
    QObject objekt;
    LogSystem("text", &objekt);
    EXPECT_TRUE(inListe("Def GroupQObject text"));
    LogInfo("info", LogQuelle::Name("edJahr"));
    EXPECT_TRUE(inListe("Def GroupedJahr info"));
    LogException("kaputt", std::runtime_error("Ursache"));
    EXPECT_TRUE(inListe("Exception"));
    EXPECT_TRUE(inListe("Def Groupkaputt Message:Ursache"));
    LogDetail(QStringLiteral("Qt-Text äö"));
    EXPECT_TRUE(inListe("Qt-Text äö"));
}

TEST_F(LoggerTest, ConfigurationLinesOnlyAfterAFileIsSet) {
    logger->SetLogLevel(tLogTypError);
    logger->AddLogGroup(tLogGrCalc);
    EXPECT_FALSE(inListe("New Level"));
    EXPECT_FALSE(inListe("Add Group"));
    logger->SetLogFile(datei().toStdString());
    logger->SetLogLevel(tLogTypInfo);
    logger->AddLogGroup(tLogGrDruck);
    logger->AddLogGroup(tLogGrDruck); // already set: nothing
    logger->RemoveLogGroup(tlogGrInit);
    logger->SetLogWriteLevel(tLogWriteOnWarning);
    logger->SetAddOnFormat("");
    const auto l = logger->LogList();
    const std::vector<std::string> ende(l.end() - 5, l.end());
    EXPECT_EQ(ende, (std::vector<std::string>{
                        "New Level : Info", "Add Group : Druck", "Remove Group : Init",
                        "New Write-Level : bei Warning schreiben", "New AddOnFormat : "}));
}

TEST_F(LoggerTest, HandlersAreCalledLastRegisteredFirstAndCanBeRemoved) {
    std::vector<std::string> aufrufe;
    int a = 0, b = 0;
    logger->SetOnLogChange({&a, [&](const std::string& z) { aufrufe.push_back("a:" + z); }});
    logger->SetOnLogChange({&b, [&](const std::string& z) { aufrufe.push_back("b:" + z); }});
    logger->SetOnLogChange({&b, nullptr}); // no code: ignored
    logger->Write(tLogTypInfo, "x");
    EXPECT_EQ(aufrufe,
              (std::vector<std::string>{"b:Info     Def Groupx", "a:Info     Def Groupx"}));
    logger->SetOnRemoveLogChange({&b, nullptr});
    aufrufe.clear();
    logger->Write(tLogTypInfo, "y");
    EXPECT_EQ(aufrufe, (std::vector<std::string>{"a:Info     Def Groupy"}));
}

TEST_F(LoggerTest, WriteMomentWarningRewritesTheFileWithTheHeldInfoLine) {
    logger->SetLogWriteLevel(tLogWriteOnWarning);
    logger->SetLogFile(datei().toStdString());
    logger->Write(tLogTypInfo, "gehalten");
    EXPECT_FALSE(QFile::exists(datei()));
    logger->Write(tLogTypWarning, "warnung");
    const QStringList l = dateiZeilen();
    ASSERT_GE(l.size(), 3);
    EXPECT_TRUE(l[0].endsWith("Start Logging"));
    EXPECT_EQ(l[l.size() - 2], "Info     Def Groupgehalten");
    EXPECT_EQ(l.back(), "Warning  Def Groupwarnung");
}

TEST_F(LoggerTest, WriteMomentsDecideByLevel) {
    struct Fall {
        TLogWriteLevel moment;
        TLogLevelType level;
        bool schreibt;
    } faelle[] = {
        {tLogWriteNever, tLogTypSystem, false},
        {tLogWriteOnException, tLogTypException, true},
        {tLogWriteOnException, tLogTypSystem, false},
        {tLogWriteOnError, tLogTypError, true},
        {tLogWriteOnError, tLogTypWarning, false},
        {tLogWriteOnInfo, tLogTypInfo, true},
        {tLogWriteOnInfo, tLogTypDetail, false},
        {tLogWriteOnDetail, tLogTypDetail, true},
        {tLogWriteAlways, tLogTypDetail, true},
        {tLogWriteOnlyOnEnd, tLogTypDetail, true},
    };
    for (const auto& f : faelle) {
        QFile::remove(datei());
        logger->SetLogWriteLevel(f.moment);
        logger->SetLogFile(datei().toStdString());
        logger->ClearFile();
        logger->Write(f.level, "probe");
        EXPECT_EQ(QFile::exists(datei()), f.schreibt) << f.moment << "/" << f.level;
    }
}

TEST_F(LoggerTest, FirstWriteOfARunDeletesTheFileOfTheLastRun) {
    schreibeDatei(datei(), "letzter Lauf\nnoch eine Zeile\n");
    logger->SetLogWriteLevel(tLogWriteAlways);
    logger->SetLogFile(datei().toStdString());
    logger->Write(tLogTypInfo, "neu");
    const QByteArray inhalt = leseDatei(datei());
    EXPECT_FALSE(inhalt.contains("letzter Lauf"));
    EXPECT_TRUE(inhalt.contains("Start Logging"));
    EXPECT_TRUE(inhalt.endsWith("Def Groupneu\n"));
}

TEST_F(LoggerTest, EndOfRunWritesOnlyAfterALineAboveSystemWasWritten) {
    logger->SetLogWriteLevel(tLogWriteOnException);
    logger->SetLogFile(datei().toStdString());
    logger->Write(tLogTypSystem, "nur system");
    logger->Write(tLogTypInfo, "info");
    TLogger::ReleaseInstance();
    EXPECT_FALSE(QFile::exists(datei()));

    logger = &TLogger::Instance();
    logger->SetLogWriteLevel(tLogWriteOnException);
    logger->SetLogFile(datei().toStdString());
    logger->Write(tLogTypException, "ausnahme");
    logger->Write(tLogTypInfo, "danach");
    EXPECT_FALSE(leseDatei(datei()).contains("danach"));
    TLogger::ReleaseInstance();
    const QStringList l = dateiZeilen();
    ASSERT_GE(l.size(), 3);
    EXPECT_TRUE(l[l.size() - 2].endsWith("danach"));
    EXPECT_TRUE(l.back().contains("Stopp Logging:"));
    logger = &TLogger::Instance();
}

TEST_F(LoggerTest, FreeProceduresDoNothingWithoutLoggerOrWhenDisabled) {
    LogAktivSetzen(false);
    LogSystem("aus");
    EXPECT_FALSE(inListe("aus"));
    LogAktivSetzen(true);
    TLogger::ReleaseInstance();
    EXPECT_EQ(Logger(), nullptr);
    LogSystem("ohne logger"); // must not crash
    logger = &TLogger::Instance();
    EXPECT_EQ(Logger(), logger);
}

TEST_F(LoggerTest, LogEnableOfTheMainSettingsFileSwitchesLoggingOff) {
    TLogger::ReleaseInstance();
    auto s = std::make_unique<test::TestSystem>();
    QDir().mkpath(tmp.path() + "/a/b");
    s->programm = tmp.path() + "/a/b/x"; // two folders above: tmp
    schreibeDatei(tmp.path() + "/kelvanta.INI", "[Standards]\nLogEnable=0\n");
    SystemSetzen(std::move(s));
    logger = &TLogger::Instance();
    EXPECT_FALSE(LogAktiv());
    EXPECT_TRUE(logger->LogList().empty());
    TLogger::ReleaseInstance();
    QFile::remove(tmp.path() + "/kelvanta.INI");
    logger = &TLogger::Instance();
    EXPECT_TRUE(LogAktiv());
}

// ---- Thread mode ----

// The same lines in direct and in thread mode give the same file.
TEST_F(LoggerTest, ThreadModeWritesWhatDirectModeWrites) {
    auto lauf = [&](bool thread) {
        TLogger::ReleaseInstance();
        logger = &TLogger::Instance();
        logger->SetAddOnFormat("");
        logger->SetLogWriteLevel(tLogWriteOnWarning);
        if (thread) LogThreadSchreiben(true);
        logger->Write(tLogTypInfo, "vor der Datei");
        logger->SetLogFile(datei().toStdString());
        logger->Write(tLogTypInfo, "gehalten");
        logger->Write(tLogTypWarning, "warnung");
        logger->Write(tLogTypDetail, "spaet");
        TLogger::ReleaseInstance();
        QStringList l = dateiZeilen();
        // Lines written before the time stamp was switched off differ by run.
        EXPECT_TRUE(l.value(0).endsWith("Start Logging"));
        l.removeIf([](const QString& z) {
            return z.contains("ThreadFileSave Change") || z.contains("Stopp Logging:") ||
                   z.contains("Start Logging");
        });
        logger = &TLogger::Instance();
        return l;
    };
    const QStringList direkt = lauf(false);
    const QStringList thread = lauf(true);
    EXPECT_EQ(thread, direkt);
    EXPECT_TRUE(direkt.contains("Info     Def Groupvor der Datei"));
    EXPECT_TRUE(direkt.contains("Detail   Def Groupspaet"));
}

TEST_F(LoggerTest, SwitchingThreadModeOffKeepsTheThreadsLines) {
    logger->SetLogWriteLevel(tLogWriteAlways);
    logger->SetLogFile(datei().toStdString());
    logger->Write(tLogTypInfo, "direkt");
    LogThreadSchreiben(true);
    logger->Write(tLogTypInfo, "durch thread");
    const auto ansicht = logger->LogList(); // file plus queue
    EXPECT_TRUE(std::any_of(ansicht.begin(), ansicht.end(),
                            [](const std::string& z) { return z.ends_with("durch thread"); }));
    LogThreadSchreiben(false);
    logger->Write(tLogTypInfo, "wieder direkt");
    const QStringList l = dateiZeilen();
    auto pos = [&](const char* t) {
        for (int i = 0; i < l.size(); ++i)
            if (l[i].endsWith(t)) return i;
        return -1;
    };
    EXPECT_GE(pos("direkt"), 0);
    EXPECT_GT(pos("durch thread"), pos("direkt"));
    EXPECT_GT(pos("wieder direkt"), pos("durch thread"));
    EXPECT_EQ(l.filter("Def Groupdirekt").size(), 1);
}

TEST_F(LoggerTest, ThreadModeLosesNoLineOf100000) {
    schreibeDatei(datei(), "vom letzten Lauf\n");
    logger->SetLogWriteLevel(tLogWriteAlways);
    LogThreadSchreiben(true);
    logger->SetLogFile(datei().toStdString());
    constexpr int kZeilen = 100000;
    for (int i = 0; i < kZeilen; ++i)
        logger->Write(tLogTypInfo, "Zeile " + std::to_string(i));
    TLogger::ReleaseInstance();
    const QStringList l = dateiZeilen();
    int naechste = 0;
    bool stopp = false;
    for (const QString& z : l) {
        EXPECT_FALSE(z.contains("vom letzten Lauf"));
        if (z == QStringLiteral("Info     Def GroupZeile %1").arg(naechste)) ++naechste;
        stopp = stopp || z.contains("Stopp Logging:");
    }
    EXPECT_EQ(naechste, kZeilen);
    EXPECT_TRUE(stopp);
    EXPECT_TRUE(l.back().contains("Stopp Logging:"));
    logger = &TLogger::Instance();
}

} // namespace
