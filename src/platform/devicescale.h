#pragma once

#include <QPointF>

// The one conversion from a drawing's units to a device's: positions and sizes in twips, font sizes in
// points, line widths and the dots of dotted lines. It is made from the device's resolution, so that a
// page comes out alike on a printer of any resolution, in a PDF document and in its preview.
class DeviceScale {
public:
    // A device of pixels (a window, an image of one): a line width counts its pixels, as a picture box
    // draws, and `twipsPerPixel` twips make a pixel (15 on screen).
    static DeviceScale pixels(double twipsPerPixelX, double twipsPerPixelY);
    // Paper (a printer, a PDF document, a preview of either) at the device's resolution: a line width
    // counts 1/600 inch, the printer pixel the page layouts were drawn for.
    static DeviceScale paper(double dotsPerInchX, double dotsPerInchY);

    QPointF toDevice(QPointF twips) const;
    double twipsX(double units) const { return units * twipsPerUnitX_; }
    double twipsY(double units) const { return units * twipsPerUnitY_; }

    // The pen of a line width in device units; a width below 1 draws as 1.
    double penWidth(int lineWidth) const;
    // A dotted line: the length of a dot and of the gap after it, in twips on every device, as a
    // screen's dotted line shows them: 1 pixel on and 2 off.
    static constexpr double DotTwips = 15;
    static constexpr double GapTwips = 30;

    // The height of a font of `points`, in whole device units (at least 1), and one line of it in
    // twips: one em, as the printer fonts the page layouts were made for advance their lines.
    int fontUnits(double points) const;
    double lineHeight(double points) const { return twipsY(fontUnits(points)); }

private:
    DeviceScale(double twipsPerUnitX, double twipsPerUnitY, double twipsPerWidth);

    double twipsPerUnitX_;
    double twipsPerUnitY_;
    double twipsPerWidth_;
};
