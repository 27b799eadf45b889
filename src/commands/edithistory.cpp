#include "commands/edithistory.h"

#include <QScopedValueRollback>
#include <algorithm>

#include "commands/blockcommands.h"
#include "commands/readingentry.h"
#include "model/testdata.h"

EditHistory::EditHistory(TestData& data, ReadingEntry& entry, BlockCommands& blocks)
    : data_(data),
      entry_(entry),
      blocks_(blocks),
      last_(std::make_shared<const TestData>(data)),
      subscription_(data.changed.subscribe([this] { changed(); })) {}

void EditHistory::changed() {
    if (turning_) return;
    if (data_.Generation != last_->Generation) {
        last_ = std::make_shared<const TestData>(data_);
        if (recorder_) recorder_->forgetSteps();
        return;
    }
    if (data_.sameReadings(*last_) && data_.sameSurveyTexts(*last_)) {
        last_ = std::make_shared<const TestData>(data_);
        return;
    }
    auto now = std::make_shared<const TestData>(data_);
    if (recorder_) recorder_->record(last_, now);
    last_ = std::move(now);
}

void EditHistory::turnTo(const TestData& side, const TestData& other, int block) {
    {
        const QScopedValueRollback turning(turning_, true);
        const ChangeNotifier::Batch batch(data_.changed);
        entry_.forgetEdit();
        data_.turnTo(side, other);
        data_.CurBlock = static_cast<qint16>(std::clamp(block, 1, int(data_.BlockCount)));
        data_.Modified = true;
        blocks_.ShowBlockFromStart();
    }
    last_ = std::make_shared<const TestData>(data_);
}
