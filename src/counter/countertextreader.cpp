#include "counter/countertextreader.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "datafile/cp932.h"
#include "datafile/datafilenotices.h"
#include "datafile/filebytes.h"
#include "model/format.h"
#include "model/testdata.h"

namespace {

// The text of 128 records of 500 readings takes about 400 kilobytes; a file far larger is something else.
constexpr off_t LargestText = 8 * 1024 * 1024;
// Record numbers are one byte in the counter's memory.
constexpr int LargestRecordNumber = 255;

// The items of the text, separated by blanks and line ends, taken one after another as they are
// needed. When an item cannot be taken, `failure` says why.
class Items {
public:
    explicit Items(const QString& text) : text_(text) {}

    std::optional<QStringView> text() {
        const auto separator = [](QChar c) { return c == u' ' || c == u'\r' || c == u'\n'; };
        while (at_ < text_.size() && separator(text_[at_])) ++at_;
        if (at_ == text_.size()) {
            failure = QStringLiteral("ﾌｧｲﾙが途中で終わっています");
            return std::nullopt;
        }
        const qsizetype start = at_;
        while (at_ < text_.size() && !separator(text_[at_])) ++at_;
        return QStringView(text_).sliced(start, at_ - start);
    }

    std::optional<double> number() {
        const std::optional<QStringView> item = text();
        if (!item) return std::nullopt;
        if (!Format::isNumeric(*item)) {
            failure = QStringLiteral("「%1」は数値ではありません").arg(quotedInput(*item));
            return std::nullopt;
        }
        return Format::valueOf(*item);
    }

    // A whole number from `lowest` to `highest`, the `what` of the record.
    std::optional<int> whole(const QString& what, int lowest, int highest) {
        const qsizetype before = at_;
        const std::optional<double> value = number();
        if (!value) return std::nullopt;
        if (*value != std::floor(*value) || *value < lowest || *value > highest) {
            const QStringView item = QStringView(text_).sliced(before, at_ - before).trimmed();
            failure = QStringLiteral("%1「%2」が%3～%4ではありません")
                          .arg(what, quotedInput(item))
                          .arg(lowest)
                          .arg(highest);
            return std::nullopt;
        }
        return static_cast<int>(*value);
    }

    // The date MM/DD.
    std::optional<QStringView> date() {
        const std::optional<QStringView> item = text();
        if (!item) return std::nullopt;
        if (item->size() != 5 || item->at(2) != u'/') {
            failure = QStringLiteral("日付「%1」が読めません").arg(quotedInput(*item));
            return std::nullopt;
        }
        return item;
    }

    QString failure;

private:
    const QString& text_;
    qsizetype at_ = 0;
};

// The number of records the GGT control line gives: the number at the start of its characters 11-14;
// 0 without such a line.
double recordCount(const QString& text) {
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = text.size();
        const QStringView line = QStringView(text).sliced(start, end - start);
        if (line.startsWith(u"GGT")) return Format::valueOf(line.mid(10, 4));
        start = end + 1;
    }
    return 0.0;
}

// One record into the block it is numbered with; a record numbered beyond the blocks is read and left
// out. False when an item cannot be taken.
bool readRecord(Items& items, const InheritedSurvey& survey, TestData& data, std::vector<int>& leftOut) {
    const std::optional<int> number = items.whole(QStringLiteral("記録番号"), 1, LargestRecordNumber);
    if (!number) return false;
    const std::optional<QStringView> date = items.date();
    if (!date) return false;
    if (!items.text()) return false;  // the time of day is not kept
    const std::optional<int> drops = items.whole(QStringLiteral("回数"), 0, TestData::GridRows);
    if (!drops) return false;
    if (!items.number()) return false;  // nor is the header value
    // The readings are mm per drop; the block keeps the depth in cm to a tenth.
    std::vector<float> depths;
    double sum = 0.0;
    for (int drop = 1; drop <= *drops; ++drop) {
        const std::optional<double> reading = items.number();
        if (!reading) return false;
        sum += *reading;
        depths.push_back(static_cast<float>(Format::valueOf(Format::number(sum / 10, "###.0"))));
    }
    if (*number > TestData::MaxBlocks) {
        leftOut.push_back(*number);
        return true;
    }
    const int block = *number;
    // A record numbered beyond the count still gets a block of its own, so that nothing read is lost.
    data.BlockCount = std::max(data.BlockCount, static_cast<qint16>(block));
    data.TestMonth[block] = date->first(2).toString();
    data.TestDay[block] = date->sliced(3, 2).toString();
    data.DropCount[block] = static_cast<qint16>(*drops);
    data.SurveyName[block] = survey.surveyName;
    data.TesterName[block] = survey.testerName;
    data.TestYear[block] = survey.testYear;
    data.TestPlace[block] = survey.testPlace;
    data.PointNo[block] = survey.pointNo;
    data.DropHeight[block] = survey.dropHeight;
    std::copy(depths.begin(), depths.end(), data.Measure[block].begin() + 1);
    return true;
}

Failure refused(const QString& text) {
    return {Failure::Kind::RefusedInput, text};
}

}  // namespace

CounterTextRead ReadCounterText(const QString& path, const InheritedSurvey& survey, TestData& data) {
    CounterTextRead result;
    const std::optional<std::string> bytes = ReadFileBytes(path, LargestText, result.failure);
    return bytes ? ReadCounterTextBytes(*bytes, path, survey, data) : result;
}

CounterTextRead ReadCounterTextBytes(std::string_view bytes, const QString& name,
                                     const InheritedSurvey& survey, TestData& data) {
    return ReadCounterRecords(Cp932().decode(bytes, nullptr), name, survey, data);
}

CounterTextRead ReadCounterRecords(const QString& text, const QString& path, const InheritedSurvey& survey,
                                   TestData& data) {
    CounterTextRead result;
    const double count = recordCount(text);
    if (count != std::floor(count) || count < 0) {
        result.failure = refused(QStringLiteral("ﾌｧｲﾙ%1の記録数「%2」が読めません。")
                                     .arg(path, Format::signOrBlank(count).trimmed()));
        return result;
    }
    // No records leave the one empty block of a cleared data set.
    data.BlockCount = static_cast<qint16>(std::clamp(count, 1.0, double(TestData::MaxBlocks)));
    Items items(text);
    for (int record = 1; record <= count; ++record) {
        if (!readRecord(items, survey, data, result.leftOut)) {
            result.failure = refused(QStringLiteral("ﾌｧｲﾙ%1の%2番目の記録を読込めません。\n(%3)")
                                         .arg(path)
                                         .arg(record)
                                         .arg(items.failure));
            return result;
        }
    }
    return result;
}

QString LeftOutRecordsNotice(const std::vector<int>& numbers) {
    QStringList listed;
    std::vector<bool> named(LargestRecordNumber + 1);
    for (const int number : numbers) {
        if (named[number]) continue;
        named[number] = true;
        listed << Format::number(number, "0");
    }
    return QStringLiteral("記録番号 %1 のﾃﾞｰﾀは、読込める数(100ﾌﾞﾛｯｸ)を超えるため読込まれていません。")
        .arg(listed.join(QStringLiteral(", ")));
}
