#include "datafile/datafilereader.h"

#include <gtest/gtest.h>

#include <string>

#include "datafile/fieldstream.h"
#include "model/testdata.h"
#include "testfiles.h"

namespace {

const std::string EmptyHeaderTexts = R"("","","","","","","","")";

class ReadDataFileTest : public testing::Test {
protected:
    ReadResult read(std::string_view bytes) {
        const QString path = folder.filePath("data.txt");
        writeBytes(path, bytes);
        return ReadDataFile(path, data);
    }

    // Block 1 of the data set holds a reading, block 3 survey texts, block 2 is shown.
    void holdEarlierData() {
        data.BlockCount = 3;
        data.CurBlock = 2;
        data.DropCount[1] = 1;
        data.Measure[1][1] = 4.5f;
        data.SurveyName[3] = QStringLiteral("前の調査");
        data.DataFileName = QStringLiteral("/前/data.txt");
    }

    void expectEarlierData() {
        EXPECT_EQ(data.BlockCount, 3);
        EXPECT_EQ(data.CurBlock, 2);
        EXPECT_EQ(data.Measure[1][1], 4.5f);
        EXPECT_EQ(data.SurveyName[3], QStringLiteral("前の調査"));
        EXPECT_EQ(data.DataFileName, QStringLiteral("/前/data.txt"));
    }

