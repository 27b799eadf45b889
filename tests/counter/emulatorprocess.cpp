#include "emulatorprocess.h"

EmulatorProcess::EmulatorProcess(const QStringList& arguments) {
    process_.start(program(), QStringList{QStringLiteral("--delay"), QStringLiteral("0")} + arguments);
    if (process_.waitForStarted() && process_.waitForReadyRead(5000))
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

EmulatorProcess::~EmulatorProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

int EmulatorProcess::exitCode() {
    if (!process_.waitForFinished(5000)) return -1;
    return process_.exitCode();
}

QString EmulatorProcess::errors() {
    return QString::fromLocal8Bit(process_.readAllStandardError());
}

void EmulatorProcess::kill() {
    process_.kill();
    process_.waitForFinished();
}

QString EmulatorProcess::program() {
    return QStringLiteral(COUNTER_EMULATOR);
}
