#pragma once

class EventPump;
class ProgressSink;
class Surface;
struct DiagramTarget;
struct TestData;

// Draws the softness–depth diagram of a block onto a target: the step outline of the drops over the
// axes, ticks, class lines, numbers, titles and marks. A progress sink hears of every drop drawn (i
// after drop i); an event pump lets pending events run once before the drops.
void drawSoftnessDiagram(Surface& surface, const TestData& data, int block, const DiagramTarget& target,
                         ProgressSink* progress = nullptr, EventPump* events = nullptr);
