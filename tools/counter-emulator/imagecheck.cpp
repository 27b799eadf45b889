#include "imagecheck.h"

#include <algorithm>
#include <string_view>

namespace {

// The counter's display messages, four lines to a screen; a screen starts with a form feed, its
// lines end with a line feed but the last with a zero.
constexpr std::string_view ScreenLines[] = {
    "    sleeper!    ", "--oo/oo--oo:oo--", "  auto sleep!   ", "Bt+o.o(+o.ov<3v)",  //
    "   test mode    ", "--oo/oo--oo:oo--", "D+oooo.omm/Moooo", "Bt+o.o,+o.ov/Poo",  //
    "  meas and rec  ", "--oo/oo--oo:oo--", "D+ooo.o/T+oooo.o", "Ctooo/Ptoo/terr ",  //
    " point selector!", "----terrako-----", "Point[oo]Cmx/ooo", "Rec(oo/oo oo:oo)",  //
    "  data display! ", "----terrako-----", "    up/down     ", " rotary encoder ",  //
    "----function----", "data[t]x        ", "beep[o]n /[o]ff ", "[t]errako/[p]erm",  //
    "  meas and rec  ", "--oo/oo--oo:oo--", "D+ooo.o/T+oooo.o", "Ctooo/Ptoo/perm ",  //
    " point selector!", "------perm------", "Point[oo]Cmx/ooo", "Rec(oo/oo oo:oo)",  //
    "  data display! ", "------perm------", "    up/down     ", " rotary encoder ",  //
    "    CAUTION!!   ", "----------------", "   system batt  ", "     lost !!    ",  //
    "    CAUTION!!   ", "----------------", "   data memory  ", "     lost !!    ",
};

std::string expectedTable() {
    std::string table;
    for (std::size_t line = 0; line < std::size(ScreenLines); ++line) {
        if (line % 4 == 0) table += '\f';
        table += ScreenLines[line];
        table += line % 4 == 3 ? '\0' : '\n';
    }
    table += "\f\n  connect cpu!  \n    data Tx!    \n";
    table += '\0';
    table += "\f\n  sleep!! bye   ";
    table += '\0';
    for (const std::string_view last :
         {"  Tx complete!  ", "  Rx complete!  ", "                ", "????????????????"}) {
        table += last;
        table += '\0';
    }
    return table;
}

std::uint8_t bcd(int value) {
    return std::uint8_t((value / 10) * 16 + value % 10);
}

// The five clock bytes a PC sets at the given time.
std::array<std::uint8_t, 5> clockBytes(std::time_t at) {
    std::tm local{};
    localtime_r(&at, &local);
    return {std::uint8_t(((local.tm_year + 1900) % 4) * 4), bcd(local.tm_min), bcd(local.tm_hour),
            bcd(local.tm_mday), bcd(local.tm_mon + 1)};
}

std::string hex(std::uint8_t byte) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    return {'0', 'x', Digits[byte >> 4], Digits[byte & 0x0F]};
}

}  // namespace

std::vector<std::string> checkImage(const std::vector<std::uint8_t>& image, std::time_t now,
                                    const ExpectedParameters& parameters) {
    std::vector<std::string> faults;
    if (image.size() != 1024) {
        faults.push_back("the image has " + std::to_string(image.size()) + " bytes instead of 1024");
        return faults;
    }
    const std::string table = expectedTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (image[i] != std::uint8_t(table[i])) {
            faults.push_back("message table differs at byte " + std::to_string(i) + ": " + hex(image[i]) +
                             " instead of " + hex(std::uint8_t(table[i])));
            break;
        }
    }
    const std::size_t clockAt = table.size();
    bool clockMatches = false;
    for (int minutesAgo = 0; minutesAgo <= 3 && !clockMatches; ++minutesAgo) {
        const auto expected = clockBytes(now - minutesAgo * 60);
        clockMatches = std::equal(expected.begin(), expected.end(), image.begin() + long(clockAt));
    }
    if (!clockMatches) faults.push_back("the clock bytes do not hold the present local time");
    if (image[clockAt + 5] != 0) faults.push_back("the byte after the clock is not 0x00");
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const std::uint8_t actual = image[clockAt + 6 + i];
        if (parameters[i] && actual != *parameters[i])
            faults.push_back("parameter byte " + std::to_string(i + 1) + " is " + std::to_string(actual) +
                             " instead of " + std::to_string(*parameters[i]));
    }
    if (image[clockAt + 12] != 0) faults.push_back("the byte after the parameters is not 0x00");
    for (std::size_t i = clockAt + 13; i < image.size(); ++i) {
        if (image[i] != 0xFF) {
            faults.push_back("the fill byte at " + std::to_string(i) + " is " + hex(image[i]) +
                             " instead of 0xFF");
            break;
        }
    }
    return faults;
}
