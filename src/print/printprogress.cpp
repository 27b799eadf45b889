#include "print/printprogress.h"

void PrintProgress::setProgress(int drop) {
    value_ = ProgressBase + drop;
    bar_.setProgress(value_);
}
