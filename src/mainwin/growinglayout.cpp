#include "mainwin/growinglayout.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

#include "platform/twips.h"

GrowingLayout::GrowingLayout(QWidget& window, QWidget& area, int designWidthTwips, int designHeightTwips)
    : QObject(&area),
      window_(window),
      area_(area),
      designWidth_(designWidthTwips),
      designHeight_(designHeightTwips) {
    area_.installEventFilter(this);
}

void GrowingLayout::add(QWidget* control, int left, int top, int width, int height, int growth) {
    controls_.push_back({control, left, top, width, height, growth});
    apply();
}

bool GrowingLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &area_ && event->type() == QEvent::Resize) apply();
    return false;
}

void GrowingLayout::apply() {
    // The client area the designed outer size leaves, once the frame and the menu bar are known.
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    const auto* main = qobject_cast<QMainWindow*>(&window_);
    const int menu = main && main->menuWidget() ? main->menuWidget()->height() : 0;
    const QSize designClient(Twips::toPixels(designWidth_) - frame.width(),
                             Twips::toPixels(designHeight_) - frame.height());
    if (window_.isVisible()) window_.setMinimumSize(designClient);
    const int extraWidth = std::max(0, area_.width() - designClient.width());
    const int extraHeight = std::max(0, area_.height() - (designClient.height() - menu));
    for (const Control& c : controls_) {
        const int x = Twips::toPixels(c.left);
        const int y = Twips::toPixels(c.top) + (c.growth & Lower ? extraHeight : 0);
        const int w = Twips::toPixels(c.width) + (c.growth & Wider ? extraWidth : 0);
        const int h = Twips::toPixels(c.height) + (c.growth & Taller ? extraHeight : 0);
        c.widget->setGeometry(x, y, w, h);
    }
}
