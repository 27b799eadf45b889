#pragma once

#include <QString>

// Why reading, writing or a job did not succeed: the kind a caller acts on (the command line's exit
// code follows it) and the words the user is shown.
struct Failure {
    enum class Kind {
        RefusedInput,  // the input is not what was asked for: not a data file, not a counter's memory
        Unreadable,    // the input could not be read at all
        WriteFailed,   // a file could not be written; the words say whether it was left as it was
        Device,        // the serial port or the counter failed
        TimedOut,      // the counter fell silent
        Cancelled,     // the operator stopped it
    };
    Kind kind;
    QString text;
};
