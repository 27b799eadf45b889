// `terrako-diagraph read` against the counter emulator: the whole read from a shell.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "datafile/datafilereader.h"
#include "emulatorprocess.h"
#include "model/testdata.h"

namespace {

std::vector<float> readings(const TestData& data, int block) {
    return {data.Measure[block].begin() + 1, data.Measure[block].begin() + 1 + data.DropCount[block]};
}

TEST(ReadJob, SavesTheBlocksTheCounterHeldAndErasesIt) {
    QTemporaryDir folder;
    const QString points = folder.filePath(QStringLiteral("points.txt"));
    {
        QFile file(points);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // Readings in mm per drop; the second point has one reading that breaks the rise after summing.
        file.write("1 05/31 14:07 = 2.4 3.0 5.6 10.0 12.2\n2 06/01 08:00 = 20.0 20.0 -10.0 40.0\n");
    }
    const QString image = folder.filePath(QStringLiteral("image.bin"));
    EmulatorProcess emulator({QStringLiteral("--points"), points, QStringLiteral("--save"), image});

    QProcess job;
    job.setWorkingDirectory(folder.path());
    const QString out = folder.filePath(QStringLiteral("現場.txt"));
    job.start(QStringLiteral(TERRAKO_DIAGRAPH), {QStringLiteral("read"), QStringLiteral("--port"),
                                                 emulator.device(), QStringLiteral("--erase"), out});
    ASSERT_TRUE(job.waitForFinished(60000));
    EXPECT_EQ(job.exitCode(), 0) << job.readAllStandardError().toStdString();
    EXPECT_EQ(emulator.exitCode(), 0) << emulator.errors().toStdString();
    EXPECT_TRUE(QFile::exists(image));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("k40read.tmp"))));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("k40txt.tmp"))));

    TestData data;
    ASSERT_FALSE(ReadDataFile(out, data).failure);
    EXPECT_EQ(data.BlockCount, 2);
    EXPECT_EQ(readings(data, 1), (std::vector<float>{0.2f, 0.5f, 1.1f, 2.1f, 3.3f}));
    EXPECT_EQ(readings(data, 2), (std::vector<float>{2.0f, 4.0f, 7.0f}));
    EXPECT_EQ(data.TestMonth[2].toStdString(), "06");
    EXPECT_EQ(data.TestDay[2].toStdString(), "01");
}

TEST(ReadJob, StopsAtTheFirstStepThatFails) {
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.txt"));
    EmulatorProcess refusing({QStringLiteral("--first-char"), QStringLiteral("X")});
    QProcess job;
    job.setWorkingDirectory(folder.path());
    job.start(QStringLiteral(TERRAKO_DIAGRAPH),
              {QStringLiteral("read"), QStringLiteral("--port"), refusing.device(), out});
    ASSERT_TRUE(job.waitForFinished(60000));
    EXPECT_EQ(job.exitCode(), 1);
    EXPECT_FALSE(QFile::exists(out));

    job.start(QStringLiteral(TERRAKO_DIAGRAPH), {QStringLiteral("read"), out});
    ASSERT_TRUE(job.waitForFinished(60000));
    EXPECT_EQ(job.exitCode(), 1);
    EXPECT_TRUE(
        job.readAllStandardError().contains("使い方: terrako-diagraph read --port DEVICE [--erase] OUT"));
}

}  // namespace
