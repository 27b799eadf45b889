#include "app/counterjobsteps.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include "app/jobmessages.h"
#include "counter/countertextreader.h"
#include "counter/k40parameters.h"
#include "counter/portopenmessage.h"
#include "counter/portsetting.h"
#include "counter/readdump.h"
#include "counter/systemareaimage.h"
#include "counter/transferdriver.h"
#include "datafile/datacorrection.h"
#include "datafile/datafilenotices.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"
#include "platform/serial/qtserialline.h"
#include "platform/serial/serialdevices.h"

namespace {

// Progress on stderr: every status text once, and the percentage at every tenth of a phase.
class ProgressReport {
public:
    void operator()(const TransferScreen& screen) {
        if (screen.statusText != status_) {
            status_ = screen.statusText;
            printJobMessage(status_);
        }
        const int tenth = screen.progressMaximum > 0 ? screen.progressValue * 10 / screen.progressMaximum : 0;
        if (tenth != tenth_ && !screen.percentText.isEmpty() && screen.percentText != percent_) {
            percent_ = screen.percentText;
            printJobMessage(percent_);
        }
        tenth_ = tenth;
    }

private:
    QString status_;
    QString percent_;
    int tenth_ = -1;
};

}  // namespace

bool receiveFromCounter(const QString& portText, bool erase) {
    int argc = 1;
    char name[] = "terrako-diagraph";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    // The system's list of devices is only needed for a name that is not a number or a path.
    auto port = PortSetting::parse(portText, {});
    if (!port) port = PortSetting::parse(portText, availableSerialDevices());
    if (!port) {
        printJobMessage(QStringLiteral("not a serial port: ") + portText);
        return false;
    }
    // A device chosen by name sends the default port number to the counter, as the settings do.
    const int number = port->number > 0 ? port->number : TestData().CommPort;
    const QString device = port->number > 0 ? PortSetting::numberedDevice(port->number) : port->device;
    const K40Parameters parameters = K40Parameters::forCall(1, 20, 2, 20, number, 0);

    QtSerialLine line;
    if (const auto failure = line.open(device)) {
        printJobMessage(PortOpenMessage::commandLineText(device, *failure));
        return false;
    }
    TransferDriver driver(line);
    driver.shown = ProgressReport();
    if (!driver.receive(parameters.K40DRV_H8, ReadDump::fileName())) {
        printJobMessage(driver.failure()->commandLineText());
        return false;
    }
    printJobMessage(QStringLiteral("wrote ") + ReadDump::fileName());
    if (erase &&
        !driver.write(SystemArea::image(QDateTime::currentDateTime(), parameters.parameterBytes()))) {
        printJobMessage(driver.failure()->commandLineText());
        return false;
    }
    return true;
}

int saveCounterText(const QString& textPath, const QString& out) {
    TestData data;
    if (const std::optional<QString> reason = ReadCounterText(textPath, InheritedSurvey{}, data)) {
        printJobMessage(*reason);
        return QFileInfo(textPath).isReadable() ? 2 : 1;
    }
    CorrectReadings(data);
    // The save refuses a data set whose first block holds no drops.
    if (!data.hasData()) {
        printJobMessage(QStringLiteral("データがありません。"));
        return 1;
    }
    data.ExtFormat = 1;
    if (const std::optional<QString> reason = WriteDataFile(out, data)) {
        printJobMessage(DataFileNotices::unwritable(out, *reason));
        return 1;
    }
    return 0;
}

std::optional<CounterJobArguments> parseCounterJobArguments(const QStringList& arguments, bool withOut) {
    CounterJobArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--erase"))
            parsed.erase = true;
        else if (arguments[i] == QLatin1String("--port") && i + 1 < arguments.size())
            parsed.port = arguments[++i];
        else if (withOut && parsed.out.isEmpty() && !arguments[i].startsWith(QLatin1Char('-')))
            parsed.out = arguments[i];
        else
            return std::nullopt;
    }
    if (parsed.port.isEmpty() || (withOut && parsed.out.isEmpty())) return std::nullopt;
    return parsed;
}
