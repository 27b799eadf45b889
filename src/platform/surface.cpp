#include "platform/surface.h"

Surface::Surface(const QString& fontName, double fontSize) : fontName_(fontName), fontSize_(fontSize) {}

void Surface::line(double x1, double y1, double x2, double y2) {
    drawLine({x1, y1}, {x2, y2});
    moveTo(x2, y2);
}

void Surface::fillBox(double x1, double y1, double x2, double y2) {
    drawBox({x1, y1}, {x2, y2});
}

void Surface::printLine(const QString& text) {
    drawText({currentX_, currentY_}, text);
    moveTo(0, currentY_ + lineHeight());
}

void Surface::moveTo(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}
