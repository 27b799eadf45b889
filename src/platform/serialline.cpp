#include "platform/serialline.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Pseudo-terminal slaves (/dev/pts/N) have these majors and no entry of their own in sysfs.
constexpr unsigned FirstPtyMajor = 136;
constexpr unsigned LastPtyMajor = 143;

}  // namespace

bool isSerialDevice(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISCHR(status.st_mode)) return false;
    const unsigned major = ::major(status.st_rdev);
    if (major >= FirstPtyMajor && major <= LastPtyMajor) return true;
    // Every other terminal device belongs to the kernel's tty class.
    const QString node = QStringLiteral("/sys/dev/char/%1:%2").arg(major).arg(::minor(status.st_rdev));
    return QFileInfo(node).canonicalFilePath().contains(QStringLiteral("/tty/"));
}

bool modemManagerMayProbe(const QString& device, const QString& processes) {
    const QFileInfo info(device);
    const QString name = QFileInfo(info.exists() ? info.canonicalFilePath() : device).fileName();
    if (!name.startsWith(QStringLiteral("ttyACM"))) return false;
    const QStringList running = QDir(processes).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(running.begin(), running.end(), [&processes](const QString& process) {
        QFile command(processes + QLatin1Char('/') + process + QStringLiteral("/comm"));
        return command.open(QIODevice::ReadOnly) && command.readLine().trimmed() == "ModemManager";
    });
}
