#pragma once

#include "diagram/ggtfill.h"
#include "print/testformpage.h"

class Surface;
struct DisplaySettings;
struct TestData;

// What the legend of a diagram sheet shows: the grouping and colour set of the fill, or nothing when
// neither display switch is on.
struct SheetLegend {
    bool shown = true;
    FillChoice fill;
};

// The title block of the first diagram sheet (landscape), for block CurBlock: a frame around the
// left two slots, the survey name in two lines of 15 characters, the rows of tester (two lines of 19),
// place, date and drop height, and the legend of the fill. Texts that do not fit are shortened after a
// warning.
void PrintSheetTitle(Surface& printer, const TestData& data, const DisplaySettings& colours,
                     const SheetLegend& legend, const LengthWarning& warn);
