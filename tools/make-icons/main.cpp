#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "appicon/appicon.h"

// Writes the application's icon for installing: OUT/<size>.png for the bitmap sizes and OUT/icon.svg.
//   make-icons OUT
int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: make-icons OUT\n", stderr);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintApplicationIcon(painter, size);
        painter.end();
        if (!image.save(QStringLiteral("%1/%2.png").arg(folder).arg(size))) return 1;
    }
    QFile svg(folder + QStringLiteral("/icon.svg"));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(applicationIconSvg()) < 0) return 1;
    return 0;
}
