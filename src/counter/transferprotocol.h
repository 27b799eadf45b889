#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

#include "counter/transferfailure.h"
#include "counter/transferprogress.h"

// The PC's side of the exchange with the counter, as a state machine without clock or line of its own.
// It is fed with the characters received, the ticks of the pacing timer and the aborts from outside
// (stop button, time limit, line failure), and answers with what to send and what it waits for next;
// `progress()` says how far it has come.
//
// Receive phase: the counter sends "A" and the first 16-byte chunk as 32 hexadecimal digits by itself;
// after one pacing interval the PC requests each further chunk with "A", 960 chunks in all, and
// acknowledges the last with "A". The counter then waits, so the first chunk is the last thing in the
// line before a quiet moment: characters before it are the rest of an earlier transfer and are skipped.
// Write phase: the counter announces itself with "S"; the PC sends the
// system-area image one byte at a time, each answered with "A".
class TransferProtocol {
public:
    static constexpr int ChunkCount = 960;
    static constexpr int ChunkDigits = 32;
    // Characters a reply may hold: a chunk is 33 at most from a sound counter. More at once is a flood.
    static constexpr int MaxWaiting = 1024;

    enum class Next {
        Same,        // the wait in progress goes on
        Characters,  // a new wait for the counter's characters begins: its time limit starts
        Tick,        // wait for one pacing interval
        Settle,      // wait until the line has been quiet for a moment, then call settled()
        Done,        // the phase has ended, completed or failed
    };
    struct Reaction {
        QByteArray send;
        Next next = Next::Same;
    };

    Reaction startReceive();
    Reaction startWrite(const QByteArray& image);
    Reaction received(QByteArrayView characters);
    Reaction tick();
    // The line has been quiet since the last characters: before the first chunk, what came before its
    // last 33 characters was left in the line by an earlier transfer.
    Reaction settled();
    // Ends a phase in progress with the failure; does nothing between phases.
    Reaction abort(const TransferFailure& failure);

    bool running() const { return state_ != State::Idle; }
    bool succeeded() const { return !running() && !failure_; }
    const std::optional<TransferFailure>& failure() const { return failure_; }
    const TransferProgress& progress() const { return progress_; }
    // The chunks received so far, one after another.
    const QByteArray& dump() const { return dump_; }

private:
    enum class State { Idle, FirstChunk, Pause, Chunk, Ready, Acknowledgement };

    Reaction consume();
    Reaction takeChunk();
    Reaction sendImageByte();
    Reaction fail(const TransferFailure& failure);

    State state_ = State::Idle;
    QByteArray waiting_;
    QByteArray dump_;
    QByteArray image_;
    int chunks_ = 0;
    int sent_ = 0;
    std::optional<TransferFailure> failure_;
    TransferProgress progress_;
};
