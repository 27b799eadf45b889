#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The counter emulator as a child process, on a pseudo-terminal of its own.
class EmulatorProcess {
public:
    // Starts it with the arguments (a session without a pause before the first chunk unless they say
    // otherwise) and reads the device path from its first line.
    explicit EmulatorProcess(const QStringList& arguments);
    ~EmulatorProcess();

    const QString& device() const { return device_; }
    // Waits for the session to end; its exit code (0: the program's side was sound), -1 if it did not end.
    int exitCode();
    QString errors();
    // Ends the emulator at once, as a counter unplugged in the middle of a transfer.
    void kill();

    static QString program();

private:
    QProcess process_;
    QString device_;
};
