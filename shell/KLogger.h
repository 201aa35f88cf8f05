#pragma once
// Program-wide log: lines with level and group, filtered, prefixed, kept in
// memory and mirrored into one file, optionally through a writer thread.
// Used from the GUI thread only; the writer thread shares just its queue and
// the file.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace brenvik {

enum TLogLevelType : int {
    tLogTypNoDef,
    tLogTypSystem,
    tLogTypException,
    tLogTypError,
    tLogTypWarning,
    tLogTypInfo,
    tLogTypDetail,
    tLogTypEventSystem,
    tLogTypEventInfo,
    tLogTypEventDetail,
    tLogTypEventWinMess
};

enum TLogGroup : int {
    tLogGrNoDef,
    tlogGrDef,
    tlogGrInit,
    tlogGrErfassung,
    tLogGrDB,
    tLogGrDLL,
    tLogGrCalc,
    tLogGrDruck,
    tLogGrCLC,
    tLogGrERiC,
    tLogGrMV,
    tLogGrText,
    tLogGrFree
};

enum TLogWriteLevel : int {
    tLogWriteNoDef,
    tLogWriteNever,
    tLogWriteOnlyOnEnd,
    tLogWriteOnException,
    tLogWriteOnError,
    tLogWriteOnWarning,
    tLogWriteOnInfo,
    tLogWriteOnDetail,
    tLogWriteAlways
};

// Bit n stands for the group of ordinal n.
using TLogGroupSet = std::uint16_t;

std::string LogLevelText(int level);
// "system" ... "eventwinmess" in any case; anything else tLogTypNoDef.
TLogLevelType LogLevelAusText(std::string_view text);
std::string LogGroupText(int gruppe);
std::string LogWriteLevelText(int schreibmoment);

// A handler, identified by its owner so that it can be removed again.
struct TAddLogEvent {
    const void* besitzer = nullptr;
    std::function<void(const std::string& LogText)> aufruf;
};
struct TAddLogLevelEvent {
    const void* besitzer = nullptr;
    std::function<void(TLogLevelType LogLoglevel)> aufruf;
};

class ILogger {
public:
    virtual ~ILogger() = default;
    virtual std::string GetLogFile() const = 0;
    virtual std::string GetLogPath() const = 0;
    virtual std::string GetAddOnFormat() const = 0;
    virtual bool GetSendMessZentral() const = 0;
    virtual TLogLevelType GetLogLevel() const = 0;
    virtual TLogGroupSet GetLogGroup() const = 0;
    virtual std::string GetLogLevelText() const = 0;
    virtual TAddLogEvent GetOnLogChange() const = 0;
    virtual TAddLogLevelEvent GetOnLogLevelChange() const = 0;
    virtual TAddLogEvent GetOnRemoveLogChange() const = 0;
    virtual TAddLogLevelEvent GetOnRemoveLogLevelChange() const = 0;
    virtual TLogWriteLevel GetLogWriteLevel() const = 0;
    virtual std::vector<std::string> LogLevelList() const = 0;
    virtual std::vector<std::string> LogList() const = 0;
    virtual void SetSendMessZentral(bool wert) = 0;
    virtual void SetLogFile(const std::string& name) = 0;
    virtual void SetLogPath(const std::string& ordner) = 0;
    virtual void SetAddOnFormat(const std::string& format) = 0;
    virtual void SetLogLevel(TLogLevelType level) = 0;
    virtual void SetLogGroup(TLogGroupSet maske) = 0;
    virtual void SetLogWriteLevel(TLogWriteLevel schreibmoment) = 0;
    virtual void SetOnLogChange(const TAddLogEvent& handler) = 0;
    virtual void SetOnLogLevelChange(const TAddLogLevelEvent& handler) = 0;
    virtual void SetOnRemoveLogChange(const TAddLogEvent& handler) = 0;
    virtual void SetOnRemoveLogLevelChange(const TAddLogLevelEvent& handler) = 0;
    virtual void AddLogGroup(int gruppe) = 0;
    virtual void RemoveLogGroup(int gruppe) = 0;
    virtual void Write(TLogLevelType level, const std::string& text, int gruppe = tlogGrDef) = 0;
    virtual void WriteEventDetail(const std::string& text) = 0;
    virtual void WriteEventInfo(const std::string& text) = 0;
    virtual void WriteEventSystem(const std::string& text) = 0;
    virtual void WriteEventWinMessage(const std::string& text) = 0;
    virtual void ClearFile() = 0;
};

class TLogWriteThreads;

class TLogger final : public ILogger {
public:
    // Fails with "Access class TLogger through Instance only".
    TLogger();
    ~TLogger() override;
    TLogger(const TLogger&) = delete;
    TLogger& operator=(const TLogger&) = delete;

    static TLogger& Instance();
    static bool IsInstance();
    // Writes the closing line and the pending lines, then destroys the
    // logger; in thread mode every handed-over line is in the file afterwards.
    static void ReleaseInstance();

    void StarterLog(const std::string& text);
    bool GetThreadFileSave() const { return FThreadFileSave; }
    void SetThreadFileSave(bool wert);

