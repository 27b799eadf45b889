#include "commands/counterimport.h"

#include <cstdio>
#include <string>
#include <vector>

#include "commandsfixture.h"
#include "datafile/testfiles.h"

namespace {

const QString LocateFile = QStringLiteral("[k40read.tmp] ﾌｧｲﾙの場所を指定して下さい。");
const QString NoData = QStringLiteral("データが読込まれていません。");
// "GGT 制御番号  " in CP932.
const std::string ControlLine = "GGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  ";

class CounterImportTest : public CommandsTest {
protected:
    QString file(const char* name, const std::string& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        writeBytes(path, bytes);
        return path;
    }

    QString textPath = folder.filePath(QStringLiteral("k40txt.tmp"));
    CounterImport& import = commands.counterImport;
    const InheritedSurvey inherited{QStringLiteral("調査"), QStringLiteral("山田"), QStringLiteral("2024"),
                                    QStringLiteral("現場"), QStringLiteral("No.3"), QStringLiteral("25cm")};
};

using Readings = std::vector<float>;

TEST_F(CounterImportTest, FillsTheNumberedBlocksWithCumulativeCentimetresThenCorrectsAndShows) {
    file("k40txt.tmp",
         "001 11/05 12:07 003 .0\r\n2.4 3.0 5.6 \r\n\r\n"
         "002 01/02 08:59 003 1.2\r\n10.0 -4.0 6.0 \r\n\r\n" +
             ControlLine + "002 0006\r\n");
    setReadings(3, {1.0f, 2.0f, 3.0f, 4.0f});
    show(3);
    EXPECT_TRUE(import.importCounterText(inherited, textPath));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(cell(1, 1), "0.2");
    EXPECT_EQ(cell(4, 1), "");
    EXPECT_EQ(survey.blockNumber, QStringLiteral("1"));
    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(data.CurBlock, 1);
    EXPECT_EQ(readings(1), (Readings{0.2f, 0.5f, 1.1f}));
    // 1.0, 0.6, 1.2 with the falling reading removed by the correction.
    EXPECT_EQ(readings(2), (Readings{1.0f, 1.2f}));
    EXPECT_EQ(data.TestMonth[2], QStringLiteral("01"));
    EXPECT_EQ(data.TestDay[2], QStringLiteral("02"));
    EXPECT_EQ((std::vector<QString>{data.SurveyName[2], data.TesterName[2], data.TestYear[2],
                                    data.TestPlace[2], data.PointNo[2], data.DropHeight[2]}),
              (std::vector<QString>{"調査", "山田", "2024", "現場", "No.3", "25cm"}));
    EXPECT_EQ(data.BlockNo[2], 0);
}

TEST_F(CounterImportTest, NoRecordsLeaveOneEmptyBlockAndTheCorrectionRefuses) {
    for (const std::string& text : {ControlLine + "000 0000\r\n", std::string()}) {
        file("k40txt.tmp", text);
        data.BlockCount = 2;
        dialogs.expect(NoData);
        EXPECT_TRUE(import.importCounterText(inherited, textPath));
        EXPECT_EQ(data.BlockCount, 1);
        EXPECT_EQ(data.DropCount[1], 0);
    }
}

TEST_F(CounterImportTest, WithoutRecordOneBlockOneStaysEmptyAndNothingIsCorrected) {
    file("k40txt.tmp",
         "002 01/02 08:59 002 .0\r\n5.0 -1.0 \r\n\r\n"
         "003 01/02 09:10 001 .0\r\n1.0 \r\n\r\n" +
             ControlLine + "002 0003\r\n");
    dialogs.expect(NoData);
    EXPECT_TRUE(import.importCounterText(inherited, textPath));
    EXPECT_EQ(data.BlockCount, 3);
    EXPECT_EQ(data.DropCount[1], 0);
    EXPECT_EQ(readings(2), (Readings{0.5f, 0.4f}));
    EXPECT_EQ(readings(3), (Readings{0.1f}));
    EXPECT_EQ(data.SurveyName[3], inherited.surveyName);
}

TEST_F(CounterImportTest, ATextItCannotStoreAsksForTheFileAndCancelEndsTheImport) {
    const std::string oneDrop = " 01/02 08:59 001 .0\r\n1.0 \r\n\r\n";
    const struct {
        std::string text;
        std::string reason;
    } refused[] = {
        {"000" + oneDrop + ControlLine + "001 0001\r\n", "記録番号「000」が1～255ではありません"},
        {"256" + oneDrop + ControlLine + "001 0001\r\n", "記録番号「256」が1～255ではありません"},
        {"001 01/02 08:59 501 .0\r\n" + ControlLine + "001 0501\r\n", "回数「501」が0～500ではありません"},
        {"001 01/02 08:59 002 .0\r\n1.0 x \r\n\r\n" + ControlLine + "001 0002\r\n",
         "「x」は数値ではありません"},
        {"001 0102 08:59 001 .0\r\n1.0 \r\n\r\n" + ControlLine + "001 0001\r\n", "日付「0102」が読めません"},
        {"001" + oneDrop + ControlLine + "002 0002\r\n", "「GGT」は数値ではありません"},
        {"001 01/02\r\nGGT4567890001\r\n", "ﾌｧｲﾙが途中で終わっています"},
    };
    for (const auto& text : refused) {
        SCOPED_TRACE(text.reason);
        file("k40txt.tmp", text.text);
        TestData read;
        const std::optional<Failure> refusal = ReadCounterText(textPath, inherited, read).failure;
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind, Failure::Kind::RefusedInput);
        EXPECT_NE(refusal->text.indexOf(QString::fromStdString(text.reason)), -1)
            << refusal->text.toStdString();

        // The data in memory are gone, whatever the text brings.
        setReadings(5, {1.0f});
        dialogs.expect(LocateFile);
        dialogs.expectOpenFile(std::nullopt);
        EXPECT_FALSE(import.importCounterText(inherited, textPath));
        EXPECT_EQ(data.DropCount[5], 0);
    }
    const ShownFileDialog& chooser = dialogs.shownFileDialogs().back();
    EXPECT_FALSE(chooser.save);
    EXPECT_EQ(chooser.filter.label, QStringLiteral("指定するﾌｧｲﾙ (k40read.tmp)"));
    EXPECT_EQ(chooser.filter.pattern, QStringLiteral("k40read.tmp"));
}

