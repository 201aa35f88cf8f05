#include "KLogger.h"

#include "IniDatei.h"
#include "KLogWriteThread.h"
#include "PfadHilfe.h"
#include "SystemSchicht.h"
#include "ZeitFormat.h"

#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cxxabi.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <typeinfo>

namespace brenvik {

namespace fs = std::filesystem;

namespace {

bool gLogAktiv = true;
ILogger* gLogger = nullptr;
TLogLevelType gLogLevelCache = tLogTypNoDef;
TLogger* gInstanz = nullptr;
bool gDurchInstance = false;
// Files already emptied in this run: each run starts its file anew once.
std::set<std::string> gGeleert;

const char* const kLevelTexte[] = {"Level nicht festgelegt",
                                   "System",
                                   "Exception",
                                   "Error",
                                   "Warning",
                                   "Info",
                                   "Detail",
                                   "EventSystem",
                                   "EventInfo",
                                   "EventDetail",
                                   "EventWinMess"};
const char* const kGruppenTexte[] = {"-",       "Def Group", "Init",  "Erfassung", "DB",
                                     "DLL",     "Calc",      "Druck", "CLC-Zeig",  "ERiC",
                                     "Morvana", "Text",      "Sonst"};
const char* const kSchreibTexte[] = {"",
                                     "Nie schreiben",
                                     "am Ende schreiben",
                                     "bei Exception schreiben",
                                     "bei Error schreiben",
                                     "bei Warning schreiben",
                                     "bei Info schreiben",
                                     "bei Detail schreiben",
                                     "immer schreiben"};

std::string feld9(const std::string& s) {
    std::string r = s.substr(0, 9);
    r.resize(9, ' ');
    return r;
}

std::string klein(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::string praefix(const LogQuelle& q) {
    return q.name.empty() ? std::string() : q.name + " ";
}

std::string programmOrdner() {
    return QFileInfo(System().programmDatei()).absolutePath().toStdString();
}

} // namespace

std::string LogLevelText(int level) {
    if (level >= 0 && level <= tLogTypEventWinMess) return kLevelTexte[level];
    return "LogLevelType " + std::to_string(level) + " nicht definiert";
}

TLogLevelType LogLevelAusText(std::string_view text) {
    static const char* const namen[] = {"system",      "exception",   "error",       "warning",
                                        "info",        "detail",      "eventsystem", "eventinfo",
                                        "eventdetail", "eventwinmess"};
    const std::string k = klein(text);
    for (int i = 0; i < 10; ++i)
        if (k == namen[i]) return TLogLevelType(i + 1);
    return tLogTypNoDef;
}

std::string LogGroupText(int gruppe) {
    if (gruppe >= 0 && gruppe <= tLogGrFree) return kGruppenTexte[gruppe];
    return "Gruppe " + std::to_string(gruppe);
}

std::string LogWriteLevelText(int w) {
    if (w >= 0 && w <= tLogWriteAlways) return kSchreibTexte[w];
    return std::string();
}

LogQuelle::LogQuelle(const std::exception& e) : meldung(e.what()), istFehler(true) {
    int status = 0;
    char* n = abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status);
    name = status == 0 && n ? n : typeid(e).name();
    std::free(n);
}

// ---- TLogger ----

TLogger::TLogger()
    : FLogGroup(TLogGroupSet((1u << tlogGrDef) | (1u << tlogGrInit) | (1u << tlogGrErfassung))) {
    if (!gDurchInstance) throw std::logic_error("Access class TLogger through Instance only");
    FLogPfad = programmOrdner() + "/";
    if (gLogAktiv) Write(tLogTypSystem, "Start Logging", tlogGrDef);
    for (int i = 0; i <= tLogTypEventWinMess; ++i)
        FLogLevelList.push_back(LogLevelText(i));
}

TLogger::~TLogger() = default;

TLogger& TLogger::Instance() {
    if (!gInstanz) {
        bool aktiv = true;
        const QString haupt = HauptIniOrdner(QString::fromStdString(programmOrdner()));
        if (!haupt.isEmpty())
            aktiv = IniDatei(haupt + QLatin1Char('/') + QLatin1String(kHauptIniName))
                        .ReadBool(QStringLiteral("Standards"), QStringLiteral("LogEnable"), true);
        gLogAktiv = aktiv;
        gGeleert.clear();
        gDurchInstance = true;
        try {
            gInstanz = new TLogger();
        } catch (...) {
            gDurchInstance = false;
            throw;
        }
        gDurchInstance = false;
        gLogger = gInstanz;
    }
    return *gInstanz;
}

bool TLogger::IsInstance() {
    return gInstanz != nullptr;
}

void TLogger::ReleaseInstance() {
    TLogger* l = gInstanz;
    if (!l) return;
    try {
        if (gLogAktiv)
            l->Write(tLogTypSystem,
                     "Stopp Logging:" + FormatDateTime("d.m.yyyy hh:nn:ss:zzz", JetztLokal()),
                     tlogGrDef);
        gLogger = nullptr;
        if (gLogAktiv && l->FLogWriteLevel != tLogWriteNever && l->FLogMustWriteOnEnd &&
            l->FLogCanWrite) {
            if (l->FThreadFileSave) {
                l->threadAnlegen();
                if (l->FWriteThreads) l->FWriteThreads->Uebergeben(l->FWriteQueue);
            } else {
                l->speichern();
            }
        }
    } catch (...) {
    }
    gLogger = nullptr;
    gInstanz = nullptr;
    try {
        delete l; // joins the writer thread after its last lines
    } catch (...) {
    }
}

std::string TLogger::zeileBilden(TLogLevelType level, const std::string& text, int gruppe) const {
    std::string z = feld9(LogLevelText(level)) + feld9(LogGroupText(gruppe));
    if (FHasAddOnFormat) z += FormatDateTime(FAddOnFormat, JetztLokal()) + " ";
    return z + text;
}

void TLogger::melden(const std::string& zeile) {
    const auto handler = FLogEvent; // a handler may register or remove others
    for (auto it = handler.rbegin(); it != handler.rend(); ++it)
        it->aufruf(zeile);
}

void TLogger::konfigurationsZeile(const std::string& zeile) {
    (FThreadFileSave ? FWriteQueue : FLogList).push_back(zeile);
    melden(zeile);
}

void TLogger::Write(TLogLevelType level, const std::string& text, int gruppe) {
    if (!gLogAktiv) return;
    if (FLogLevel > tLogTypException) {
        if (level > FLogLevel || gruppe < 0 || gruppe > 15 || !(FLogGroup & (1u << gruppe))) return;
    }
    const std::string zeile = zeileBilden(level, text, gruppe);
    melden(zeile);
    (FThreadFileSave ? FWriteQueue : FLogList).push_back(zeile);

    bool jetzt = true;
    switch (FLogWriteLevel) {
    case tLogWriteNever:
        jetzt = false;
        break;
    case tLogWriteOnException:
        jetzt = level == tLogTypException || level == tLogTypNoDef;
        break;
    case tLogWriteOnError:
        jetzt = level <= tLogTypError;
        break;
    case tLogWriteOnWarning:
        jetzt = level <= tLogTypWarning;
        break;
    case tLogWriteOnInfo:
        jetzt = level <= tLogTypInfo;
        break;
    case tLogWriteOnDetail:
        jetzt = level <= tLogTypDetail;
        break;
    default:
        break;
    }
    if (jetzt) schreiben(level);
}

void TLogger::schreiben(TLogLevelType level) {
    if (level > tLogTypSystem) FLogMustWriteOnEnd = true;
    if (!FLogCanWrite && level != tLogTypException) return;
    if (FClearFile) {
        FClearFile = false;
        if (gGeleert.insert(LogDatei()).second) {
            if (FWriteThreads) {
                FWriteThreads->DateiLoeschen();
            } else {
                std::error_code fehler;
                fs::remove(LogDatei(), fehler);
            }
        }
    }
    try {
        if (FThreadFileSave) {
            threadAnlegen();
            if (FWriteThreads) FWriteThreads->Uebergeben(FWriteQueue);
        } else {
            speichern();
        }
    } catch (...) {
        // The in-memory list keeps every line.
    }
}

void TLogger::speichern() {
    const int letzterFehler = errno;
    {
        std::ofstream aus(LogDatei(), std::ios::trunc | std::ios::binary);
        if (aus) {
            std::string block;
            for (const std::string& z : FLogList) {
                block += z;
                block += '\n';
            }
            aus << block;
            aus.flush();
            if (aus) FLogListGespeichert = FLogList.size();
        }
    }
    errno = letzterFehler;
}

void TLogger::threadAnlegen() {
    if (!FWriteThreads && gLogAktiv) FWriteThreads = std::make_unique<TLogWriteThreads>(LogDatei());
}

std::vector<std::string> TLogger::LogList() const {
    if (!FThreadFileSave) return FLogList;
    std::vector<std::string> r;
    if (FWriteThreads) r = FWriteThreads->Ansicht();
    r.insert(r.end(), FWriteQueue.begin(), FWriteQueue.end());
    return r;
}

void TLogger::SetLogPath(const std::string& ordner) {
    if (ordner.empty()) return;
    std::string p =
        QString::fromStdString(ordner).replace(QLatin1Char('\\'), QLatin1Char('/')).toStdString();
    if (p.back() != '/') p += '/';
    std::error_code fehler;
    if (gLogAktiv && !fs::is_directory(p, fehler)) fs::create_directories(p, fehler);
    if (!fs::is_directory(p, fehler)) return; // the previous folder stays
    FLogPfad = p;
    if (FWriteThreads) FWriteThreads->SetLogFile(LogDatei());
}

void TLogger::SetLogFile(const std::string& name) {
    const fs::path p(
        QString::fromStdString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).toStdString());
    if (p.has_parent_path()) SetLogPath(p.parent_path().string());
    FLogFile = p.filename().string();
    if (!gGeleert.count(LogDatei())) FClearFile = true;
    if (FWriteThreads) FWriteThreads->SetLogFile(LogDatei());
    FLogCanWrite = true;
}

