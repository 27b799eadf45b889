#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The file of the received counter memory: the 960 chunks of hexadecimal digits as received, on one
// line ended by CR LF, in the current folder.
namespace ReadDump {

inline QString fileName() {
    return QStringLiteral("k40read.tmp");
}

// Writes the chunks to `path`, replacing any earlier file only once the new one is complete. Returns
// the system's words when it fails.
std::optional<QString> write(const QString& path, const QByteArray& chunks);

}  // namespace ReadDump
