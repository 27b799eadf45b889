#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <string_view>

struct TestData;

// What a recovery journal says of the data set it holds.
struct JournalRecord {
    QString dataFile;  // the data file it belongs to; empty for new data or a counter read not saved yet
    QDateTime written;
    int shownBlock = 1;
    int blockCount = 1;
    qint64 process = 0;  // the process that wrote it
};

// A recovery journal: one line of JSON with the record, then the data set as the data-file writer
// writes it.
QByteArray JournalBytes(const JournalRecord& record, QByteArrayView dataFile);
// The same into `bytes`, whose memory is used again.
void MakeJournalBytes(QByteArray& bytes, const JournalRecord& record, QByteArrayView dataFile);

// A journal read back: its record, the bytes of its data file and the data set they hold.
struct Journal {
    JournalRecord record;
    QByteArray dataFile;
    std::shared_ptr<const TestData> data;
};

// The journal in `bytes`; nothing, with the reason in `failure`, for one that is damaged, cut short or
// written by a later version of the program, or whose data file cannot be read whole.
std::optional<Journal> ParseJournal(std::string_view bytes, QString& failure);
// The same of the journal file at `path`.
std::optional<Journal> ReadJournal(const QString& path, QString& failure);