void TLogger::SetAddOnFormat(const std::string& format) {
    FAddOnFormat = format;
    FHasAddOnFormat = !format.empty();
    if (FLogCanWrite) konfigurationsZeile("New AddOnFormat : " + format);
}

void TLogger::SetLogLevel(TLogLevelType level) {
    FLogLevel = level == tLogTypSystem ? tLogTypException : level;
    if (!FLogCanWrite) return;
    konfigurationsZeile("New Level : " + LogLevelText(FLogLevel));
    const auto handler = FLogLevelEvent;
    for (auto it = handler.rbegin(); it != handler.rend(); ++it)
        it->aufruf(FLogLevel);
}

void TLogger::SetLogWriteLevel(TLogWriteLevel schreibmoment) {
    FLogWriteLevel = schreibmoment;
    if (FLogCanWrite) konfigurationsZeile("New Write-Level : " + LogWriteLevelText(schreibmoment));
}

void TLogger::SetOnLogChange(const TAddLogEvent& handler) {
    if (handler.aufruf) FLogEvent.push_back(handler);
}

void TLogger::SetOnLogLevelChange(const TAddLogLevelEvent& handler) {
    if (handler.aufruf) FLogLevelEvent.push_back(handler);
}

void TLogger::SetOnRemoveLogChange(const TAddLogEvent& handler) {
    std::erase_if(FLogEvent, [&](const TAddLogEvent& h) { return h.besitzer == handler.besitzer; });
}