    QTemporaryDir folder;
    TestData data;
};

TEST(FieldStream, SplitsAtCommasAndLineEndsAndTakesQuotedTextLiterally) {
    FieldStream fields(" \t\"a, b\" ,x \t,\r\n7\n\"q\"\r\"r\"junk,\"open");
    for (const char* expected : {"a, b", "x", "", "7", "q", "r", "open"}) EXPECT_EQ(fields.next(), expected);
    EXPECT_EQ(fields.next(), std::nullopt);
}

TEST(FieldStream, TakesAQuotedPlainDecimalAsItsValueAndLeavesAnyOtherField) {
    FieldStream fields("\" 12.5\",\"-.5\"\r\n\"1e3\", 7,\" 3x\"");
    EXPECT_EQ(fields.nextQuotedDecimal(), 12.5);
    EXPECT_EQ(fields.nextQuotedDecimal(), -0.5);
    for (const char* expected : {"1e3", "7", " 3x"}) {
        EXPECT_EQ(fields.nextQuotedDecimal(), std::nullopt);
        EXPECT_EQ(fields.next(), expected);
    }
    EXPECT_EQ(fields.nextQuotedDecimal(), std::nullopt);
}

TEST_F(ReadDataFileTest, ExtendedLayoutLoadsEveryBlockAndReplacesTheEarlierData) {
    holdEarlierData();
    const ReadResult result = read(
        "\"KORVANDEL\",2,\"EXT\"\r\n"
        "7,\"\x92\xb2\x8d\xb8\x81\x60\",\"\x8e\x52\x93\x63\",\"2024\",\"05\",\"12\",\"a, "
        "b\",\"No.1\",\"50cm\",12\r\n"
        "\" 1.235\",\" .5\",\" 3\",\" 4\",\" 5\",\" 6\",\" 7\",\" 8\",\" 9\",\" 10\"\r\n"
        "\" 11\",\" 12.5\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\"-.5\"\r\n"
        "2,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"25cm\",0\r\n");
    EXPECT_FALSE(result.failure);
    EXPECT_FALSE(result.damaged || result.tooLarge);
    EXPECT_EQ(data.ExtFormat, 1);
    EXPECT_EQ(data.MaxDrops, 500);
    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(data.BlockNo[1], 7);
    EXPECT_EQ(QStringList({data.SurveyName[1], data.TesterName[1], data.TestYear[1], data.TestMonth[1],
                           data.TestDay[1], data.TestPlace[1], data.PointNo[1], data.DropHeight[1]}),
              QStringList({"調査～", "山田", "2024", "05", "12", "a, b", "No.1", "50cm"}));
    EXPECT_EQ(data.DropCount[1], 12);
    EXPECT_EQ(data.Measure[1][1], 1.235f);
    EXPECT_EQ(data.Measure[1][2], 0.5f);
    EXPECT_EQ(data.Measure[1][12], 12.5f);
    EXPECT_EQ(data.Measure[1][20], -0.5f);  // past the last drop, yet kept as the file holds it
    EXPECT_EQ(data.DropCount[2], 0);
    EXPECT_EQ(data.DropHeight[2], QStringLiteral("25cm"));
    EXPECT_EQ(data.SurveyName[3], QString());
    EXPECT_EQ(data.DataFileName, QStringLiteral("/前/data.txt"));  // the caller's to set
}

// Readings after a zero lie beyond the drops counted, and the next save would drop them: the load says so.
TEST_F(ReadDataFileTest, OlderLayoutHas240ValuesAndCountsTheLeadingNonZeroReadings) {
    const auto older = [](const std::string& firstValues) {
        std::string bytes =
            "\"KORVANDEL\",1\r\n3,\"s\",\"t\",\"2001\",\"01\",\"02\",\"p\",\"9\",\"50cm\"\r\n";
        bytes += firstValues + "\r\n";
        for (int line = 2; line <= 24; ++line)
            bytes += "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        return bytes;
    };
    const ReadResult leading = read(older("\"\",\"2\",\"3\",\"\",\"\",\"\",\"\",\"\",\"\",\"\""));
    EXPECT_EQ(data.DropCount[1], 0);
    EXPECT_TRUE(leading.leftOut);
    EXPECT_FALSE(read(older("\"1\",\"2\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"")).leftOut);

    const ReadResult result = read(older("\"1\",\"2\",\"\",\"0.35\",\"\",\"\",\"\",\"\",\"\",\"\""));
    EXPECT_FALSE(result.failure);
    EXPECT_FALSE(result.damaged);
    EXPECT_TRUE(result.leftOut);
    EXPECT_EQ(data.ExtFormat, 0);
    EXPECT_EQ(data.MaxDrops, 240);
    EXPECT_EQ(data.BlockNo[1], 3);
    EXPECT_EQ(data.PointNo[1], QStringLiteral("9"));
    EXPECT_EQ(data.DropCount[1], 2);
    EXPECT_EQ(data.Measure[1][2], 2.0f);
    EXPECT_EQ(data.Measure[1][4], 0.35f);
}

TEST_F(ReadDataFileTest, FileWithoutTheExactSignatureIsRefusedAndChangesNothing) {
    for (const char* bytes :
         {"\"korvandel\",1,\"EXT\"\r\n1,", "\" KORVANDEL\",1,\"EXT\"\r\n", "", "KORVANDELX"}) {
        holdEarlierData();
        EXPECT_EQ(read(bytes).failure.value().kind, Failure::Kind::RefusedInput) << bytes;
        expectEarlierData();
    }
}

TEST_F(ReadDataFileTest, FileThatCannotBeReadChangesNothing) {
    holdEarlierData();
    const ReadResult missing = ReadDataFile(folder.filePath("missing.txt"), data);
    EXPECT_EQ(missing.failure.value().kind, Failure::Kind::Unreadable);
    EXPECT_TRUE(
        missing.failure.value().text.endsWith(QStringLiteral("(ファイルまたはフォルダーがありません)")));
    const ReadResult folderRead = ReadDataFile(folder.path(), data);
    EXPECT_EQ(folderRead.failure.value().kind, Failure::Kind::Unreadable);
    EXPECT_TRUE(folderRead.failure.value().text.endsWith(QStringLiteral("(ファイルではなくフォルダーです)")));
    expectEarlierData();
}

TEST_F(ReadDataFileTest, DamagedFileLoadsAsFarAsItCanBeReadAndSaysSo) {
    // Ends in the middle of block 1's readings; block 2 never comes.
    ReadResult result =
        read("\"KORVANDEL\",2,\"EXT\"\r\n1," + EmptyHeaderTexts + ",12\r\n\" 1\",\" 2\",\" 3\"");
    EXPECT_FALSE(result.failure);
    EXPECT_TRUE(result.damaged);
    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(data.DropCount[1], 12);
    EXPECT_EQ(data.Measure[1][3], 3.0f);
    EXPECT_EQ(data.Measure[1][4], 0.0f);

    // A text where a count belongs, a negative drop count, a byte that is not CP932, an absurd reading.
    const char* damages[] = {
        "\"KORVANDEL\",\"two\",\"EXT\"\r\n1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",0\r\n",
        "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",-3\r\n",
        "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\x81\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",0\r\n",
        "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1\r\n\"1e99\",\"\",\"\",\"\","
        "\"\",\"\",\"\",\"\",\"\",\"\"\r\n",
    };
    for (const char* bytes : damages) {
        result = read(bytes);
        EXPECT_FALSE(result.failure) << bytes;
        EXPECT_TRUE(result.damaged) << bytes;
        EXPECT_EQ(data.BlockCount, 1) << bytes;
        EXPECT_EQ(data.DropCount[1], bytes == damages[3] ? 1 : 0) << bytes;
        EXPECT_EQ(data.Measure[1][1], 0.0f) << bytes;
    }
}

TEST_F(ReadDataFileTest, MoreBlocksOrDropsThanTheDataSetHoldsLoadsTheFirstAndSaysSo) {
    std::string bytes = "\"KORVANDEL\",101,\"EXT\"\r\n1," + EmptyHeaderTexts + ",505\r\n";
    for (int drop = 1; drop <= 510; ++drop) bytes += drop % 10 == 0 ? "\" 7\"\r\n" : "\" 7\",";
    for (int block = 2; block <= 101; ++block)
        bytes += "2," + EmptyHeaderTexts + ",1\r\n\" 9\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const ReadResult result = read(bytes);
    EXPECT_FALSE(result.failure);
    EXPECT_TRUE(result.tooLarge);
    EXPECT_FALSE(result.damaged);
    EXPECT_EQ(data.BlockCount, 100);
    EXPECT_EQ(data.DropCount[1], 500);
    EXPECT_EQ(data.Measure[1][500], 7.0f);
    EXPECT_EQ(data.Measure[1][501], 0.0f);
    EXPECT_EQ(data.DropCount[2], 1);  // the blocks after the oversized one are found where they are
    EXPECT_EQ(data.Measure[100][1], 9.0f);
}

}  // namespace
