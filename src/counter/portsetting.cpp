#include "counter/portsetting.h"

#include <QFile>
#include <QFileInfo>
#include <climits>

#include "model/format.h"
#include "model/storedinteger.h"
#include "platform/settings.h"

namespace {

constexpr int OfferedNumbers = 4;
constexpr int LargestNumber = 255;  // the number is sent to the counter as one byte
const QString NumberKey = QStringLiteral("K40DRV_H5");

std::optional<int> portNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 3) return std::nullopt;
    for (const QChar character : text)
        if (character < u'0' || character > u'9') return std::nullopt;
    const int number = text.toInt();
    if (number < 1 || number > LargestNumber) return std::nullopt;
    return number;
}

// The device path a text names: itself when it is under /dev, /dev/ and the name for a bare device name.
QString devicePath(const QString& text) {
    if (text.startsWith(QStringLiteral("/dev/"))) return text;
    if (!text.isEmpty() && !text.contains(QLatin1Char('/'))) return QStringLiteral("/dev/") + text;
    return {};
}

}  // namespace

QString PortSetting::deviceInForce() const {
    if (sessionPort)
        return sessionPort->number > 0 ? numberedDevice(sessionPort->number) : sessionPort->device;
    return CommDevice.isEmpty() ? numberedDevice(CommPort) : CommDevice;
}

int PortSetting::numberInForce() const {
    return sessionPort && sessionPort->number > 0 ? sessionPort->number : CommPort;
}

QString PortSetting::shownText(const std::vector<SerialDevice>& devices) const {
    if (CommDevice.isEmpty()) return Format::number(CommPort, "0");
    for (const SerialDevice& device : devices)
        if (device.path == CommDevice) return entryText(device);
    return CommDevice;
}

void PortSetting::load(Settings& settings) {
    CommPort = keptInteger<qint16>(settings, NumberKey, 2, StoredZero::IsMissing, 1, LargestNumber);
    // Only a device path is ever stored; anything else (or longer than a path can be) is dropped.
    CommDevice = settings.value(deviceKey());
    if (!CommDevice.isEmpty() && (!CommDevice.startsWith(QStringLiteral("/dev/")) ||
                                  QFile::encodeName(CommDevice).size() >= PATH_MAX)) {
        CommDevice.clear();
        settings.setValue(deviceKey(), CommDevice);
    }
}

void PortSetting::saveNumber(Settings& settings) const {
    settings.setValue(NumberKey, QString::number(CommPort));
}

void PortSetting::choose(const Choice& choice, Settings& settings) {
    if (choice.number > 0) CommPort = qint16(choice.number);
    CommDevice = choice.device;
    settings.setValue(deviceKey(), CommDevice);
}

QString PortSetting::numberedDevice(int number) {
    return QStringLiteral("/dev/ttyS") + Format::number(number - 1, "0");
}

QString PortSetting::entryText(const SerialDevice& device) {
    if (device.description.isEmpty()) return device.name;
    return device.name + QStringLiteral(" (") + device.description + QLatin1Char(')');
}

QStringList PortSetting::entries(const std::vector<SerialDevice>& devices) {
    QStringList list;
    for (int number = 1; number <= OfferedNumbers; ++number) list << Format::number(number, "0");
    for (const SerialDevice& device : devices) {
        bool numbered = false;
        for (int number = 1; number <= OfferedNumbers; ++number)
            numbered = numbered || device.path == numberedDevice(number);
        if (!numbered) list << entryText(device);
    }
    return list;
}

std::optional<PortSetting::Choice> PortSetting::parse(const QString& typed,
                                                      const std::vector<SerialDevice>& devices) {
    const QString text = typed.trimmed();
    if (const auto number = portNumber(text)) return Choice{*number, {}};
    for (const SerialDevice& device : devices)
        if (text == entryText(device) || text == device.name || text == device.path)
            return Choice{0, device.path};
    if (const QString path = devicePath(text); !path.isEmpty() && isSerialDevice(path))
        return Choice{0, path};
    return std::nullopt;
}

PortSetting::Refusal PortSetting::refusalOf(const QString& typed) {
    const QString text = typed.trimmed();
    const QString path = devicePath(text);
    if (path.isEmpty()) return Refusal::NotAPort;
    if (QFileInfo::exists(path)) return Refusal::NotSerial;
    // A bare name that names no device at all is not taken for an unplugged one, unless it looks like one.
    const bool looksLikeDevice =
        text.startsWith(QStringLiteral("/dev/")) || text.startsWith(QStringLiteral("tty"));
    return looksLikeDevice ? Refusal::Absent : Refusal::NotAPort;
}

QString PortSetting::refusalText(const QString& text) {
    const QString accepted = QStringLiteral(
        "通信ﾎﾟｰﾄには 1～255 の番号か、一覧にあるﾃﾞﾊﾞｲｽ、またはﾃﾞﾊﾞｲｽのﾊﾟｽ（/dev/ttyUSB0 "
        "など）を指定してください。");
    switch (refusalOf(text)) {
        case Refusal::NotAPort: return accepted;
        case Refusal::Absent:
            return QStringLiteral(
                       "ﾃﾞﾊﾞｲｽ %1 がありません。ｹｰﾌﾞﾙが抜けたか、ﾃﾞﾊﾞｲｽ名が変わった可能性があります。")
                .arg(devicePath(text.trimmed()));
        case Refusal::NotSerial:
            return QStringLiteral("%1 はｼﾘｱﾙﾎﾟｰﾄではありません。\n").arg(devicePath(text.trimmed())) +
                   accepted;
    }
    return accepted;
}
