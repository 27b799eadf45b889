#pragma once

#include <memory>

#include "model/changenotifier.h"

class BlockCommands;
class ReadingEntry;
struct TestData;

// Where the steps of the edit history go: the window's undo stack.
class UndoRecorder {
public:
    virtual ~UndoRecorder() = default;

    // One change of the data set's blocks: as they were and as they are. Consecutive steps share their
    // states.
    virtual void record(std::shared_ptr<const TestData> before, std::shared_ptr<const TestData> after) = 0;
    // The data set was replaced by a file or made new: the steps so far no longer apply.
    virtual void forgetSteps() = 0;
};

// Turns every change of the data set's readings into a step for undo and redo. It listens to the data
// set's change notice, so that whatever command changed them (a typed reading, insert, delete, a block
// added, removed or cleared, データ補正, a counter import, a survey text edited) makes one step, and
// compares them with the last step's, so that a command that changed nothing makes none. Undo and redo
// change only the texts a step changed.
class EditHistory {
public:
    EditHistory(TestData& data, ReadingEntry& entry, BlockCommands& blocks);

    void setRecorder(UndoRecorder* recorder) { recorder_ = recorder; }

    // Puts the blocks of one side of a step back (`other` is its other side) and shows `block` (the
    // block the change was made in, or the last one when there are fewer), from its first row.
    void turnTo(const TestData& side, const TestData& other, int block);

private:
    void changed();

    TestData& data_;
    ReadingEntry& entry_;
    BlockCommands& blocks_;
    UndoRecorder* recorder_ = nullptr;
    std::shared_ptr<const TestData> last_;
    bool turning_ = false;
    ChangeNotifier::Subscription subscription_;
};
