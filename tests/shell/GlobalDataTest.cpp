#include "Formate.h"
#include "Global_Var.h"
#include "Programmstart.h"
#include "TestHilfe.h"

#include <QDirIterator>
#include <gtest/gtest.h>

using namespace brenvik;
using brenvik::test::Installation;
using brenvik::test::leseDatei;
using brenvik::test::schreibeDatei;

namespace {

QStringList logDateien(const QString& ordner) {
    QStringList r;
    QDirIterator it(ordner, {"*.Log", "*.LOG"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        r << it.next();
    return r;
}

using GlobalDataTest = Installation;

TEST_F(GlobalDataTest, DirectConstructionIsRefusedAndLogged) {
    TLogger::Instance();
    try {
        TGlobalData direkt;
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Access class TGlobalData through Instance only");
    }
    const auto l = TLogger::Instance().LogList();
    EXPECT_TRUE(l.back().starts_with("Exception"));
    EXPECT_TRUE(l.back().ends_with("Access class TGlobalData through Instance only"));
    EXPECT_FALSE(TGlobalData::IsInstance());
}

TEST_F(GlobalDataTest, MainSettingsFileIsLookedForTwoFoldersAboveTheProgram) {
    // Only the parent of the parent counts, in any letter case.
    schreibeDatei(basis + "/B/Kelvanta.Ini", "[Ordner]\nProgrammRoot=/falsch\n");
    hauptIni(standardIni(), "KELVANTA.INI");
    starten();
    const TGlobalData& g = TGlobalData::Instance();
    EXPECT_EQ(g.MainIniPfad(), basis);
    EXPECT_EQ(g.ProgrammPfad(), basis + "/B/Prog");
    EXPECT_EQ(g.ProgName(), "x");
    EXPECT_EQ(g.ProgrammRoot(), basis + "/Programm");
    EXPECT_EQ(g.DatenRoot(), basis + "/Daten");
    EXPECT_EQ(g.ExitCode(), 0);
    EXPECT_EQ(QDir::currentPath(), basis + "/B/Prog");
}

TEST_F(GlobalDataTest, WithoutMainSettingsFileTheStartGoesOnWithEmptyRoots) {
    starten();
    const TGlobalData& g = TGlobalData::Instance();
    EXPECT_EQ(g.ExitCode(), -8001);
    EXPECT_TRUE(g.MainIniPfad().isEmpty());
    EXPECT_TRUE(g.ProgrammRoot().isEmpty());
    EXPECT_TRUE(g.DatenRoot().isEmpty());
    EXPECT_TRUE(g.LogDateiName().isEmpty());
    EXPECT_TRUE(meldungen.empty());
    TGlobalData::ReleaseInstance();
    TLogger::ReleaseInstance();
    EXPECT_TRUE(logDateien(tmp.path()).isEmpty());
}

TEST_F(GlobalDataTest, WorkingPlaceFolderAndLogFile) {
    sys->rechner = QStringLiteral("Büro_PC 2");
    hauptIni(standardIni());
    starten();
    const TGlobalData& g = TGlobalData::Instance();
    EXPECT_EQ(g.Arbeitsplatz(), "BueroPC2");
    EXPECT_EQ(g.ArbeitsplatzPfad(), "/Stamm/PCs/BueroPC2");
    EXPECT_EQ(g.StammdatenPfad(), basis + "/Daten");
    EXPECT_EQ(g.UpdatePfad(), basis + "/Daten/Stamm/Update");
    EXPECT_TRUE(QFileInfo(basis + "/Daten/Stamm/Update").isDir());
    const QString log = basis + "/Daten/Stamm/PCs/BueroPC2/Log/x_Protokoll.Log";
    EXPECT_EQ(g.LogDateiName(), log);
    LogError("nach dem Start");
    TGlobalData::ReleaseInstance();
    TLogger::ReleaseInstance();
    const QByteArray inhalt = leseDatei(log);
    EXPECT_TRUE(inhalt.startsWith("System   Def Group"));
    for (const char* t : {"Start Logging", "ProgrammRoot = ", "Log Path : -------> ",
                          "nach dem Start", "Stopp Logging:"})
        EXPECT_TRUE(inhalt.contains(t)) << t;
    // Default level "Error": detail lines of the start stay out.
    EXPECT_FALSE(inhalt.contains("PixelsPerInch="));
}

TEST_F(GlobalDataTest, RootsGoIntoTheMachineSettingsStore) {
    hauptIni(standardIni());
    starten();
    IniDatei reg(SystemSchicht::registryDatei(basis + "/Daten"));
    const QString s = "HKEY_LOCAL_MACHINE\\Software\\Kelvanta\\";
    EXPECT_EQ(reg.ReadString(s, "ProgrammRoot"), basis + "/Programm");
    EXPECT_EQ(reg.ReadString(s, "DatenRoot"), basis + "/Daten");
}

TEST(ArbeitsplatzName, NameRule) {
    const std::pair<QString, QString> faelle[] = {
        {QStringLiteral("Büro_PC 2"), "BueroPC2"},
        {QStringLiteral("ÄÖÜäöüß"), "AeOeUeaeoeuess"},
        {"a,b-c.d/e:f;g", "a,b-c.d/e:f;g"},
        {QStringLiteral("x@y#z!é"), "xyz"},
        {"", ""},
    };
    for (const auto& [ein, aus] : faelle)
        EXPECT_EQ(ArbeitsplatzName(ein), aus) << ein.toStdString();
}

TEST(LogKonfiguration, GroupsFromText) {
    auto bits = [](std::initializer_list<int> l) {
        unsigned m = 0;
        for (int b : l)
            m |= 1u << b;
        return TLogGroupSet(m);
    };
    EXPECT_EQ(LogGruppenAusText("calc, Foo", false, false), bits({6, 0}));
    EXPECT_EQ(LogGruppenAusText("Entwicklung, DLL, Calc, CLC", false, false), bits({1, 5, 6, 8}));
    EXPECT_EQ(LogGruppenAusText(" INIT ,Morvana,sonst", false, false), bits({2, 10, 12}));
    EXPECT_EQ(LogGruppenAusText("db", true, false), bits({4}));
    EXPECT_EQ(LogGruppenAusText("init", true, false), bits({2, 4}));
    EXPECT_EQ(LogGruppenAusText("init", true, true), bits({2, 4, 10}));
}

TEST(LogKonfiguration, WriteMomentsFromText) {
    const std::pair<const char*, TLogWriteLevel> faelle[] = {
        {"never", tLogWriteNever},           {"OnlyOnEnd", tLogWriteOnlyOnEnd},
        {"exception", tLogWriteOnException}, {"Error", tLogWriteOnError},
        {"warning", tLogWriteOnWarning},     {"INFO", tLogWriteOnInfo},
        {"Detail", tLogWriteOnDetail},       {"ALWAYS", tLogWriteAlways},
        {"immer", tLogWriteNoDef},
    };
    for (const auto& [text, w] : faelle)
        EXPECT_EQ(LogSchreibmomentAusText(text), w) << text;
    EXPECT_EQ(LogLevelAusText("EventWinMess"), tLogTypEventWinMess);
    EXPECT_EQ(LogLevelAusText("warn"), tLogTypNoDef);
}

TEST_F(GlobalDataTest, LogConfigurationReachesTheLogger) {
    hauptIni(standardIni("LogLevel=System\nLogGroup=calc, Foo\nLogAdd=\nLogWriteOn=ALWAYS\n"));
    starten();
    const TLogger& l = TLogger::Instance();
    EXPECT_EQ(l.GetLogLevel(), tLogTypException);
    EXPECT_EQ(l.GetLogGroup(), TLogGroupSet((1u << 6) | 1u));
    EXPECT_EQ(l.GetAddOnFormat(), "");
    EXPECT_EQ(l.GetLogWriteLevel(), tLogWriteAlways);
    EXPECT_FALSE(l.GetThreadFileSave());
}

TEST_F(GlobalDataTest, ThreadWritingFromSettingsKeepsTheEarlyLines) {
    hauptIni(standardIni("LogLevel=Detail\nLogGroup=Entwicklung\nLogThreadWrite=1\n"));
    starten();
    EXPECT_TRUE(TLogger::Instance().GetThreadFileSave());
    const QString log = TGlobalData::Instance().LogDateiName();
    TGlobalData::ReleaseInstance();
    TLogger::ReleaseInstance();
    const QByteArray inhalt = leseDatei(log);
    for (const char* t : {"Start Logging", "TGlobalData.CreateInstance: Start", "ReadParam",
                          "Log ThreadWrite : True", "PixelsPerInch=96", "Stopp Logging:"})
        EXPECT_TRUE(inhalt.contains(t)) << t;
}

TEST_F(GlobalDataTest, MultipleStartFlags) {
    struct Fall {
        const char* standards;
        const char* version;
        bool mehrfach;
    } faelle[] = {
        {"", "", false},
        {"MehrfachStart=1\n", "", true},
        {"MehrfachStart=1\nkein_MehrfachStart=1\n", "", false},
        {"", "Morvana=1\n", true},
        {"kein_MehrfachStart=1\n", "Morvana=1\n", false},
    };
    for (const auto& f : faelle) {
        hauptIni(standardIni(f.standards) + "[Version]\n" + f.version);
        starten();
        EXPECT_EQ(TGlobalData::Instance().MehrfachStart(), f.mehrfach) << f.standards << f.version;
        TGlobalData::ReleaseInstance();
        TLogger::ReleaseInstance();
    }
}

TEST_F(GlobalDataTest, SessionLogFileCarriesTheRunNumber) {
    hauptIni(standardIni("Log_Session=1\n"));
    starten();
    EXPECT_TRUE(TGlobalData::Instance().LogDateiName().endsWith("/Log/x_Protokoll_AB12.Log"));
}

TEST_F(GlobalDataTest, StartFailures) {
    struct Fall {
        const char* name;
        std::function<void()> vorbereiten;
        int code;
        QString text;
    };
    const QString ohneDaten = basis + "/fehlt";
    const std::vector<Fall> faelle = {
        {"data root missing",
         [&] {
             hauptIni("[Ordner]\nProgrammRoot=" + (basis + "/Programm").toUtf8() +
                      "\nDatenRoot=" + ohneDaten.toUtf8() + "\n");
         },
         -8004,
         "Das Programm ist in " + basis + "/Programm,\n\rdie Daten in " + ohneDaten +
             " installiert\n\r" +
             QStringLiteral("Möglicherweise ist eine Netzwerkverbindung "
                            "nicht verfügbar\n\rAbbruch!")},
        {"program root empty",
         [&] { hauptIni("[Ordner]\nDatenRoot=" + (basis + "/Daten").toUtf8() + "\n"); }, -8004,
         "Das Programm ist in ,\n\rdie Daten in " + basis + "/Daten installiert\n\r" +
             QStringLiteral("Möglicherweise ist eine Netzwerkverbindung nicht verfügbar\n\r"
                            "Abbruch!")},
        {"registry",
         [&] {
             hauptIni(standardIni());
             sys->registryFehler = true;
         },
         -8005, "Schreiben von \"ProgrammRoot\" und \"DatenRoot\" in die Registry ist gescheitert"},
        {"master data", [&] { hauptIni(standardIni("StammDaten=\\Stamm\\Mandanten\n")); }, -8006,
         "Der Stammdaten-Ordner existiert nicht:\n\r" + basis +
             "/Daten/Stamm/Mandanten\n\rAbbruch!"},
        {"computer name too long",
         [&] {
             hauptIni(standardIni());
             sys->rechner = QString(300, 'r');
         },
         -8003,
         "Lese MaschinenName gescheitert.\r\nLeseMaschinenName: NameSize zu klein (max:257; "
         "aktuell: 300) Abbruch!"},
        {"remote user unknown",
         [&] {
             hauptIni(standardIni());
             sys->remote = true;
             sys->benutzer.reset();
         },
         -8003,
         "Windows-Anmelde-Name kann nicht gefunden werden.\r\nWindows-Anmelde-Name kann nicht "
         "gefunden werden.\n\rAbbruch! Abbruch!"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        auto s = std::make_unique<test::TestSystem>();
        s->programm = sys->programm;
        sys = s.get();
        SystemSetzen(std::move(s));
        f.vorbereiten();
        EXPECT_EQ(startFehlerCode(), f.code);
        EXPECT_EQ(fehlerText, f.text);
        EXPECT_FALSE(TGlobalData::IsInstance());
        const auto l = TLogger::Instance().LogList();
        EXPECT_TRUE(std::any_of(l.begin(), l.end(), [&](const std::string& z) {
            return z.starts_with("Exception") && z.ends_with(f.text.toStdString());
        }));
        TLogger::ReleaseInstance();
    }
}

TEST_F(GlobalDataTest, ShowStepShowsTheFailureFirst) {
    hauptIni("[Ordner]\nProgrammRoot=" + (basis + "/Programm").toUtf8() +
             "\n[Standards]\nShowStep=1\n");
    EXPECT_EQ(startFehlerCode(), -8004);
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].second, "GlobalData\rDatenRoot: \rProgrammRoot: " + basis + "/Programm");
    EXPECT_EQ(meldungen[1].second, "GlobalData\r\n\r\n" + fehlerText);
}

TEST_F(GlobalDataTest, MissingDataRootEndsTheStartWithTheErrorBoxAndExitCode1) {
    const QString ohneDaten = basis + "/Netz/Daten";
    hauptIni("[Ordner]\nProgrammRoot=" + (basis + "/Programm").toUtf8() +
             "\nDatenRoot=" + ohneDaten.toUtf8() + "\n");
    EXPECT_EQ(ProgrammInitialisieren(), 1);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].first, MeldungsArt::Fehler);
    EXPECT_EQ(meldungen[0].second,
              "Das Programm ist in " + basis + "/Programm,\n\rdie Daten in " + ohneDaten +
                  " installiert\n\r" +
                  QStringLiteral("Möglicherweise ist eine Netzwerkverbindung nicht verfügbar\n\r"
                                 "Abbruch!"));
    // Everything started so far is finalised again.
    EXPECT_FALSE(TGlobalData::IsInstance());
    EXPECT_FALSE(TLogger::IsInstance());
    ProgrammFinalisieren(); // harmless a second time
}

