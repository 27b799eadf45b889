#include "model/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace Format {
namespace {

// A finite value as its shortest decimal digits: |value| = 0.digits × 10^point.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

template <typename T>
Decimal decimalOf(T value) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    const std::string_view text(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
    Decimal decimal;
    size_t at = 0;
    if (text[at] == '-') {
        decimal.negative = true;
        ++at;
    }
    const size_t exponentAt = text.find('e');
    for (; at < exponentAt; ++at)
        if (text[at] != '.') decimal.digits += text[at];
    int exponent = 0;
    const char* begin = text.data() + exponentAt + 1;
    if (*begin == '+') ++begin;
    std::from_chars(begin, text.data() + text.size(), exponent);
    decimal.point = exponent + 1;
    return decimal;
}

// Adds one unit in the last place of a string of decimal digits.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

struct Fixed {
    std::string integer;  // without leading zeros; empty for a zero integer part
    std::string fraction;
};

// The digits of |value| rounded half away from zero to the given number of decimals.
Fixed rounded(const Decimal& decimal, int decimals) {
    const int length = static_cast<int>(decimal.digits.size());
    const int keep = decimal.point + decimals;
    std::string kept;
    for (int i = 0; i < keep; ++i) kept += i < length ? decimal.digits[static_cast<size_t>(i)] : '0';
    if (keep >= 0 && keep < length && decimal.digits[static_cast<size_t>(keep)] >= '5') increment(kept);
    if (static_cast<int>(kept.size()) < decimals)
        kept.insert(0, static_cast<size_t>(decimals) - kept.size(), '0');
    Fixed fixed;
    fixed.integer = kept.substr(0, kept.size() - static_cast<size_t>(decimals));
    fixed.fraction = kept.substr(kept.size() - static_cast<size_t>(decimals));
    fixed.integer.erase(0, std::min(fixed.integer.find_first_not_of('0'), fixed.integer.size()));
    return fixed;
}

// The exact digits of the shortest decimal text, without trailing zeros in the fraction.
Fixed exact(const Decimal& decimal) {
    Fixed fixed = rounded(decimal, std::max(0, static_cast<int>(decimal.digits.size()) - decimal.point));
    fixed.fraction.erase(fixed.fraction.find_last_not_of('0') + 1);
    return fixed;
}

// '#' and '0' places, a point and zero places after it.
struct NumericPattern {
    int minimumIntegerDigits = 0;
    int decimals = 0;
};

NumericPattern parsePattern(std::string_view pattern) {
    NumericPattern parsed;
    const size_t pointAt = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, pointAt);
    parsed.minimumIntegerDigits = static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    if (pointAt != std::string_view::npos) parsed.decimals = static_cast<int>(pattern.size() - pointAt - 1);
    return parsed;
}

bool isTextPattern(std::string_view pattern) {
    return !pattern.empty() && std::all_of(pattern.begin(), pattern.end(), [](char c) { return c == '@'; });
}

template <typename T>
QString formatted(T value, std::string_view pattern) {
    if (!std::isfinite(value)) return {};
    if (isTextPattern(pattern)) {
        const QString plain = signOrBlank(static_cast<double>(value)).trimmed();
        return plain.rightJustified(static_cast<qsizetype>(pattern.size()), u' ');
    }
    const NumericPattern parsed = parsePattern(pattern);
    const Decimal decimal = decimalOf(value);
    Fixed fixed = rounded(decimal, parsed.decimals);
    if (static_cast<int>(fixed.integer.size()) < parsed.minimumIntegerDigits)
        fixed.integer.insert(0, static_cast<size_t>(parsed.minimumIntegerDigits) - fixed.integer.size(), '0');
    std::string text = value < 0 ? "-" : "";
    text += fixed.integer;
    if (parsed.decimals > 0) text += "." + fixed.fraction;
    return QString::fromLatin1(text);
}

// The rules for reading numbers apply alike to typed text (QStringView) and to file bytes
// (std::string_view); both are indexed by position.
template <typename View>
qsizetype sizeOf(View text) {
    return static_cast<qsizetype>(text.size());
}

template <typename View>
auto at(View text, qsizetype index) {
    return text[static_cast<decltype(text.size())>(index)];
}

QStringView after(QStringView text, qsizetype index) {
    return text.sliced(index);
}

std::string_view after(std::string_view text, qsizetype index) {
    return text.substr(static_cast<size_t>(index));
}

template <typename Char>
bool isBlank(Char c) {
    return c == u' ' || c == u'\t';
}

template <typename Char>
bool isDigit(Char c) {
    return c >= u'0' && c <= u'9';
}

template <typename View>
qsizetype skipBlanks(View text, qsizetype index) {
    while (index < sizeOf(text) && isBlank(at(text, index))) ++index;
    return index;
}

template <typename View>
qsizetype skipDigits(View text, qsizetype index) {
    while (index < sizeOf(text) && isDigit(at(text, index))) ++index;
    return index;
}

