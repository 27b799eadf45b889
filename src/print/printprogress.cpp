#include "print/printprogress.h"

#include <algorithm>

void PrintProgress::startPage(int index, int drops) {
    page_ = index;
    drops_ = drops;
    ProgressBase = 0;
    setProgress(0);
}

void PrintProgress::setProgress(int drop) {
    value_ = ProgressBase + drop;
    const int share = drops_ > 0 ? std::clamp(value_ * PageSteps / drops_, 0, PageSteps - 1) : 0;
    bar_.setProgress(page_ * PageSteps + share);
}

void PrintProgress::endPage() {
    bar_.setProgress((page_ + 1) * PageSteps);
}
