// The cached bytes of a changing data set are always the bytes the writer makes of it.
#include <gtest/gtest.h>

#include <functional>

#include "datafile/datafilecache.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"

namespace {

TEST(DataFileCache, HoldsWhatTheWriterWritesAfterEveryChangeAndTellsWhetherItChanged) {
    TestData data;
    data.BlockCount = 3;
    for (int block = 1; block <= 3; ++block) {
        data.SurveyName[block] = QStringLiteral("調査%1").arg(block);
        data.DropCount[block] = 12;
        for (int drop = 1; drop <= 12; ++drop) data.Measure[block][drop] = float(drop * block) / 4;
    }
    const struct {
        const char* change;
        std::function<void()> make;
        bool changes;
    } changes[] = {
        {"nothing", [] {}, false},
        {"a reading in the last block", [&] { data.Measure[3][5] = 99.5f; }, true},
        {"a reading beyond the drops", [&] { data.Measure[2][40] = 7.0f; }, false},
        {"a survey text", [&] { data.TestPlace[2] = QStringLiteral("右岸\"北\""); }, true},
        {"the drop count", [&] { data.DropCount[1] = 11; }, true},
        {"a reading set to zero", [&] { data.Measure[1][3] = 0.0f; }, true},
        {"that zero turned negative", [&] { data.Measure[1][3] = -0.0f; }, true},
        {"a block added", [&] { data.BlockCount = 4; }, true},
        {"the first block removed, the rest moved up",
         [&] {
             for (int block = 1; block < 4; ++block) {
                 data.SurveyName[block] = data.SurveyName[block + 1];
                 data.DropCount[block] = data.DropCount[block + 1];
                 data.Measure[block] = data.Measure[block + 1];
             }
             data.BlockCount = 3;
         },
         true},
        {"the block shown", [&] { data.CurBlock = 2; }, false},
        {"every block emptied", [&] { data.emptyBlocks(); }, true},
    };
    DataFileCache cache;
    EXPECT_TRUE(cache.update(data));
    for (const auto& change : changes) {
        SCOPED_TRACE(change.change);
        change.make();
        EXPECT_EQ(cache.update(data), change.changes);
        EXPECT_EQ(cache.bytes(), DataFileBytes(data));
    }
}

}  // namespace