TEST_F(GlobalDataTest, StartAndFinaliseInOrder) {
    hauptIni(standardIni());
    ASSERT_EQ(ProgrammInitialisieren(), 0);
    EXPECT_TRUE(TLogger::IsInstance());
    EXPECT_TRUE(TGlobalData::IsInstance());
    EXPECT_EQ(ProgrammFormate().kurzesDatumsFormat, "dd.mm.yyyy");
    const QString log = TGlobalData::Instance().LogDateiName();
    ProgrammFinalisieren();
    EXPECT_FALSE(TGlobalData::IsInstance());
    EXPECT_FALSE(TLogger::IsInstance());
    EXPECT_TRUE(leseDatei(log).contains("Stopp Logging:"));
}

TEST_F(GlobalDataTest, RemoteSessionRoots) {
    hauptIni("[Ordner]\nProgrammRoot=/ignoriert\nDatenRoot=/auch\n");
    sys->remote = true;
    sys->benutzer = QStringLiteral("Anna Müller");
    starten();
    const TGlobalData& g = TGlobalData::Instance();
    EXPECT_TRUE(g.TS_Einsatz());
    EXPECT_EQ(g.ProgrammRoot(), basis);
    EXPECT_EQ(g.DatenRoot(), basis);
    EXPECT_EQ(g.WinBenutzer(), QStringLiteral("Anna Müller"));
    EXPECT_EQ(g.ArbeitsplatzPfad(), "/Stamm/PCs/AnnaMueller");
    EXPECT_EQ(g.Arbeitsplatz(), "Rechner1");
}

