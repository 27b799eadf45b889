#include "platform/print/pagedprinter.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/gui/paintersurface.h"

namespace {

constexpr double twipsPerInch = 1440;

}  // namespace

PagedPrinter::PagedPrinter() = default;

PagedPrinter::~PagedPrinter() = default;

RecordedPage PagedPrinter::newPage() {
    QPagedPaintDevice& paper = device();
    const QFont font = QGuiApplication::font();
    return RecordedPage(
        paper.width() * twipsPerInch / paper.logicalDpiX(),
        paper.height() * twipsPerInch / paper.logicalDpiY(),
        [&paper](const QString& fontName, double points) { return lineHeightOn(paper, fontName, points); },
        font.family(), font.pointSizeF());
}

std::optional<QString> PagedPrinter::print(const RecordedPage& page) {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&device())) {
            painter_.reset();
            return QStringLiteral("印刷を開始できませんでした。");
        }
    } else if (!device().newPage()) {
        return QStringLiteral("次のページを始められませんでした。");
    }
    PainterSurface surface(*painter_);
    page.replay(surface);
    return std::nullopt;
}

std::optional<QString> PagedPrinter::finish() {
    if (!painter_) return std::nullopt;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended) return QStringLiteral("印刷を終了できませんでした。");
    return std::nullopt;
}
