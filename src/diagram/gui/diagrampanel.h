#pragma once

#include <QWidget>

#include "model/changenotifier.h"

struct TestData;

// The diagram area `Picture1` of the main window: the softness–depth diagram of the shown block,
// redrawn whenever the data set changes and when it is clicked.
class DiagramPanel : public QWidget {
    Q_OBJECT

public:
    DiagramPanel(const TestData& data, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const TestData& data_;
    ChangeNotifier::Subscription dataChanged_;
};
