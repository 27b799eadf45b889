#include "platform/print/pagedprinter.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/gui/paintersurface.h"

PagedPrinter::PagedPrinter() = default;

PagedPrinter::~PagedPrinter() = default;

RecordedPage PagedPrinter::newPage() {
    QPagedPaintDevice& paper = device();
    const DeviceScale scale = deviceScaleOf(paper);
    const QFont font = QGuiApplication::font();
    return RecordedPage(
        scale.twipsX(paper.width()), scale.twipsY(paper.height()),
        [scale](const QString&, double points) { return scale.lineHeight(points); }, font.family(),
        font.pointSizeF());
}

std::optional<QString> PagedPrinter::print(const RecordedPage& page, const QString& documentName) {
    if (!painter_) {
        if (documentPerPage()) nameDocument(documentName);
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&device())) {
            painter_.reset();
            return QStringLiteral("印刷を開始できませんでした。");
        }
    } else if (!device().newPage()) {
        return QStringLiteral("次のページを始められませんでした。");
    }
    {
        PainterSurface surface(*painter_);
        page.replay(surface);
    }
    if (documentPerPage()) return finish();
    return std::nullopt;
}

std::optional<QString> PagedPrinter::finish() {
    if (!painter_) return std::nullopt;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended) return QStringLiteral("印刷を終了できませんでした。");
    return std::nullopt;
}
