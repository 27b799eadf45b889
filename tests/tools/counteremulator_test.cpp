// The emulator's own memory layout and image check, written apart from the application's code.
#include <gtest/gtest.h>

#include <QDateTime>

#include "counter/k40parameters.h"
#include "counter/systemareaimage.h"
#include "imagecheck.h"
#include "memoryimage.h"
#include "testpoints.h"

namespace {

TEST(CounterEmulator, LaysRecordsOutAsTheCounterDoes) {
    const auto parsed = parseTestPoints(
        "# number date time readings\n7 11/09 07:35 = 2.4 199.8\n"
        "8 12/31 23:59 3\n");
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    const auto memory = encodeMemory(parsed.points);
    ASSERT_TRUE(memory.error.empty());
    const std::vector<std::uint8_t>& bytes = memory.bytes;
    ASSERT_EQ(bytes.size(), 15360u);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 0);
    // Index: the records' addresses, 256 and 256 + 8 + 2 × 2.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 2, bytes.begin() + 6),
              (std::vector<std::uint8_t>{0x00, 0x01, 0x0C, 0x01}));
    // Number, BCD minute, hour, day, month, drops, header (depth 1011 steps), readings 12 and 999 steps.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 256, bytes.begin() + 268),
              (std::vector<std::uint8_t>{7, 0x35, 0x07, 0x09, 0x11, 2, 0xF3, 0x03, 0x0C, 0x00, 0xE7, 0x03}));
    EXPECT_EQ(bytes[268], 8);
    EXPECT_EQ(bytes[273], 3);
    EXPECT_EQ(bytes[268 + 8 + 6], 0xFF);  // unused memory after the last record
    EXPECT_EQ(hexText({0x0A, 0xF3}), "0AF3");
}

TEST(CounterEmulator, RefusesDescriptionsThatDoNotFit) {
    EXPECT_FALSE(parseTestPoints("1 13/01 10:00 5\n").error.empty());
    EXPECT_FALSE(parseTestPoints("1 01/01 10:00 5 hard 2-3\n").error.empty());
    EXPECT_FALSE(parseTestPoints("1 01/01 10:00 = 2.4 x\n").error.empty());
    std::vector<TestPoint> many(128);
    EXPECT_FALSE(encodeMemory(many).error.empty());
    std::vector<TestPoint> large(60, TestPoint{1, 1, 1, 0, 0, std::vector<double>(255, 1.0)});
    EXPECT_FALSE(encodeMemory(large).error.empty());
    EXPECT_EQ(sampleTestPoints().size(), 5u);
}

TEST(CounterEmulator, ImageCheckAgreesWithTheApplicationsImageAndFindsFaults) {
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray built =
        SystemArea::image(now, K40Parameters::forCall(1, 20, 2, 20, 2, 0).parameterBytes());
    std::vector<std::uint8_t> image(built.begin(), built.end());
    const ExpectedParameters parameters{1, 20, 2, 20, std::nullopt, 0};
    const std::time_t at = now.toSecsSinceEpoch();
    EXPECT_TRUE(checkImage(image, at, parameters).empty());

    auto table = image;
    table[100] ^= 1;
    EXPECT_EQ(checkImage(table, at, parameters).size(), 1u);
    auto parameter = image;
    parameter[890] = 21;
    EXPECT_EQ(checkImage(parameter, at, parameters).size(), 1u);
    auto fill = image;
    fill[1023] = 0;
    EXPECT_EQ(checkImage(fill, at, parameters).size(), 1u);
    EXPECT_EQ(checkImage(image, at + 3600, parameters).size(), 1u);  // the clock an hour off
    image.pop_back();
    EXPECT_EQ(checkImage(image, at, parameters).size(), 1u);
}

}  // namespace
