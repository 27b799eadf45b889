#pragma once

#include <QSet>
#include <QString>
#include <memory>
#include <optional>

#include "commands/recoveryjournal.h"

class BlockCommands;
class Dialogs;
class ReadingEntry;
class RecoveryFolder;
class SurveyView;
struct TestData;

// This instance's recovery journal, and the journals that instances which ended without saving (killed,
// crashed, the power gone) left behind, offered back one question each: at start, and before a data
// file that has one is opened. Without a recovery folder there are neither.
class Recovery {
public:
    Recovery(TestData& data, Dialogs& dialogs, BlockCommands& blocks, ReadingEntry& entry, SurveyView& survey,
             const RecoveryFolder* folder);

    RecoveryJournal* journal() { return journal_.get(); }

    // Offers every journal left behind; true when one was restored, which the data set then holds.
    bool offerAtStart();
    // Before the data file at `path` is opened: offers the journals of that file not answered yet in this
    // run; true when one was restored instead of opening the file.
    bool restoredInstead(const QString& path);
    // The data file of the journal restored last; empty when none was, or it held new data.
    const QString& restoredFile() const { return restoredFile_; }

private:
    enum class Outcome { Restored, Discarded, Kept };
    Outcome offer(const QString& id, const std::optional<Journal>& journal, const QString& failure,
                  bool askBeforeReplacing);
    void restore(const Journal& journal);
    void discard(const QString& id);

    TestData& data_;
    Dialogs& dialogs_;
    BlockCommands& blocks_;
    ReadingEntry& entry_;
    SurveyView& survey_;
    const RecoveryFolder* folder_;
    std::unique_ptr<RecoveryJournal> journal_;
    QSet<QString> kept_;  // answered with 後で, or unreadable: not asked again in this run
    QString restoredFile_;
};
