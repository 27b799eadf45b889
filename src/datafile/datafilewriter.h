#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/failure.h"

class Cp932;
struct TestData;

// The data set in the extended data-file layout: line 1 `"KORVANDEL",<BlockCount>,"EXT"`, then for
// every block a header (its position, the eight survey texts, its drop count) and one line of ten
// drop values per ten drops; CP932, CR LF after every line. A text cannot hold a double quote, which
// is written as "”", nor a character CP932 lacks, which is written as "？".
QByteArray DataFileBytes(const TestData& data);

// The parts of those bytes: the first line for `blockCount` blocks, and the lines of one block.
namespace DataFileLines {
void appendFirstLine(QByteArray& bytes, int blockCount);
void appendBlock(Cp932& codec, QByteArray& bytes, const TestData& data, int block);
}  // namespace DataFileLines

// Whether every survey text of blocks 1..BlockCount is written as it is, with nothing replaced.
bool SurveyTextsStorable(const TestData& data);

// Writes the data set to the file at `path` in the extended layout, replacing it only once the whole
// file is written, and never over one of `inputs`. When it could not be written, says so and why; the
// file is then left as it was.
std::optional<Failure> WriteDataFile(const QString& path, const TestData& data,
                                     const QStringList& inputs = {});
