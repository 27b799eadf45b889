#pragma once

#include <QString>
#include <QStringView>

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

// Offending input as a message quotes it: at most 40 characters, "…" marking the rest.
inline QString quotedInput(QStringView input) {
    constexpr qsizetype Longest = 40;
    return input.size() <= Longest ? input.toString() : input.first(Longest).toString() + QChar(u'…');
}
