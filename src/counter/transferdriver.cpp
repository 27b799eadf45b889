#include "counter/transferdriver.h"

#include <QEventLoop>

#include "platform/serialline.h"

TransferDriver::TransferDriver(SerialLine& line, std::chrono::milliseconds timeLimit,
                               std::chrono::milliseconds firstChunkLimit)
    : line_(line), timeLimit_(timeLimit), firstChunkLimit_(firstChunkLimit) {
    pacing_.setSingleShot(true);
    pacing_.setTimerType(Qt::PreciseTimer);
    limit_.setSingleShot(true);
    settle_.setSingleShot(true);
    QObject::connect(&pacing_, &QTimer::timeout, [this] { apply(protocol_.tick()); });
    QObject::connect(&limit_, &QTimer::timeout, [this] { limitReached(); });
    QObject::connect(&settle_, &QTimer::timeout, [this] { apply(protocol_.settled()); });
    line_.received = [this] {
        if (awaitingFirstChunk_ && deadline_) {
            // The counter has started: the rest of the chunk, and every reply after it, comes within
            // the reply limit.
            awaitingFirstChunk_ = false;
            armLimit();
        }
        apply(protocol_.received(line_.readAll()));
    };
    line_.failed = [this](const SerialLineFailure& failure) {
        const auto kind =
            failure.disconnected ? TransferFailure::Kind::Disconnected : TransferFailure::Kind::LineFailed;
        apply(protocol_.abort({kind, {}, failure.systemText}));
    };
}

TransferDriver::~TransferDriver() {
    line_.received = nullptr;
    line_.failed = nullptr;
}

bool TransferDriver::receive(int intervalMs) {
    interval_ = intervalMs;
    awaitingFirstChunk_ = true;
    return lineOpen() && run(protocol_.startReceive());
}

bool TransferDriver::write(const QByteArray& image) {
    return lineOpen() && run(protocol_.startWrite(image));
}

void TransferDriver::stop() {
    apply(protocol_.abort({TransferFailure::Kind::Stopped, {}, {}}));
}

// No phase starts on a line that is not open.
bool TransferDriver::lineOpen() {
    if (line_.isOpen()) return true;
    failure_ = TransferFailure{TransferFailure::Kind::PortNotOpen, {}, {}};
    return false;
}

bool TransferDriver::run(const TransferProtocol::Reaction& first) {
    QEventLoop loop;
    loop_ = &loop;
    apply(first);
    if (protocol_.running()) loop.exec();
    loop_ = nullptr;
    // The loop also ends when the application quits: a phase cut short that way has not completed.
    if (protocol_.running()) apply(protocol_.abort({TransferFailure::Kind::Stopped, {}, {}}));
    pacing_.stop();
    limit_.stop();
    settle_.stop();
    deadline_.reset();
    failure_ = protocol_.failure();
    return !failure_;
}

void TransferDriver::apply(const TransferProtocol::Reaction& reaction) {
    if (!reaction.send.isEmpty()) line_.write(reaction.send);
    switch (reaction.next) {
        case TransferProtocol::Next::Same: break;
        case TransferProtocol::Next::Characters: armLimit(); break;
        case TransferProtocol::Next::Settle: settle_.start(SettleTime); break;
        case TransferProtocol::Next::Tick:
            deadline_.reset();
            pacing_.start(interval_);
            break;
        case TransferProtocol::Next::Done:
            deadline_.reset();
            pacing_.stop();
            settle_.stop();
            if (loop_) loop_->quit();
            break;
    }
    if (progressed && lastReported_ != protocol_.progress()) {
        lastReported_ = protocol_.progress();
        progressed(*lastReported_);
    }
}

// Every wait for characters has its own deadline. The timer is not restarted for each wait, which
// would cost a timer registration per character of the write phase; when it fires early it is set
// again for the time left, and it is restarted when a deadline comes nearer.
void TransferDriver::armLimit() {
    const std::chrono::milliseconds limit = awaitingFirstChunk_ ? firstChunkLimit_ : timeLimit_;
    deadline_ = Clock::now() + limit;
    if (!limit_.isActive() || limit_.remainingTime() > limit.count()) limit_.start(limit);
}

void TransferDriver::limitReached() {
    if (!deadline_) return;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline_ - Clock::now());
    if (left.count() > 0)
        limit_.start(left);
    else
        apply(protocol_.abort({TransferFailure::Kind::TimedOut, {}, {}}));
}
