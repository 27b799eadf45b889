#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "diagram/diagramlayout.h"
#include "diagram/displaysettings.h"
#include "diagram/ggtfill.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/progresssink.h"
#include "support/recordingsurface.h"

namespace {

struct Reports : ProgressSink {
    void setProgress(int value) override { values.push_back(value); }
    std::vector<int> values;
};

struct CountedEvents : EventPump {
    void processPendingEvents() override { ++runs; }
    int runs = 0;
};

TestData blockOf(std::initializer_list<float> readings) {
    TestData data;
    int drop = 0;
    for (float reading : readings) data.Measure[1][++drop] = reading;
    data.DropCount[1] = static_cast<qint16>(drop);
    data.Measure[1][0] = 3.0f;
    return data;
}

// The graph window's panel: origin (750, 750), 44.2 twips per cm, softness factor 14.2, so the scale
// ends 2824.38 twips right of the origin.
TEST(GGTFill, EachDropIsABoxToItsSoftnessInTheColourOfItsClass) {
    // Softness 6.0, 1.04 (judged 1.0: class 2), 1.06 (judged 1.1: class 3), 90.9, then a drop past
    // 100 cm (2.0: class 4) drawn down to 100 cm, after which nothing is filled.
    const TestData data = blockOf({6.0f, 7.04f, 8.10f, 99.0f, 101.0f, 105.0f});
    RecordingSurface panel(3950, 5724);
    panel.setDrawColor(0x123456);
    const DisplaySettings colours;
    fillDiagram(panel, data, colours, {FillGrouping::FiveColors, 1}, screenLayout(3950, 5724));

    struct Box {
        double x2, y1, y2;
        qint32 colour;
    };
    const Box expected[] = {
        {3574.38, 750, 1015.2, 16776960},   {1402.75, 1015.2, 1061.17, 65535},
        {1415.30, 1061.17, 1108.02, 33023}, {3574.38, 1108.02, 5125.8, 16776960},
        {1377.64, 5125.8, 5170, 65280},
    };
    const std::vector<DrawnOp> boxes = panel.boxes();
    ASSERT_EQ(boxes.size(), std::size(expected));
    for (size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_DOUBLE_EQ(boxes[i].from.x(), 750);
        EXPECT_NEAR(boxes[i].from.y(), expected[i].y1, 0.01);
        EXPECT_NEAR(boxes[i].to.x(), expected[i].x2, 0.01);
        EXPECT_NEAR(boxes[i].to.y(), expected[i].y2, 0.01);
        EXPECT_EQ(boxes[i].color, expected[i].colour);
    }
    EXPECT_EQ(panel.drawColor(), 0x123456);  // the surface's colour comes back

    // With no grouping every box takes the surface's colour; the grey set follows MonoCol 0.
    RecordingSurface plain(3950, 5724);
    plain.setDrawColor(0x00FF00);
    fillDiagram(plain, data, colours, {FillGrouping::None, 1}, screenLayout(3950, 5724));
    for (const DrawnOp& box : plain.boxes()) EXPECT_EQ(box.color, 0x00FF00);
    RecordingSurface grey(3950, 5724);
    fillDiagram(grey, data, colours, {FillGrouping::FiveColors, 0}, screenLayout(3950, 5724));
    EXPECT_EQ(grey.boxes()[1].color, colours.Mono[2]);
}

TEST(GGTFill, PrintedFillLiesInItsSlotCountsItsDropsAndZeroesDropZero) {
    struct Slot {
        int CuPage;
        double originX, originY, depthScale;
    };
    const Slot targets[] = {
        {0, 6950, 1550, 87}, {1, 11850, 1550, 87}, {2, 2050, 1550, 87}, {5, 1550, 4750, 95}};
    for (const Slot& slot : targets) {
        SCOPED_TRACE(slot.CuPage);
        TestData data = blockOf({1.0f, 2.5f});
        RecordingSurface printer(16000, 11000);
        Reports progress;
        CountedEvents events;
        const DiagramLayout layout = DrawGGT(printer, data, DisplaySettings{}, {FillGrouping::FiveColors, 1},
                                             slot.CuPage, progress, events);
        EXPECT_EQ(data.Measure[1][0], 0.0f);
        EXPECT_EQ(progress.values, (std::vector<int>{1, 2}));
        EXPECT_EQ(events.runs, 1);
        ASSERT_EQ(printer.boxes().size(), 2u);
        EXPECT_EQ(printer.boxes()[0].from, QPointF(slot.originX, slot.originY));
        EXPECT_NEAR(printer.boxes()[1].to.y(), slot.originY + 2.5 * slot.depthScale, 1e-3);
        EXPECT_EQ(layout.OriginX, slot.originX);
    }
}

}  // namespace
