#include "datafile/periodicsync.h"

#include <utility>

#include "datafile/savefile.h"

PeriodicSync::PeriodicSync(std::chrono::milliseconds interval)
    : interval_(interval), thread_([this] { run(); }) {}

PeriodicSync::~PeriodicSync() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void PeriodicSync::replaced(const QString& path) {
    {
        const std::lock_guard lock(mutex_);
        pending_ = path;
    }
    wake_.notify_one();
}

void PeriodicSync::forget() {
    const std::lock_guard lock(mutex_);
    pending_.reset();
}

void PeriodicSync::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_; });
        if (stopping_) return;
        // A file replaced soon after a flush waits for the rest of the interval.
        if (wake_.wait_until(lock, lastFlush_ + interval_, [this] { return stopping_; })) return;
        if (!pending_) continue;
        const QString path = *std::exchange(pending_, std::nullopt);
        lock.unlock();
        SyncToDisk(path);
        lock.lock();
        lastFlush_ = std::chrono::steady_clock::now();
    }
}
