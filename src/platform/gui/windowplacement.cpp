#include "platform/gui/windowplacement.h"

#include <QEvent>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include "platform/twips.h"

namespace {

// Shrinks the client area by the frame's thickness once the window system has decorated the window.
class FrameFitter : public QObject {
public:
    FrameFitter(QWidget& window, QSize outer) : QObject(&window), window_(window), outer_(outer) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) QTimer::singleShot(0, this, [this] { fit(); });
        return false;
    }

private:
    void fit() {
        const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
        if (frame.width() > 0 || frame.height() > 0) window_.resize(outer_ - frame);
        window_.removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
    QSize outer_;
};

}  // namespace

void placeWindowFrame(QWidget& window, int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    // A window placed again keeps only the last place.
    const QObjectList children = window.children();
    for (QObject* child : children)
        if (auto* earlier = dynamic_cast<FrameFitter*>(child)) {
            window.removeEventFilter(earlier);
            delete earlier;
        }
    const QSize outer(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    window.move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
    window.resize(outer);
    window.installEventFilter(new FrameFitter(window, outer));
}
