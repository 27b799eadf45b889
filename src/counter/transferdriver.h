#pragma once

#include <QByteArray>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

#include "counter/transferprotocol.h"

class QEventLoop;
class SerialLine;

// How long the counter may stay silent in any wait before the transfer ends.
inline constexpr std::chrono::milliseconds ReplyTimeLimit{10000};
// The counter sends its first chunk only once the operator has turned its switch; this wait is longer.
// Closing the progress window ends it sooner.
inline constexpr std::chrono::milliseconds FirstChunkTimeLimit{60000};
// A quiet moment after the first chunk's characters: far longer than a character at 4800 bit/s, far
// shorter than anything the operator notices.
inline constexpr std::chrono::milliseconds SettleTime{100};

// Runs the transfer phases on an open serial line: the protocol reacts to the line's characters, the
// pacing timer and the time limit, all delivered by the event loop, so a quiet line costs no work.
// Each phase returns when it has ended; the windows stay responsive meanwhile. Every wait has its time
// limit here, where the line is read.
class TransferDriver {
public:
    explicit TransferDriver(SerialLine& line, std::chrono::milliseconds timeLimit = ReplyTimeLimit,
                            std::chrono::milliseconds firstChunkLimit = FirstChunkTimeLimit);
    ~TransferDriver();
    TransferDriver(const TransferDriver&) = delete;
    TransferDriver& operator=(const TransferDriver&) = delete;

    // Called whenever the progress changes.
    std::function<void(const TransferProgress&)> progressed;

    // The receive phase with `intervalMs` before each chunk request; true when every chunk came.
    bool receive(int intervalMs);
    // The write phase with the system-area image; true when every byte was acknowledged.
    bool write(const QByteArray& image);
    // Ends the wait in progress: the phase fails as stopped.
    void stop();

    bool running() const { return protocol_.running(); }
    const std::optional<TransferFailure>& failure() const { return failure_; }
    const TransferProgress& progress() const { return protocol_.progress(); }
    // The chunks received, one after another.
    const QByteArray& dump() const { return protocol_.dump(); }

private:
    using Clock = std::chrono::steady_clock;

    bool lineOpen();
    void armLimit();
    void limitReached();
    bool run(const TransferProtocol::Reaction& first);
    void apply(const TransferProtocol::Reaction& reaction);

    SerialLine& line_;
    std::chrono::milliseconds timeLimit_;
    std::chrono::milliseconds firstChunkLimit_;
    bool awaitingFirstChunk_ = false;  // nothing has come yet in this receive phase
    TransferProtocol protocol_;
    QTimer pacing_;
    QTimer limit_;
    QTimer settle_;
    int interval_ = 0;
    QEventLoop* loop_ = nullptr;
    std::optional<Clock::time_point> deadline_;  // of the wait for characters in progress
    std::optional<TransferFailure> failure_;
    std::optional<TransferProgress> lastReported_;
};
