// `terrako-diagraph receive --port DEVICE [--erase]`: reads the counter's memory into k40read.tmp in
// the current folder and, with --erase, writes the system area, which erases the counter's records.
#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <cstdio>

#include "counter/k40parameters.h"
#include "counter/portopenmessage.h"
#include "counter/portsetting.h"
#include "counter/readdump.h"
#include "counter/systemareaimage.h"
#include "counter/transferdriver.h"
#include "model/testdata.h"
#include "platform/appinfo.h"
#include "platform/serial/qtserialline.h"
#include "platform/serial/serialdevices.h"

namespace {

void say(const QString& text) {
    std::fputs(
        (AppInfo::programName() + QStringLiteral(": ") + text + QLatin1Char('\n')).toLocal8Bit().constData(),
        stderr);
}

// Progress on stderr: every status text once, and the percentage at every tenth of a phase.
class ProgressReport {
public:
    void operator()(const TransferScreen& screen) {
        if (screen.statusText != status_) {
            status_ = screen.statusText;
            say(status_);
        }
        const int tenth = screen.progressMaximum > 0 ? screen.progressValue * 10 / screen.progressMaximum : 0;
        if (tenth != tenth_ && !screen.percentText.isEmpty() && screen.percentText != percent_) {
            percent_ = screen.percentText;
            say(percent_);
        }
        tenth_ = tenth;
    }

private:
    QString status_;
    QString percent_;
    int tenth_ = -1;
};

struct Arguments {
    QString port;
    bool erase = false;
};

std::optional<Arguments> parseArguments(const QStringList& arguments) {
    Arguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--erase"))
            parsed.erase = true;
        else if (arguments[i] == QLatin1String("--port") && i + 1 < arguments.size())
            parsed.port = arguments[++i];
        else
            return std::nullopt;
    }
    if (parsed.port.isEmpty()) return std::nullopt;
    return parsed;
}

}  // namespace

int receiveJob(const QStringList& arguments) {
    const auto parsed = parseArguments(arguments);
    if (!parsed) {
        say(QStringLiteral("usage: receive --port DEVICE [--erase]"));
        return 1;
    }
    int argc = 1;
    char name[] = "terrako-diagraph";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    // The system's list of devices is only needed for a name that is not a number or a path.
    auto port = PortSetting::parse(parsed->port, {});
    if (!port) port = PortSetting::parse(parsed->port, availableSerialDevices());
    if (!port) {
        say(QStringLiteral("not a serial port: ") + parsed->port);
        return 1;
    }
    // A device chosen by name sends the default port number to the counter, as the settings do.
    const int number = port->number > 0 ? port->number : TestData().CommPort;
    const QString device = port->number > 0 ? PortSetting::numberedDevice(port->number) : port->device;
    const K40Parameters parameters = K40Parameters::forCall(1, 20, 2, 20, number, 0);

    QtSerialLine line;
    if (const auto failure = line.open(device)) {
        say(PortOpenMessage::commandLineText(device, *failure));
        return 1;
    }
    TransferDriver driver(line);
    driver.shown = ProgressReport();
    if (!driver.receive(parameters.K40DRV_H8, ReadDump::fileName())) {
        say(driver.failure()->commandLineText());
        return 1;
    }
    say(QStringLiteral("wrote ") + ReadDump::fileName());
    if (parsed->erase &&
        !driver.write(SystemArea::image(QDateTime::currentDateTime(), parameters.parameterBytes()))) {
        say(driver.failure()->commandLineText());
        return 1;
    }
    return 0;
}
