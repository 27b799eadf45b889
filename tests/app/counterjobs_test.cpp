// The counter decoding jobs, run as a user runs them, on memory the counter emulator encoded.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "emulatorprocess.h"

namespace {

struct JobRun {
    int exitCode;
    std::string out;
    std::string err;
};

JobRun run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            QString::fromUtf8(process.readAllStandardError()).toStdString()};
}

JobRun app(const QStringList& arguments) {
    return run(QStringLiteral(TERRAKO_BINARY), arguments);
}

class CounterJobsTest : public testing::Test {
protected:
    QString file(const char* name, const std::string& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    // The data file made from the emulator's memory by convert and import, as JSON.
    std::string importedFrom(const QStringList& memory) {
        const JobRun printed = run(EmulatorProcess::program(), memory + QStringList{"--print-memory"});
        EXPECT_EQ(printed.exitCode, 0) << printed.err;
        const QString dump = file("k40read.tmp", printed.out);
        const QString text = folder.filePath(QStringLiteral("k40txt.tmp"));
        const QString data = folder.filePath(QStringLiteral("data.txt"));
        const JobRun converted = app({"convert", dump, text});
        EXPECT_EQ(converted.exitCode, 0) << converted.err;
        const JobRun imported = app({"import", text, data});
        EXPECT_EQ(imported.exitCode, 0) << imported.err;
        return app({"dump", data}).out;
    }

    QTemporaryDir folder;
};

TEST_F(CounterJobsTest, ConvertAndImportTurnTheCountersTestPointsIntoADataFile) {
    const QString points =
        file("points.txt", "1 05/31 14:07 = 2.4 3.0 5.6\n3 12/01 08:00 = 10.0 12.0 199.8\n");
    const std::string json = importedFrom({"--points", points});
    // Block 2 stays empty: no test point has its number.
    EXPECT_NE(json.find("\"blockCount\": 3"), std::string::npos) << json;
    EXPECT_NE(json.find("\"testMonth\": \"05\", \"testDay\": \"31\", \"testPlace\": \"\", \"pointNo\": \"\", "
                        "\"dropHeight\": \"\", \"dropCount\": 3, \"measure\": [0.2, 0.5, 1.1]"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"dropCount\": 0, \"measure\": []"), std::string::npos) << json;
    EXPECT_NE(json.find("\"testMonth\": \"12\", \"testDay\": \"01\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"measure\": [1, 2.2, 22.2]"), std::string::npos) << json;
    EXPECT_NE(importedFrom({"--sample"}).find("\"blockCount\": 5"), std::string::npos);
}

TEST_F(CounterJobsTest, RefusalsExitWithTheirMessage) {
    const QString empty = file("empty.txt", "GGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  000 0000\r\n");
    const QString out = folder.filePath(QStringLiteral("out.txt"));
    const JobRun noData = app({"import", empty, out});
    EXPECT_EQ(noData.exitCode, 1);
    EXPECT_NE(noData.err.find("データがありません。"), std::string::npos);
    EXPECT_FALSE(QFile::exists(out));

    const QString dump = file("k40read.tmp", "81\r\n");
    const JobRun tooMany = app({"convert", dump, out});
    EXPECT_EQ(tooMany.exitCode, 2);
    EXPECT_NE(tooMany.err.find("の記録数129が、読込める数(128)を超えています。"), std::string::npos);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(app({"convert", dump}).exitCode, 1);
    EXPECT_EQ(app({"import", empty}).exitCode, 1);
    EXPECT_EQ(app({"convert", folder.filePath(QStringLiteral("missing.tmp")), out}).exitCode, 1);
    EXPECT_EQ(
        app({"import",
             file("garbage.txt", "001 13-05 xx\r\nGGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  001 0001\r\n"), out})
            .exitCode,
        2);
}

// The counter holds up to 128 records; the first 100 are imported and the others named.
TEST_F(CounterJobsTest, ImportTakesTheFirstHundredRecordsAndNamesTheRest) {
    std::string records;
    for (int record = 1; record <= 102; ++record) {
        char header[64];
        std::snprintf(header, sizeof header, "%03d 03/04 05:06 001 .0\r\n20.0 \r\n\r\n", record);
        records += header;
    }
    const QString text = file("k40txt.tmp", records + "GGT \x90\xa7\x8c\xe4\x94\xd4\x8d\x86  102 0102\r\n");
    const QString out = folder.filePath(QStringLiteral("out.txt"));
    const JobRun imported = app({"import", text, out});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_NE(
        imported.err.find("記録番号 101, 102 のﾃﾞｰﾀは、読込める数(100ﾌﾞﾛｯｸ)を超えるため読込まれていません。"),
        std::string::npos)
        << imported.err;
    EXPECT_NE(app({"dump", out}).out.find("\"blockCount\": 100"), std::string::npos);
}

}  // namespace
