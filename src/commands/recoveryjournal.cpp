#include "commands/recoveryjournal.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <chrono>

#include "datafile/savefile.h"
#include "model/testdata.h"
#include "platform/recoveryfolder.h"

namespace {

// A power cut costs at most the changes of this long.
constexpr std::chrono::seconds SyncInterval{2};

bool sameSubject(const JournalRecord& a, const JournalRecord& b) {
    return a.dataFile == b.dataFile && a.shownBlock == b.shownBlock && a.blockCount == b.blockCount;
}

}  // namespace

RecoveryJournal::RecoveryJournal(TestData& data, const RecoveryFolder& folder)
    : data_(data),
      folder_(folder),
      id_(RecoveryFolder::newId()),
      path_(folder.journalPath(id_)),
      sync_(SyncInterval),
      subscription_(data.changed.subscribe([this] { changed(); })) {
    takeName();
}

RecoveryJournal::~RecoveryJournal() = default;

void RecoveryJournal::changed() {
    if (ended_) return;
    if (!data_.Modified) return remove();
    // A file named relative to this run's folder is named so that a later run finds it too.
    const QString file =
        data_.DataFileName.isEmpty() ? QString() : QFileInfo(data_.DataFileName).absoluteFilePath();
    const JournalRecord record{file, QDateTime::currentDateTimeUtc(), data_.CurBlock, data_.BlockCount,
                               QCoreApplication::applicationPid()};
    const bool bytesChanged = cache_.update(data_);
    if (written_ && !failing_ && !bytesChanged && lastRecord_ && sameSubject(*lastRecord_, record)) return;
    const std::optional<QString> failure = write(record);
    if (!failure) {
        failing_ = false;
        written_ = true;
        lastRecord_ = record;
        sync_.replaced(path_);
        return;
    }
    if (!failing_ && warning_) warning_(*failure);
    failing_ = true;
}

// A name that neither a journal nor a lock has yet, locked at once: never one another instance (or
// this one, twice) uses.
void RecoveryJournal::takeName() {
    if (!folder_.make()) return;
    const QString stem = RecoveryFolder::newId();
    for (int attempt = 1; attempt <= 100 && !lock_; ++attempt) {
        const QString id = attempt == 1 ? stem : stem + QStringLiteral("-%1").arg(attempt);
        if (QFile::exists(folder_.journalPath(id))) continue;
        lock_ = folder_.lock(id);
        id_ = id;
        path_ = folder_.journalPath(id);
    }
}

// The name is taken again when no lock could be made before: the folder may have become writable.
std::optional<QString> RecoveryJournal::write(const JournalRecord& record) {
    if (!lock_) takeName();
    if (!lock_) return QStringLiteral("フォルダー%1に書込めません").arg(folder_.path());
    MakeJournalBytes(bytes_, record, cache_.bytes());
    if (const std::optional<SaveFailure> failure = ReplaceFileUnsynced(path_, bytes_)) return failure->reason;
    return std::nullopt;
}

void RecoveryJournal::remove() {
    if (!written_) return;
    sync_.forget();
    QFile::remove(path_);
    written_ = false;
    lastRecord_.reset();
}

void RecoveryJournal::end() {
    remove();
    ended_ = true;
}
