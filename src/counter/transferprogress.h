#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// How far a transfer with the counter has come. The windows and the command line turn it into what
// they show; the texts both use are here.
struct TransferProgress {
    enum class Step {
        Idle,
        WaitingForCounter,  // the receive phase waits for the counter's first chunk
        Receiving,          // `done` chunks of `total` received
        Received,           // every chunk received
        WaitingForReady,    // the write phase waits for the counter to say it is ready
        Verifying,          // `done` bytes of the image sent, of `total` after the first
        Completed,          // every byte of the image acknowledged
    };
    Step step = Step::Idle;
    int done = 0;
    int total = 0;
    QByteArray chunk;  // the last chunk received

    bool operator==(const TransferProgress&) const = default;
};

namespace TransferTexts {

// The status text of a step ("[受信中] --> ..."); empty while idle.
QString status(TransferProgress::Step step);
// The percentage of a phase in progress ("50% 受信", "100% 照合"); nothing while it waits.
std::optional<QString> percent(const TransferProgress& progress);
// Whether the blinking mark of the progress window shows "●" now; nothing while it waits.
std::optional<bool> markFilled(const TransferProgress& progress);

}  // namespace TransferTexts
