#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "datafile/datafilecache.h"
#include "datafile/journalfile.h"
#include "datafile/periodicsync.h"
#include "model/changenotifier.h"

class RecoveryFolder;
struct TestData;

// Keeps a recovery copy of the data set while it holds unsaved changes, so that nothing is lost when
// the program dies: a journal in the recovery folder under a name of this instance, locked while it
// runs. It listens to the data set's change notice, so that every command that changed the data (and
// every survey text typed) is in the journal when it returns; each write replaces the journal whole,
// and the disk is made to hold it at most every two seconds. Saving, discarding or a normal end
// removes it.
class RecoveryJournal {
public:
    RecoveryJournal(TestData& data, const RecoveryFolder& folder);
    // The journal stays when the program goes otherwise than through `end`.
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal&) = delete;
    RecoveryJournal& operator=(const RecoveryJournal&) = delete;

    const QString& id() const { return id_; }
    // Whether the journal holds the data set as it is now.
    bool current() const { return written_ && !failing_; }
    // Told the reason when the journal cannot be written, once until it can again.
    void setWarning(std::function<void(const QString& reason)> warning) { warning_ = std::move(warning); }
    // The program ends normally: the journal is removed and written no more.
    void end();

private:
    void changed();
    void takeName();
    std::optional<QString> write(const JournalRecord& record);
    void remove();

    TestData& data_;
    const RecoveryFolder& folder_;
    QString id_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    DataFileCache cache_;
    QByteArray bytes_;
    std::optional<JournalRecord> lastRecord_;
    bool written_ = false;
    bool failing_ = false;
    bool ended_ = false;
    std::function<void(const QString&)> warning_;
    PeriodicSync sync_;
    ChangeNotifier::Subscription subscription_;
};
