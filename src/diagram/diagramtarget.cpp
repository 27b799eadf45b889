#include "diagram/diagramtarget.h"

namespace {

const QString printLabelFont = QStringLiteral("ＭＳ 明朝");
const QString printMarksFont = QStringLiteral("ＭＳ Ｐゴシック");

}  // namespace

DiagramTarget screenTarget(double width, double height) {
    return {
        .layout = screenLayout(width, height),
        .frame = std::nullopt,
        .axisWidth = 3,
        .outlineWidth = 1,
        .labelFont = std::nullopt,
        .dxNum = 100,
        .lowLabelSize = 6,
        .dyLow = 300,
        .dxDepth = 350,
        .softnessTitle = {1000, 80},
        .depthTitle = {QPointF(130, 2710), QPointF(160, 3190), QPointF(80, 3670)},
        .marksShown = true,
        .marksFontName = {},
        .marksFontSize = 6,
        .marksX = {888, 1250, 1515, 2450, 3350},
    };
}

namespace {

// The printed targets share their pens, fonts and label offsets; they differ in place only.
DiagramTarget printedTarget(const DiagramLayout& layout, const QRectF& frame, QPointF softnessTitle,
                            const std::array<QPointF, 3>& depthTitle, bool marksShown,
                            const std::array<double, SoftnessClassCount>& marksX) {
    return {
        .layout = layout,
        .frame = frame,
        .axisWidth = 5,
        .outlineWidth = 3,
        .labelFont = DiagramFont{printLabelFont, 11},
        .dxNum = 150,
        .lowLabelSize = 8,
        .dyLow = 280,
        .dxDepth = 500,
        .softnessTitle = softnessTitle,
        .depthTitle = depthTitle,
        .marksShown = marksShown,
        .marksFontName = printMarksFont,
        .marksFontSize = 8,
        .marksX = marksX,
    };
}

}  // namespace

DiagramTarget sheetSlotTarget(int CuPage, bool marksShown) {
    const double left = sheetSlotLeft(CuPage);
    const DiagramLayout layout = sheetSlotLayout(CuPage);
    const double marksLeft = layout.OriginX;
    return printedTarget(
        layout, QRectF(QPointF(left, 800), QPointF(left + 4400, 11000)), {left + 1350, 950},
        {QPointF(left + 100, 4500), QPointF(left + 100, 5500), QPointF(left + 50, 6400)}, marksShown,
        {marksLeft + 150, marksLeft + 550, marksLeft + 850, marksLeft + 1850, marksLeft + 3050});
}

DiagramTarget testFormTarget(bool marksShown) {
    return printedTarget(testFormLayout(), QRectF(QPointF(800, 4000), QPointF(6000, 15000)), {2500, 4150},
                         {QPointF(850, 8000), QPointF(850, 8500), QPointF(810, 9000)}, marksShown,
                         {1700, 2200, 2500, 3700, 5050});
}
