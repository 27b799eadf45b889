#include "datafile/datafilewriter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFileInfo>

#include "datafile/datafilereader.h"
#include "datafile/savefile.h"
#include "model/testdata.h"
#include "testfiles.h"

namespace {

// Block 1 without drops and with Japanese texts, block 2 with ten drops, block 3 with eleven.
TestData threeBlocks() {
    TestData data;
    data.BlockCount = 3;
    data.BlockNo = {0, 9, 9, 9};
    data.SurveyName[1] = QStringLiteral("調査～");
    data.TesterName[1] = QStringLiteral("山田");
    data.TestYear[1] = QStringLiteral("2024");
    data.TestMonth[1] = QStringLiteral("05");
    data.TestDay[1] = QStringLiteral("12");
    data.TestPlace[1] = QStringLiteral("ｶﾅ");
    data.PointNo[1] = QStringLiteral("1");
    data.DropHeight[1] = QStringLiteral("50cm");
    data.DropHeight[2] = QStringLiteral("25cm");
    data.DropCount[2] = 10;
    const float readings[] = {1.23456f, 0.5f, 3.0f, 12.5f, 0.35f, -0.5f, 7.0f, 8.0f, 9.0f, 10.0f};
    for (int drop = 1; drop <= 10; ++drop) data.Measure[2][drop] = readings[drop - 1];
    data.DropCount[3] = 11;
    for (int drop = 1; drop <= 11; ++drop) data.Measure[3][drop] = static_cast<float>(drop);
    return data;
}

TEST(WriteDataFile, WritesTheExtendedLayoutByteForByte) {
    EXPECT_EQ(DataFileBytes(threeBlocks()).toStdString(),
              "\"KORVANDEL\",3,\"EXT\"\r\n"
              "1,\"\x92\xb2\x8d\xb8\x81\x60\",\"\x8e\x52\x93\x63\",\"2024\",\"05\",\"12\",\"\xb6\xc5\",\"1\","
              "\"50cm\",0\r\n"
              "2,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"25cm\",10\r\n"
              "\" 1.235\",\" .5\",\" 3\",\" 12.5\",\" .35\",\"-.5\",\" 7\",\" 8\",\" 9\",\" 10\"\r\n"
              "3,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",11\r\n"
              "\" 1\",\" 2\",\" 3\",\" 4\",\" 5\",\" 6\",\" 7\",\" 8\",\" 9\",\" 10\"\r\n"
              "\" 11\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\"\r\n");
}

TEST(WriteDataFile, ReadsBackWithThreeDecimalsAndBlocksNumberedInFileOrder) {
    QTemporaryDir folder;
    const QString path = folder.filePath("data.txt");
    ASSERT_FALSE(WriteDataFile(path, threeBlocks()));
    TestData data;
    ASSERT_FALSE(ReadDataFile(path, data).failure);
    EXPECT_EQ(data.ExtFormat, 1);
    EXPECT_EQ(data.Measure[2][1], 1.235f);
    EXPECT_EQ(data.Measure[2][5], 0.35f);
    EXPECT_EQ(data.SurveyName[1], QStringLiteral("調査～"));
    EXPECT_EQ(data.TestPlace[1], QStringLiteral("ｶﾅ"));
    for (int block = 1; block <= 3; ++block) EXPECT_EQ(data.BlockNo[block], block);
    EXPECT_EQ(data.DropCount[3], 11);
}

TEST(WriteDataFile, QuotesAndCharactersCp932LacksAreReplacedAndReported) {
    TestData data;
    data.SurveyName[1] = QStringLiteral("表～①");
    EXPECT_TRUE(SurveyTextsStorable(data));
    data.SurveyName[1] = QStringLiteral("a\"b");
    EXPECT_FALSE(SurveyTextsStorable(data));
    data.SurveyName[1] = QStringLiteral("한");
    EXPECT_FALSE(SurveyTextsStorable(data));
    data.TesterName[1] = QStringLiteral("a\"b");
    EXPECT_EQ(
        DataFileBytes(data).toStdString(),
        "\"KORVANDEL\",1,\"EXT\"\r\n1,\"\x81\x48\",\"a\x81\x68\x62\",\"\",\"\",\"\",\"\",\"\",\"\",0\r\n");
}

// The reason of a failed save; empty for a save that succeeded.
QString reasonOf(const std::optional<SaveFailure>& failure) {
    return failure ? failure->reason : QString();
}

class SaveFileAtomicallyTest : public testing::Test {
protected:
    QTemporaryDir folder;
    const QString path = folder.filePath("data.txt");
};

TEST_F(SaveFileAtomicallyTest, ReplacesTheFileKeepingItsPermissionsAndLinks) {
    writeBytes(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QString link = folder.filePath("link.txt");
    QFile::link(path, link);
    EXPECT_FALSE(SaveFileAtomically(link, "new"));
    EXPECT_EQ(bytesOf(path), "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFile::permissions(path),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"data.txt", "link.txt"}));

    // The owner stays too, where the process may give the file away.
    if (geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        EXPECT_FALSE(SaveFileAtomically(path, "newer"));
        struct stat status {};
        ::stat(QFile::encodeName(path).constData(), &status);
        EXPECT_EQ(status.st_uid, 65534u);
        EXPECT_EQ(status.st_gid, 65534u);
    }
}

// A file the user may write, in a folder where the user may make no file, is written in place.
TEST_F(SaveFileAtomicallyTest, AFileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
    const QString closed = folder.filePath("closed");
    QDir().mkpath(closed);
    const QString target = closed + QStringLiteral("/data.txt");
    writeBytes(target, "old");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(target,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(closed, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    // As an ordinary user: root may make files anywhere.
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        if (access(QFile::encodeName(closed).constData(), W_OK) == 0) _exit(4);
        _exit(SaveFileAtomically(target, "new") ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    QFile::setPermissions(closed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(bytesOf(target), "new");
    EXPECT_EQ(entriesOf(closed), QStringList({"data.txt"}));
}

TEST_F(SaveFileAtomicallyTest, WriteThatFailsHalfwayLeavesTheOldFileAsItWas) {
    writeBytes(path, "old contents");
    std::optional<QString> reason;
    {
        const FileSizeLimit diskFull(100);
        reason = reasonOf(SaveFileAtomically(path, QByteArray(1000, 'x')));
    }
    EXPECT_EQ(reason, QStringLiteral("ファイルが大きすぎます"));
    EXPECT_EQ(bytesOf(path), "old contents");
    EXPECT_EQ(entriesOf(folder.path()), QStringList({"data.txt"}));
}

TEST_F(SaveFileAtomicallyTest, TargetThatCannotBeAFileIsRefusedWithTheReason) {
    writeBytes(path, "old");
    EXPECT_EQ(reasonOf(SaveFileAtomically(folder.filePath("gone/data.txt"), "new")),
              QStringLiteral("ファイルまたはフォルダーがありません"));
    EXPECT_EQ(reasonOf(SaveFileAtomically(path + "/data.txt", "new")),
              QStringLiteral("パスの途中にフォルダーでないものがあります"));
    EXPECT_EQ(reasonOf(SaveFileAtomically(folder.path(), "new")),
              QStringLiteral("ファイルではなくフォルダーです"));
    EXPECT_EQ(bytesOf(path), "old");
}

}  // namespace
