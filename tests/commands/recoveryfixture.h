#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "commands/commands.h"
#include "counter/counterlink.h"
#include "counter/portsetting.h"
#include "datafile/datafilewriter.h"
#include "datafile/journalfile.h"
#include "model/testdata.h"
#include "platform/recoveryfolder.h"
#include "support/fakegrid.h"
#include "support/fakeviews.h"
#include "support/scripteddialogs.h"

// The commands over in-memory views with a recovery folder of their own, and what an instance that
// ended without saving left in it.
class RecoveryTest : public testing::Test {
protected:
    RecoveryTest() {
        grid.commit = [this] { commands->entry.InData(); };
    }

    // A journal as an instance that is gone left it: no running process holds its lock.
    QString leaveJournal(const TestData& left, JournalRecord record,
                         const QString& id = QStringLiteral("20200101-000000-1")) {
        if (!record.written.isValid()) record.written = QDateTime::currentDateTimeUtc().addSecs(-60);
        record.blockCount = left.BlockCount;
        leaveBytes(JournalBytes(record, DataFileBytes(left)), id);
        return id;
    }
    void leaveBytes(const QByteArray& bytes, const QString& id) {
        folder.make();
        QFile file(folder.journalPath(id));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // This instance's journal as it is on disk.
    std::optional<Journal> ownJournal() const {
        QString failure;
        return ReadJournal(folder.journalPath(commands->recovery.journal()->id()), failure);
    }
    bool exists(const QString& id) const { return QFile::exists(folder.journalPath(id)); }

    // A small data set of `blocks` blocks, each holding a few readings and a survey name.
    static TestData someBlocks(int blocks, const QString& name) {
        TestData data;
        data.BlockCount = static_cast<qint16>(blocks);
        for (int block = 1; block <= blocks; ++block) {
            data.SurveyName[block] = name;
            data.DropCount[block] = 3;
            for (int drop = 1; drop <= 3; ++drop) data.Measure[block][drop] = float(block * 10 + drop);
        }
        return data;
    }

    QTemporaryDir dir;
    RecoveryFolder folder{dir.filePath(QStringLiteral("recovery"))};
    TestData data;
    ScriptedDialogs dialogs;
    FakeGrid grid;
    FakeSurvey survey;
    NoCounterRead counterRead;
    CounterLink link{std::make_unique<NoSerialLine>()};
    PortSetting port;
    std::unique_ptr<Commands> commands = std::make_unique<Commands>(
        data, dialogs, CommandViews{grid, survey, counterRead}, link, port, &folder);
};
