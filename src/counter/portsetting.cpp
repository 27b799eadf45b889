#include "counter/portsetting.h"

#include <QFileInfo>

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

bool isDevice(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

}  // namespace

QString PortSetting::deviceInForce() const {
    if (!sessionDevice.isEmpty()) return sessionDevice;
    return CommDevice.isEmpty() ? numberedDevice(CommPort) : CommDevice;
}

QString PortSetting::shownText(const std::vector<SerialDevice>& devices) const {
    if (CommDevice.isEmpty()) return Format::number(CommPort, "0");
    for (const SerialDevice& device : devices)
        if (device.path == CommDevice) return entryText(device);
    return CommDevice;
}

void PortSetting::load(const Settings& settings) {
    CommPort = storedInteger<qint16>(settings, NumberKey, 2);
    CommDevice = settings.value(deviceKey());
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
    for (const SerialDevice& device : devices) list << entryText(device);
    return list;
}

std::optional<PortSetting::Choice> PortSetting::parse(const QString& typed,
                                                      const std::vector<SerialDevice>& devices) {
    const QString text = typed.trimmed();
    if (const auto number = portNumber(text)) return Choice{*number, {}};
    for (const SerialDevice& device : devices)
        if (text == entryText(device) || text == device.name || text == device.path)
            return Choice{0, device.path};
    if (text.startsWith(QStringLiteral("/dev/")) && isDevice(text)) return Choice{0, text};
    if (!text.isEmpty() && !text.contains(QLatin1Char('/')) && isDevice(QStringLiteral("/dev/") + text))
        return Choice{0, QStringLiteral("/dev/") + text};
    return std::nullopt;
}

QString PortSetting::refusalText() {
    return QStringLiteral(
        "通信ﾎﾟｰﾄには 1～4 の番号か、一覧にあるﾃﾞﾊﾞｲｽ（/dev/ttyUSB0 など）を指定してください。");
}
