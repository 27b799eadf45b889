#include "datafile/datacorrection.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "model/testdata.h"

namespace {

void setReadings(TestData& data, int block, std::initializer_list<float> readings) {
    int drop = 0;
    for (const float reading : readings) data.Measure[block][++drop] = reading;
    data.DropCount[block] = static_cast<qint16>(drop);
}

// Drop slots 1..count of the block, those past its last drop included.
std::vector<float> readingsOf(const TestData& data, int block, int count) {
    return std::vector<float>(data.Measure[block].begin() + 1, data.Measure[block].begin() + 1 + count);
}

TEST(CorrectReadings, RemovesFallingReadingsInEveryBlockPassAfterPass) {
    TestData data;
    data.BlockCount = 3;
    setReadings(data, 1, {0.0f, 1.0f, 5.0f, 3.0f, 4.0f});
    setReadings(data, 2, {1.0f, 2.0f, 2.0f, 3.0f});
    setReadings(data, 3, {2.0f, 1.0f, 3.0f, 0.5f, 0.7f, 4.0f});
    CorrectReadings(data);
    EXPECT_EQ(data.DropCount[1], 2);
    EXPECT_EQ(readingsOf(data, 1, 5), std::vector<float>({1.0f, 5.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(data.DropCount[2], 4);
    EXPECT_EQ(readingsOf(data, 2, 4), std::vector<float>({1.0f, 2.0f, 2.0f, 3.0f}));
    EXPECT_EQ(data.DropCount[3], 3);
    EXPECT_EQ(readingsOf(data, 3, 6), std::vector<float>({2.0f, 3.0f, 4.0f, 0.0f, 0.0f, 0.0f}));
}

TEST(CorrectReadings, BlockWithoutAReadingAbove0IsLeftAsItIsAndTheNextStartsAfresh) {
    TestData data;
    data.BlockCount = 4;
    setReadings(data, 1, {0.0f, 0.0f, 2.0f});
    setReadings(data, 2, {0.0f, -1.0f, 0.0f});
    setReadings(data, 3, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 7.0f});
    CorrectReadings(data);
    EXPECT_EQ(data.DropCount[1], 1);
    EXPECT_EQ(data.DropCount[2], 3);
    EXPECT_EQ(readingsOf(data, 2, 3), std::vector<float>({0.0f, -1.0f, 0.0f}));
    EXPECT_EQ(data.DropCount[3], 1);
    EXPECT_EQ(data.Measure[3][1], 7.0f);
    EXPECT_EQ(data.DropCount[4], 0);
}

}  // namespace
