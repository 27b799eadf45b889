#include "app/counterjobsteps.h"

#include <QCoreApplication>

#include "app/jobmessages.h"
#include "counter/counterlink.h"
#include "counter/countertextreader.h"
#include "counter/k40parameters.h"
#include "counter/portsetting.h"
#include "counter/readdump.h"
#include "datafile/datacorrection.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"
#include "platform/serial/qtserialline.h"
#include "platform/serial/serialdevices.h"

namespace {

// Progress on stderr: every status text once, and the percentage at every tenth of a phase.
class ProgressReport {
public:
    void operator()(const TransferProgress& progress) {
        const QString status = TransferTexts::status(progress.step);
        if (!status.isEmpty() && status != status_) {
            status_ = status;
            printJobMessage(status_);
        }
        const int tenth = progress.total > 0 ? progress.done * 10 / progress.total : 0;
        const std::optional<QString> percent = TransferTexts::percent(progress);
        if (tenth != tenth_ && percent && *percent != percent_) {
            percent_ = *percent;
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

std::optional<Failure> parsePortArgument(const QString& text, PortSetting& port) {
    // The system's list of devices is only needed for a name that is not a number or a path.
    port.sessionPort = PortSetting::parse(text, {});
    if (!port.sessionPort) port.sessionPort = PortSetting::parse(text, availableSerialDevices());
    if (port.sessionPort) return std::nullopt;
    switch (PortSetting::refusalOf(text)) {
        case PortSetting::Refusal::Absent:
            return Failure{Failure::Kind::Device,
                           text + QStringLiteral(" does not exist: the device was unplugged or renamed")};
        case PortSetting::Refusal::NotSerial:
            return Failure{Failure::Kind::Device, text + QStringLiteral(" is not a serial port")};
        case PortSetting::Refusal::NotAPort: break;
    }
    return Failure{
        Failure::Kind::Device,
        QStringLiteral("not a serial port: ") + text +
            QStringLiteral(" (give a port number 1-255, a device name such as ttyUSB0, or a device "
                           "path such as /dev/ttyUSB0)")};
}

std::optional<Failure> receiveFromCounter(const QString& portText, bool erase) {
    int argc = 1;
    char name[] = "terrako-diagraph";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    PortSetting port;
    if (const std::optional<Failure> refusal = parsePortArgument(portText, port)) return refusal;
    const QString device = port.deviceInForce();

    CounterLink link(std::make_unique<QtSerialLine>());
    ProgressReport report;
    QObject::connect(&link, &CounterLink::progressed,
                     [&report](const TransferProgress& progress) { report(progress); });
    const CounterLink::Outcome outcome =
        link.read(device, K40Parameters::forRead(port.numberInForce()), ReadDump::fileName(), [erase] {
            printJobMessage(QStringLiteral("wrote ") + ReadDump::fileName());
            return erase;
        });
    if (outcome.failure) return outcome.failure->commandLineFailure();
    return std::nullopt;
}

std::optional<Failure> saveCounterText(const QString& textPath, const QString& out) {
    TestData data;
    const CounterTextRead read = ReadCounterText(textPath, InheritedSurvey{}, data);
    if (read.failure) return read.failure;
    if (!read.leftOut.empty()) printJobMessage(LeftOutRecordsNotice(read.leftOut));
    CorrectReadings(data);
    // The save refuses a data set whose first block holds no drops.
    if (!data.hasData()) return Failure{Failure::Kind::WriteFailed, QStringLiteral("データがありません。")};
    data.ExtFormat = 1;
    return WriteDataFile(out, data);
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