// The longest number at the start of the text: sign, digits, point, fraction, exponent.
struct NumberPrefix {
    qsizetype end = 0;  // 0 when there is no number
    bool negativeExponent = false;
};

template <typename View>
NumberPrefix numberPrefix(View text) {
    NumberPrefix prefix;
    const qsizetype size = sizeOf(text);
    qsizetype index = 0;
    if (index < size && (at(text, index) == u'+' || at(text, index) == u'-')) ++index;
    const qsizetype integerEnd = skipDigits(text, index);
    bool anyDigit = integerEnd > index;
    index = integerEnd;
    if (index < size && at(text, index) == u'.') {
        const qsizetype fractionEnd = skipDigits(text, index + 1);
        anyDigit = anyDigit || fractionEnd > index + 1;
        index = fractionEnd;
    }
    if (!anyDigit) return prefix;
    if (index < size && (at(text, index) == u'e' || at(text, index) == u'E')) {
        qsizetype exponentAt = index + 1;
        const bool negative = exponentAt < size && at(text, exponentAt) == u'-';
        if (exponentAt < size && (at(text, exponentAt) == u'+' || negative)) ++exponentAt;
        const qsizetype exponentEnd = skipDigits(text, exponentAt);
        if (exponentEnd > exponentAt) {
            index = exponentEnd;
            prefix.negativeExponent = negative;
        }
    }
    prefix.end = index;
    return prefix;
}

template <typename View>
bool isNumericText(View text) {
    const View rest = after(text, skipBlanks(text, 0));
    const qsizetype end = numberPrefix(rest).end;
    return end > 0 && skipBlanks(rest, end) == sizeOf(rest);
}

// The value of a number prefix given as ASCII digits, with its sign.
double valueOfDigits(std::string_view number, bool negativeExponent) {
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

}  // namespace

double tenths(float value) {
    const float magnitude = std::abs(value);
    // The text rounds as the value does, except at a half tenth: there the float may lie just below the
    // decimal it stands for (1.05f prints as "1.05" and shows as "1.1"). Below 10^5 the floats lie closer
    // together than the tenths, so a half tenth that reads back as this float is its shortest text.
    if (!(magnitude < 1e5f)) return valueOf(number(value, "0.0"));
    const double scaled = static_cast<double>(magnitude) * 10;               // exact
    const auto below = static_cast<double>(static_cast<long long>(scaled));  // floor: not negative
    const double fraction = scaled - below;
    // Floats below 10^5 lie less than 0.008 apart: only near a half tenth can the text be one.
    const bool halfIsTheText =
        std::abs(fraction - 0.5) < 0.1 && static_cast<float>((below + 0.5) / 10) == magnitude;
    const double tenth = (halfIsTheText || fraction > 0.5 ? below + 1 : below) / 10;
    return value < 0 ? -tenth : tenth;
}

QString number(double value, std::string_view pattern) {
    return formatted(value, pattern);
}
QString number(float value, std::string_view pattern) {
    return formatted(value, pattern);
}
QString number(int value, std::string_view pattern) {
    return formatted(static_cast<double>(value), pattern);
}

QString display(double value) {
    return number(value, "0.0");
}
QString display(float value) {
    return number(value, "0.0");
}

QString signOrBlank(double value) {
    if (!std::isfinite(value)) return {};
    const Fixed fixed = exact(decimalOf(value));
    std::string text = value < 0 ? "-" : " ";
    if (fixed.integer.empty() && fixed.fraction.empty()) return QString::fromLatin1(text + "0");
    text += fixed.integer;
    if (!fixed.fraction.empty()) text += "." + fixed.fraction;
    return QString::fromLatin1(text);
}

QString dropValue(float value) {
    return signOrBlank(valueOf(number(value, "0.000")));
}

bool isNumeric(QStringView text) {
    return isNumericText(text);
}

bool isNumeric(std::string_view text) {
    return isNumericText(text);
}

double valueOf(QStringView text) {
    const QStringView rest = after(text, skipBlanks(text, 0));
    const NumberPrefix prefix = numberPrefix(rest);
    if (prefix.end == 0) return 0.0;
    const std::string ascii = rest.first(prefix.end).toLatin1().toStdString();
    return valueOfDigits(ascii, prefix.negativeExponent);
}

double valueOf(std::string_view text) {
    const std::string_view rest = after(text, skipBlanks(text, 0));
    if (const std::optional<PlainDecimal> plain = plainDecimal(rest)) return plain->value;
    const NumberPrefix prefix = numberPrefix(rest);
    if (prefix.end == 0) return 0.0;
    return valueOfDigits(rest.substr(0, static_cast<size_t>(prefix.end)), prefix.negativeExponent);
}

double readingValue(float reading) {
    return valueOf(QString::fromStdString(shortest(reading)));
}

std::string shortest(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string shortest(float value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

}  // namespace Format
