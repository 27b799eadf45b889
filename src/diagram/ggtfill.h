#pragma once

#include "diagram/diagramlayout.h"
#include "diagram/drawcolor.h"

class EventPump;
class ProgressSink;
class Surface;
struct DisplaySettings;
struct TestData;

// How GGT mode fills a diagram: the grouping of the softness classes and the colour set (MonoCol 1 the
// colour set, 0 the greys).
struct FillChoice {
    FillGrouping grouping = FillGrouping::None;
    int MonoCol = 1;

    bool operator==(const FillChoice&) const = default;
};

// The fill of GGT mode under the outline of the shown block (CurBlock): every drop a box from the depth
// axis out to its softness (clipped at 4.5 cm/drop), from the depth before it down to the depth after
// it, in the colour of its class (SetDrawColor; with no grouping, in the surface's colour). The fill
// stops with the first drop past 100 cm, drawn down to 100 cm. Drop 0 counts as 0. The surface's
// colour is restored afterwards. A progress sink hears of drop i after it is filled; an event pump lets
// pending events run once before the drops.
void fillDiagram(Surface& surface, const TestData& data, const DisplaySettings& colours,
                 const FillChoice& fill, const DiagramLayout& layout, ProgressSink* progress = nullptr,
                 EventPump* events = nullptr);
// The same fill for any block, as the site report lays the points side by side.
void fillBlockDiagram(Surface& surface, const TestData& data, int block, const DisplaySettings& colours,
                      const FillChoice& fill, const DiagramLayout& layout, ProgressSink* progress = nullptr,
                      EventPump* events = nullptr);

// DrawGGT: the fill of a printed diagram, in slot CuPage 0, 1 or 2 of the diagram sheet or 5, the test
// form; the outline drawn afterwards lies on it. Sets drop 0 of the shown block to 0 first. Returns the
// layout, which the graph window keeps.
DiagramLayout DrawGGT(Surface& printer, TestData& data, const DisplaySettings& colours,
                      const FillChoice& fill, int CuPage, ProgressSink& progress, EventPump& events);
