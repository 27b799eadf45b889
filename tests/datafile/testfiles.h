#pragma once

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <string>
#include <string_view>

// Writes exactly these bytes to the file.
inline void writeBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string bytesOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

// The names in a folder, hidden ones included.
inline QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

// While it lives, no file of this process may grow beyond the given size: writes beyond it fail
// with EFBIG, as on a full disk. Unlike permissions, this holds for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
