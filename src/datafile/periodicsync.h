#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Makes a file that is replaced again and again durable at most once an interval: the version in
// place is flushed to the disk when the interval since the last flush has passed, on a thread of its
// own, so that whoever replaces the file never waits for the disk.
class PeriodicSync {
public:
    explicit PeriodicSync(std::chrono::milliseconds interval);
    // Stops without a last flush.
    ~PeriodicSync();
    PeriodicSync(const PeriodicSync&) = delete;
    PeriodicSync& operator=(const PeriodicSync&) = delete;

    // The file at `path` was replaced: it is flushed within the interval.
    void replaced(const QString& path);
    // The file is gone: nothing is left to flush.
    void forget();

private:
    void run();

    const std::chrono::milliseconds interval_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<QString> pending_;
    std::chrono::steady_clock::time_point lastFlush_{};
    bool stopping_ = false;
    std::thread thread_;
};
