#pragma once

#include <QWidget>
#include <optional>

#include "diagram/displaysettings.h"
#include "diagram/ggtfill.h"
#include "model/changenotifier.h"

struct TestData;

// The fill a panel shows under its outline: the grouping and colour set chosen, and the colours as they
// were when the fill was drawn, so that a colour edit shows only once the diagram is drawn again.
struct PanelFill {
    FillChoice choice;
    DisplaySettings colours;
};

// A diagram panel `Picture1`: the softness–depth diagram of the shown block, redrawn whenever the data
// set changes and when it is clicked; in GGT mode with its fill under the outline, which every paint
// draws again.
class DiagramPanel : public QWidget {
    Q_OBJECT

public:
    DiagramPanel(const TestData& data, QWidget* parent);

    void setFill(std::optional<PanelFill> fill);
    const std::optional<PanelFill>& fill() const { return fill_; }

signals:
    // The right button was released over the panel, at this point of the screen.
    void menuRequested(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const TestData& data_;
    std::optional<PanelFill> fill_;
    ChangeNotifier::Subscription dataChanged_;
};
