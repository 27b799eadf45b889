#pragma once

#include <QObject>
#include <vector>

class QWidget;

// Lays out the controls of a window that may be made larger than its designed size: at the designed
// size every control has its designed place; the width and height the window gains beyond that go to
// the controls that grow, and move those below them down. The window cannot be made smaller than its
// designed size.
class GrowingLayout : public QObject {
public:
    // What a control does with the space the window gains.
    enum Growth { Fixed = 0, Wider = 1, Taller = 2, Lower = 4 };

    // The window's designed outer size, frame included, in twips; `area` is its client area.
    GrowingLayout(QWidget& window, QWidget& area, int designWidthTwips, int designHeightTwips);

    // Places the control at its designed place (twips in the client area) and keeps it there.
    void add(QWidget* control, int left, int top, int width, int height, int growth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QWidget* widget;
        int left, top, width, height;  // twips
        int growth;
    };
    void apply();

    QWidget& window_;
    QWidget& area_;
    int designWidth_;
    int designHeight_;
    std::vector<Control> controls_;
};
