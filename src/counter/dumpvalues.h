#pragma once

#include <QString>
#include <QStringView>

// The numbers of the counter's memory dump, each byte written as two hexadecimal digits (high digit
// first). The callers hand over hexadecimal digits only: the dump is checked when it is read.

// The value of two or four hexadecimal digits: two digits are 0..255; four digits are a signed 16-bit
// value, so 8000 and above are negative (FFFF is -1).
int HexValue(QStringView digits);

// A reading or header value from its two bytes, low byte first: one raw step is 0.2 (mm).
double ReadingValue(QStringView firstByte, QStringView secondByte);

// The date and time MM/DD HH:MM of a record from its minute, hour, day and month bytes (eight digits,
// in that order). The bytes are BCD: the hour and day keep their low 6 bits, the month its low 5, and
// each shows as its two hexadecimal digits.
QString StampText(QStringView digits);
