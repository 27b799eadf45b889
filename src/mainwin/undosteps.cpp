#include "mainwin/undosteps.h"

#include <QUndoCommand>

#include "commands/commands.h"
#include "model/testdata.h"

namespace {

// Steps that edit one survey text of one block, and nothing else, merge while the same text goes on
// being edited: one step per field edit, not per key.
constexpr int SurveyTextEdit = 1;

// One change of the blocks. It is pushed after the change was made, so its first redo does nothing.
// Undo shows the block the change was made from, redo the block it left shown.
class DataStep : public QUndoCommand {
public:
    DataStep(EditHistory& history, std::shared_ptr<const TestData> before,
             std::shared_ptr<const TestData> after)
        : history_(history), before_(std::move(before)), after_(std::move(after)) {
        if (after_->sameReadings(*before_)) editedText_ = after_->soleSurveyTextDifference(*before_);
    }

    int id() const override { return editedText_ ? SurveyTextEdit : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const DataStep*>(other);
        if (next->editedText_ != editedText_) return false;
        after_ = next->after_;
        return true;
    }

    void undo() override { history_.turnTo(*before_, *after_, before_->CurBlock); }
    void redo() override {
        if (pushed_) history_.turnTo(*after_, *before_, after_->CurBlock);
        pushed_ = true;
    }

private:
    EditHistory& history_;
    std::shared_ptr<const TestData> before_;
    std::shared_ptr<const TestData> after_;
    bool pushed_ = false;
    std::optional<std::pair<int, int>> editedText_;  // the block and the survey text edited alone
};

}  // namespace

UndoSteps::UndoSteps(Commands& commands, QObject* parent) : QObject(parent), commands_(commands) {
    stack_.setUndoLimit(100);
    commands_.history.setRecorder(this);
}

UndoSteps::~UndoSteps() {
    commands_.history.setRecorder(nullptr);
}

void UndoSteps::record(std::shared_ptr<const TestData> before, std::shared_ptr<const TestData> after) {
    stack_.push(new DataStep(commands_.history, std::move(before), std::move(after)));
}

void UndoSteps::undo() {
    commands_.entry.settle();
    commands_.blocks.storeSurveyTexts();
    stack_.undo();
}

void UndoSteps::redo() {
    commands_.entry.settle();
    commands_.blocks.storeSurveyTexts();
    stack_.redo();
}
