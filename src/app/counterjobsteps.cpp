#include "app/counterjobsteps.h"

#include <QCoreApplication>

#include "app/jobarguments.h"
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

// Progress on stderr: every status text once, and the percentage at every tenth of a phase. The
// window's short "ACK wait" is said in words.
class ProgressReport {
public:
    void operator()(const TransferProgress& progress) {
        const QString status =
            progress.step == TransferProgress::Step::WaitingForReady
                ? QStringLiteral("[待機中] --> ﾃﾗｺｶｳﾝﾀが書込みの準備を終えるのを待っています。")
                : TransferTexts::status(progress.step);
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
            return Failure{
                Failure::Kind::Device,
                QStringLiteral(
                    "ﾃﾞﾊﾞｲｽ %1 がありません。ｹｰﾌﾞﾙが抜けたか、ﾃﾞﾊﾞｲｽ名が変わった可能性があります。")
                    .arg(quotedInput(text))};
        case PortSetting::Refusal::NotSerial:
            return Failure{Failure::Kind::Device,
                           QStringLiteral("%1 はｼﾘｱﾙﾎﾟｰﾄではありません。").arg(quotedInput(text))};
        case PortSetting::Refusal::NotAPort: break;
    }
    return Failure{
        Failure::Kind::Device,
        QStringLiteral("--port %1 は通信ﾎﾟｰﾄではありません。1～255 の番号、ﾃﾞﾊﾞｲｽ名（ttyUSB0 など）"
                       "またはﾃﾞﾊﾞｲｽのﾊﾟｽ（/dev/ttyUSB0 など）を指定してください。")
            .arg(quotedInput(text))};
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
            printJobMessage(QStringLiteral("受信ﾃﾞｰﾀを %1 に保存しました。").arg(ReadDump::fileName()));
            return erase;
        });
    if (outcome.failure) return outcome.failure->commandLineFailure();
    return std::nullopt;
}

std::optional<Failure> saveCounterText(const QString& textPath, const QString& out) {
    TestData data;
    const CounterTextRead read = ReadCounterText(textPath, InheritedSurvey{}, data);
    if (read.failure) return read.failure;
    if (!read.leftOut.empty()) printJobMessage(QStringLiteral("警告: ") + LeftOutRecordsNotice(read.leftOut));
    CorrectReadings(data);
    // The save refuses a data set whose first block holds no drops.
    if (!data.hasData()) return Failure{Failure::Kind::WriteFailed, QStringLiteral("データがありません。")};
    data.ExtFormat = 1;
    return WriteDataFile(out, data, {textPath});
}

std::optional<QString> portOf(const char* job, const JobArguments& arguments) {
    const std::optional<QString> port = arguments.value("--port");
    if (!port) refuseJobArguments(job, QStringLiteral("--port で通信ﾎﾟｰﾄを指定してください。"));
    return port;
}
