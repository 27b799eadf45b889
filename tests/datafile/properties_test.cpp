#include <gtest/gtest.h>

#include <QStringList>
#include <random>

#include "datafile/cp932.h"
#include "datafile/datafilereader.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"

namespace {

// Random data sets as the program makes them: rising readings to three decimals, survey texts a file
// can hold. Writing one and reading it back gives the same data set, and writing that again gives the
// same bytes.
TEST(DataFileRoundTrip, WriteThenReadGivesTheSameDataSetAndWritingIsAFixedPoint) {
    std::mt19937 random(20261208);
    const auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const QStringList texts{"", "北区公園", "佐藤 太郎", "No.3", "50cm", "右岸～左岸", "A-1,2"};
    for (int round = 0; round < 50; ++round) {
        TestData written;
        written.BlockCount = static_cast<qint16>(uniform(1, 6));
        written.ExtFormat = 1;
        for (int block = 1; block <= written.BlockCount; ++block) {
            for (auto* field :
                 {&written.SurveyName, &written.TesterName, &written.TestPlace, &written.PointNo})
                (*field)[block] = texts[uniform(0, int(texts.size()) - 1)];
            written.TestYear[block] = QString::number(uniform(1990, 2030));
            written.TestMonth[block] = QStringLiteral("%1").arg(uniform(1, 12), 2, 10, QLatin1Char('0'));
            written.TestDay[block] = QStringLiteral("%1").arg(uniform(1, 31), 2, 10, QLatin1Char('0'));
            written.DropHeight[block] = uniform(0, 1) ? QStringLiteral("50cm") : QStringLiteral("25cm");
            const int drops = uniform(0, 500);
            int thousandths = 0;
            for (int drop = 1; drop <= drops; ++drop) {
                thousandths += uniform(1, 3000);
                written.Measure[block][drop] = static_cast<float>(thousandths / 1000.0);
            }
            written.DropCount[block] = static_cast<qint16>(drops);
        }
        const QByteArray bytes = DataFileBytes(written);
        TestData read;
        ASSERT_FALSE(ReadDataBytes({bytes.constData(), static_cast<size_t>(bytes.size())}, read).failure);
        SCOPED_TRACE(round);
        ASSERT_TRUE(read.sameReadings(written));
        for (int block = 1; block <= written.BlockCount; ++block) {
            EXPECT_EQ(read.SurveyName[block], written.SurveyName[block]);
            EXPECT_EQ(read.TestDay[block], written.TestDay[block]);
            EXPECT_EQ(read.DropHeight[block], written.DropHeight[block]);
        }
        EXPECT_EQ(DataFileBytes(read), bytes);
    }
}

// Bytes that start no CP932 character each become one replacement character, however many there are,
// and a character across the converter's 4 KB windows is read whole.
TEST(Cp932Decoding, EveryInvalidByteBecomesOneReplacement) {
    const std::string invalid(2 * 1024 * 1024, '\xFF');
    bool valid = true;
    const QString text = Cp932().decode("\x82\xA0" + invalid + "\x82\xA0", &valid);
    EXPECT_FALSE(valid);
    ASSERT_EQ(text.size(), qsizetype(invalid.size()) + 2);
    EXPECT_EQ(text.count(QChar(0xFFFD)), qsizetype(invalid.size()));
    EXPECT_EQ(text.front(), QChar(u'あ'));
    EXPECT_EQ(text.back(), QChar(u'あ'));

    const QString across = Cp932().decode(std::string(4095, 'a') + "\x82\xA0\xFF", nullptr);
    ASSERT_EQ(across.size(), 4097);
    EXPECT_EQ(across.at(4095), QChar(u'あ'));
}

// A character CP932 lacks (a surrogate pair counting as one, a lone surrogate as one) becomes one
// "？", and the character after it is converted as usual.
TEST(Cp932Encoding, EachMissingCharacterBecomesOneQuestionMark) {
    const struct {
        QString text;
        std::string bytes;
    } cases[] = {
        {QStringLiteral("한ヽ"), "\x81\x48\x81\x52"},
        {QString::fromUtf16(u"\U0001F600a"),
         "\x81\x48"
         "a"},
        {QString(QChar(0xD800)) + QStringLiteral("あ"), "\x81\x48\x82\xA0"},
        {QStringLiteral("éé表"), "\x81\x48\x81\x48\x95\x5C"},
    };
    for (const auto& [text, bytes] : cases) {
        bool exact = true;
        EXPECT_EQ(Cp932().encode(text, &exact).toStdString(), bytes) << text.toStdString();
        EXPECT_FALSE(exact);
    }
}

}  // namespace
