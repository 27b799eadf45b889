#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "appicon/appicon.h"

// Writes the icons for installing: the application's as OUT/<size>.png for the bitmap sizes and
// OUT/icon.svg, the data files' as OUT/file-<size>.png and OUT/file.svg.
//   make-icons OUT
int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: make-icons OUT\n", stderr);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct {
        const char* prefix;
        void (*paint)(QPainter&, int);
        QByteArray svg;
        const char* svgName;
    } icons[] = {{"", paintApplicationIcon, applicationIconSvg(), "icon.svg"},
                 {"file-", paintDataFileIcon, dataFileIconSvg(), "file.svg"}};
    for (const auto& icon : icons) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            icon.paint(painter, size);
            painter.end();
            if (!image.save(QStringLiteral("%1/%2%3.png").arg(folder, QLatin1String(icon.prefix)).arg(size)))
                return 1;
        }
        QFile svg(folder + QLatin1Char('/') + QLatin1String(icon.svgName));
        if (!svg.open(QIODevice::WriteOnly) || svg.write(icon.svg) < 0) return 1;
    }
    return 0;
}
