#pragma once

#include <QObject>
#include <QUndoStack>

#include "commands/edithistory.h"

struct Commands;

// The main window's undo and redo: the steps the edit history records, on a QUndoStack that keeps the
// last hundred.
class UndoSteps : public QObject, public UndoRecorder {
    Q_OBJECT

public:
    UndoSteps(Commands& commands, QObject* parent);
    ~UndoSteps() override;

    void record(std::shared_ptr<const TestData> before, std::shared_ptr<const TestData> after) override;
    void forgetSteps() override { stack_.clear(); }

    // An open edit and the survey fields are committed first: that is then the step undone.
    void undo();
    void redo();

    QUndoStack& stack() { return stack_; }

private:
    Commands& commands_;
    QUndoStack stack_;
};
