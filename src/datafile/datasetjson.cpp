#include "datafile/datasetjson.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <utility>

#include "model/format.h"
#include "model/testdata.h"

namespace {

QByteArray integer(int value) {
    return Format::number(value, "0").toLatin1();
}

QByteArray reading(float value) {
    return std::isfinite(value) ? QByteArray::fromStdString(Format::shortest(value)) : QByteArray("null");
}

// Appends a text as a JSON string, converted a piece at a time so that a long text is not copied whole.
void appendString(QByteArray& json, const QString& text) {
    static constexpr char hex[] = "0123456789abcdef";
    constexpr qsizetype Piece = 4096;
    json += '"';
    for (qsizetype at = 0; at < text.size();) {
        qsizetype length = std::min(Piece, text.size() - at);
        if (at + length < text.size() && text.at(at + length - 1).isHighSurrogate()) --length;
        for (const char c : QStringView(text).sliced(at, length).toUtf8()) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                json += '\\';
                json += c;
            } else if (byte < 0x20) {
                json += "\\u00";
                json += hex[byte >> 4];
                json += hex[byte & 0xF];
            } else {
                json += c;
            }
        }
        at += length;
    }
    json += '"';
}

}  // namespace

QByteArray DataSetJson(const TestData& data) {
    QByteArray json = "{\"layout\": ";
    json += data.ExtFormat == 1 ? "\"extended\"" : "\"older\"";
    json += ", \"maxDrops\": " + integer(data.MaxDrops);
    json += ", \"blockCount\": " + integer(data.BlockCount);
    json += ", \"blocks\": [";
    for (int block = 1; block <= data.BlockCount; ++block) {
        if (block > 1) json += ", ";
        json += "{\"blockNo\": " + integer(data.BlockNo[block]);
        const std::pair<const char*, const QString*> texts[] = {
            {"surveyName", &data.SurveyName[block]}, {"testerName", &data.TesterName[block]},
            {"testYear", &data.TestYear[block]},     {"testMonth", &data.TestMonth[block]},
            {"testDay", &data.TestDay[block]},       {"testPlace", &data.TestPlace[block]},
            {"pointNo", &data.PointNo[block]},       {"dropHeight", &data.DropHeight[block]}};
        for (const auto& [key, text] : texts) {
            json += ", \"";
            json += key;
            json += "\": ";
            appendString(json, *text);
        }
        json += ", \"dropCount\": " + integer(data.DropCount[block]);
        json += ", \"measure\": [";
        for (int drop = 1; drop <= data.DropCount[block]; ++drop) {
            if (drop > 1) json += ", ";
            json += reading(data.Measure[block][drop]);
        }
        json += "]}";
    }
    json += "]}\n";
    return json;
}
