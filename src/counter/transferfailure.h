#pragma once

#include <QByteArray>
#include <QString>

#include "platform/failure.h"
#include "platform/serialline.h"

// Why a transfer ended without completing its phase.
struct TransferFailure {
    enum class Kind {
        OpenFailed,            // the port could not be opened
        PortNotOpen,           // no phase runs on a port that is not open
        WrongFirstCharacter,   // the first chunk did not start with "A"
        WrongReady,            // the counter did not answer "S" before the image
        WrongAcknowledgement,  // an image byte was not answered with "A"
        Flood,                 // more characters arrived at once than any reply holds
        TimedOut,              // the counter fell silent
        Stopped,               // the operator stopped the transfer
        LineFailed,            // the serial line itself failed
        Disconnected,          // the device went away: unplugged
        DumpNotWritten,        // the received memory could not be saved
        DumpRefused,           // the received memory cannot be decoded: the counter is not erased
    };
    Kind kind;
    QByteArray received = {};  // the characters that were refused, if any
    QString detail = {};       // the system's words, if any
    QString device = {};       // the device of the transfer; with OpenFailed, why it could not be opened
    SerialOpenFailure open = {};
    bool modemManagerProbing = false;  // ModemManager may have taken the line: said with the remedy

    // The message the windows show, and the reason and remedy shown under it (empty for most kinds).
    QString windowText() const;
    QString windowDetail() const;
    // The message the command line prints.
    QString commandLineText() const;
    // The failure as the command line reports it.
    Failure commandLineFailure() const;

private:
    QString plainWindowText() const;
    QString plainCommandLineText() const;
};
