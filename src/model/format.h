#pragma once

#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Every number pattern the application shows, prints or writes, and the rules for reading numbers
// from typed text. Nothing else formats a number.
//
// Rounding is half away from zero, applied to the shortest decimal text of the value: a single-precision
// 1.05 is the text "1.05" and shows as "1.1" with "0.0", although its binary value lies just below.
namespace Format {

// Formats with a numeric pattern of digit places and an optional decimal point:
//   '0' a digit that is always written (leading zeros pad), '#' a digit written only when significant,
//   '.' the decimal point followed by one '0' per decimal. "###" of 0 is empty, "####.0" of 0.4 is
//   ".4", "##0.0" of 0.4 is "0.4", "000" of 7 is "007". A pattern of '@' places right-aligns the
//   plain number in that many characters ("@@@" of 10 is " 10"). Negative values get a minus sign.
QString number(double value, std::string_view pattern);
QString number(float value, std::string_view pattern);
QString number(int value, std::string_view pattern);

// The value "0.0" shows for a float, as a number, without making the text: what the softness classes
// judge each drop by, for tens of thousands of drops at a time.
double tenths(float value);

// The display form of readings, penetrations and softness values: pattern "0.0".
QString display(double value);
QString display(float value);

// A number as the system prints it: a blank for zero and positive values or a minus sign, no zero
// before the point below 1, no trailing zeros and no point for whole values (" 3", " .35", "-.5").
QString signOrBlank(double value);

// A reading as the data file stores it: rounded to three decimals ("0.000"), then written sign-or-blank.
QString dropValue(float value);

// Numeric text: optional blanks, an optional sign, digits with an optional point and fraction and an
// optional exponent, and nothing else. Empty text is not numeric.
bool isNumeric(QStringView text);
// The same rule for ASCII text as a data file holds it.
bool isNumeric(std::string_view text);

// The value of the longest numeric prefix after leading blanks; 0 when there is none ("12.5abc" is 12.5).
double valueOf(QStringView text);
double valueOf(std::string_view text);

// A plain decimal at the start of file text: an optional sign, digits with an optional point and
// fraction, 15 digits at most, not followed by an exponent. Its value is that of `valueOf`.
struct PlainDecimal {
    double value;
    size_t length;  // characters taken
};
inline std::optional<PlainDecimal> plainDecimal(std::string_view text);

// A stored reading as it prints: its shortest decimal text read back as a double, so that typed input
// is compared with the number the user sees.
double readingValue(float reading);

// The shortest decimal text that reads back as the same value ("1.05", "12", "1e+20").
std::string shortest(double value);
std::string shortest(float value);

// Inline: a data file holds tens of thousands of readings in this form. Digits and power of ten are
// exact in doubles, so their quotient is the correctly rounded value of the decimal.
inline std::optional<PlainDecimal> plainDecimal(std::string_view text) {
    static constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const char* at = text.data();
    const char* const end = at + text.size();
    const bool negative = at < end && *at == '-';
    if (at < end && (*at == '+' || negative)) ++at;
    // Unsigned, so that an overlong number wraps harmlessly before it is refused.
    std::uint64_t digits = 0;
    const char* const integerStart = at;
    while (at < end && isDigit(*at)) digits = digits * 10 + static_cast<unsigned>(*at++ - '0');
    const std::ptrdiff_t integerDigits = at - integerStart;
    std::ptrdiff_t decimals = 0;
    if (at < end && *at == '.') {
        const char* const fractionStart = ++at;
        while (at < end && isDigit(*at)) digits = digits * 10 + static_cast<unsigned>(*at++ - '0');
        decimals = at - fractionStart;
    }
    const std::ptrdiff_t count = integerDigits + decimals;
    if (count == 0 || count > 15 || (at < end && (*at == 'e' || *at == 'E'))) return std::nullopt;
    const double value = static_cast<double>(digits) / powersOfTen[decimals];
    return PlainDecimal{negative ? -value : value, static_cast<size_t>(at - text.data())};
}

}  // namespace Format
