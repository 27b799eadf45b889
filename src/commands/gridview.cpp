#include "commands/gridview.h"

#include "model/format.h"
#include "model/testdata.h"

void showDrop(GridView& grid, const TestData& data, int block, int drop) {
    grid.setCellText(drop, 1, Format::display(data.Measure[block][drop]));
    showPenetration(grid, data, block, drop);
}

void showPenetration(GridView& grid, const TestData& data, int block, int drop) {
    grid.setCellText(drop, 2, Format::display(data.penetration(block, drop)));
}