void TLogger::SetOnRemoveLogLevelChange(const TAddLogLevelEvent& handler) {
    std::erase_if(FLogLevelEvent,
                  [&](const TAddLogLevelEvent& h) { return h.besitzer == handler.besitzer; });
}

void TLogger::AddLogGroup(int gruppe) {
    if (gruppe < 0 || gruppe > 15 || (FLogGroup & (1u << gruppe))) return;
    FLogGroup = TLogGroupSet(FLogGroup | (1u << gruppe));
    if (FLogCanWrite) konfigurationsZeile("Add Group : " + LogGroupText(gruppe));
}

void TLogger::RemoveLogGroup(int gruppe) {
    if (gruppe < 0 || gruppe > 15) return;
    FLogGroup = TLogGroupSet(FLogGroup & ~(1u << gruppe));
    if (FLogCanWrite) konfigurationsZeile("Remove Group : " + LogGroupText(gruppe));
}

void TLogger::WriteEventSystem(const std::string& text) {
    if (FLogLevel > 6) konfigurationsZeile("EventSystem " + text);
}
void TLogger::WriteEventInfo(const std::string& text) {
    if (FLogLevel > 7) konfigurationsZeile("EventInfo " + text);
}
void TLogger::WriteEventDetail(const std::string& text) {
    if (FLogLevel > 8) konfigurationsZeile("EventDetail " + text);
}
void TLogger::WriteEventWinMessage(const std::string& text) {
    if (FLogLevel > 9)
        (FThreadFileSave ? FWriteQueue : FLogList).push_back("EventWinMessage " + text);
}

