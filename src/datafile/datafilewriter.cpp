#include "datafile/datafilewriter.h"

#include <algorithm>
#include <array>

#include "datafile/cp932.h"
#include "datafile/datafilenotices.h"
#include "datafile/savefile.h"
#include "model/format.h"
#include "model/testdata.h"

namespace {

constexpr int ValuesPerLine = 10;

std::array<const QString*, 8> surveyTexts(const TestData& data, int block) {
    return {&data.SurveyName[block], &data.TesterName[block], &data.TestYear[block], &data.TestMonth[block],
            &data.TestDay[block],    &data.TestPlace[block],  &data.PointNo[block],  &data.DropHeight[block]};
}

// Appends the bytes a survey text is stored as; clears `*exact` (when given) when something was
// replaced.
void appendStoredText(Cp932& codec, QByteArray& bytes, const QString& text, bool* exact) {
    if (!text.contains(u'"')) return codec.encode(text, bytes, exact);
    if (exact) *exact = false;
    codec.encode(QString(text).replace(u'"', u'”'), bytes, exact);
}

void appendInteger(QByteArray& bytes, int value) {
    bytes += Format::number(value, "0").toLatin1();
}

}  // namespace

namespace DataFileLines {

void appendFirstLine(QByteArray& bytes, int blockCount) {
    bytes += "\"KORVANDEL\",";
    appendInteger(bytes, blockCount);
    bytes += ",\"EXT\"\r\n";
}

void appendBlock(Cp932& codec, QByteArray& bytes, const TestData& data, int block) {
    const int drops = std::clamp<int>(data.DropCount[block], 0, TestData::GridRows);
    appendInteger(bytes, block);
    for (const QString* text : surveyTexts(data, block)) {
        bytes += ",\"";
        appendStoredText(codec, bytes, *text, nullptr);
        bytes += '"';
    }
    bytes += ',';
    appendInteger(bytes, drops);
    bytes += "\r\n";
    for (int first = 1; first <= drops; first += ValuesPerLine) {
        for (int drop = first; drop < first + ValuesPerLine; ++drop) {
            if (drop > first) bytes += ',';
            bytes += '"';
            bytes += Format::dropValue(data.Measure[block][drop]).toLatin1();
            bytes += '"';
        }
        bytes += "\r\n";
    }
}

}  // namespace DataFileLines

QByteArray DataFileBytes(const TestData& data) {
    Cp932 codec;
    QByteArray bytes;
    bytes.reserve(data.BlockCount * 8000);
    DataFileLines::appendFirstLine(bytes, data.BlockCount);
    for (int block = 1; block <= data.BlockCount; ++block)
        DataFileLines::appendBlock(codec, bytes, data, block);
    return bytes;
}

bool SurveyTextsStorable(const TestData& data) {
    Cp932 codec;
    bool exact = true;
    QByteArray scratch;
    for (int block = 1; block <= data.BlockCount; ++block)
        for (const QString* text : surveyTexts(data, block)) {
            appendStoredText(codec, scratch, *text, &exact);
            scratch.clear();
        }
    return exact;
}

std::optional<Failure> WriteDataFile(const QString& path, const TestData& data, const QStringList& inputs) {
    if (const std::optional<SaveFailure> failure = SaveFileAtomically(path, DataFileBytes(data), inputs))
        return Failure{Failure::Kind::WriteFailed, DataFileNotices::unwritable(path, *failure)};
    return std::nullopt;
}
