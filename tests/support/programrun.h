#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What a program run as a user runs it came to.
struct ProgramRun {
    int exitCode;
    QString out;
    QString err;
};

// Runs the program to its end, at most `limitMs`, in the environment given (the test's own by default).
ProgramRun runProgram(const QString& program, const QStringList& arguments, int limitMs = 60000,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
