#pragma once

#include <QByteArray>
#include <QString>

// Why a transfer ended without completing its phase.
struct TransferFailure {
    enum class Kind {
        PortNotOpen,           // no phase runs on a port that could not be opened
        WrongFirstCharacter,   // the first chunk did not start with "A"
        WrongReady,            // the counter did not answer "S" before the image
        WrongAcknowledgement,  // an image byte was not answered with "A"
        Flood,                 // more characters arrived at once than any reply holds
        TimedOut,              // the counter fell silent
        Stopped,               // the operator stopped the transfer
        LineFailed,            // the serial line itself failed
        DumpNotWritten,        // the received memory could not be saved
    };
    Kind kind;
    QByteArray received;  // the characters that were refused, if any
    QString detail;       // the system's words, if any

    // The message the windows show.
    QString windowText() const;
    // The message the command line prints.
    QString commandLineText() const;
};
