#include "appicon/appicon.h"

#include <QColor>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <vector>

namespace {

// The drawing on a 32 × 32 grid.
struct Box {
    double x, y, width, height;
    const char* colour;
};
constexpr Box Boxes[] = {
    {0, 0, 32, 13, "#DCEBF7"},    // sky
    {0, 13, 32, 6, "#A9743F"},    // topsoil
    {0, 19, 32, 6, "#8B5A2B"},    // subsoil
    {0, 25, 32, 7, "#6B4423"},    // deep layer
    {14.5, 2, 3, 28, "#5A5A5A"},  // rod
    {10, 5, 12, 6, "#2F3E4E"},    // weight
};
constexpr QPointF StepLine[] = {{21, 14},   {27, 14},   {27, 18},   {24, 18},  {24, 23},
                                {29.5, 23}, {29.5, 27}, {25.5, 27}, {25.5, 31}};
constexpr double StepWidth = 1.5;
constexpr const char* StepColour = "#D03020";
constexpr const char* FrameColour = "#1E1E1E";

// The data file's sheet on the same grid: its outline, the folded corner, and the layers printed on it.
constexpr QPointF Sheet[] = {{5.5, 0.5}, {20.5, 0.5}, {26.5, 6.5}, {26.5, 31.5}, {5.5, 31.5}};
constexpr QPointF Fold[] = {{20.5, 0.5}, {20.5, 6.5}, {26.5, 6.5}};
constexpr Box Layers[] = {
    {8, 12, 16, 5, "#A9743F"},
    {8, 17, 16, 5, "#8B5A2B"},
    {8, 22, 16, 7, "#6B4423"},
};
constexpr QPointF SheetStepLine[] = {{11, 12}, {16, 12}, {16, 17}, {13, 17}, {13, 22}, {19, 22}, {19, 29}};
constexpr const char* SheetColour = "#FFFFFF";
constexpr const char* FoldColour = "#D8D8D8";

QString svgRect(const Box& box) {
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
        .arg(box.x)
        .arg(box.y)
        .arg(box.width)
        .arg(box.height)
        .arg(QLatin1String(box.colour));
}

QString svgPoints(const QPointF* points, size_t count) {
    QStringList text;
    for (size_t i = 0; i < count; ++i) text << QStringLiteral("%1,%2").arg(points[i].x()).arg(points[i].y());
    return text.join(QLatin1Char(' '));
}

}  // namespace

void paintApplicationIcon(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, size > 32);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(Qt::NoPen);
    for (const Box& box : Boxes)
        painter.fillRect(QRectF(box.x, box.y, box.width, box.height), QColor(box.colour));
    painter.setPen(QPen(QColor(StepColour), StepWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(StepLine, static_cast<int>(std::size(StepLine)));
    painter.setPen(QPen(QColor(FrameColour), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, 31, 31));
    painter.restore();
}

QByteArray applicationIconSvg() {
    QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n";
    for (const Box& box : Boxes) svg += svgRect(box).toUtf8();
    svg += QStringLiteral(
               "  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
               "stroke-linejoin=\"miter\"/>\n")
               .arg(svgPoints(StepLine, std::size(StepLine)), QLatin1String(StepColour))
               .arg(StepWidth)
               .toUtf8();
    svg += QStringLiteral(
               "  <rect x=\"0.5\" y=\"0.5\" width=\"31\" height=\"31\" fill=\"none\" stroke=\"%1\"/>\n")
               .arg(QLatin1String(FrameColour))
               .toUtf8();
    svg += "</svg>\n";
    return svg;
}

namespace {

// Draws the icon only when a size of it is asked for: at start-up nothing may need it yet.
class ApplicationIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int size = std::min(rect.width(), rect.height());
        painter->save();
        painter->translate(rect.x() + (rect.width() - size) / 2, rect.y() + (rect.height() - size) / 2);
        paintApplicationIcon(*painter, size);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, image.rect(), mode, state);
        painter.end();
        return QPixmap::fromImage(image);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) sizes << QSize(size, size);
        return sizes;
    }

    QIconEngine* clone() const override { return new ApplicationIconEngine; }
};

}  // namespace

QIcon applicationIcon() {
    return QIcon(new ApplicationIconEngine);
}

void paintDataFileIcon(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, size > 32);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(QColor(FrameColour), 1));
    painter.setBrush(QColor(SheetColour));
    painter.drawPolygon(Sheet, static_cast<int>(std::size(Sheet)));
    painter.setBrush(QColor(FoldColour));
    painter.drawPolygon(Fold, static_cast<int>(std::size(Fold)));
    painter.setPen(Qt::NoPen);
    for (const Box& box : Layers)
        painter.fillRect(QRectF(box.x, box.y, box.width, box.height), QColor(box.colour));
    painter.setPen(QPen(QColor(StepColour), StepWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(SheetStepLine, static_cast<int>(std::size(SheetStepLine)));
    painter.restore();
}

QByteArray dataFileIconSvg() {
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n");
    const auto polygon = [&svg](const QPointF* points, size_t count, const char* fill) {
        svg += QStringLiteral("  <polygon points=\"%1\" fill=\"%2\" stroke=\"%3\"/>\n")
                   .arg(svgPoints(points, count), QLatin1String(fill), QLatin1String(FrameColour));
    };
    polygon(Sheet, std::size(Sheet), SheetColour);
    polygon(Fold, std::size(Fold), FoldColour);
    for (const Box& box : Layers) svg += svgRect(box);
    svg += QStringLiteral(
               "  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
               "stroke-linejoin=\"miter\"/>\n")
               .arg(svgPoints(SheetStepLine, std::size(SheetStepLine)), QLatin1String(StepColour))
               .arg(StepWidth);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}
