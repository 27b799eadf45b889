#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>

#include "diagram/diagramlayout.h"
#include "diagram/softnessclass.h"

struct DiagramFont {
    QString name;
    double size;
};

// Everything in which the screen panel, a diagram sheet slot and the test form draw the diagram
// differently. Positions are in twips on the target.
struct DiagramTarget {
    DiagramLayout layout;
    std::optional<QRectF> frame;  // drawn around the printed area
    int axisWidth;
    int outlineWidth;
    std::optional<DiagramFont> labelFont;  // none: the surface's own font
    double dxNum;                          // softness numbers start this far left of their tick
    double lowLabelSize;                   // size and height above the axis of the small "0.7"
    double dyLow;
    bool lowLabelShown;  // false where "0.7" would run into the "1" beside it
    double dxDepth;      // depth numbers start this far left of the depth axis
    QPointF softnessTitle;
    std::array<QPointF, 3> depthTitle;  // "深", "さ", "(cm)"
    bool marksShown;
    QString marksFontName;  // empty: the label font
    double marksFontSize;
    std::array<double, SoftnessClassCount> marksX;
};

// The panel of a window, sized width × height twips.
DiagramTarget screenTarget(double width, double height);
// Slot CuPage of the diagram sheet; the marks row when the graph window's "○×△表示" is on.
DiagramTarget sheetSlotTarget(int CuPage, bool marksShown);
// The diagram area of the test form.
DiagramTarget testFormTarget(bool marksShown);
