#include "counter/dumpconversion.h"

#include <algorithm>
#include <optional>

#include "counter/dumpvalues.h"
#include "datafile/cp932.h"
#include "datafile/datafilenotices.h"
#include "datafile/filebytes.h"
#include "datafile/savefile.h"
#include "model/format.h"

namespace {

constexpr int MaxRecords = 128;
constexpr qsizetype RecordsStart = 512;  // digits: the records begin at byte 256
constexpr qsizetype RecordHeader = 16;   // digits: number, stamp, drops, header value
constexpr off_t LargestDump = 1 << 20;   // far above the 30722 bytes of a dump
const QString LineEnd = QStringLiteral("\r\n");

// The first line of the bytes without its line end.
QString firstLineOf(std::string_view bytes) {
    std::string_view line = bytes.substr(0, bytes.find('\n'));
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

// The first line of a file without its line end, or nothing when the file cannot be read.
std::optional<QString> firstLine(const QString& path, std::optional<Failure>& failure) {
    const std::optional<std::string> bytes = ReadFileBytes(path, LargestDump, failure);
    return bytes ? std::optional<QString>(firstLineOf(*bytes)) : std::nullopt;
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// A dump that was read but cannot be a counter's memory.
Failure refused(const QString& message) {
    return {Failure::Kind::RefusedInput, message};
}

// Reading j (from 1) of a record.
double reading(QStringView record, int j) {
    const qsizetype at = RecordHeader + 4 * (j - 1);
    return ReadingValue(record.sliced(at, 2), record.sliced(at + 2, 2));
}

// A record as text: its header line, its readings ten to a line, and an empty line after a partial
// last line, two after a full one.
QString recordText(QStringView record) {
    const int drops = HexValue(record.sliced(10, 2));
    QString text = Format::number(HexValue(record.first(2)), "000") + u' ' + StampText(record.sliced(2, 8)) +
                   u' ' + Format::number(drops, "000") + u' ' +
                   Format::number(ReadingValue(record.sliced(12, 2), record.sliced(14, 2)), "####.0") +
                   LineEnd;
    for (int j = 1; j <= drops; ++j) {
        text += Format::number(reading(record, j), "##0.0");
        text += j % 10 == 0 ? LineEnd : QStringLiteral(" ");
    }
    return text + LineEnd + LineEnd;
}

}  // namespace

std::optional<Failure> DumpRecordsText(const QString& hex, const QString& dumpPath, QString& text) {
    if (hex.size() < 2) return refused(QStringLiteral("ﾌｧｲﾙ%1にﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀがありません。").arg(dumpPath));
    const auto notHex = std::find_if_not(hex.begin(), hex.end(), isHexDigit);
    if (notHex != hex.end())
        return refused(
            QStringLiteral("ﾌｧｲﾙ%1はﾃﾗｺｶｳﾝﾀのﾃﾞｰﾀではありません。\n(%2文字目が16進数ではありません)")
                .arg(dumpPath)
                .arg(notHex - hex.begin() + 1));
    const int count = HexValue(QStringView(hex).first(2));
    if (count > MaxRecords)
        return refused(QStringLiteral("ﾌｧｲﾙ%1の記録数%2が、読込める数(%3)を超えています。")
                           .arg(dumpPath)
                           .arg(count)
                           .arg(MaxRecords));

    text.clear();
    int totalDrops = 0;
    qsizetype at = RecordsStart;
    for (int record = 1; record <= count; ++record) {
        const bool headerFits = at + RecordHeader <= hex.size();
        const int drops = headerFits ? HexValue(QStringView(hex).sliced(at + 10, 2)) : 0;
        const qsizetype length = RecordHeader + 4 * drops;
        if (!headerFits || at + length > hex.size())
            return refused(QStringLiteral("ﾌｧｲﾙ%1の%2番目の記録が、ﾃﾞｰﾀの終わりを越えています。")
                               .arg(dumpPath)
                               .arg(record));
        text += recordText(QStringView(hex).sliced(at, length));
        totalDrops += drops;
        at += length;
    }
    text += QStringLiteral("GGT 制御番号  ") + Format::number(count, "000") + u' ' +
            Format::number(totalDrops, "0000") + LineEnd;
    return std::nullopt;
}

std::optional<Failure> DumpBytesText(std::string_view bytes, const QString& dumpPath, QString& text) {
    if (bytes.size() > static_cast<size_t>(LargestDump))
        return refused(DataFileNotices::oversized(dumpPath, LargestDump));
    return DumpRecordsText(firstLineOf(bytes), dumpPath, text);
}

std::optional<Failure> ConvertDump(const QString& dumpPath, const QString& textPath) {
    std::optional<Failure> unread;
    const std::optional<QString> dump = firstLine(dumpPath, unread);
    if (!dump) return unread;
    QString text;
    if (std::optional<Failure> refusal = DumpRecordsText(*dump, dumpPath, text)) return refusal;
    Cp932 codec;
    if (const std::optional<SaveFailure> failure =
            SaveFileAtomically(textPath, codec.encode(text, nullptr), {dumpPath}))
        return Failure{Failure::Kind::WriteFailed, DataFileNotices::unwritable(textPath, *failure)};
    return std::nullopt;
}

bool IsCounterDump(const QString& path) {
    std::optional<Failure> unread;
    const std::optional<QString> line = firstLine(path, unread);
    return line && !line->isEmpty() && std::all_of(line->begin(), line->end(), isHexDigit);
}
