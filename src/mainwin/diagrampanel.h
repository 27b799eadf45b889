#pragma once

#include <QWidget>

struct TestData;

// The diagram area `Picture1` of the main window: the softness–depth diagram of the shown block.
// A click redraws it.
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
};
