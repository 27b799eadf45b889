#include "diagram/diagramlayout.h"

#include <cmath>

#include "platform/twips.h"

namespace {

constexpr double graphPanelHeight = 5724;
constexpr double mainPanelHeight = 5964;

// A panel sized in whole screen pixels cannot be exactly 5724 or 5964 twips high; within half a pixel
// it is that panel.
bool isPanelHeight(double height, double panelHeight) {
    return std::abs(height - panelHeight) < Twips::perPixel / 2.0;
}

}  // namespace

bool isWindowPanelHeight(double height) {
    return isPanelHeight(height, graphPanelHeight) || isPanelHeight(height, mainPanelHeight);
}

DiagramLayout screenLayout(double width, double height) {
    DiagramLayout layout{750, 750, width - 375, height - 550, 0, 0};
    if (isPanelHeight(height, graphPanelHeight)) {
        layout.DepthScale = 44.2;
        layout.SoftnessFactor = 14.2;
    } else if (isPanelHeight(height, mainPanelHeight)) {
        layout.DepthScale = 46.6;
        layout.SoftnessFactor = 13.4;
    } else if (layout.fits()) {
        layout.DepthScale = (layout.AxisEndY - layout.OriginY) / 100;
        layout.SoftnessFactor = (layout.AxisEndX - layout.OriginX) / (4.5 * layout.DepthScale);
    }
    return layout;
}

double sheetSlotLeft(int CuPage) {
    // The sheet job numbers its diagrams 1, 2, 3... and takes the slot as the number modulo 3.
    switch ((CuPage % 3 + 3) % 3) {
        case 2: return 1300;
        case 0: return 6200;
        default: return 11100;
    }
}

DiagramLayout sheetSlotLayout(int CuPage) {
    const double left = sheetSlotLeft(CuPage);
    return {left + 750, 1550, left + 4400 - 375, 10250, 87, 8.35};
}

DiagramLayout testFormLayout() {
    return {1550, 4750, 5250, 14250, 95, 8.66};
}
