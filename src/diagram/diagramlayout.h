#pragma once

// Where a softness–depth diagram lies on its target, in twips. (OriginX, OriginY) is softness 0 at
// depth 0; the softness axis runs right to AxisEndX (0 to 4.5 cm/drop in 9 steps), the depth axis down
// to AxisEndY (0 to 100 cm in 20 steps). A depth d cm lies at OriginY + d × DepthScale, a softness S at
// OriginX + S × DepthScale × SoftnessFactor. The outline and the colour fill share these values.
struct DiagramLayout {
    double OriginX = 0;
    double OriginY = 0;
    double AxisEndX = 0;
    double AxisEndY = 0;
    double DepthScale = 0;
    double SoftnessFactor = 0;

    double xstep() const { return (AxisEndX - OriginX) / 9; }
    double ystep() const { return (AxisEndY - OriginY) / 20; }
    // Twips right of OriginX at which the softness scale ends (4.5 cm/drop).
    double softnessEnd() const { return DepthScale * SoftnessFactor * 4.5; }
    // Whether the box is large enough to hold the axes.
    bool fits() const { return AxisEndX > OriginX && AxisEndY > OriginY; }
};

// A diagram panel on screen of the given size. The two panels of the windows (heights 5724 and 5964)
// have fixed scales; any other height gets scales that make 100 cm span the depth axis and 4.5 cm/drop
// the softness axis.
DiagramLayout screenLayout(double width, double height);
// Whether a panel of this height is one of the windows' panels with their fixed scales.
bool isWindowPanelHeight(double height);

// Left edge of a slot of the diagram sheet: CuPage 2 is the left slot, 0 the middle, 1 the right.
double sheetSlotLeft(int CuPage);
DiagramLayout sheetSlotLayout(int CuPage);

// The diagram area of the test form.
DiagramLayout testFormLayout();
