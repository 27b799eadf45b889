#include "datafile/datasetjson.h"

#include <QString>
#include <cmath>

#include "model/format.h"
#include "model/testdata.h"

namespace {

QByteArray integer(int value) {
    return Format::number(value, "0").toLatin1();
}

QByteArray reading(float value) {
    return std::isfinite(value) ? QByteArray::fromStdString(Format::shortest(value)) : QByteArray("null");
}

QByteArray string(const QString& text) {
    static constexpr char hex[] = "0123456789abcdef";
    QByteArray quoted = "\"";
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += hex[byte >> 4];
            quoted += hex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
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
        json += ", \"surveyName\": " + string(data.SurveyName[block]);
        json += ", \"testerName\": " + string(data.TesterName[block]);
        json += ", \"testYear\": " + string(data.TestYear[block]);
        json += ", \"testMonth\": " + string(data.TestMonth[block]);
        json += ", \"testDay\": " + string(data.TestDay[block]);
        json += ", \"testPlace\": " + string(data.TestPlace[block]);
        json += ", \"pointNo\": " + string(data.PointNo[block]);
        json += ", \"dropHeight\": " + string(data.DropHeight[block]);
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