TEST_F(GlobalDataTest, RemoteMarkerOfThisWorkingPlaceIsRemoved) {
    hauptIni("[Ordner]\nWTS_DatenRoot=" + (basis + "/Daten").toUtf8() +
             "\n[PDF]\natWork=/Stamm/PCs/tester\nZeit=heute\n");
    sys->remote = true;
    starten();
    IniDatei& ini = TGlobalData::Instance().MainIni();
    EXPECT_EQ(TGlobalData::Instance().DatenRoot(), basis + "/Daten");
    EXPECT_FALSE(ini.ValueExists("PDF", "atWork"));
    EXPECT_EQ(ini.ReadString("PDF", "Zeit"), "heute");
}

TEST_F(GlobalDataTest, RootsRelativeToTheMainSettingsFileAndInTheHomeFolder) {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", (tmp.path() + "/home").toUtf8());
    QDir().mkpath(tmp.path() + "/home");
    hauptIni("[Ordner]\nProgrammRoot=Programm\\\nDatenRoot=~/.local/share/Kelvanta\n");
    starten();
    const TGlobalData& g = TGlobalData::Instance();
    EXPECT_EQ(g.ProgrammRoot(), basis + "/Programm");
    EXPECT_EQ(g.DatenRoot(), tmp.path() + "/home/.local/share/Kelvanta");
    EXPECT_TRUE(QFileInfo(g.DatenRoot() + g.ArbeitsplatzPfad() + "/Log").isDir());
    qputenv("HOME", home);
}

