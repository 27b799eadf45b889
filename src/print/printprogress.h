#pragma once

#include <QtGlobal>

#include "platform/progresssink.h"

// How far a print job has come and whether it was cancelled. A page is drawn in passes (the fill, then
// the outline), each of which reports its drops from 1; the job carries the count of the passes before
// in `ProgressBase`. The bar of the status window follows the pages of the job, as its text counts
// them: a page's drops move it across that page's share. The window's cancel button sets
// `PrintCancel`, which the job reads before each page.
class PrintProgress : public ProgressSink {
public:
    // The bar's steps for one page.
    static constexpr int PageSteps = 100;

    explicit PrintProgress(ProgressSink& bar) : bar_(bar) {}

    // Page `index` (from 0) of the job begins; its passes report `drops` drops in all.
    void startPage(int index, int drops);
    void setProgress(int drop) override;
    // The page is printed: the bar stands at its end.
    void endPage();
    // The drops reported for the page so far.
    int value() const { return value_; }

    qint16 ProgressBase = 0;
    qint16 PrintCancel = 0;

private:
    ProgressSink& bar_;
    int page_ = 0;
    int drops_ = 0;
    int value_ = 0;
};
