#pragma once

class QWidget;

// Places a top-level window so that its outer frame (title bar and borders included) has the given
// position and size in twips, as the window layouts give them. The frame is only known once the
// window is shown, so the size is corrected then.
void placeWindowFrame(QWidget& window, int leftTwips, int topTwips, int widthTwips, int heightTwips);
