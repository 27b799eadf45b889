#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QtGlobal>
#include <array>

// The 1024 bytes the PC writes to the counter's system area (addresses 0x3C00-0x3FFF): the counter's
// display message table, the PC's clock, six parameter bytes and a fill.
namespace SystemArea {

inline constexpr int ImageSize = 1024;
inline constexpr int TableSize = 883;

// Entries 0-49 of the message table with their terminators.
QByteArray messageTable();

// The whole image for the local date and time `now` and the six parameter bytes.
QByteArray image(const QDateTime& now, const std::array<quint8, 6>& parameters);

}  // namespace SystemArea
