#include "datafile/cp932.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);
constexpr size_t Failed = static_cast<size_t>(-1);
constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
constexpr std::string_view FullWidthQuestionMark = "\x81\x48";     // "？" in CP932

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Length of the UTF-8 sequence that starts with this byte.
size_t utf8Length(char lead) {
    const auto byte = static_cast<unsigned char>(lead);
    if (byte >= 0xF0) return 4;
    if (byte >= 0xE0) return 3;
    if (byte >= 0xC0) return 2;
    return 1;
}

// At most this many input bytes go to iconv at a time, so that the cost of a call (which tools that
// check memory count by its whole input) stays bounded however many bytes are replaced. After a
// replacement the window starts small and grows again while the bytes convert.
constexpr size_t Window = 4096;
constexpr size_t SmallWindow = 16;

// Converts all of `input` with `converter`, appending to `output`; at a sequence it cannot convert,
// skips `skip(input)` bytes and appends `replacement` instead. Returns whether nothing was replaced.
// Bytes that start no character in either direction: not CP932 lead or single bytes, not UTF-8 leads.
bool neverConverts(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value == 0x80 || value == 0xA0 || value >= 0xFD;
}

// `count` copies of the text, in a number of appends that grows with the logarithm of the count.
void appendRepeated(std::string& output, std::string_view text, size_t count) {
    const size_t start = output.size();
    output.append(text);
    for (size_t have = 1; have < count;) {
        const size_t take = std::min(have, count - have);
        output.append(output, start, take * text.size());
        have += take;
    }
}

template <typename Skip>
bool convert(iconv_t converter, std::string_view input, std::string& output, std::string_view replacement,
             Skip skip) {
    bool exact = true;
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    // A window's output fits: one input byte gives at most three output bytes (or one replacement).
    std::string buffer(Window * 3 + replacement.size(), '\0');
    if (converter != NoConverter) iconv(converter, nullptr, nullptr, nullptr, nullptr);
    size_t size = Window;
    while (inLeft > 0) {
        size_t windowLeft = std::min(inLeft, size);
        const size_t window = windowLeft;
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const bool converted =
            converter != NoConverter && iconv(converter, &in, &windowLeft, &out, &outLeft) != Failed;
        const int error = errno;
        inLeft -= window - windowLeft;
        output.append(buffer.data(), buffer.size() - outLeft);
        if (converted) {
            size = std::min(size * 2, Window);
            continue;
        }
        // A character cut by the window's end is converted with the next window.
        if (converter != NoConverter && error == EINVAL && windowLeft < inLeft && window - windowLeft > 0)
            continue;
        // A run of sequences that cannot convert is replaced in one go.
        size_t sequences = 0;
        do {
            const size_t skipped = std::min(skip(*in), inLeft);
            in += skipped;
            inLeft -= skipped;
            ++sequences;
        } while (inLeft > 0 && neverConverts(*in));
        appendRepeated(output, replacement, sequences);
        exact = false;
        size = SmallWindow;
    }
    return exact;
}

}  // namespace

Cp932::Cp932() : decoder_(iconv_open("UTF-8", "CP932")), encoder_(iconv_open("CP932", "UTF-8")) {}

Cp932::~Cp932() {
    if (decoder_ != NoConverter) iconv_close(decoder_);
    if (encoder_ != NoConverter) iconv_close(encoder_);
}

QString Cp932::decode(std::string_view bytes, bool* valid) {
    if (isAscii(bytes)) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 2);
    if (!convert(decoder_, bytes, utf8, ReplacementCharacter, [](char) { return size_t{1}; }) && valid)
        *valid = false;
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QByteArray Cp932::encode(QStringView text, bool* exact) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view input(utf8.constData(), static_cast<size_t>(utf8.size()));
    if (isAscii(input)) return utf8;
    std::string bytes;
    bytes.reserve(input.size());
    if (!convert(encoder_, input, bytes, FullWidthQuestionMark, utf8Length) && exact) *exact = false;
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
