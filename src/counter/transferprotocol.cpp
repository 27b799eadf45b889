#include "counter/transferprotocol.h"

#include "model/format.h"

namespace {

QString percent(int part, int whole) {
    return Format::number(part / double(whole) * 100, "###");
}

}  // namespace

TransferProtocol::Reaction TransferProtocol::startReceive() {
    state_ = State::FirstChunk;
    failure_.reset();
    dump_.clear();
    dump_.reserve(ChunkCount * ChunkDigits);
    chunks_ = 0;
    screen_.progressMaximum = ChunkCount;
    screen_.volumePanel = QStringLiteral("volume : ") + Format::number(ChunkCount, "0");
    screen_.rxCaption = QStringLiteral("受信中");
    showStatus(QStringLiteral("[待機中] --> ﾃﾗｺｶｳﾝﾀのﾛｰﾀﾘSWを[DATA DISPLAY]に回して下さい。"));
    screen_.stopEnabled = true;
    Reaction reaction = consume();
    if (reaction.next == Next::Same) reaction.next = Next::Characters;
    return reaction;
}

TransferProtocol::Reaction TransferProtocol::startWrite(const QByteArray& image) {
    state_ = State::Ready;
    failure_.reset();
    image_ = image;
    sent_ = 0;
    screen_.txCaption = QStringLiteral("送信中");
    screen_.progressMaximum = int(image.size()) - 1;
    showStatus(QStringLiteral("ACK wait"));
    Reaction reaction = consume();
    if (reaction.next == Next::Same) reaction.next = Next::Characters;
    return reaction;
}

TransferProtocol::Reaction TransferProtocol::received(QByteArrayView characters) {
    // Between phases the characters wait for the next phase, as they would in the line's buffer.
    waiting_ += characters.first(std::min<qsizetype>(characters.size(), MaxWaiting + 1 - waiting_.size()));
    if (!running()) return {};
    if (waiting_.size() > MaxWaiting) return fail({TransferFailure::Kind::Flood, waiting_, {}});
    return consume();
}

TransferProtocol::Reaction TransferProtocol::tick() {
    if (state_ != State::Pause) return {};
    state_ = State::Chunk;
    Reaction reaction = consume();
    reaction.send.prepend('A');
    if (reaction.next == Next::Same) reaction.next = Next::Characters;
    return reaction;
}

TransferProtocol::Reaction TransferProtocol::abort(const TransferFailure& failure) {
    if (!running()) return {};
    return fail(failure);
}

// Acts on the characters waiting, if the state waits for them and enough have come.
TransferProtocol::Reaction TransferProtocol::consume() {
    switch (state_) {
        case State::FirstChunk:
            if (waiting_.size() < ChunkDigits + 1) return {};
            if (waiting_.front() != 'A')
                return fail({TransferFailure::Kind::WrongFirstCharacter, waiting_, {}});
            waiting_.remove(0, 1);
            return takeChunk();
        case State::Chunk:
            if (waiting_.size() < ChunkDigits) return {};
            return takeChunk();
        case State::Ready:
            if (waiting_.isEmpty()) return {};
            if (waiting_ != "S") return fail({TransferFailure::Kind::WrongReady, waiting_, {}});
            waiting_.clear();
            showStatus(QStringLiteral("[照合中] --> ﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀと受信ﾃﾞｰﾀを照合しています。"));
            state_ = State::Acknowledgement;
            return sendImageByte();
        case State::Acknowledgement:
            if (waiting_.isEmpty()) return {};
            if (waiting_ != "A") return fail({TransferFailure::Kind::WrongAcknowledgement, waiting_, {}});
            waiting_.clear();
            if (++sent_ < image_.size()) return sendImageByte();
            state_ = State::Idle;
            screen_.txCaption = QStringLiteral("送信開始");
            screen_.txEnabled = false;
            showStatus(QStringLiteral("[通信完了] --> ﾃﾞｰﾀの通信が終了しました。"));
            return {{}, Next::Done};
        case State::Idle:
        case State::Pause: return {};
    }
    return {};
}

// Stores everything waiting as the next chunk; after the last chunk acknowledges it.
TransferProtocol::Reaction TransferProtocol::takeChunk() {
    const QString chunk = QString::fromLatin1(waiting_);
    dump_ += waiting_;
    waiting_.clear();
    ++chunks_;
    screen_.countPanel = QStringLiteral("count : ") + Format::number(chunks_, "0");
    screen_.progressValue = chunks_;
    if (chunks_ == 1) {
        screen_.percentText = percent(0, ChunkCount) + QStringLiteral("% 受信");
        showStatus(QStringLiteral("[受信中] --> ﾃﾗｺｶｳﾝﾀからﾃﾞｰﾀを受信しています。"));
    } else {
        screen_.dataText = chunk;
        screen_.percentText = percent(chunks_, ChunkCount) + QStringLiteral("% 受信");
        screen_.markFilled = chunks_ % 2 == 1;
    }
    if (chunks_ < ChunkCount) {
        state_ = State::Pause;
        return {{}, Next::Tick};
    }
    state_ = State::Idle;
    screen_.rxCaption = QStringLiteral("受信開始");
    screen_.rxEnabled = false;
    screen_.stopEnabled = false;
    screen_.txEnabled = true;
    showStatus(QStringLiteral("[受信中] --> ﾃﾞｰﾀの読み込みが終了しました。"));
    return {QByteArrayLiteral("A"), Next::Done};
}

TransferProtocol::Reaction TransferProtocol::sendImageByte() {
    screen_.progressValue = sent_;
    screen_.percentText = percent(sent_, screen_.progressMaximum) + QStringLiteral("% 照合");
    screen_.markFilled = sent_ % 4 == 0;
    return {image_.mid(sent_, 1), Next::Characters};
}

TransferProtocol::Reaction TransferProtocol::fail(const TransferFailure& failure) {
    failure_ = failure;
    waiting_.clear();
    state_ = State::Idle;
    screen_.rxCaption = QStringLiteral("受信開始");
    screen_.txCaption = QStringLiteral("送信開始");
    screen_.stopEnabled = false;
    return {{}, Next::Done};
}

void TransferProtocol::showStatus(const QString& text) {
    screen_.dataText = text;
    screen_.statusText = text;
}
