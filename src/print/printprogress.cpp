#include "print/printprogress.h"

void PrintProgress::setProgress(int drop) {
    bar_.setProgress(ProgressBase + drop);
}
