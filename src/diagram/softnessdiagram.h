#pragma once

#include "diagram/diagramlayout.h"

class EventPump;
class ProgressSink;
class Surface;
struct DisplaySettings;
struct TestData;

// The softness–depth diagram of the shown block (CurBlock) on its three targets.

// Into a diagram panel on screen, sized by the surface; draws over what the panel shows, so the caller
// clears it when needed. The labels use the panel's own font.
void DrawDiagram(Surface& box, const TestData& data);
// The same for any block, as the site at a glance shows every block.
void DrawBlockDiagram(Surface& box, const TestData& data, int block);

// Into slot CuPage of the diagram sheet page on the printer: 2 the left slot, 0 the middle, 1 the right.
// The marks row is printed when showMarks (the graph window's "○×△表示") is on. Lets pending events run
// before the drops and reports drop i to the progress after drawing it. Returns the slot's layout,
// which the graph window keeps as its OriginX, OriginY, AxisEndX and AxisEndY.
DiagramLayout DrawGraphGGT(Surface& printer, const TestData& data, int CuPage, bool showMarks,
                           ProgressSink& progress, EventPump& events);

// Into the diagram area of the test form on the printer; the marks row unless GGT mode is on with
// ShowMarks 0. Reports drop i to the progress after drawing it.
void PrintFormDiagram(Surface& printer, const TestData& data, const DisplaySettings& display,
                      ProgressSink& progress);
