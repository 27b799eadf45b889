#include "platform/serialline.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
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
