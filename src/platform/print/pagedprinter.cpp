#include "platform/print/pagedprinter.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <utility>

#include "platform/gui/paintersurface.h"

namespace {

Orientation orientationOf(const QPagedPaintDevice& paper) {
    return paper.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                      : Orientation::Portrait;
}

QPageLayout::Orientation layoutOf(Orientation orientation) {
    return orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

PagedPrinter::PagedPrinter() = default;

PagedPrinter::~PagedPrinter() = default;

RecordedPage PagedPrinter::newPage() {
    return newPageIn(setting_.value_or(orientationOf(device())));
}

RecordedPage PagedPrinter::newPageIn(Orientation orientation) {
    QPagedPaintDevice& paper = device();
    const DeviceScale scale = deviceScaleOf(paper);
    const QFont font = QGuiApplication::font();
    double width = scale.twipsX(paper.width());
    double height = scale.twipsY(paper.height());
    if ((width > height) != (orientation == Orientation::Landscape)) std::swap(width, height);
    return RecordedPage(
        width, height, [scale](const QString&, double points) { return scale.lineHeight(points); },
        font.family(), font.pointSizeF());
}

std::optional<QString> PagedPrinter::print(const RecordedPage& page, const QString& documentName) {
    // The paper is turned before the page begins: the device takes its size from there.
    const Orientation wanted = page.width() > page.height() ? Orientation::Landscape : Orientation::Portrait;
    const bool turned = wanted != orientationOf(device());
    if (turned && turnsPaper()) {
        if (!setting_) setting_ = orientationOf(device());
        device().setPageOrientation(layoutOf(wanted));
    }
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
        if (turned && !turnsPaper()) {
            // A quarter turn anticlockwise, as printers turn a landscape page: its top along the left edge.
            painter_->save();
            painter_->translate(0, device().height());
            painter_->rotate(-90);
            page.replay(surface);
            painter_->restore();
        } else {
            page.replay(surface);
        }
    }
    if (documentPerPage()) return finish();
    return std::nullopt;
}

std::optional<QString> PagedPrinter::finish() {
    const bool ended = !painter_ || painter_->end();
    painter_.reset();
    if (const std::optional<Orientation> setting = std::exchange(setting_, std::nullopt))
        device().setPageOrientation(layoutOf(*setting));
    if (!ended) return QStringLiteral("印刷を終了できませんでした。");
    return std::nullopt;
}
