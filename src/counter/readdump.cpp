#include "counter/readdump.h"

#include "datafile/savefile.h"

namespace ReadDump {

std::optional<QString> write(const QString& path, const QByteArray& chunks) {
    return SaveFileAtomically(path, chunks + "\r\n");
}

}  // namespace ReadDump
