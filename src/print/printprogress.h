#pragma once

#include <QtGlobal>

#include "platform/progresssink.h"

// How far a print job has come and whether it was cancelled. A page is drawn in passes (the fill, then
// the outline), each of which reports its drops from 1; the job carries the count of the passes before
// in `ProgressBase`, so that the bar of the status window runs on. The window's cancel button sets
// `PrintCancel`, which the job reads before each page.
class PrintProgress : public ProgressSink {
public:
    explicit PrintProgress(ProgressSink& bar) : bar_(bar) {}

    void setProgress(int drop) override;
    // What the bar shows now.
    int value() const { return value_; }

    qint16 ProgressBase = 0;
    qint16 PrintCancel = 0;

private:
    ProgressSink& bar_;
    int value_ = 0;
};
