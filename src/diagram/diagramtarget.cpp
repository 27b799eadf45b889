#include "diagram/diagramtarget.h"

namespace {

const QString printLabelFont = QStringLiteral("ＭＳ 明朝");
const QString printMarksFont = QStringLiteral("ＭＳ Ｐゴシック");

}  // namespace

DiagramTarget screenTarget(double width, double height) {
    const DiagramLayout layout = screenLayout(width, height);
    // The depth title stands between the depth numbers (at 45, 55 and 65 cm), so that it never touches
    // them whatever the panel's scale.
    const auto between = [&layout](int cm) { return layout.OriginY - 100 + cm / 5.0 * layout.ystep(); };
    // The marks stand in their classes wherever the softness axis ends: the windows' panels at their
    // fixed places, a panel of another size (the glance tiles) centred in the classes.
    constexpr double marksSize = 6;
    std::array<double, SoftnessClassCount> marksX{888, 1250, 1515, 2450, 3350};
    if (!isWindowPanelHeight(height)) {
        const double centres[SoftnessClassCount] = {0.7, 1.7, 2.5, 5.5, 8.5};  // in steps of 0.5 cm/drop
        for (int c = 1; c <= SoftnessClassCount; ++c) {
            const double halfWidth = classMark(c).size() * marksSize * 20 / 2;  // full-width marks
            marksX[size_t(c - 1)] = layout.OriginX + centres[c - 1] * layout.xstep() - halfWidth;
        }
    }
    return {
        .layout = layout,
        .frame = std::nullopt,
        .axisWidth = 3,
        .outlineWidth = 1,
        .labelFont = std::nullopt,
        .dxNum = 100,
        .lowLabelSize = 6,
        .dyLow = 300,
        // The "0.7" is some 200 twips wide; the "1" starts 0.6 steps after it.
        .lowLabelShown = isWindowPanelHeight(height) || 0.6 * layout.xstep() >= 200,
        .dxDepth = 350,
        .softnessTitle = {1000, 80},
        .depthTitle = {QPointF(130, between(45)), QPointF(160, between(55)), QPointF(80, between(65))},
        .marksShown = true,
        .marksFontName = {},
        .marksFontSize = marksSize,
        .marksX = marksX,
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
        .lowLabelShown = true,
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
