#pragma once

#include <QWidget>

#include "platform/twips.h"

// Places a top-level window so that its outer frame (title bar and borders included) has the given
// position and size in twips, as the window layouts give them. The frame is only known once the
// window is shown, so the size is corrected then.
void placeWindowFrame(QWidget& window, int leftTwips, int topTwips, int widthTwips, int heightTwips);

// Places a control at its position and size in twips within its window's client area.
template <typename Widget>
Widget* placeControl(Widget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                        Twips::toPixels(height));
    return widget;
}
