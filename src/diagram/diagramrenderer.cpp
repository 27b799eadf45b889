#include "diagram/diagramrenderer.h"

#include <algorithm>

#include "diagram/diagramtarget.h"
#include "model/format.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/progresssink.h"
#include "platform/surface.h"

namespace {

constexpr double clipDepth = 100;    // cm
constexpr double softnessEnd = 4.5;  // cm/drop
constexpr qint32 red = 255;
constexpr double markerSize = 7;

void printAt(Surface& surface, double x, double y, const QString& text) {
    surface.moveTo(x, y);
    surface.printLine(text);
}

// The "↓" of a clipped drop and the value of an off-scale one: small and red, then back to the
// size and colour the surface had.
void printMarker(Surface& surface, double x, double y, const QString& text) {
    const double size = surface.fontSize();
    const qint32 color = surface.drawColor();
    surface.setFontSize(markerSize);
    surface.setDrawColor(red);
    printAt(surface, x, y, text);
    surface.setFontSize(size);
    surface.setDrawColor(color);
}

void drawFrame(Surface& surface, const QRectF& frame) {
    surface.line(frame.left(), frame.top(), frame.right(), frame.top());
    surface.line(frame.left(), frame.top(), frame.left(), frame.bottom());
    surface.line(frame.left(), frame.bottom(), frame.right(), frame.bottom());
    surface.line(frame.right(), frame.top(), frame.right(), frame.bottom());
}

// Each drop is a horizontal stretch at the depth before it, out to its softness, and a vertical one
// down to the depth after it. Depth runs in twips below OriginY; a bar's width is kept as the depth
// length that its softness stands for, so that its right end lies at OriginX + SoftnessFactor × width.
void drawStepOutline(Surface& surface, const TestData& data, int block, const DiagramLayout& layout,
                     ProgressSink* progress) {
    const auto& depths = data.Measure.at(static_cast<size_t>(block));
    const int drops =
        std::clamp<int>(data.DropCount.at(static_cast<size_t>(block)), 0, TestData::DropSlots - 1);
    const double scale = layout.DepthScale;
    double prevTw = 0;
    double prevW = 0;
    for (int i = 1; i <= drops; ++i) {
        const double V = depths[static_cast<size_t>(i)];
        const bool clipped = V > clipDepth;
        const double curTw = clipped ? clipDepth * scale : V * scale;
        const double S = (V * scale - prevTw) / scale;  // a clipped drop keeps its whole softness
        if (clipped) printMarker(surface, layout.AxisEndX, layout.AxisEndY + 100, QStringLiteral("↓"));

        const double top = layout.OriginY + prevTw;
        const double bottom = layout.OriginY + curTw;
        const double from = layout.OriginX + layout.SoftnessFactor * prevW;
        if (S >= softnessEnd) {
            const double xr = layout.OriginX + layout.softnessEnd();
            surface.line(from, top, xr, top);
            surface.line(xr, top, xr, bottom);
            if (!clipped) printMarker(surface, xr + 20, bottom - 200, Format::display(S));
            prevW = softnessEnd * scale;
        } else {
            const double x = layout.OriginX + layout.SoftnessFactor * (curTw - prevTw);
            surface.line(from, top, x, top);
            surface.line(x, top, x, bottom);
            prevW = curTw - prevTw;
        }
        prevTw = curTw;
        if (progress) progress->setProgress(i);
        if (clipped) break;
    }
    if (drops > 0)
        surface.line(layout.OriginX + layout.SoftnessFactor * prevW, layout.OriginY + prevTw, layout.OriginX,
                     layout.OriginY + prevTw);
}

// Depth ticks every 5 cm from 0 to 95, dotted class boundaries at 0.7, 1.0, 1.5 and 4.0 cm/drop over
// the full depth, softness ticks every 0.5 from 0 to 4.0.
void drawTicks(Surface& surface, const DiagramLayout& layout) {
    for (int k = 0; k < 20; ++k) {
        const double y = layout.OriginY + k * layout.ystep();
        surface.line(layout.OriginX, y, layout.OriginX - 50, y);
    }
    surface.setLineStyle(LineStyle::Dot);
    for (const double m : {1.4, 2.0, 3.0, 8.0}) {
        const double x = layout.OriginX + m * layout.xstep();
        surface.line(x, layout.OriginY, x, layout.AxisEndY);
    }
    surface.setLineStyle(LineStyle::InsideSolid);
    for (int k = 0; k <= 8; ++k) {
        const double x = layout.OriginX + k * layout.xstep();
        surface.line(x, layout.OriginY - 50, x, layout.OriginY);
    }
}

void drawLabels(Surface& surface, const DiagramTarget& target) {
    const DiagramLayout& layout = target.layout;
    if (target.labelFont) {
        surface.setFontName(target.labelFont->name);
        surface.setFontSize(target.labelFont->size);
    }
    for (int k = 1; k <= 4; ++k)
        printAt(surface, layout.OriginX - target.dxNum + 2 * k * layout.xstep(), layout.OriginY - 350,
                Format::signOrBlank(k));

    if (target.lowLabelShown) {
        const double size = surface.fontSize();
        surface.setFontSize(target.lowLabelSize);
        printAt(surface, layout.OriginX - 100 + 1.4 * layout.xstep(), layout.OriginY - target.dyLow,
                QStringLiteral("0.7"));
        surface.setFontSize(size);
    }

    for (int k = 1; k <= 10; ++k)
        printAt(surface, layout.OriginX - target.dxDepth, layout.OriginY - 100 + 2 * k * layout.ystep(),
                Format::number(10 * k, "@@@"));

    printAt(surface, target.softnessTitle.x(), target.softnessTitle.y(),
            QStringLiteral("SOFTNESS (cm/drop)"));
    const QString depthTitle[] = {QStringLiteral("深"), QStringLiteral("さ"), QStringLiteral("(cm)")};
    for (size_t part = 0; part < 3; ++part)
        printAt(surface, target.depthTitle[part].x(), target.depthTitle[part].y(), depthTitle[part]);
}

void drawMarks(Surface& surface, const DiagramTarget& target) {
    const QString name = surface.fontName();
    const double size = surface.fontSize();
    if (!target.marksFontName.isEmpty()) surface.setFontName(target.marksFontName);
    surface.setFontSize(target.marksFontSize);
    for (int c = 1; c <= SoftnessClassCount; ++c)
        printAt(surface, target.marksX[static_cast<size_t>(c - 1)], target.layout.AxisEndY + 250,
                classMark(c));
    surface.setFontSize(size);
    surface.setFontName(name);
}

}  // namespace

void drawSoftnessDiagram(Surface& surface, const TestData& data, int block, const DiagramTarget& target,
                         ProgressSink* progress, EventPump* events) {
    const DiagramLayout& layout = target.layout;
    if (!layout.fits()) return;
    surface.setLineStyle(LineStyle::InsideSolid);
    if (target.frame) drawFrame(surface, *target.frame);

    surface.setLineWidth(target.axisWidth);
    surface.line(layout.OriginX, layout.OriginY, layout.AxisEndX, layout.OriginY);
    surface.line(layout.OriginX, layout.OriginY, layout.OriginX, layout.AxisEndY);

    surface.setLineWidth(target.outlineWidth);
    if (events) events->processPendingEvents();
    drawStepOutline(surface, data, block, layout, progress);
    surface.setLineWidth(1);

    drawTicks(surface, layout);
    drawLabels(surface, target);
    if (target.marksShown) drawMarks(surface, target);
}
