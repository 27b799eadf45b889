#include "counter/systemareaimage.h"

namespace SystemArea {
namespace {

constexpr char FormFeed = 0x0C, LineFeed = 0x0A, End = 0x00;

// Eleven screens of four display lines of 16 characters (entries 0-43).
constexpr std::array<std::array<const char*, 4>, 11> Screens{{
    {"    sleeper!    ", "--oo/oo--oo:oo--", "  auto sleep!   ", "Bt+o.o(+o.ov<3v)"},
    {"   test mode    ", "--oo/oo--oo:oo--", "D+oooo.omm/Moooo", "Bt+o.o,+o.ov/Poo"},
    {"  meas and rec  ", "--oo/oo--oo:oo--", "D+ooo.o/T+oooo.o", "Ctooo/Ptoo/terr "},
    {" point selector!", "----terrako-----", "Point[oo]Cmx/ooo", "Rec(oo/oo oo:oo)"},
    {"  data display! ", "----terrako-----", "    up/down     ", " rotary encoder "},
    {"----function----", "data[t]x        ", "beep[o]n /[o]ff ", "[t]errako/[p]erm"},
    {"  meas and rec  ", "--oo/oo--oo:oo--", "D+ooo.o/T+oooo.o", "Ctooo/Ptoo/perm "},
    {" point selector!", "------perm------", "Point[oo]Cmx/ooo", "Rec(oo/oo oo:oo)"},
    {"  data display! ", "------perm------", "    up/down     ", " rotary encoder "},
    {"    CAUTION!!   ", "----------------", "   system batt  ", "     lost !!    "},
    {"    CAUTION!!   ", "----------------", "   data memory  ", "     lost !!    "},
}};

quint8 bcd(int value) {
    return quint8((value / 10) * 16 + value % 10);
}

}  // namespace

QByteArray messageTable() {
    QByteArray table;
    for (const auto& screen : Screens) {
        table += FormFeed;
        for (int line = 0; line < 4; ++line) {
            table += screen[size_t(line)];
            table += line < 3 ? LineFeed : End;
        }
    }
    table += QByteArray("\x0C\x0A  connect cpu!  \x0A    data Tx!    \x0A", 36) + End;  // entry 44
    table += QByteArray("\x0C\x0A  sleep!! bye   ", 18) + End;                          // entry 45
    table += QByteArray("  Tx complete!  ") + End;
    table += QByteArray("  Rx complete!  ") + End;
    table += QByteArray(16, ' ') + End;
    table += QByteArray(16, '?') + End;
    return table;
}

QByteArray image(const QDateTime& now, const std::array<quint8, 6>& parameters) {
    const QDate date = now.date();
    const QTime time = now.time();
    QByteArray image = messageTable();
    image += char((date.year() % 4) * 4);
    image += char(bcd(time.minute()));
    image += char(bcd(time.hour()));
    image += char(bcd(date.day()));
    image += char(bcd(date.month()));
    image += End;
    for (const quint8 parameter : parameters) image += char(parameter);
    image += End;
    image += QByteArray(ImageSize - image.size(), char(0xFF));
    return image;
}

}  // namespace SystemArea
