#pragma once

// Where a long drawing or printing pass reports how far it has come: the progress bar of the print
// status window.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    virtual void setProgress(int value) = 0;
};
