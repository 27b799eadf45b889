#include "counter/transferprotocol.h"

using Step = TransferProgress::Step;

TransferProtocol::Reaction TransferProtocol::startReceive() {
    state_ = State::FirstChunk;
    failure_.reset();
    waiting_.clear();
    dump_.clear();
    dump_.reserve(ChunkCount * ChunkDigits);
    chunks_ = 0;
    progress_ = {Step::WaitingForCounter, 0, ChunkCount, {}};
    Reaction reaction = consume();
    if (reaction.next == Next::Same) reaction.next = Next::Characters;
    return reaction;
}

TransferProtocol::Reaction TransferProtocol::startWrite(const QByteArray& image) {
    state_ = State::Ready;
    failure_.reset();
    image_ = image;
    sent_ = 0;
    progress_ = {Step::WaitingForReady, 0, int(image.size()) - 1, {}};
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

TransferProtocol::Reaction TransferProtocol::settled() {
    if (state_ != State::FirstChunk || waiting_.size() < ChunkDigits + 1) return {};
    const qsizetype start = waiting_.size() - (ChunkDigits + 1);
    if (waiting_.at(start) != 'A') return fail({TransferFailure::Kind::WrongFirstCharacter, waiting_, {}});
    waiting_.remove(0, start + 1);
    return takeChunk();
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
            if (waiting_.size() > ChunkDigits + 1 || waiting_.front() != 'A') return {{}, Next::Settle};
            waiting_.remove(0, 1);
            return takeChunk();
        case State::Chunk:
            if (waiting_.size() < ChunkDigits) return {};
            return takeChunk();
        case State::Ready:
            if (waiting_.isEmpty()) return {};
            if (waiting_ != "S") return fail({TransferFailure::Kind::WrongReady, waiting_, {}});
            waiting_.clear();
            progress_.step = Step::Verifying;
            state_ = State::Acknowledgement;
            return sendImageByte();
        case State::Acknowledgement:
            if (waiting_.isEmpty()) return {};
            if (waiting_ != "A") return fail({TransferFailure::Kind::WrongAcknowledgement, waiting_, {}});
            waiting_.clear();
            if (++sent_ < image_.size()) return sendImageByte();
            state_ = State::Idle;
            progress_.step = Step::Completed;
            return {{}, Next::Done};
        case State::Idle:
        case State::Pause: return {};
    }
    return {};
}

// Stores everything waiting as the next chunk; after the last chunk acknowledges it.
TransferProtocol::Reaction TransferProtocol::takeChunk() {
    dump_ += waiting_;
    ++chunks_;
    progress_ = {chunks_ < ChunkCount ? Step::Receiving : Step::Received, chunks_, ChunkCount, waiting_};
    waiting_.clear();
    if (chunks_ < ChunkCount) {
        state_ = State::Pause;
        return {{}, Next::Tick};
    }
    state_ = State::Idle;
    return {QByteArrayLiteral("A"), Next::Done};
}

TransferProtocol::Reaction TransferProtocol::sendImageByte() {
    progress_.done = sent_;
    return {image_.mid(sent_, 1), Next::Characters};
}

TransferProtocol::Reaction TransferProtocol::fail(const TransferFailure& failure) {
    failure_ = failure;
    waiting_.clear();
    state_ = State::Idle;
    return {{}, Next::Done};
}
