#include "counter/systemareaimage.h"

#include <gtest/gtest.h>

#include "counter/k40parameters.h"

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray result;
    for (const int value : values) result += char(value);
    return result;
}

TEST(SystemAreaImage, MessageTableHoldsFiftyEntriesInEightHundredEightyThreeBytes) {
    const QByteArray table = SystemArea::messageTable();
    ASSERT_EQ(table.size(), 883);
    // The first screen: form feed, four lines of 16, line feeds and a closing zero.
    EXPECT_EQ(table.left(69),
              "\x0C    sleeper!    \x0A--oo/oo--oo:oo--\x0A  auto sleep!   \x0A"
              "Bt+o.o(+o.ov<3v)" +
                  bytes({0}));
    EXPECT_EQ(table.mid(5 * 69, 69),
              "\x0C----function----\x0A"
              "data[t]x        \x0A"
              "beep[o]n /[o]ff \x0A"
              "[t]errako/[p]erm" +
                  bytes({0}));
    EXPECT_EQ(table.mid(10 * 69, 69),
              "\x0C    CAUTION!!   \x0A----------------\x0A   data memory  \x0A"
              "     lost !!    " +
                  bytes({0}));
    EXPECT_EQ(table.mid(759, 37), "\x0C\x0A  connect cpu!  \x0A    data Tx!    \x0A" + bytes({0}));
    EXPECT_EQ(table.mid(796, 19), "\x0C\x0A  sleep!! bye   " + bytes({0}));
    EXPECT_EQ(table.mid(815), "  Tx complete!  " + bytes({0}) + "  Rx complete!  " + bytes({0}) +
                                  QByteArray(16, ' ') + bytes({0}) + QByteArray(16, '?') + bytes({0}));
    EXPECT_EQ(table.count(char(0)), 11 + 6);  // one after each screen and after each of entries 44-49
}

TEST(SystemAreaImage, ClockParametersAndFillFollowTheTable) {
    const QDateTime now(QDate(2001, 11, 9), QTime(7, 35, 59));
    const auto parameters = K40Parameters::forCall(1, 20, 2, 20, 3, 0).parameterBytes();
    const QByteArray image = SystemArea::image(now, parameters);
    ASSERT_EQ(image.size(), 1024);
    EXPECT_EQ(image.left(883), SystemArea::messageTable());
    // Year byte (2001 gives 4), BCD minute, hour, day, month, zero, the parameters, zero.
    EXPECT_EQ(image.mid(883, 13), bytes({4, 0x35, 0x07, 0x09, 0x11, 0, 1, 20, 2, 20, 3, 0, 0}));
    EXPECT_EQ(image.mid(896), QByteArray(128, char(0xFF)));

    const QByteArray leapYear = SystemArea::image(QDateTime(QDate(2024, 12, 31), QTime(23, 59)), parameters);
    EXPECT_EQ(leapYear.mid(883, 5), bytes({0, 0x59, 0x23, 0x31, 0x12}));
    EXPECT_EQ(SystemArea::image(QDateTime(QDate(2027, 1, 1), QTime(0, 0)), parameters).at(883), char(12));
}

}  // namespace
