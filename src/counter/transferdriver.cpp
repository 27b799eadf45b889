#include "counter/transferdriver.h"

#include <QEventLoop>

#include "counter/readdump.h"
#include "platform/serialline.h"

TransferDriver::TransferDriver(SerialLine& line, std::chrono::milliseconds timeLimit)
    : line_(line), timeLimit_(timeLimit) {
    pacing_.setSingleShot(true);
    pacing_.setTimerType(Qt::PreciseTimer);
    limit_.setSingleShot(true);
    QObject::connect(&pacing_, &QTimer::timeout, [this] { apply(protocol_.tick()); });
    QObject::connect(&limit_, &QTimer::timeout, [this] {
        apply(protocol_.abort({TransferFailure::Kind::TimedOut, {}, {}}));
    });
    line_.received = [this] { apply(protocol_.received(line_.readAll())); };
    line_.failed = [this](const QString& text) {
        apply(protocol_.abort({TransferFailure::Kind::LineFailed, {}, text}));
    };
}

TransferDriver::~TransferDriver() {
    line_.received = nullptr;
    line_.failed = nullptr;
}

bool TransferDriver::receive(int intervalMs, const QString& dumpPath) {
    interval_ = intervalMs;
    if (!lineOpen() || !run(protocol_.startReceive())) return false;
    if (const auto error = ReadDump::write(dumpPath, protocol_.dump())) {
        failure_ = TransferFailure{TransferFailure::Kind::DumpNotWritten, {}, *error};
        return false;
    }
    return true;
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
    pacing_.stop();
    limit_.stop();
    failure_ = protocol_.failure();
    return !failure_;
}

void TransferDriver::apply(const TransferProtocol::Reaction& reaction) {
    if (!reaction.send.isEmpty()) line_.write(reaction.send);
    switch (reaction.next) {
        case TransferProtocol::Next::Same: break;
        case TransferProtocol::Next::Characters: limit_.start(timeLimit_); break;
        case TransferProtocol::Next::Tick:
            limit_.stop();
            pacing_.start(interval_);
            break;
        case TransferProtocol::Next::Done:
            limit_.stop();
            pacing_.stop();
            if (loop_) loop_->quit();
            break;
    }
    if (shown && lastShown_ != protocol_.screen()) {
        lastShown_ = protocol_.screen();
        shown(*lastShown_);
    }
}