void TLogger::ClearFile() {
    FClearFile = true;
    gGeleert.erase(LogDatei());
}

void TLogger::StarterLog(const std::string& text) {
    Write(tLogTypSystem, "TSystemStarter:" + text, tlogGrInit);
}

void TLogger::SetThreadFileSave(bool wert) {
    if (wert && !FThreadFileSave) {
        // Lines the file does not hold yet go on through the thread.
        const auto ab = std::min(FLogListGespeichert, FLogList.size());
        FWriteQueue.assign(FLogList.begin() + std::ptrdiff_t(ab), FLogList.end());
        FLogList.clear();
        FLogListGespeichert = 0;
        FThreadFileSave = true;
    } else if (!wert && FThreadFileSave) {
        if (FWriteThreads) {
            FWriteThreads->Uebergeben(FWriteQueue);
            FWriteThreads.reset(); // writes the rest, then ends
            // The file mirrors the in-memory list again.
            FLogList.clear();
            std::ifstream ein(LogDatei());
            for (std::string z; std::getline(ein, z);)
                FLogList.push_back(z);
            FLogListGespeichert = FLogList.size();
        } else {
            FLogList = std::move(FWriteQueue);
            FLogListGespeichert = 0;
        }
        FWriteQueue.clear();
        FThreadFileSave = false;
    }
    // Logged after the switch, so that the line goes the new way.
    Write(tLogTypSystem, std::string("ThreadFileSave Change = ") + (wert ? "-1" : "0"), tlogGrDef);
}

// ---- Free procedures ----

bool LogAktiv() {
    return gLogAktiv;
}
void LogAktivSetzen(bool aktiv) {
    gLogAktiv = aktiv;
}
ILogger* Logger() {
    return gLogger;
}

namespace {
bool bereit() {
    return gLogAktiv && gLogger;
}
} // namespace

void LogSystem(const LogText& text, const LogQuelle& quelle, int gruppe) {
    if (bereit()) gLogger->Write(tLogTypSystem, praefix(quelle) + text.s, gruppe);
}

void LogException(const LogText& text, const LogQuelle& quelle, int gruppe) {
    if (!bereit()) return;
    std::string t = text.s;
    if (quelle.istFehler) t += " Message:" + quelle.meldung;
    gLogger->Write(tLogTypException, t, gruppe);
}

void LogError(const LogText& text, const LogQuelle& quelle, int gruppe) {
    if (bereit() && gLogger->GetLogLevel() > tLogTypException)
        gLogger->Write(tLogTypError, praefix(quelle) + text.s, gruppe);
}

void LogWarning(const LogText& text, const LogQuelle& quelle, int gruppe) {
    if (bereit() && gLogger->GetLogLevel() > tLogTypError)
        gLogger->Write(tLogTypWarning, praefix(quelle) + text.s, gruppe);
}

void LogInfo(const LogText& text, const LogQuelle& quelle, int gruppe) {
    if (bereit() && gLogger->GetLogLevel() > tLogTypWarning)
        gLogger->Write(tLogTypInfo, praefix(quelle) + text.s, gruppe);
}

void LogDetail(const LogText& text, const LogQuelle& quelle, int gruppe) {
    if (bereit() && gLogger->GetLogLevel() > tLogTypInfo)
        gLogger->Write(tLogTypDetail, praefix(quelle) + text.s, gruppe);
}

void LogLevelSetzen(TLogLevelType level) {
    gLogLevelCache = level;
    if (gLogger) gLogger->SetLogLevel(level);
}

void LogGruppenSetzen(TLogGroupSet maske) {
    if (gLogger) gLogger->SetLogGroup(maske);
}

void LogFormatSetzen(const std::string& format) {
    if (gLogger) gLogger->SetAddOnFormat(format);
}

void LogSchreibmomentSetzen(TLogWriteLevel schreibmoment) {
    if (gLogger) gLogger->SetLogWriteLevel(schreibmoment);
}

void LogDateiSetzen(const std::string& datei) {
    if (gLogger) gLogger->SetLogFile(datei);
}

void LogThreadSchreiben(bool ein) {
    if (gLogAktiv && TLogger::IsInstance()) TLogger::Instance().SetThreadFileSave(ein);
}

bool LogDetailAktiv() {
    return gLogger && gLogLevelCache > tLogTypInfo;
}

} // namespace brenvik