TEST_F(GlobalDataTest, SettingsFilesAreOpenedOnceEach) {
    hauptIni(standardIni());
    starten();
    TGlobalData& g = TGlobalData::Instance();
    EXPECT_EQ(&g.PCIni(), &g.PCIni());
    EXPECT_EQ(g.PCIni().FileName(), basis + "/Daten/Stamm/PCs/Rechner1/PC.INI");
    EXPECT_EQ(g.ProgIni().FileName(), basis + "/B/Prog/x.Ini");
    EXPECT_EQ(g.GlobalIni().FileName(), basis + "/Daten/Stamm/PCs/Global.INI");
    EXPECT_EQ(g.UserIni().FileName(), basis + "/Daten/Stamm/User/User.INI");
    EXPECT_TRUE(QFileInfo(basis + "/Daten/Stamm/User").isDir());
    EXPECT_EQ(g.UpdateInf().FileName(), basis + "/Daten/Stamm/Update/Version.inf");
    g.PCIni().WriteBool("Standards", "Amyuni40", true);
    EXPECT_TRUE(IniDatei(basis + "/Daten/Stamm/PCs/Rechner1/pc.ini")
                    .ReadBool("standards", "amyuni40", false));
}

TEST_F(GlobalDataTest, HelpFile) {
    hauptIni(standardIni("LogLevel=Detail\nLogGroup=Entwicklung\n"));
    schreibeDatei(basis + "/Programm/Hilfe/Brenvik.chm", "hilfe");
    schreibeDatei(tmp.path() + "/woanders/x.chm", "hilfe");
    starten();
    TGlobalData& g = TGlobalData::Instance();
    EXPECT_TRUE(AnwendungsHilfeDatei().isEmpty());
    g.SetHelpFile("Brenvik.chm");
    EXPECT_EQ(AnwendungsHilfeDatei(), basis + "/Programm/Hilfe/Brenvik.chm");
    g.SetHelpFile(tmp.path() + "/woanders/x.chm");
    EXPECT_EQ(AnwendungsHilfeDatei(), tmp.path() + "/woanders/x.chm");
    g.SetHelpFile("fehlt.chm");
    EXPECT_EQ(AnwendungsHilfeDatei(), tmp.path() + "/woanders/x.chm");
    g.SetHelpFile("D:\\Hilfe\\x.chm"); // a drive letter: not below the program root
    const auto l = TLogger::Instance().LogList();
    EXPECT_TRUE(l.back().ends_with("SetHelpFile -> Ende"));
    EXPECT_TRUE(l[l.size() - 2].ends_with("SetHelpFile -> Die Hilfedatei wurde nicht gefunden"));
}

