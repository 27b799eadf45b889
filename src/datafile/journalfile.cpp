#include "datafile/journalfile.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "datafile/datafilereader.h"
#include "datafile/filebytes.h"
#include "model/testdata.h"

namespace {

constexpr int Version = 1;
// Far above the largest data file and its record.
constexpr off_t LargestJournal = 64 << 20;

}  // namespace

QByteArray JournalBytes(const JournalRecord& record, QByteArrayView dataFile) {
    QByteArray bytes;
    MakeJournalBytes(bytes, record, dataFile);
    return bytes;
}

void MakeJournalBytes(QByteArray& bytes, const JournalRecord& record, QByteArrayView dataFile) {
    const QJsonObject fields{
        {QStringLiteral("version"), Version},
        {QStringLiteral("file"), record.dataFile},
        {QStringLiteral("written"), record.written.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("shownBlock"), record.shownBlock},
        {QStringLiteral("blockCount"), record.blockCount},
        {QStringLiteral("process"), record.process},
        {QStringLiteral("bytes"), static_cast<qint64>(dataFile.size())},
    };
    const QByteArray line = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    bytes.resize(0);
    bytes.reserve(line.size() + 1 + dataFile.size());
    bytes += line;
    bytes += '\n';
    bytes += dataFile;
}

std::optional<Journal> ParseJournal(std::string_view bytes, QString& failure) {
    const size_t end = bytes.find('\n');
    const QJsonObject fields =
        end == std::string_view::npos
            ? QJsonObject()
            : QJsonDocument::fromJson(QByteArray(bytes.data(), static_cast<qsizetype>(end))).object();
    const int version = fields.value(QStringLiteral("version")).toInt();
    if (version < 1) {
        failure = QStringLiteral("復元用の記録ではないか、壊れています");
        return std::nullopt;
    }
    if (version > Version) {
        failure = QStringLiteral("新しい版のプログラムが書いた記録です");
        return std::nullopt;
    }
    const std::string_view dataFile = bytes.substr(end + 1);
    const auto size = static_cast<qint64>(dataFile.size());
    Journal journal;
    JournalRecord& record = journal.record;
    record.dataFile = fields.value(QStringLiteral("file")).toString();
    record.written =
        QDateTime::fromString(fields.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    record.shownBlock = fields.value(QStringLiteral("shownBlock")).toInt();
    record.blockCount = fields.value(QStringLiteral("blockCount")).toInt();
    record.process = fields.value(QStringLiteral("process")).toInteger();
    if (fields.value(QStringLiteral("bytes")).toInteger(-1) != size || !record.written.isValid()) {
        failure = QStringLiteral("記録が途中で切れているか、壊れています");
        return std::nullopt;
    }
    auto data = std::make_shared<TestData>();
    const ReadResult read = ReadDataBytes(dataFile, *data);
    if (read.failure || read.damaged || read.tooLarge) {
        failure = QStringLiteral("記録のデータが壊れています");
        return std::nullopt;
    }
    journal.dataFile = QByteArray(dataFile.data(), size);
    journal.data = std::move(data);
    return journal;
}

std::optional<Journal> ReadJournal(const QString& path, QString& failure) {
    std::optional<Failure> unreadable;
    const std::optional<std::string> bytes = ReadFileBytes(path, LargestJournal, unreadable);
    if (!bytes) {
        failure = unreadable ? unreadable->text : QString();
        return std::nullopt;
    }
    return ParseJournal(*bytes, failure);
}
