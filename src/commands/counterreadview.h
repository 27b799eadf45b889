#pragma once

#include <QString>

struct K40Parameters;

// What the windows show of a counter read besides the data: the read command's menu item, the progress
// window of a transfer and, in debug mode, the transfer window.
class CounterReadView {
public:
    virtual ~CounterReadView() = default;

    // A read is about to start: the command cannot be chosen while it runs, and after one that brought
    // data not again in this run; after one that did not, it can be chosen again.
    virtual void readStarted() = 0;
    virtual void readEnded(bool imported) = 0;
    // The progress window, shown while a transfer runs; nothing else can be used meanwhile.
    virtual void showTransferProgress() = 0;
    virtual void closeTransferProgress() = 0;
    // Debug mode: the transfer window with the parameters, which the operator drives.
    virtual void showTransferWindow(const K40Parameters& parameters, const QString& device) = 0;
};
