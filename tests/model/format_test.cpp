#include "model/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

std::string str(const QString& text) {
    return text.toStdString();
}

TEST(FormatOneDecimal, RoundsHalfAwayFromZeroOnTheShortestText) {
    EXPECT_EQ(str(Format::display(1.05f)), "1.1");  // the float lies just below 1.05
    EXPECT_EQ(str(Format::display(0.25)), "0.3");
    EXPECT_EQ(str(Format::display(-0.25)), "-0.3");
    EXPECT_EQ(str(Format::display(12.0f)), "12.0");
    EXPECT_EQ(str(Format::display(9.95f)), "10.0");
    EXPECT_EQ(str(Format::display(0.04f)), "0.0");
    EXPECT_EQ(str(Format::display(0.0f)), "0.0");
    EXPECT_EQ(str(Format::display(1000.0)), "1000.0");
    EXPECT_EQ(str(Format::display(12.4f - 10.0f)), "2.4");
}

// The fast value of "0.0" is the value of the text, for halves, differences and any float in range.
TEST(FormatOneDecimal, TenthsIsTheValueOfTheText) {
    std::vector<float> values{1.05f, -1.05f, 0.05f, 0.049999f, 9.95f, 0.0f, -0.0f, 999.95f, 1e-8f, 123456.7f};
    std::mt19937 random(20261208);
    std::uniform_real_distribution<float> reading(-50.0f, 1100.0f);
    for (int i = 0; i < 20000; ++i) values.push_back(reading(random) - reading(random) / 7);
    for (int k = -2000; k < 40000; ++k) values.push_back(static_cast<float>(k) * 0.05f);  // every half tenth
    for (float value : values)
        ASSERT_EQ(Format::tenths(value), Format::valueOf(Format::number(value, "0.0"))) << value;
}

TEST(FormatPatterns, DigitPlacesAndDecimals) {
    EXPECT_EQ(str(Format::number(0, "###")), "");
    EXPECT_EQ(str(Format::number(0.4, "###")), "");
    EXPECT_EQ(str(Format::number(0.5, "###")), "1");
    EXPECT_EQ(str(Format::number(99.6, "###")), "100");
    EXPECT_EQ(str(Format::number(1234, "###")), "1234");
    EXPECT_EQ(str(Format::number(7, "000")), "007");
    EXPECT_EQ(str(Format::number(1234, "000")), "1234");
    EXPECT_EQ(str(Format::number(12, "0000")), "0012");
    EXPECT_EQ(str(Format::number(0.4, "####.0")), ".4");
    EXPECT_EQ(str(Format::number(0.0, "####.0")), ".0");
    EXPECT_EQ(str(Format::number(199.8, "####.0")), "199.8");
    EXPECT_EQ(str(Format::number(0.4, "##0.0")), "0.4");
    EXPECT_EQ(str(Format::number(12.35, "###.0")), "12.4");
    EXPECT_EQ(str(Format::number(12.5f, "0.000")), "12.500");
    EXPECT_EQ(str(Format::number(0.35f, "0.000")), "0.350");
    EXPECT_EQ(str(Format::number(1.23456f, "0.000")), "1.235");
    EXPECT_EQ(str(Format::number(0.9996, "0.000")), "1.000");
}

TEST(FormatPatterns, AtSignsRightAlign) {
    EXPECT_EQ(str(Format::number(10, "@@@")), " 10");
    EXPECT_EQ(str(Format::number(100, "@@@")), "100");
    EXPECT_EQ(str(Format::number(5, "@@@")), "  5");
}

TEST(FormatSignOrBlank, DropValueNotation) {
    EXPECT_EQ(str(Format::dropValue(12.5f)), " 12.5");
    EXPECT_EQ(str(Format::dropValue(0.35f)), " .35");
    EXPECT_EQ(str(Format::dropValue(3.0f)), " 3");
    EXPECT_EQ(str(Format::dropValue(0.0f)), " 0");
    EXPECT_EQ(str(Format::dropValue(-0.5f)), "-.5");
    EXPECT_EQ(str(Format::dropValue(1.23456f)), " 1.235");
    EXPECT_EQ(str(Format::dropValue(-0.0004f)), " 0");
    EXPECT_EQ(str(Format::dropValue(0.1f)), " .1");
    EXPECT_EQ(str(Format::dropValue(1000.0f)), " 1000");
    EXPECT_EQ(str(Format::signOrBlank(1.0)), " 1");
}

TEST(NumericText, AcceptsWholeNumbersOnly) {
    for (const char* text : {"12", " 12.5 ", "-3", "+.5", "1e3", "5.", "1E-2", "\t7"})
        EXPECT_TRUE(Format::isNumeric(QString::fromLatin1(text))) << text;
    for (const char* text : {"", " ", "12abc", ".", "1e", "1,000", "--1", "1 2", "e5", "+"})
        EXPECT_FALSE(Format::isNumeric(QString::fromLatin1(text))) << text;
}

TEST(NumericText, ValueIsTheLongestNumericPrefix) {
    EXPECT_DOUBLE_EQ(Format::valueOf(u"12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(Format::valueOf(u"abc"), 0.0);
    EXPECT_DOUBLE_EQ(Format::valueOf(u"  -3.5x"), -3.5);
    EXPECT_DOUBLE_EQ(Format::valueOf(u"1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(Format::valueOf(u"1e"), 1.0);
    EXPECT_DOUBLE_EQ(Format::valueOf(u" .35"), 0.35);
    EXPECT_DOUBLE_EQ(Format::valueOf(u""), 0.0);
    EXPECT_TRUE(std::isinf(Format::valueOf(u"1e999")));
}

TEST(NumericText, ReadingValueIsTheNumberAsItPrints) {
    EXPECT_NE(static_cast<double>(12.3f), 12.3);
    EXPECT_EQ(Format::readingValue(12.3f), 12.3);
    EXPECT_EQ(Format::readingValue(0.0f), 0.0);
}

TEST(NumericText, FileBytesFollowTheSameRules) {
    for (const char* text :
         {"12.5abc", "abc", "  -3.5x", "1e3", "1e", " .35", "", "5.", "1.5.3", "+.5", "-0.25", "\t7",
          "12345678901234567890", "0.1234567890123456789", "1.23456e-3", "1000.000"}) {
        EXPECT_EQ(Format::valueOf(std::string_view(text)), Format::valueOf(QString::fromLatin1(text)))
            << text;
        EXPECT_EQ(Format::isNumeric(std::string_view(text)), Format::isNumeric(QString::fromLatin1(text)))
            << text;
    }
}

}  // namespace
