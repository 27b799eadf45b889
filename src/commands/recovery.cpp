#include "commands/recovery.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "commands/blockcommands.h"
#include "commands/readingentry.h"
#include "commands/surveyview.h"
#include "datafile/samefile.h"
#include "datafile/savefile.h"
#include "model/testdata.h"
#include "platform/dialogs.h"
#include "platform/recoveryfolder.h"

namespace {

const QString Title = QStringLiteral("データの復元");

QString shownTime(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString question(const JournalRecord& record) {
    const QString file = record.dataFile.isEmpty() ? QStringLiteral("新しいデータ") : record.dataFile;
    QString text = QStringLiteral(
                       "保存されないまま終了した作業のデータがあります。\n"
                       "ファイル: %1\n記録日時: %2\nブロック数: %3\n")
                       .arg(file, shownTime(record.written))
                       .arg(record.blockCount);
    const QFileInfo onDisk(record.dataFile);
    if (!record.dataFile.isEmpty() && onDisk.exists() && onDisk.lastModified() > record.written)
        text += QStringLiteral("ファイルはこの記録のあとに変更されています(%1)。\n")
                    .arg(shownTime(onDisk.lastModified()));
    return text + QStringLiteral("復元しますか？（後で: 記録を残し、次の起動時にまた確認します）");
}

QString unreadable(const QString& path, const QString& reason) {
    return QStringLiteral(
               "保存されないまま終了した作業の記録がありますが、読めません。\n記録: %1\n(%2)\n"
               "記録は削除せずに残します。")
        .arg(path, reason);
}

}  // namespace

Recovery::Recovery(TestData& data, Dialogs& dialogs, BlockCommands& blocks, ReadingEntry& entry,
                   SurveyView& survey, const RecoveryFolder* folder)
    : data_(data),
      dialogs_(dialogs),
      blocks_(blocks),
      entry_(entry),
      survey_(survey),
      folder_(folder),
      journal_(folder ? std::make_unique<RecoveryJournal>(data, *folder) : nullptr) {}

// A lock without a journal is what an instance killed before its first change left; it goes with the
// temporary file of a journal write that was cut short.
bool Recovery::offerAtStart() {
    if (!journal_) return false;
    bool restored = false;
    for (const QString& id : folder_->allIds()) {
        if (id == journal_->id() || kept_.contains(id)) continue;
        const std::unique_ptr<QLockFile> lock = folder_->lock(id);
        if (!lock) continue;
        const QString path = folder_->journalPath(id);
        if (!QFileInfo::exists(path)) {
            RemoveStaleTemporaries(path);
            continue;
        }
        QString failure;
        const std::optional<Journal> journal = ReadJournal(path, failure);
        restored = offer(id, journal, failure, restored) == Outcome::Restored || restored;
    }
    return restored;
}

// The data in memory may already be replaced: the user agreed to it before the file was chosen.
bool Recovery::restoredInstead(const QString& path) {
    if (!journal_) return false;
    for (const QString& id : folder_->journalIds()) {
        if (id == journal_->id() || kept_.contains(id)) continue;
        const std::unique_ptr<QLockFile> lock = folder_->lock(id);
        if (!lock) continue;
        QString failure;
        const std::optional<Journal> journal = ReadJournal(folder_->journalPath(id), failure);
        if (!journal || journal->record.dataFile.isEmpty() || !NamesSameFile(journal->record.dataFile, path))
            continue;
        if (offer(id, journal, failure, false) == Outcome::Restored) return true;
    }
    return false;
}

Recovery::Outcome Recovery::offer(const QString& id, const std::optional<Journal>& journal,
                                  const QString& failure, bool askBeforeReplacing) {
    if (!journal) {
        dialogs_.message(unreadable(folder_->journalPath(id), failure), Buttons::Ok, Title, Icon::Warning);
        kept_ << id;
        return Outcome::Kept;
    }
    switch (dialogs_.message(question(journal->record), Buttons::RestoreDiscardLater, Title)) {
        case Answer::Restore:
            if (askBeforeReplacing && !blocks_.mayDiscardData()) break;
            restore(*journal);
            // Until this instance's journal holds the data, the old one is all there is of it.
            if (journal_->current())
                discard(id);
            else
                kept_ << id;
            return Outcome::Restored;
        case Answer::Discard: discard(id); return Outcome::Discarded;
        default: break;
    }
    kept_ << id;
    return Outcome::Kept;
}

void Recovery::restore(const Journal& journal) {
    const JournalRecord& record = journal.record;
    const ChangeNotifier::Batch batch(data_.changed);
    entry_.forgetEdit();
    const quint64 generation = data_.Generation + 1;
    data_ = *journal.data;
    data_.Generation = generation;
    data_.DataFileName = record.dataFile;
    data_.Modified = true;
    data_.CurBlock = static_cast<qint16>(std::clamp(record.shownBlock, 1, int(data_.BlockCount)));
    survey_.setCaption(record.dataFile.isEmpty() ? mainCaption() : mainCaption(record.dataFile));
    blocks_.ShowBlockFromStart();
    restoredFile_ = record.dataFile;
}

void Recovery::discard(const QString& id) {
    const QString path = folder_->journalPath(id);
    QFile::remove(path);
    RemoveStaleTemporaries(path);
}
