#include "datafile/cp932.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);
constexpr size_t Failed = static_cast<size_t>(-1);
// The texts are converted from and to their UTF-16 storage in place, in this machine's byte order.
constexpr const char* Utf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t ReplacementCharacter = u'\uFFFD';
constexpr std::string_view FullWidthQuestionMark = "\x81\x48";  // "？" in CP932

// At most this many input bytes go to iconv at a time, so that the cost of a call (which tools that
// check memory count by its whole input) stays bounded however many bytes are replaced. After a
// replacement the window starts small and grows again while the bytes convert.
constexpr size_t Window = 4096;
constexpr size_t SmallWindow = 16;

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Bytes that start no CP932 character: neither lead nor single bytes.
bool neverStartsCp932(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value == 0x80 || value == 0xA0 || value >= 0xFD;
}

// Converts all of `input` with `converter` into `output`, which has room for `growth` output bytes
// per input byte. At a sequence it cannot convert, `skip(sequence, left)` gives how many bytes to
// pass over and how many `replacement`s to write instead. Returns the end of the output and whether
// nothing was replaced.
template <typename Skip>
std::pair<char*, bool> convert(iconv_t converter, std::string_view input, char* output, size_t growth,
                               std::string_view replacement, Skip skip) {
    bool exact = true;
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    if (converter != NoConverter) iconv(converter, nullptr, nullptr, nullptr, nullptr);
    size_t size = Window;
    while (inLeft > 0) {
        size_t windowLeft = std::min(inLeft, size);
        const size_t window = windowLeft;
        size_t outLeft = window * growth;
        const bool converted =
            converter != NoConverter && iconv(converter, &in, &windowLeft, &output, &outLeft) != Failed;
        const int error = errno;
        inLeft -= window - windowLeft;
        if (converted) {
            size = std::min(size * 2, Window);
            continue;
        }
        // A character cut by the window's end is converted with the next window.
        if (converter != NoConverter && error == EINVAL && windowLeft < inLeft && window - windowLeft > 0)
            continue;
        const auto [skipped, replacements] = skip(in, inLeft);
        in += skipped;
        inLeft -= skipped;
        for (size_t count = 0; count < replacements; ++count)
            output = std::copy(replacement.begin(), replacement.end(), output);
        exact = false;
        size = SmallWindow;
    }
    return {output, exact};
}

}  // namespace

Cp932::Cp932() : decoder_(iconv_open(Utf16, "CP932")), encoder_(iconv_open("CP932", Utf16)) {}

Cp932::~Cp932() {
    if (decoder_ != NoConverter) iconv_close(decoder_);
    if (encoder_ != NoConverter) iconv_close(encoder_);
}

// iconv writes straight into the result's storage, sized for the longest result; the pages a shorter
// result leaves unused are never touched, so they cost no memory.
QString Cp932::decode(std::string_view bytes, bool* valid) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // Every CP932 character, and every byte replaced, is one UTF-16 unit.
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    char* const start = reinterpret_cast<char*>(text.data());
    const std::string_view replacement(reinterpret_cast<const char*>(&ReplacementCharacter),
                                       sizeof ReplacementCharacter);
    // A run of bytes that start no character is passed over in one go, one replacement each.
    const auto [end, exact] =
        convert(decoder_, bytes, start, sizeof(char16_t), replacement, [](const char* byte, size_t left) {
            const size_t run = std::find_if_not(byte + 1, byte + left, neverStartsCp932) - byte;
            return std::pair{run, run};
        });
    if (!exact && valid) *valid = false;
    text.resize((end - start) / static_cast<qsizetype>(sizeof(char16_t)));
    return text;
}

void Cp932::encode(QStringView text, QByteArray& output, bool* exact) {
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        output += text.toLatin1();
        return;
    }
    // A UTF-16 unit gives at most two bytes, as does "？" for a unit or a pair that CP932 lacks.
    const qsizetype before = output.size();
    output.resize(before + text.size() * 2);
    const std::string_view units(reinterpret_cast<const char*>(text.data()),
                                 static_cast<size_t>(text.size()) * sizeof(char16_t));
    char* const start = output.data() + before;
    const auto [end, converted] =
        convert(encoder_, units, start, 1, FullWidthQuestionMark, [](const char* unit, size_t left) {
            char16_t pair[2] = {};
            std::memcpy(pair, unit, std::min(left, sizeof pair));
            const bool whole =
                left >= sizeof pair && QChar::isHighSurrogate(pair[0]) && QChar::isLowSurrogate(pair[1]);
            return std::pair{whole ? sizeof pair : sizeof pair[0], size_t{1}};
        });
    if (!converted && exact) *exact = false;
    output.resize(before + (end - start));
}

QByteArray Cp932::encode(QStringView text, bool* exact) {
    QByteArray bytes;
    encode(text, bytes, exact);
    return bytes;
}
