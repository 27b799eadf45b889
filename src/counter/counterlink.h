#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "counter/k40parameters.h"
#include "counter/transferdriver.h"

class SerialLine;

// The counter on its serial line, for the windows and the command line alike: opens the line, receives
// the counter's memory into the dump file, checks that it can be decoded, and with the operator's
// consent writes the system area, which erases the counter's records. Every step reports its progress;
// a step that fails closes the line before it returns, so that nothing more is sent, and says why in
// `failure()`.
class CounterLink : public QObject {
    Q_OBJECT

public:
    explicit CounterLink(std::unique_ptr<SerialLine> line,
                         std::chrono::milliseconds timeLimit = ReplyTimeLimit,
                         std::chrono::milliseconds firstChunkLimit = FirstChunkTimeLimit);
    ~CounterLink() override;

    // What a whole read came to.
    struct Outcome {
        bool received = false;  // the dump file holds the counter's memory
        bool checked = false;   // and it can be decoded into records
        bool written = false;   // the system area is written: the counter's records are erased
        std::optional<TransferFailure> failure;
    };
    // Opens `device`, receives the memory into `dumpPath`, checks it and, when `eraseApproved` agrees,
    // writes the system area with the parameters; closes the line at the end. A memory that cannot be
    // decoded is refused before the question, so that the counter keeps its records.
    Outcome read(const QString& device, const K40Parameters& parameters, const QString& dumpPath,
                 const std::function<bool()>& eraseApproved);

    // The steps one at a time, as the transfer window's buttons run them.
    bool open(const QString& device);
    // Pauses K40DRV_H8 milliseconds before each chunk request.
    bool receive(const K40Parameters& parameters, const QString& dumpPath);
    // The system-area image holds the clock of now and the parameter bytes.
    bool write(const K40Parameters& parameters);
    // Ends the wait in progress: the step fails as stopped.
    void stop();
    void close();

    bool running() const { return driver_.running(); }
    const std::optional<TransferFailure>& failure() const { return failure_; }
    const TransferProgress& progress() const { return driver_.progress(); }

signals:
    void progressed(const TransferProgress& progress);

private:
    bool check(const QString& dumpPath);
    bool failed(const TransferFailure& failure);

    std::unique_ptr<SerialLine> line_;
    TransferDriver driver_;
    std::optional<TransferFailure> failure_;
    QString device_;  // the device opened last
};
