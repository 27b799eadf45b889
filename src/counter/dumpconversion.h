#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "platform/failure.h"

// The readable text of the counter's records, made from the memory dump and read by the import.
namespace CounterText {

inline QString fileName() {
    return QStringLiteral("k40txt.tmp");
}

}  // namespace CounterText

// The text of the records of a dump's hexadecimal digits, as ConvertDump writes it; the same refusals,
// naming the dump as `dumpPath`.
std::optional<Failure> DumpRecordsText(const QString& hex, const QString& dumpPath, QString& text);
// The same of a dump's bytes (its first line).
std::optional<Failure> DumpBytesText(std::string_view bytes, const QString& dumpPath, QString& text);

// Turns the memory dump at `dumpPath` into the readable text at `textPath` (CP932, CR LF): per record
// a header line (number, MM/DD HH:MM, drops, header value) and its readings ten to a line, then the
// GGT control line with the number of records and of readings. A dump that is not hexadecimal, holds
// more than 128 records or whose records run past its end is refused (RefusedInput); the text file is
// replaced only once it is completely written, so after a failure it is left as it was.
std::optional<Failure> ConvertDump(const QString& dumpPath, const QString& textPath);

// Whether the file at `path` looks like a memory dump: a first line of hexadecimal digits only.
bool IsCounterDump(const QString& path);
