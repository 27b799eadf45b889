#include "counter/transferprogress.h"

#include "model/format.h"

namespace TransferTexts {
namespace {

QString percentOf(int part, int whole) {
    return Format::number(part / double(whole) * 100, "###");
}

}  // namespace

QString status(TransferProgress::Step step) {
    using Step = TransferProgress::Step;
    switch (step) {
        case Step::Idle: return {};
        case Step::WaitingForCounter:
            return QStringLiteral("[待機中] --> ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[DATA DISPLAY]に回して下さい。");
        case Step::Receiving: return QStringLiteral("[受信中] --> ﾃﾗｺｶｳﾝﾀからﾃﾞｰﾀを受信しています。");
        case Step::Received: return QStringLiteral("[受信中] --> ﾃﾞｰﾀの読み込みが終了しました。");
        case Step::WaitingForReady: return QStringLiteral("ACK wait");
        case Step::Verifying: return QStringLiteral("[照合中] --> ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀと受信ﾃﾞｰﾀを照合しています。");
        case Step::Completed: return QStringLiteral("[通信完了] --> ﾃﾞｰﾀの通信が終了しました。");
    }
    return {};
}

// The first chunk counts as none received yet.
std::optional<QString> percent(const TransferProgress& progress) {
    using Step = TransferProgress::Step;
    switch (progress.step) {
        case Step::Receiving:
            return percentOf(progress.done == 1 ? 0 : progress.done, progress.total) +
                   QStringLiteral("% 受信");
        case Step::Received: return percentOf(progress.done, progress.total) + QStringLiteral("% 受信");
        case Step::Verifying:
        case Step::Completed: return percentOf(progress.done, progress.total) + QStringLiteral("% 照合");
        case Step::Idle:
        case Step::WaitingForCounter:
        case Step::WaitingForReady: break;
    }
    return std::nullopt;
}

// The mark blinks with every other chunk after the first, and with every fourth byte of the image.
std::optional<bool> markFilled(const TransferProgress& progress) {
    using Step = TransferProgress::Step;
    const bool receiving = progress.step == Step::Receiving || progress.step == Step::Received;
    if (receiving && progress.done > 1) return progress.done % 2 == 1;
    if (progress.step == Step::Verifying) return progress.done % 4 == 0;
    return std::nullopt;
}

}  // namespace TransferTexts
