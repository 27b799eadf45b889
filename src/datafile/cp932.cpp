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

// Converts all of `input` with `converter`; at a sequence it cannot convert, skips `skip(input)`
// bytes and writes `replacement` instead. Returns whether nothing was replaced.
template <typename Skip>
bool convert(iconv_t converter, std::string_view input, std::string& output, std::string_view replacement,
             Skip skip) {
    bool exact = true;
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    if (converter != NoConverter) iconv(converter, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (converter != NoConverter && iconv(converter, &in, &inLeft, &out, &outLeft) != Failed) break;
        const size_t skipped = std::min(skip(*in), inLeft);
        in += skipped;
        inLeft -= skipped;
        out = std::copy(replacement.begin(), replacement.end(), out);
        outLeft -= replacement.size();
        exact = false;
    }
    output.resize(output.size() - outLeft);
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
    // One CP932 byte gives at most three UTF-8 bytes (a half-width katakana or a replacement).
    std::string utf8(bytes.size() * 3, '\0');
    if (!convert(decoder_, bytes, utf8, ReplacementCharacter, [](char) { return size_t{1}; }) && valid)
        *valid = false;
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QByteArray Cp932::encode(QStringView text, bool* exact) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view input(utf8.constData(), static_cast<size_t>(utf8.size()));
    if (isAscii(input)) return utf8;
    // Every character takes at least one UTF-8 byte and at most two CP932 bytes.
    std::string bytes(input.size() * 2, '\0');
    if (!convert(encoder_, input, bytes, FullWidthQuestionMark, utf8Length) && exact) *exact = false;
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
