#include "counter/dumpvalues.h"

namespace {

int digitValue(QChar digit) {
    const char16_t c = digit.unicode();
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return 0;
}

// A BCD byte of the stamp, masked, as its two hexadecimal digits.
QString bcdText(QStringView digits, int mask) {
    return QString::number(HexValue(digits) & mask, 16).toUpper().rightJustified(2, u'0');
}

}  // namespace

int HexValue(QStringView digits) {
    int value = 0;
    for (const QChar digit : digits) value = value * 16 + digitValue(digit);
    if (digits.size() == 4 && value >= 0x8000) value -= 0x10000;
    return value;
}

double ReadingValue(QStringView firstByte, QStringView secondByte) {
    return HexValue(secondByte.toString().append(firstByte)) * 2 / 10.0;
}

QString StampText(QStringView digits) {
    const QString minute = bcdText(digits.sliced(0, 2), 0xFF);
    const QString hour = bcdText(digits.sliced(2, 2), 0x3F);
    const QString day = bcdText(digits.sliced(4, 2), 0x3F);
    const QString month = bcdText(digits.sliced(6, 2), 0x1F);
    return month + u'/' + day + u' ' + hour + u':' + minute;
}
