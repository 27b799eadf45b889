#include "counter/portsetting.h"

#include <QFileInfo>

#include "model/format.h"
#include "model/testdata.h"
#include "platform/settings.h"

namespace PortSetting {
namespace {

constexpr int OfferedNumbers = 4;
constexpr int LargestNumber = 255;  // the number is sent to the counter as one byte

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

QString numberedDevice(int number) {
    return QStringLiteral("/dev/ttyS") + Format::number(number - 1, "0");
}

QString entryText(const SerialDevice& device) {
    if (device.description.isEmpty()) return device.name;
    return device.name + QStringLiteral(" (") + device.description + QLatin1Char(')');
}

QStringList entries(const std::vector<SerialDevice>& devices) {
    QStringList list;
    for (int number = 1; number <= OfferedNumbers; ++number) list << Format::number(number, "0");
    for (const SerialDevice& device : devices) list << entryText(device);
    return list;
}

std::optional<Choice> parse(const QString& typed, const std::vector<SerialDevice>& devices) {
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

QString shownText(int commPort, const QString& storedDevice, const std::vector<SerialDevice>& devices) {
    if (storedDevice.isEmpty()) return Format::number(commPort, "0");
    for (const SerialDevice& device : devices)
        if (device.path == storedDevice) return entryText(device);
    return storedDevice;
}

QString deviceInForce(int commPort, const QString& storedDevice) {
    return storedDevice.isEmpty() ? numberedDevice(commPort) : storedDevice;
}

QString deviceInForce(const TestData& data, const Settings& settings) {
    return deviceInForce(data.CommPort, settings.value(deviceKey()));
}

QString refusalText() {
    return QStringLiteral(
        "通信ﾎﾟｰﾄには 1～4 の番号か、一覧にあるﾃﾞﾊﾞｲｽ（/dev/ttyUSB0 など）を指定してください。");
}

}  // namespace PortSetting
