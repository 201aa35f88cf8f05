#include "Global_Var.h"

#include "Formate.h"
#include "Meldung.h"
#include "PfadHilfe.h"
#include "SystemSchicht.h"

#include <QDir>
#include <QFileInfo>

namespace brenvik {

namespace {

TGlobalData* gInstanz = nullptr;
bool gDurchInstance = false;
QString gHilfeDatei;

constexpr int kMaxNamenLaenge = 257;
const QString kStandards = QStringLiteral("Standards");
const QString kOrdner = QStringLiteral("Ordner");
const QString kCreate = QStringLiteral("TGlobalData.CreateInstance: ");

// Creates a folder for steps that go on after a failure.
void ordnerAnlegenMitMeldung(const QString& ordner) {
    if (ordner.isEmpty() || OrdnerExistiert(ordner)) return;
    if (!OrdnerAnlegen(ordner))
        ZeigeMeldung(QStringLiteral("Das Verzeichnis: ") + ordner +
                     QStringLiteral(" konnte nicht erstellt werden"));
}

} // namespace

TGlobalDataFehler::TGlobalDataFehler(int exitCode, const QString& text)
    : std::runtime_error(text.toStdString()), FExitCode(exitCode) {}

QString AnwendungsHilfeDatei() {
    return gHilfeDatei;
}

QString ArbeitsplatzName(const QString& name) {
    QString r;
    for (qsizetype i = name.size() - 1; i >= 0; --i) {
        const QChar c = name[i];
        const QChar gross = c.toUpper();
        QString ersatz;
        if ((gross >= QLatin1Char('A') && gross <= QLatin1Char('Z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
            QStringLiteral(",-./:;").contains(c))
            ersatz = c;
        else if (c == QChar(0xC4))
            ersatz = QStringLiteral("Ae");
        else if (c == QChar(0xD6))
            ersatz = QStringLiteral("Oe");
        else if (c == QChar(0xDC))
            ersatz = QStringLiteral("Ue");
        else if (c == QChar(0xE4))
            ersatz = QStringLiteral("ae");
        else if (c == QChar(0xF6))
            ersatz = QStringLiteral("oe");
        else if (c == QChar(0xFC))
            ersatz = QStringLiteral("ue");
        else if (c == QChar(0xDF))
            ersatz = QStringLiteral("ss");
        r.prepend(ersatz);
    }
    return r;
}

TLogGroupSet LogGruppenAusText(const QString& text, bool entwicklung, bool morvana) {
    static const char* const namen[] = {"entwicklung", "init",    "erfassung", "db",
                                        "dll",         "calc",    "druck",     "clc",
                                        "eric",        "morvana", "text",      "sonst"};
    unsigned maske = 0;
    for (const QString& teil : text.split(QLatin1Char(','))) {
        const QString t = teil.trimmed();
        int nummer = 0;
        for (int i = 0; i < 12; ++i)
            if (t.compare(QLatin1String(namen[i]), Qt::CaseInsensitive) == 0) nummer = i + 1;
        maske |= 1u << nummer;
    }
    if (entwicklung) {
        maske |= 1u << 4;
        if (morvana) maske |= 1u << 10;
    }
    return TLogGroupSet(maske);
}

TLogWriteLevel LogSchreibmomentAusText(const QString& text) {
    static const char* const namen[] = {"never",   "onlyonend", "exception", "error",
                                        "warning", "info",      "detail",    "always"};
    const QString t = text.trimmed();
    for (int i = 0; i < 8; ++i)
        if (t.compare(QLatin1String(namen[i]), Qt::CaseInsensitive) == 0)
            return TLogWriteLevel(i + 1);
    return tLogWriteNoDef;
}

// ---- TGlobalData ----

TGlobalData::TGlobalData() {
    if (!gDurchInstance) {
        const QString text = QStringLiteral("Access class TGlobalData through Instance only");
        LogException(text);
        throw std::logic_error(text.toStdString());
    }
}

TGlobalData::~TGlobalData() = default;

TGlobalData& TGlobalData::Instance() {
    if (!gInstanz) {
        gDurchInstance = true;
        std::unique_ptr<TGlobalData> neu;
        try {
            neu.reset(new TGlobalData());
        } catch (...) {
            gDurchInstance = false;
            throw;
        }
        gDurchInstance = false;
        neu->CreateInstance();
        gInstanz = neu.release();
    }
    return *gInstanz;
}

bool TGlobalData::IsInstance() {
    return gInstanz != nullptr;
}

void TGlobalData::ReleaseInstance() {
    TGlobalData* g = gInstanz;
    if (!g) return;
    gInstanz = nullptr;
    try {
        for (auto* p : {&g->FMainIni, &g->FPCIni, &g->FProgIni, &g->FGlobalIni, &g->FInUseIni,
                        &g->FUserIni, &g->FDruckerIni, &g->FUpdateInf})
            p->reset();
        delete g;
    } catch (const std::exception& e) {
        LogException(QStringLiteral("Fehler beim Freigeben der INI-Dateien"));
        throw std::runtime_error(std::string("Fehler beim Freigeben der INI-Dateien: ") + e.what());
    }
}

[[noreturn]] void TGlobalData::startFehler(int code, const QString& text,
                                           const QString& showStepText) {
    LogException(kCreate + text);
    FExitCode = code;
    if (FShowStep)
        ZeigeMeldung(showStepText.isEmpty() ? QStringLiteral("GlobalData\r\n\r\n") + text
                                            : showStepText);
    throw TGlobalDataFehler(code, text);
}

void TGlobalData::CreateInstance() {
    LogDetail(kCreate + QStringLiteral("Start"));
    FExitCode = 0;
    FTS_Einsatz = System().remoteSitzung();
    if (FTS_Einsatz) LogDetail(kCreate + QStringLiteral("TS_Einsatz = True"));

    const QFileInfo programm(System().programmDatei());
    FProgrammPfad = OhneEndTrenner(programm.absolutePath());
    FProgName = programm.completeBaseName();
    LogSystem(kCreate + QStringLiteral("ProgrammPfad = ") + FProgrammPfad);
    LogSystem(kCreate + QStringLiteral("ProgName = ") + FProgName);

    FUserName.clear();
    FUserGruppe.clear();
    gHilfeDatei.clear();

    DatInfoFuellen();

    Formateinstellungen& f = ProgrammFormate();
    f.kurzesDatumsFormat = QStringLiteral("dd.mm.yyyy");
    f.datumsTrenner = QLatin1Char('.');
    f.zeitTrenner = QLatin1Char(':');

    ReadParam();

    const int ppi = System().pixelsProZoll();
    FGrosseWindowsSchriften = ppi > 110;
    FWindowsSkalierung = ppi <= 96 || ppi > 120;
    LogDetail(kCreate + QStringLiteral("PixelsPerInch=") + QString::number(ppi));
    LogDetail(kCreate + QStringLiteral("Ende"));
}

void TGlobalData::DatInfoFuellen() {
    const QString datei = System().programmDatei();
    const QFileInfo info(datei);
    if (!info.exists()) return;
    FDat_Info = TFileInfo{};
    FDat_Info.FileDatum = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    FDat_Info.NameDerDatei = info.fileName();
    if (const auto v = System().versionsRessource(datei)) {
        FDat_Info.DateiVersion =
            QStringLiteral("%1.%2.%3.%4").arg(v->haupt).arg(v->neben).arg(v->release).arg(v->build);
        FDat_Info.HauptVersion = v->haupt;
        FDat_Info.NebenVersion = v->neben;
        FDat_Info.Release = v->release;
        FDat_Info.CompileZahl = v->build;
        FDat_Info.TestVersion = v->debug;
        FDat_Info.PrivatVersion = v->privat;
        FDat_Info.FirmenName = v->firmenName;
        FDat_Info.Beschreibung = v->beschreibung;
        FDat_Info.InternerName = v->internerName;
        FDat_Info.ProduktName = v->produktName;
        FDat_Info.ProduktVersion = v->produktVersion;
    }
    FDat_Info.FileDatum = info.lastModified();
}

QString TGlobalData::VersionsString() const {
    return QString::number(FDat_Info.HauptVersion) + QLatin1Char('.') +
           QString::number(FDat_Info.NebenVersion) + QStringLiteral(" Release: ") +
           QString::number(FDat_Info.Release) + QStringLiteral(" <") + FDat_Info.DateiVersion +
           QLatin1Char('>');
}

// A root from the main settings file: "\" as "/", no trailing separator;
// "~" stands for the user's home folder and a relative root lies below the
// folder of the main settings file.
QString TGlobalData::wurzel(const QString& wert) const {
    QString p = OhneEndTrenner(MitSchraegstrich(wert.trimmed()));
    if (p.isEmpty()) return p;
    if (p == QLatin1String("~") || p.startsWith(QLatin1String("~/")))
        p = QDir::homePath() + p.mid(1);
    else if (!QDir::isAbsolutePath(p))
        p = FMainIniPfad + QLatin1Char('/') + p;
    return OhneEndTrenner(PfadOhneGrossKlein(QDir::cleanPath(p)));
}

void TGlobalData::ReadParam() {
    LogInfo(kCreate + QStringLiteral("ReadParam"));
    QDir::setCurrent(FProgrammPfad);

    FMainIniPfad = HauptIniOrdner(FProgrammPfad);
    if (FMainIniPfad.isEmpty()) {
        LogException(kCreate + QStringLiteral("Kelvanta.INI nicht gefunden"));
        FExitCode = -8001;
        return;
    }
    IniDatei& haupt = MainIni();

    FShowStep = haupt.ReadBool(kStandards, QStringLiteral("ShowStep"), false);
    FEntwicklung = haupt.ReadBool(kStandards, QStringLiteral("Entwicklung"), false);
    if (FEntwicklung) LogDetail(kCreate + QStringLiteral("Entwicklung = True"));

    const QString datenRootWert = FTS_Einsatz
                                      ? haupt.ReadString(kOrdner, QStringLiteral("WTS_DatenRoot"))
                                      : haupt.ReadString(kOrdner, QStringLiteral("DatenRoot"));
    FProgrammRoot = wurzel(haupt.ReadString(kOrdner, QStringLiteral("ProgrammRoot")));
    FDatenRoot = wurzel(datenRootWert);

    if (FTS_Einsatz) {
        FProgrammRoot =
            PfadOhneGrossKlein(QDir::cleanPath(FProgrammPfad + QStringLiteral("/../..")));
        if (FDatenRoot.isEmpty()) FDatenRoot = FProgrammRoot;
        const auto benutzer = System().benutzerName();
        if (!benutzer) {
            FExitCode = -8002;
            const QString text =
                QStringLiteral("Windows-Anmelde-Name kann nicht gefunden werden.\r\n") +
                QStringLiteral("Windows-Anmelde-Name kann nicht gefunden werden.\n\rAbbruch!") +
                QStringLiteral(" Abbruch!");
            startFehler(-8003, text,
                        QStringLiteral("GlobalData\r\n\r\nWindows-Anmelde-Name kann nicht "
                                       "gefunden werden. Die Anwendung wird beendet"));
        }
        if (benutzer->size() > kMaxNamenLaenge) {
            const QString text =
                QStringLiteral("Windows-Anmelde-Name kann nicht gefunden werden.\r\n") +
                QStringLiteral("LeseMaschinenBenutzer: NameSize zu klein (max:") +
                QString::number(kMaxNamenLaenge) + QStringLiteral("; aktuell: ") +
                QString::number(benutzer->size()) + QStringLiteral(")") +
                QStringLiteral(" Abbruch!");
            startFehler(-8003, text,
                        QStringLiteral("GlobalData\r\n\r\n ") + text +
                            QStringLiteral("\r\n\r\nDie Anwendung wird beendet"));
        }
        FWinBenutzer = *benutzer;
        LogDetail(kCreate + QStringLiteral("Windows User:") + FWinBenutzer);
    }

    LogSystem(kCreate + QStringLiteral("ProgrammRoot = ") + FProgrammRoot);
    LogSystem(kCreate + QStringLiteral("DatenRoot = ") + FDatenRoot);
    if (FShowStep)
        ZeigeMeldung(QStringLiteral("GlobalData\rDatenRoot: ") + FDatenRoot +
                     QStringLiteral("\rProgrammRoot: ") + FProgrammRoot);

    // A data root in the user's home folder belongs to this user alone and
    // is prepared on the first start.
    const QString dw = datenRootWert.trimmed();
    if (!FDatenRoot.isEmpty() && (dw == QLatin1String("~") || dw.startsWith(QLatin1String("~/")) ||
                                  dw.startsWith(QLatin1String("~\\"))))
        OrdnerAnlegen(FDatenRoot);

    if (FProgrammRoot.isEmpty() || FDatenRoot.isEmpty() || !OrdnerExistiert(FProgrammRoot) ||
        !OrdnerExistiert(FDatenRoot))
        startFehler(-8004, QStringLiteral("Das Programm ist in ") + FProgrammRoot +
                               QStringLiteral(",\n\r") + QStringLiteral("die Daten in ") +
                               FDatenRoot + QStringLiteral(" installiert\n\r") +
                               QStringLiteral("Möglicherweise ist eine Netzwerkverbindung nicht "
                                              "verfügbar\n\r") +
                               QStringLiteral("Abbruch!"));

    const QString hilfe = haupt.ReadString(kOrdner, QStringLiteral("HilfePfad"));
    FHilfePfad = hilfe.trimmed().isEmpty() ? FProgrammRoot + QStringLiteral("/Hilfe")
                                           : OhneEndTrenner(MitSchraegstrich(hilfe.trimmed()));

    if (System().registrySchreiben(FDatenRoot, QStringLiteral("Software\\Kelvanta\\"),
                                   {{QStringLiteral("ProgrammRoot"), FProgrammRoot},
                                    {QStringLiteral("DatenRoot"), FDatenRoot}}) ==
        SystemSchicht::RegistryErgebnis::Fehlgeschlagen)
        startFehler(-8005, QStringLiteral("Schreiben von \"ProgrammRoot\" und \"DatenRoot\" in die "
                                          "Registry ist gescheitert"));

    // Log configuration, in the order the logger expects it.
    const QString level =
        haupt.ReadString(kStandards, QStringLiteral("LogLevel"), QStringLiteral("Error"));
    LogLevelSetzen(LogLevelAusText(level.trimmed().toStdString()));
    const QString gruppen = haupt.ReadString(kStandards, QStringLiteral("LogGroup"),
                                             QStringLiteral("Entwicklung, DLL, Calc, CLC"));
    LogGruppenSetzen(LogGruppenAusText(gruppen, FEntwicklung, false));
    const QString format = haupt.ReadString(kStandards, QStringLiteral("LogAdd"),
                                            QStringLiteral("- DD.mm.yyyy hh.nn.ss.zzz -"));
    LogFormatSetzen(format.toStdString());
    const QString schreiben =
        haupt.ReadString(kStandards, QStringLiteral("LogWriteOn"), QStringLiteral("Detail"));
    LogSchreibmomentSetzen(LogSchreibmomentAusText(schreiben));
    const bool thread = haupt.ReadBool(kStandards, QStringLiteral("LogThreadWrite"), false);
    if (thread) {
        LogThreadSchreiben(true);
        LogDetail(kCreate + QStringLiteral("Log ThreadWrite : True"));
    }
    LogDetail(kCreate + QStringLiteral("Log LogLevel : ") + level);
    LogDetail(kCreate + QStringLiteral("Log Gruppe : ") + gruppen);
    LogDetail(kCreate + QStringLiteral("Log AddOnFormat : ") + format);
    LogDetail(kCreate + QStringLiteral("Log WriteTo : ") + schreiben);

    FMorvanaVersion = haupt.ReadBool(QStringLiteral("Version"), QStringLiteral("Morvana"), false);
    if (FMorvanaVersion) {
        LogDetail(kCreate + QStringLiteral("MorvanaVersion = True"));
        // The partner-brand bit needs the variant, which is known only now.
        if (FEntwicklung) LogGruppenSetzen(LogGruppenAusText(gruppen, true, true));
    }

    FMehrfachStart = FMorvanaVersion;
    if (haupt.ReadBool(kStandards, QStringLiteral("MehrfachStart"), false)) FMehrfachStart = true;
    if (haupt.ReadBool(kStandards, QStringLiteral("kein_MehrfachStart"), false))
        FMehrfachStart = false;
    if (FMehrfachStart) LogDetail(kCreate + QStringLiteral("MehrfachStart = True"));

    QString stamm =
        MitSchraegstrich(haupt.ReadString(kStandards, QStringLiteral("StammDaten")).trimmed());
    if (!stamm.isEmpty() && !stamm.startsWith(QLatin1Char('/'))) stamm.prepend(QLatin1Char('/'));
    FStammdatenPfad = OhneEndTrenner(PfadOhneGrossKlein(FDatenRoot + stamm));
    if (!OrdnerExistiert(FStammdatenPfad))
        startFehler(-8006, QStringLiteral("Der Stammdaten-Ordner existiert nicht:\n\r") +
                               FStammdatenPfad + QStringLiteral("\n\r") +
                               QStringLiteral("Abbruch!"));

    QString rechner;
    try {
        const auto name = System().computerName();
        rechner = name ? *name : QStringLiteral("Standard");
        if (rechner.size() > kMaxNamenLaenge)
            throw std::runtime_error(
                ("LeseMaschinenName: NameSize zu klein (max:" + std::to_string(kMaxNamenLaenge) +
                 "; aktuell: " + std::to_string(rechner.size()) + ")"));
    } catch (const std::exception& e) {
        const QString text = QStringLiteral("Lese MaschinenName gescheitert.\r\n") +
                             QString::fromUtf8(e.what()) + QStringLiteral(" Abbruch!");
        startFehler(-8003, text,
                    QStringLiteral("GlobalData\r\n\r\n ") + text +
                        QStringLiteral("\r\n\r\nDie Anwendung wird beendet"));
    }
    FArbeitsplatz = ArbeitsplatzName(rechner);
    FArbeitsplatzPfad = QStringLiteral("/Stamm/PCs/") +
                        (FTS_Einsatz ? ArbeitsplatzName(FWinBenutzer) : FArbeitsplatz);
    OrdnerAnlegen(FDatenRoot + FArbeitsplatzPfad);
    LogSystem(kCreate + QStringLiteral("ArbeitsplatzPfad = ") + FArbeitsplatzPfad);
    if (FShowStep)
        ZeigeMeldung(QStringLiteral("GlobalData\r\n\r\nArbeitsplatzPfad: ") + FArbeitsplatzPfad);

    const QString dll =
        MitSchraegstrich(haupt.ReadString(kStandards, QStringLiteral("DLL")).trimmed());
    FGlobalDatPfad = OhneEndTrenner(FProgrammRoot + dll);
    FUpdatePfad = FDatenRoot + QStringLiteral("/Stamm/Update");
    ordnerAnlegenMitMeldung(FUpdatePfad);
    LogDetail(kCreate + QStringLiteral("GlobalDatPfad = ") + FGlobalDatPfad);
    LogDetail(kCreate + QStringLiteral("UpdatePfad = ") + FUpdatePfad);

    if (LogAktiv()) {
        const QString logOrdner = FDatenRoot + FArbeitsplatzPfad + QStringLiteral("/Log/");
        QString datei;
        try {
            ordnerAnlegenMitMeldung(OhneEndTrenner(logOrdner));
            if ((FEntwicklung && FMehrfachStart) ||
                haupt.ReadBool(kStandards, QStringLiteral("Log_Session"), false))
                datei = FProgName + QStringLiteral("_Protokoll_") +
                        QString::number(System().laufKennung(), 16).toUpper() +
                        QStringLiteral(".Log");
            else
                datei = FProgName + QStringLiteral("_Protokoll.Log");
            FLogDateiName = PfadOhneGrossKlein(logOrdner) + datei;
            if (!FLogDateiName.contains(QLatin1Char('/'))) FLogDateiName = logOrdner + datei;
            LogDateiSetzen(FLogDateiName.toStdString());
            LogSystem(kCreate + QStringLiteral("Log Path : -------> ") + FLogDateiName +
                      QStringLiteral(" <------"));
            if (FShowStep)
                ZeigeMeldung(QStringLiteral("GlobalData\r\n\r\nLog Path : ") + FLogDateiName +
                             QStringLiteral("\r\n\r\nJetzt wird in das LogFile geschrieben,\r\n"
                                            "weitere Infos sind dort zu entnehmen"));
        } catch (const std::exception& e) {
            const QString text = QStringLiteral("Exception Log Path : ") + logOrdner + datei +
                                 QStringLiteral("\r\n") + QString::fromUtf8(e.what());
            LogException(kCreate + text);
            if (FShowStep) ZeigeMeldung(text);
        }
    }

    if (haupt.ReadInteger(kStandards, QStringLiteral("ReportMemoryLeaksOnShutdown"), 0) != 0)
        LogDetail(kCreate + QStringLiteral("ReportMemoryLeaksOnShutdown = True"));

    if (FTS_Einsatz &&
        haupt.ReadString(QStringLiteral("PDF"), QStringLiteral("atWork")) == FArbeitsplatzPfad)
        haupt.DeleteKey(QStringLiteral("PDF"), QStringLiteral("atWork"));
}

IniDatei& TGlobalData::ini(std::unique_ptr<IniDatei>& objekt, const char* name,
                           const QString& ordner, const QString& datei) {
    if (!objekt) {
        objekt = std::make_unique<IniDatei>(
            ordner.isEmpty() ? QString() : OhneEndTrenner(ordner) + QLatin1Char('/') + datei);
        LogDetail(QString::fromLatin1(name) + QStringLiteral(" initialisiert"));
    }
    return *objekt;
}

IniDatei& TGlobalData::MainIni() {
    return ini(FMainIni, "MainIni", FMainIniPfad, QStringLiteral("Kelvanta.INI"));
}
IniDatei& TGlobalData::PCIni() {
    return ini(FPCIni, "PCIni", FDatenRoot.isEmpty() ? QString() : FDatenRoot + FArbeitsplatzPfad,
               QStringLiteral("PC.INI"));
}
IniDatei& TGlobalData::ProgIni() {
    return ini(FProgIni, "ProgIni", FProgrammPfad, FProgName + QStringLiteral(".Ini"));
}
IniDatei& TGlobalData::GlobalIni() {
    return ini(FGlobalIni, "GlobalIni",
               FDatenRoot.isEmpty() ? QString() : FDatenRoot + QStringLiteral("/Stamm/PCs"),
               QStringLiteral("Global.INI"));
}
IniDatei& TGlobalData::InUseIni() {
    return ini(FInUseIni, "InUseIni",
               FDatenRoot.isEmpty() ? QString() : FDatenRoot + FArbeitsplatzPfad,
               QStringLiteral("inUse.INI"));
}
IniDatei& TGlobalData::UserIni() {
    const QString ordner =
        FDatenRoot.isEmpty() ? QString() : FDatenRoot + QStringLiteral("/Stamm/User");
    if (!FUserIni && !ordner.isEmpty()) OrdnerAnlegen(ordner);
    return ini(FUserIni, "UserIni", ordner, QStringLiteral("User.INI"));
}
IniDatei& TGlobalData::DruckerIni() {
    return ini(FDruckerIni, "DruckerIni",
               FDatenRoot.isEmpty() ? QString() : FDatenRoot + FArbeitsplatzPfad,
               QStringLiteral("Drucker.INI"));
}
IniDatei& TGlobalData::UpdateInf() {
    return ini(FUpdateInf, "UpdateInf", FUpdatePfad, QStringLiteral("Version.inf"));
}

void TGlobalData::SetHelpFile(const QString& xHelpDatName) {
    if (xHelpDatName.isEmpty()) return;
    LogInfo(QStringLiteral("SetHelpFile -> Die Hilfedatei <") + xHelpDatName +
            QStringLiteral("> der Anwendung zuweisen - Start"));
    const QString name = MitSchraegstrich(xHelpDatName);
    // A drive letter (or, here, a leading "/") makes it a full path.
    QString pfad =
        (name.size() > 1 && name[1] == QLatin1Char(':')) || name.startsWith(QLatin1Char('/'))
            ? name
            : FProgrammRoot + QStringLiteral("/Hilfe/") + name;
    if (FMorvanaVersion) {
        const QString mv = System().programmeOrdner() + QStringLiteral("/MVHilfe/SHilfe");
        if (OrdnerExistiert(mv))
            pfad = PfadOhneGrossKlein(mv) + QLatin1Char('/') + QFileInfo(pfad).fileName();
    }
    if (DateiExistiert(pfad)) {
        gHilfeDatei = PfadOhneGrossKlein(pfad);
        LogDetail(QStringLiteral("SetHelpFile -> Zuweisen der Hilfedatei: ") + gHilfeDatei);
    } else if (!FMorvanaVersion) {
        LogError(QStringLiteral("SetHelpFile -> Die Hilfedatei wurde nicht gefunden"));
    }
    LogInfo(QStringLiteral("SetHelpFile -> Ende"));
}

} // namespace brenvik
