#include "datafile/datafilereader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "datafile/cp932.h"
#include "datafile/datafilenotices.h"
#include "datafile/fieldstream.h"
#include "datafile/filebytes.h"
#include "model/format.h"
#include "model/testdata.h"

namespace {

constexpr std::string_view Signature = "KORVANDEL";
constexpr std::string_view ExtendedMarker = "EXT";
constexpr int ExtendedMaxDrops = 500;
constexpr int OlderMaxDrops = 240;
constexpr int ValuesPerLine = 10;

// A data file of 100 blocks of 500 drops takes about half a megabyte; a file far larger than that is
// something else, and is not read into memory.
constexpr off_t LargestFile = 64 * 1024 * 1024;

// Empties every block slot and returns to the first block, as before a file is loaded.
void clearBlocks(TestData& data) {
    data.DropCount.fill(0);
    data.BlockNo.fill(0);
    for (auto* texts : {&data.SurveyName, &data.TesterName, &data.TestYear, &data.TestMonth, &data.TestDay,
                        &data.TestPlace, &data.PointNo, &data.DropHeight})
        texts->fill(QString());
    for (auto& readings : data.Measure) readings.fill(0.0f);
    data.CurBlock = 1;
}

// Reads the blocks after the signature. A field that is missing or cannot be read as what it should
// be is skipped: the value keeps its cleared state and the load goes on, noting the damage. At the
// end of the file every further read fails, so the load stops there.
class BlockReader {
public:
    BlockReader(std::string_view bytes, TestData& data, ReadResult& result)
        : fields_(bytes), data_(data), result_(result) {}

    void read() {
        fields_.next();  // the signature, already checked
        const std::optional<int> announced = integer();
        // In the older layout the third field is already block 1's number.
        const FieldStream beforeMarker = fields_;
        const bool extended = fields_.next() == ExtendedMarker;
        if (!extended) fields_ = beforeMarker;
        data_.ExtFormat = extended ? 1 : 0;
        data_.MaxDrops = static_cast<qint16>(extended ? ExtendedMaxDrops : OlderMaxDrops);
        int blocks = announced.value_or(0);
        if (blocks < 1) {
            result_.damaged = true;
            blocks = 1;
        } else if (blocks > TestData::MaxBlocks) {
            result_.tooLarge = true;
            blocks = TestData::MaxBlocks;
        }
        data_.BlockCount = static_cast<qint16>(blocks);
        for (int block = 1; block <= blocks && !ended_; ++block) {
            if (extended)
                readExtendedBlock(block);
            else
                readOlderBlock(block);
        }
    }

private:
    void readHeader(int block) {
        constexpr int largest = std::numeric_limits<qint16>::max();
        data_.BlockNo[block] = static_cast<qint16>(std::clamp(integer().value_or(0), -largest - 1, largest));
        for (auto* texts : {&data_.SurveyName, &data_.TesterName, &data_.TestYear, &data_.TestMonth,
                            &data_.TestDay, &data_.TestPlace, &data_.PointNo, &data_.DropHeight})
            (*texts)[block] = text();
    }

    void readExtendedBlock(int block) {
        readHeader(block);
        int drops = integer().value_or(0);
        if (drops < 0) {
            result_.damaged = true;
            drops = 0;
        }
        // Every announced value is read, so that the blocks after an oversized one are still found.
        const int values = (drops + ValuesPerLine - 1) / ValuesPerLine * ValuesPerLine;
        for (int drop = 1; drop <= values && !ended_; ++drop) {
            const float value = reading();
            if (drop <= TestData::GridRows) data_.Measure[block][drop] = value;
        }
        if (drops > TestData::GridRows) {
            result_.tooLarge = true;
            drops = TestData::GridRows;
        }
        data_.DropCount[block] = static_cast<qint16>(drops);
    }

    void readOlderBlock(int block) {
        readHeader(block);
        for (int drop = 1; drop <= OlderMaxDrops && !ended_; ++drop) data_.Measure[block][drop] = reading();
        const auto& readings = data_.Measure[block];
        int drops = 0;
        while (drops < OlderMaxDrops && readings[drops + 1] != 0.0f) ++drops;
        data_.DropCount[block] = static_cast<qint16>(drops);
        // The next save would lose readings that come after a zero.
        if (std::any_of(readings.begin() + drops + 1, readings.begin() + OlderMaxDrops + 1,
                        [](float reading) { return reading != 0.0f; }))
            result_.leftOut = true;
    }

    std::optional<std::string_view> field() {
        const std::optional<std::string_view> next = fields_.next();
        if (!next) {
            ended_ = true;
            result_.damaged = true;
        }
        return next;
    }

    // A count or block number; nothing when the field is missing or not a number.
    std::optional<int> integer() {
        const std::optional<std::string_view> next = field();
        if (!next) return std::nullopt;
        if (!Format::isNumeric(*next)) {
            result_.damaged = true;
            return std::nullopt;
        }
        constexpr double limit = 1e9;  // far beyond any count, well within int
        return static_cast<int>(std::lround(std::clamp(Format::valueOf(*next), -limit - 1, limit)));
    }

    QString text() {
        const std::optional<std::string_view> next = field();
        if (!next) return {};
        bool valid = true;
        QString decoded = codec_.decode(*next, &valid);
        if (!valid) result_.damaged = true;
        return decoded;
    }

    // A drop value: its leading number, 0 when there is none. A number beyond single precision
    // cannot be a reading.
    float reading() {
        if (const std::optional<double> plain = fields_.nextQuotedDecimal())
            return static_cast<float>(*plain);
        const std::optional<std::string_view> next = field();
        if (!next) return 0.0f;
        const double value = Format::valueOf(*next);
        if (!(std::fabs(value) <= std::numeric_limits<float>::max())) {
            result_.damaged = true;
            return 0.0f;
        }
        return static_cast<float>(value);
    }

    FieldStream fields_;
    TestData& data_;
    ReadResult& result_;
    Cp932 codec_;
    bool ended_ = false;
};

}  // namespace

ReadResult ReadDataFile(const QString& path, TestData& data) {
    ReadResult result;
    const std::optional<std::string> bytes = ReadFileBytes(path, LargestFile, result.failure);
    return bytes ? ReadDataBytes(*bytes, data) : result;
}

ReadResult ReadDataBytes(std::string_view bytes, TestData& data) {
    ReadResult result;
    if (FieldStream(bytes).next() != Signature) {
        result.failure = Failure{Failure::Kind::RefusedInput, DataFileNotices::notADataFile()};
        return result;
    }
    clearBlocks(data);
    BlockReader(bytes, data, result).read();
    return result;
}