// The counter holds up to 128 records: the first 100 are imported, corrected and shown, and the user is
// told which were left out, each number once.
TEST_F(CounterImportTest, RecordsBeyondTheHundredthBlockAreLeftOutAndNamed) {
    std::string records;
    // The last record repeats the number 101.
    for (int index = 1; index <= 103; ++index) {
        const int record = index == 103 ? 101 : index;
        char header[64];
        std::snprintf(header, sizeof header, "%03d 03/04 05:06 002 .0\r\n20.0 -5.0 \r\n\r\n", record);
        records += header;
    }
    file("k40txt.tmp", records + ControlLine + "103 0206\r\n");
    dialogs.expect(
        QStringLiteral("記録番号 101, 102 のﾃﾞｰﾀは、読込める数(100ﾌﾞﾛｯｸ)を超えるため読込まれていません。"));
    EXPECT_TRUE(import.importCounterText(inherited, textPath));
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Warning);
    EXPECT_EQ(data.BlockCount, 100);
    EXPECT_EQ(readings(100), (Readings{2.0f}));  // 2.0, 1.5 corrected
    EXPECT_EQ(cell(1, 1), "2.0");
    EXPECT_TRUE(data.Modified);
}

TEST_F(CounterImportTest, AChosenDumpIsConvertedAndAChosenTextIsRead) {
    std::string dump = "01";
    dump.resize(512, '0');
    // Record 1 of 11/05 12:07 with the raw readings 12 and 15.
    const QString goodDump = file("k40read.tmp", dump + "01075245310200000C000F00\r\n");
    const QString badDump = file("bad.tmp", "81\r\n");
    const QString text =
        file("chosen.txt", "004 03/04 05:06 001 .0\r\n20.0 \r\n\r\n" + ControlLine + "001 0001\r\n");

    dialogs.expect(LocateFile);
    dialogs.expectOpenFile(badDump);
    dialogs.expect(QStringLiteral("ﾌｧｲﾙ%1の記録数129が、読込める数(128)を超えています。").arg(badDump));
    dialogs.expect(LocateFile);
    dialogs.expectOpenFile(goodDump);
    EXPECT_TRUE(import.importCounterText(inherited, textPath));
    EXPECT_EQ(readings(1), (Readings{0.2f, 0.5f}));
    EXPECT_EQ(data.TestMonth[1], QStringLiteral("11"));
    EXPECT_EQ(bytesOf(textPath).substr(0, 22), "001 11/05 12:07 002 .0");

    QFile::remove(textPath);
    dialogs.expect(LocateFile);
    dialogs.expectOpenFile(text);
    dialogs.expect(NoData);
    EXPECT_TRUE(import.importCounterText(inherited, textPath));
    EXPECT_EQ(readings(4), (Readings{2.0f}));
    EXPECT_FALSE(QFile::exists(textPath));
}

}  // namespace
