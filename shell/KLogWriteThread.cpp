#include "KLogWriteThread.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace brenvik {

namespace fs = std::filesystem;

namespace {
constexpr std::chrono::milliseconds kWartenUebergabe{10};
constexpr std::chrono::milliseconds kWartenSonst{5};
constexpr std::chrono::milliseconds kRuhe{100};

void prioritaetSenken() {
    // "Lower" priority: one nice step below the process.
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    errno = 0;
    const int jetzt = getpriority(PRIO_PROCESS, tid);
    if (errno == 0) setpriority(PRIO_PROCESS, tid, jetzt + 1);
}

void dateiAnlegen(const std::string& datei) {
    std::error_code fehler;
    const fs::path p(datei);
    if (fs::exists(p, fehler)) return;
    if (p.has_parent_path()) fs::create_directories(p.parent_path(), fehler);
    std::ofstream(p, std::ios::app);
}
} // namespace

TLogWriteThreads::TLogWriteThreads(const std::string& logDatei) {
    FThread = std::thread([this] { Ausfuehren(); });
    SetLogFile(logDatei);
}

TLogWriteThreads::~TLogWriteThreads() {
    {
        std::lock_guard<std::mutex> l(FWeckerLock);
        FStop = true;
    }
    FWecker.notify_all();
    if (FThread.joinable()) FThread.join();
}

std::unique_lock<std::mutex> TLogWriteThreads::Sperren(std::chrono::milliseconds warten) {
    std::unique_lock<std::mutex> l(FLock, std::defer_lock);
    while (!l.try_lock())
        std::this_thread::sleep_for(warten);
    return l;
}

void TLogWriteThreads::SetLogFile(const std::string& logDatei) {
    auto l = Sperren(kWartenUebergabe);
    const fs::path p(logDatei);
    FLogFile = logDatei;
    FFileName = p.filename().string();
    FPath = p.parent_path().string();
    dateiAnlegen(FLogFile);
}

void TLogWriteThreads::Uebergeben(std::vector<std::string>& zeilen) {
    if (zeilen.empty()) return;
    auto l = Sperren(kWartenUebergabe);
    for (std::string& z : zeilen)
        Fqueue.push_back(std::move(z));
    zeilen.clear();
}

std::vector<std::string> TLogWriteThreads::Ansicht() {
    auto l = Sperren(kWartenSonst);
    FLogList.clear();
    std::ifstream ein(FLogFile);
    for (std::string z; std::getline(ein, z);)
        FLogList.push_back(z);
    FLogList.insert(FLogList.end(), Fqueue.begin(), Fqueue.end());
    return FLogList;
}

void TLogWriteThreads::DateiLoeschen() {
    auto l = Sperren(kWartenSonst);
    std::error_code fehler;
    fs::remove(FLogFile, fehler);
}

void TLogWriteThreads::Schreiben() {
    auto l = Sperren(kWartenSonst);
    if (Fqueue.empty()) return;
    dateiAnlegen(FLogFile);
    std::ofstream aus(FLogFile, std::ios::app | std::ios::binary);
    // Lines stay queued until a later round can open the file.
    if (!aus) return;
    std::string block;
    while (!Fqueue.empty()) {
        block += Fqueue.front();
        block += '\n';
        Fqueue.pop_front();
    }
    aus << block;
    aus.flush();
}

void TLogWriteThreads::Ausfuehren() {
    prioritaetSenken();
    try {
        while (!FStop) {
            Schreiben();
            std::unique_lock<std::mutex> l(FWeckerLock);
            FWecker.wait_for(l, kRuhe, [this] { return FStop.load(); });
        }
        // Everything handed over before the stop reaches the file.
        Schreiben();
    } catch (...) {
        // An error ends the thread; the logger's in-memory view stays intact.
    }
}

} // namespace brenvik
