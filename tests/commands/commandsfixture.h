#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <vector>

#include "commands/commands.h"
#include "counter/counterlink.h"
#include "counter/portsetting.h"
#include "model/testdata.h"
#include "support/fakegrid.h"
#include "support/fakeviews.h"
#include "support/scripteddialogs.h"

// The commands of the main window over a fresh data set and in-memory views, without any window.
class CommandsTest : public testing::Test {
protected:
    CommandsTest() {
        grid.commit = [this] { commands.entry.InData(); };
    }

    // Block `block` holds these readings (blocks up to it exist).
    void setReadings(int block, std::initializer_list<float> readings) {
        int drop = 0;
        for (float reading : readings) data.Measure[block][++drop] = reading;
        data.DropCount[block] = static_cast<qint16>(drop);
        data.BlockCount = std::max<qint16>(data.BlockCount, static_cast<qint16>(block));
    }
    // Shows block `block` as a block change does.
    void show(int block) {
        data.CurBlock = static_cast<qint16>(block);
        commands.blocks.ShowBlockFromStart();
    }
    std::vector<float> readings(int block) const {
        return {data.Measure[block].begin() + 1, data.Measure[block].begin() + 1 + data.DropCount[block]};
    }
    std::string cell(int row, int column) const { return grid.cellText(row, column).toStdString(); }

    QTemporaryDir folder;
    TestData data;
    ScriptedDialogs dialogs;
    FakeGrid grid;
    FakeSurvey survey;
    NoCounterRead counterRead;
    CounterLink link{std::make_unique<NoSerialLine>()};
    PortSetting port;
    Commands commands{data, dialogs, {grid, survey, counterRead}, link, port};
};
