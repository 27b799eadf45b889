#include "counter/readdump.h"

#include <QSaveFile>

namespace ReadDump {

std::optional<QString> write(const QString& path, const QByteArray& chunks) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(chunks + "\r\n") != chunks.size() + 2 ||
        !file.commit())
        return file.errorString();
    return std::nullopt;
}

}  // namespace ReadDump
