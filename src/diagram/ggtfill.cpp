#include "diagram/ggtfill.h"

#include <algorithm>

#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/progresssink.h"
#include "platform/surface.h"

namespace {

constexpr double ClipDepth = 100;    // cm
constexpr double SoftnessEnd = 4.5;  // cm/drop
constexpr int TestFormSlot = 5;

}  // namespace

void fillDiagram(Surface& surface, const TestData& data, const DisplaySettings& colours,
                 const FillChoice& fill, const DiagramLayout& layout, ProgressSink* progress,
                 EventPump* events) {
    fillBlockDiagram(surface, data, data.CurBlock, colours, fill, layout, progress, events);
}

void fillBlockDiagram(Surface& surface, const TestData& data, int block, const DisplaySettings& colours,
                      const FillChoice& fill, const DiagramLayout& layout, ProgressSink* progress,
                      EventPump* events) {
    const qint32 colour = surface.drawColor();
    surface.setLineStyle(LineStyle::InsideSolid);
    if (events) events->processPendingEvents();
    const auto& depths = data.Measure[block];
    const int drops = std::clamp<int>(data.DropCount[block], 0, TestData::DropSlots - 1);
    const double scale = layout.DepthScale;
    double prevTw = 0;
    for (int i = 1; i <= drops; ++i) {
        const double V = depths[i];
        const bool clipped = V > ClipDepth;
        const double curTw = clipped ? ClipDepth * scale : V * scale;
        const double S = (V * scale - prevTw) / scale;
        // The drop before the first is at depth 0, whatever slot 0 holds.
        SetDrawColor(surface, colours, fill.grouping, fill.MonoCol,
                     DiffOf(depths[i], i == 1 ? 0.0f : depths[i - 1]));
        const double xr = S >= SoftnessEnd ? layout.OriginX + layout.softnessEnd()
                                           : layout.OriginX + layout.SoftnessFactor * (curTw - prevTw);
        surface.fillBox(layout.OriginX, layout.OriginY + prevTw, xr, layout.OriginY + curTw);
        prevTw = curTw;
        if (progress) progress->setProgress(i);
        if (clipped) break;
    }
    surface.setDrawColor(colour);
}

DiagramLayout DrawGGT(Surface& printer, TestData& data, const DisplaySettings& colours,
                      const FillChoice& fill, int CuPage, ProgressSink& progress, EventPump& events) {
    const DiagramLayout layout = CuPage == TestFormSlot ? testFormLayout() : sheetSlotLayout(CuPage);
    data.Measure[data.CurBlock][0] = 0.0f;
    fillDiagram(printer, data, colours, fill, layout, &progress, &events);
    return layout;
}