    std::string GetLogFile() const override { return FLogFile; }
    std::string GetLogPath() const override { return FLogPfad; }
    std::string GetAddOnFormat() const override { return FAddOnFormat; }
    bool GetSendMessZentral() const override { return FSendMess; }
    TLogLevelType GetLogLevel() const override { return FLogLevel; }
    TLogGroupSet GetLogGroup() const override { return FLogGroup; }
    std::string GetLogLevelText() const override { return LogLevelText(FLogLevel); }
    TAddLogEvent GetOnLogChange() const override { return {}; }
    TAddLogLevelEvent GetOnLogLevelChange() const override { return {}; }
    TAddLogEvent GetOnRemoveLogChange() const override { return {}; }
    TAddLogLevelEvent GetOnRemoveLogLevelChange() const override { return {}; }
    TLogWriteLevel GetLogWriteLevel() const override { return FLogWriteLevel; }
    std::vector<std::string> LogLevelList() const override { return FLogLevelList; }
    std::vector<std::string> LogList() const override;
    void SetSendMessZentral(bool wert) override { FSendMess = wert; }
    void SetLogFile(const std::string& name) override;
    void SetLogPath(const std::string& ordner) override;
    void SetAddOnFormat(const std::string& format) override;
    void SetLogLevel(TLogLevelType level) override;
    void SetLogGroup(TLogGroupSet maske) override { FLogGroup = maske; }
    void SetLogWriteLevel(TLogWriteLevel schreibmoment) override;
    void SetOnLogChange(const TAddLogEvent& handler) override;
    void SetOnLogLevelChange(const TAddLogLevelEvent& handler) override;
    void SetOnRemoveLogChange(const TAddLogEvent& handler) override;
    void SetOnRemoveLogLevelChange(const TAddLogLevelEvent& handler) override;
    void AddLogGroup(int gruppe) override;
    void RemoveLogGroup(int gruppe) override;
    void Write(TLogLevelType level, const std::string& text, int gruppe = tlogGrDef) override;
    void WriteEventDetail(const std::string& text) override;
    void WriteEventInfo(const std::string& text) override;
    void WriteEventSystem(const std::string& text) override;
    void WriteEventWinMessage(const std::string& text) override;
    void ClearFile() override;

    // Full path of the log file.
    std::string LogDatei() const { return FLogPfad + FLogFile; }

private:
    std::string zeileBilden(TLogLevelType level, const std::string& text, int gruppe) const;
    void melden(const std::string& zeile);
    void konfigurationsZeile(const std::string& zeile);
    void speichern();
    void schreiben(TLogLevelType level);
    void threadAnlegen();

    bool FSendMess = false;
    bool FIsDll = false;
    bool FLogMustWriteOnEnd = false;
    bool FLogCanWrite = false;
    bool FClearFile = true;
    TLogGroupSet FLogGroup;
    std::vector<TAddLogEvent> FLogEvent;
    std::string FLogFile = "Protokoll.LOG";
    std::string FLogPfad;
    TLogLevelType FLogLevel = tLogTypDetail;
    std::vector<TAddLogLevelEvent> FLogLevelEvent;
    std::vector<std::string> FLogLevelList;
    std::vector<std::string> FLogList;
    // How many lines of FLogList the file holds since the last save.
    std::size_t FLogListGespeichert = 0;
    TLogWriteLevel FLogWriteLevel = tLogWriteNever;
    bool FHasAddOnFormat = true;
    std::string FAddOnFormat = "- DD.mm.yyyy hh.nn.ss.zzz -";
    std::unique_ptr<TLogWriteThreads> FWriteThreads;
    std::vector<std::string> FWriteQueue;
    bool FThreadFileSave = false;
};

// ---- Free procedures used throughout the program ----

// Text of a log call: anything string-like, QString included.
struct LogText {
    std::string s;
    LogText(const char* t) : s(t ? t : "") {}
    LogText(std::string t) : s(std::move(t)) {}
    LogText(std::string_view t) : s(t) {}
    template <class Q, class = decltype(std::declval<const Q&>().toStdString()),
              class = std::enable_if_t<!std::is_convertible_v<const Q&, std::string>>>
    LogText(const Q& q) : s(q.toStdString()) {}
};

// Where a log call comes from: a named control, another object or an error.
struct LogQuelle {
    std::string name;
    std::string meldung;
    bool istFehler = false;

    LogQuelle() = default;
    LogQuelle(std::nullptr_t) {}
    LogQuelle(const std::exception& e);
    // Any QObject: a widget by its object name, anything else by class name.
    template <class T, class = decltype(std::declval<const T*>()->metaObject())>
    LogQuelle(const T* o) {
        if (!o) return;
        if (o->isWidgetType() && !o->objectName().isEmpty())
            name = o->objectName().toStdString();
        else
            name = o->metaObject()->className();
    }
    static LogQuelle Name(std::string n) {
        LogQuelle q;
        q.name = std::move(n);
        return q;
    }
};

// Logging enabled ("LogEnable" of the main settings file).
bool LogAktiv();
void LogAktivSetzen(bool aktiv);
// The attached logger, or nullptr.
ILogger* Logger();

void LogSystem(const LogText& text, const LogQuelle& quelle = {}, int gruppe = tlogGrDef);
void LogException(const LogText& text, const LogQuelle& quelle = {}, int gruppe = tlogGrDef);
void LogError(const LogText& text, const LogQuelle& quelle = {}, int gruppe = tlogGrDef);
void LogWarning(const LogText& text, const LogQuelle& quelle = {}, int gruppe = tlogGrDef);
void LogInfo(const LogText& text, const LogQuelle& quelle = {}, int gruppe = tlogGrDef);
void LogDetail(const LogText& text, const LogQuelle& quelle = {}, int gruppe = tlogGrDef);

void LogLevelSetzen(TLogLevelType level);
void LogGruppenSetzen(TLogGroupSet maske);
void LogFormatSetzen(const std::string& format);
void LogSchreibmomentSetzen(TLogWriteLevel schreibmoment);
void LogDateiSetzen(const std::string& datei);
void LogThreadSchreiben(bool ein);
bool LogDetailAktiv();

} // namespace brenvik
