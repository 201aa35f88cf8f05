#pragma once
// Writer thread of the logger: takes lines in batches from the GUI thread and
// appends them to the log file. Queue and file are guarded by one lock, which
// both sides take by trying and waiting a few milliseconds between tries.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace brenvik {

class TLogWriteThreads {
public:
    // Starts the thread at once and sets its file.
    explicit TLogWriteThreads(const std::string& logDatei);
    // Stops the thread after it has written every queued line.
    ~TLogWriteThreads();
    TLogWriteThreads(const TLogWriteThreads&) = delete;
    TLogWriteThreads& operator=(const TLogWriteThreads&) = delete;

    // Full path; the file is created (with its folder) if it does not exist.
    void SetLogFile(const std::string& logDatei);
    // Moves the lines into the queue in order; `zeilen` is empty afterwards.
    void Uebergeben(std::vector<std::string>& zeilen);
    // The file's content followed by the lines still queued.
    std::vector<std::string> Ansicht();
    // Deletes the file (the queue stays).
    void DateiLoeschen();

private:
    void Ausfuehren();
    void Schreiben();
    // Try-and-wait locking.
    std::unique_lock<std::mutex> Sperren(std::chrono::milliseconds warten);

    std::mutex FLock; // queue and file
    std::string FLogFile, FFileName, FPath;
    std::deque<std::string> Fqueue;
    std::vector<std::string> FLogList;

    std::atomic<bool> FStop{false};
    std::mutex FWeckerLock; // only for the 100 ms sleep
    std::condition_variable FWecker;
    std::thread FThread;
};

} // namespace brenvik
