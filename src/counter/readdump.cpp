#include "counter/readdump.h"

#include "datafile/savefile.h"

namespace ReadDump {

std::optional<QString> write(const QString& path, const QByteArray& chunks) {
    if (const std::optional<SaveFailure> failure = SaveFileAtomically(path, chunks + "\r\n"))
        return failure->reason;
    return std::nullopt;
}

}  // namespace ReadDump
