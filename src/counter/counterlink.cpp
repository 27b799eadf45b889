#include "counter/counterlink.h"

#include <QDateTime>

#include "counter/countertextreader.h"
#include "counter/dumpconversion.h"
#include "counter/readdump.h"
#include "counter/systemareaimage.h"
#include "model/testdata.h"
#include "platform/serialline.h"

CounterLink::CounterLink(std::unique_ptr<SerialLine> line, std::chrono::milliseconds timeLimit,
                         std::chrono::milliseconds firstChunkLimit)
    : line_(std::move(line)), driver_(*line_, timeLimit, firstChunkLimit) {
    driver_.progressed = [this](const TransferProgress& progress) { emit progressed(progress); };
}

CounterLink::~CounterLink() = default;

CounterLink::Outcome CounterLink::read(const QString& device, const K40Parameters& parameters,
                                       const QString& dumpPath, const std::function<bool()>& eraseApproved) {
    Outcome outcome;
    outcome.received = open(device) && receive(parameters, dumpPath);
    outcome.checked = outcome.received && check(dumpPath);
    if (outcome.checked && eraseApproved()) outcome.written = write(parameters);
    outcome.failure = failure_;
    close();
    return outcome;
}

bool CounterLink::open(const QString& device) {
    failure_.reset();
    device_ = device;
    if (const std::optional<SerialOpenFailure> refused = line_->open(device))
        return failed({TransferFailure::Kind::OpenFailed, {}, {}, device, *refused});
    return true;
}

bool CounterLink::receive(const K40Parameters& parameters, const QString& dumpPath) {
    failure_.reset();
    if (!driver_.receive(parameters.K40DRV_H8)) return failed(*driver_.failure());
    if (const std::optional<QString> error = ReadDump::write(dumpPath, driver_.dump()))
        return failed({TransferFailure::Kind::DumpNotWritten, {}, *error, {}, {}});
    return true;
}

bool CounterLink::check(const QString& dumpPath) {
    const QByteArray& dump = driver_.dump();
    constexpr qsizetype MemoryDigits = TransferProtocol::ChunkCount * TransferProtocol::ChunkDigits;
    QString refusal;
    if (dump.size() != MemoryDigits) {
        refusal = QStringLiteral("受信したﾃﾞｰﾀは%1文字で、ﾃﾗｺｶｳﾝﾀのﾒﾓﾘ(%2文字)ではありません。")
                      .arg(dump.size())
                      .arg(MemoryDigits);
    } else {
        // Decoded as the import will read it: whatever the import would refuse is refused here.
        QString text;
        TestData records;
        if (const std::optional<Failure> failure = DumpRecordsText(QString::fromLatin1(dump), dumpPath, text))
            refusal = failure->text;
        else if (const CounterTextRead read = ReadCounterRecords(text, dumpPath, {}, records); read.failure)
            refusal = read.failure->text;
    }
    if (refusal.isEmpty()) return true;
    return failed({TransferFailure::Kind::DumpRefused, {}, refusal});
}

bool CounterLink::write(const K40Parameters& parameters) {
    failure_.reset();
    if (!driver_.write(SystemArea::image(QDateTime::currentDateTime(), parameters.parameterBytes())))
        return failed(*driver_.failure());
    return true;
}

void CounterLink::stop() {
    driver_.stop();
}

void CounterLink::close() {
    line_->close();
}

bool CounterLink::failed(const TransferFailure& failure) {
    failure_ = failure;
    failure_->device = device_;
    failure_->modemManagerProbing = modemManagerMayProbe(device_);
    line_->close();
    return false;
}
