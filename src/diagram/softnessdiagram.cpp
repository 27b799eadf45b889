#include "diagram/softnessdiagram.h"

#include "diagram/diagramrenderer.h"
#include "diagram/diagramtarget.h"
#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/surface.h"

void DrawDiagram(Surface& box, const TestData& data) {
    DrawBlockDiagram(box, data, data.CurBlock);
}

void DrawBlockDiagram(Surface& box, const TestData& data, int block) {
    drawSoftnessDiagram(box, data, block, screenTarget(box.width(), box.height()));
}

DiagramLayout DrawGraphGGT(Surface& printer, const TestData& data, int CuPage, bool showMarks,
                           ProgressSink& progress, EventPump& events) {
    const DiagramTarget target = sheetSlotTarget(CuPage, showMarks);
    drawSoftnessDiagram(printer, data, data.CurBlock, target, &progress, &events);
    return target.layout;
}

void PrintFormDiagram(Surface& printer, const TestData& data, const DisplaySettings& display,
                      ProgressSink& progress) {
    const bool marksShown = !(display.GGTMode == -1 && display.ShowMarks == 0);
    drawSoftnessDiagram(printer, data, data.CurBlock, testFormTarget(marksShown), &progress);
}