TEST_F(GlobalDataTest, VersionInformation) {
    hauptIni(standardIni());
    const QDateTime geaendert(QDate(2024, 2, 3), QTime(4, 5, 6));
    {
        QFile f(sys->programm);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(geaendert, QFileDevice::FileModificationTime));
    }
    starten();
    const TFileInfo& ohne = TGlobalData::Instance().Dat_Info();
    EXPECT_TRUE(ohne.DateiVersion.isEmpty());
    EXPECT_EQ(ohne.FileDatum, geaendert);
    EXPECT_EQ(ohne.NameDerDatei, "x");
    TGlobalData::ReleaseInstance();

    VersionsRessource v;
    v.haupt = 1, v.neben = 2, v.release = 3, v.build = 4;
    v.produktName = "Brenvik";
    sys->version = v;
    const TGlobalData& g = TGlobalData::Instance();
    EXPECT_EQ(g.Dat_Info().DateiVersion, "1.2.3.4");
    EXPECT_EQ(g.Dat_Info().CompileZahl, 4u);
    EXPECT_EQ(g.Dat_Info().ProduktName, "Brenvik");
    EXPECT_EQ(g.VersionsString(), "1.2 Release: 3 <1.2.3.4>");
}

TEST(SystemSchicht, TheRunningProgramCarriesTheBuildsVersion) {
    SystemSchicht s;
    const auto v = s.versionsRessource(s.programmDatei());
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(QStringLiteral("%1.%2.%3").arg(v->haupt).arg(v->neben).arg(v->release),
              QStringLiteral(BRENVIK_VERSION));
    EXPECT_EQ(QString::number(v->build), QStringLiteral(BRENVIK_BUILD));
    EXPECT_FALSE(s.versionsRessource("/etc/hostname").has_value());
}

TEST_F(GlobalDataTest, ScreenResolution) {
    hauptIni(standardIni());
    const std::tuple<int, bool, bool> faelle[] = {
        {96, false, true}, {110, false, false}, {120, true, false}, {144, true, true}};
    for (const auto& [ppi, gross, skaliert] : faelle) {
        sys->ppi = ppi;
        starten();
        EXPECT_EQ(TGlobalData::Instance().GrosseWindowsSchriften(), gross) << ppi;
        EXPECT_EQ(TGlobalData::Instance().WindowsSkalierung(), skaliert) << ppi;
        TGlobalData::ReleaseInstance();
    }
}

} // namespace
