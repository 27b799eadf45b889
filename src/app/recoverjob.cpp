#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "app/jobarguments.h"
#include "app/jobmessages.h"
#include "datafile/journalfile.h"
#include "platform/recoveryfolder.h"

namespace {

QString shownTime(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

// One line a journal: its id, data file, time, blocks and whether its instance still runs.
int listJournals(const RecoveryFolder& folder) {
    const QStringList ids = folder.journalIds();
    if (ids.isEmpty()) printJobMessage(QStringLiteral("復元用の記録はありません（%1）。").arg(folder.path()));
    for (const QString& id : ids) {
        const bool running = !folder.lock(id);
        QString failure;
        const std::optional<Journal> journal = ReadJournal(folder.journalPath(id), failure);
        QStringList fields{id};
        if (journal) {
            const JournalRecord& record = journal->record;
            fields << (record.dataFile.isEmpty() ? QStringLiteral("新しいデータ") : record.dataFile)
                   << shownTime(record.written) << QStringLiteral("%1ブロック").arg(record.blockCount);
        } else {
            fields << QStringLiteral("読めません(%1)").arg(failure)
                   << shownTime(QFileInfo(folder.journalPath(id)).lastModified()) << QStringLiteral("-");
        }
        fields << (running ? QStringLiteral("実行中") : QStringLiteral("終了済み"));
        std::printf("%s\n", fields.join(QLatin1Char('\t')).toUtf8().constData());
    }
    return 0;
}

// The journal's data file as it was written; the journal itself stays for the next start.
int writeJournal(const RecoveryFolder& folder, const QString& id, const QString& out) {
    const QString path = folder.journalPath(id);
    if (id.contains(QLatin1Char('/')) || !folder.journalIds().contains(id))
        return jobExit(Failure{Failure::Kind::Unreadable,
                               QStringLiteral("復元用の記録 %1 はありません。recover --list で一覧できます。")
                                   .arg(quotedInput(id))});
    QString failure;
    const std::optional<Journal> journal = ReadJournal(path, failure);
    if (!journal)
        return jobExit(Failure{Failure::Kind::Unreadable,
                               QStringLiteral("復元用の記録 %1 を読めません(%2)。").arg(id, failure)});
    return jobExit(writeJobOutput(out, journal->dataFile, {path}));
}

}  // namespace

// terrako-diagraph recover --list | recover ID OUT: the journals of unsaved work that instances which
// ended without saving left, and the data file of one of them.
int recoverJob(const QStringList& arguments) {
    const bool list = arguments.contains(QStringLiteral("--list"));
    const std::optional<JobArguments> parsed =
        parseJobArguments("recover", arguments, {{"--list"}},
                          list ? std::vector<const char*>{} : std::vector<const char*>{"ID", "OUT"});
    if (!parsed) return 1;
    // A lock is told from a running instance's by the program it names.
    int argc = 1;
    char name[] = "terrako-diagraph";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const RecoveryFolder folder;
    if (list) return listJournals(folder);
    return writeJournal(folder, parsed->files()[0], parsed->files()[1]);
}
