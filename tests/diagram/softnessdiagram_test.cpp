#include <gtest/gtest.h>

#include <QRectF>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "diagram/diagramlayout.h"
#include "diagram/displaysettings.h"
#include "diagram/softnessdiagram.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/progresssink.h"
#include "print/printprogress.h"
#include "support/recordingsurface.h"

namespace {

TestData blockWith(std::initializer_list<float> readings) {
    TestData data;
    int drop = 0;
    for (const float reading : readings) data.Measure[1][static_cast<size_t>(++drop)] = reading;
    data.DropCount[1] = static_cast<qint16>(drop);
    return data;
}

void expectNear(QPointF actual, QPointF expected, const DrawnOp& op) {
    EXPECT_NEAR(actual.x(), expected.x(), 0.01) << testing::PrintToString(op);
    EXPECT_NEAR(actual.y(), expected.y(), 0.01) << testing::PrintToString(op);
}

// Lines as the points they run through, each line starting where the one before ended.
void expectPath(const std::vector<DrawnOp>& lines, const std::vector<QPointF>& points) {
    ASSERT_EQ(lines.size() + 1, points.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        expectNear(lines[i].from, points[i], lines[i]);
        expectNear(lines[i].to, points[i + 1], lines[i]);
    }
}

// The step outline: the lines after the depth axis and before the first depth tick.
std::vector<DrawnOp> outlineOf(const RecordingSurface& surface, const DiagramLayout& layout) {
    const std::vector<DrawnOp> lines = surface.lines();
    const auto find = [&](QPointF end, auto from) {
        return std::find_if(from, lines.end(), [&](const DrawnOp& op) {
            return op.from == QPointF(layout.OriginX, layout.OriginY) && op.to == end;
        });
    };
    const auto depthAxis = find(QPointF(layout.OriginX, layout.AxisEndY), lines.begin());
    return {depthAxis + 1, find(QPointF(layout.OriginX - 50, layout.OriginY), depthAxis)};
}

// A printed area: its frame (top, left, bottom, right) in the printer's line width, then the softness axis.
void expectFrameAndAxis(const std::vector<DrawnOp>& lines, QRectF frame, QPointF origin, double axisEndX) {
    ASSERT_GE(lines.size(), 5u);
    const QPointF tl = frame.topLeft(), tr = frame.topRight(), bl = frame.bottomLeft(),
                  br = frame.bottomRight();
    const QPointF ends[][2] = {{tl, tr}, {tl, bl}, {bl, br}, {tr, br}, {origin, {axisEndX, origin.y()}}};
    for (size_t i = 0; i < 5; ++i) expectPath({lines[i]}, {ends[i][0], ends[i][1]});
    EXPECT_EQ(lines[3].lineWidth, 1);
    EXPECT_EQ(lines[4].lineWidth, 5);
}

std::vector<DrawnOp> redTexts(const RecordingSurface& surface) {
    std::vector<DrawnOp> red;
    for (const DrawnOp& op : surface.texts())
        if (op.color == 255) red.push_back(op);
    return red;
}

// The graph window's panel: origin (750, 750), 44.2 twips per cm of depth, softness factor 14.2.
struct GraphPanel {
    RecordingSurface surface{3950, 5724, QStringLiteral("ＭＳ Ｐゴシック"), 9};
    DiagramLayout layout = screenLayout(3950, 5724);
    // The point at a softness (cm/drop) and a depth (cm).
    static QPointF at(double softness, double depth) {
        return {750 + softness * 44.2 * 14.2, 750 + depth * 44.2};
    }
};

struct RecordedProgress : ProgressSink {
    void setProgress(int value) override { values.push_back(value); }
    std::vector<int> values;
};

struct RecordedEvents : EventPump {
    explicit RecordedEvents(const RecordingSurface& surface) : surface(surface) {}
    void processPendingEvents() override { atOp.push_back(surface.ops().size()); }
    const RecordingSurface& surface;
    std::vector<size_t> atOp;  // operations drawn before each call
};

TEST(SoftnessDiagramOutline, StartsOnTheSoftnessAxisAndClosesAtTheLastDepth) {
    GraphPanel panel;
    DrawDiagram(panel.surface, blockWith({0.5f, 1.0f, 1.8f}));
    const auto at = GraphPanel::at;
    const auto outline = outlineOf(panel.surface, panel.layout);
    expectPath(outline, {at(0, 0), at(0.5, 0), at(0.5, 0.5), at(0.5, 0.5), at(0.5, 1.0), at(0.8, 1.0),
                         at(0.8, 1.8), at(0, 1.8)});
    for (const DrawnOp& op : outline) EXPECT_EQ(op.lineWidth, 1);
    EXPECT_TRUE(redTexts(panel.surface).empty());
}

TEST(SoftnessDiagramOutline, OffScaleDropReachesTheRightEdgeWithItsValueInRed) {
    GraphPanel panel;
    DrawDiagram(panel.surface, blockWith({6.0f, 6.5f}));
    const auto at = GraphPanel::at;
    expectPath(outlineOf(panel.surface, panel.layout),
               {at(0, 0), at(4.5, 0), at(4.5, 6.0), at(0.5, 6.0), at(0.5, 6.5), at(0, 6.5)});
    const auto red = redTexts(panel.surface);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].text, QString("6.0"));
    expectNear(red[0].from, at(4.5, 6.0) + QPointF(20, -200), red[0]);
    EXPECT_EQ(red[0].fontSize, 7);
    // The labels that follow are back in the panel's size and colour.
    const DrawnOp label = panel.surface.texts().at(1);
    EXPECT_EQ(label.text, QString(" 1"));
    EXPECT_EQ(label.fontSize, 9);
    EXPECT_EQ(label.color, 0);
}

TEST(SoftnessDiagramOutline, DropPast100cmIsClippedAndEndsTheOutline) {
    GraphPanel panel;
    DrawDiagram(panel.surface, blockWith({98.0f, 101.0f, 102.0f}));
    const auto at = GraphPanel::at;
    expectPath(outlineOf(panel.surface, panel.layout),
               {at(0, 0), at(4.5, 0), at(4.5, 98), at(2.0, 98), at(2.0, 100), at(0, 100)});
    const auto red = redTexts(panel.surface);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].text, QString("98.0"));
    EXPECT_EQ(red[1].text, QString("↓"));
    EXPECT_EQ(red[1].from, QPointF(3575, 5274));
    EXPECT_EQ(red[1].fontSize, 7);

    GraphPanel offScale;  // softness 5.0, clipped: at the right edge, without its value
    DrawDiagram(offScale.surface, blockWith({96.0f, 101.0f}));
    expectPath(outlineOf(offScale.surface, offScale.layout),
               {at(0, 0), at(4.5, 0), at(4.5, 96), at(4.5, 96), at(4.5, 100), at(0, 100)});
    const auto marked = redTexts(offScale.surface);
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_EQ(marked[0].text, QString("96.0"));
    EXPECT_EQ(marked[1].text, QString("↓"));
}

TEST(SoftnessDiagramOutline, DropCountBeyondTheStoredDropsDrawsOnlyThose) {
    TestData data;
    for (size_t i = 1; i < TestData::DropSlots; ++i) data.Measure[1][i] = 0.1f * static_cast<float>(i);
    data.DropCount[1] = 600;
    RecordedProgress progress;
    RecordingSurface form(11000, 16000);
    PrintFormDiagram(form, data, DisplaySettings(), progress);
    EXPECT_EQ(progress.values.back(), TestData::DropSlots - 1);
    EXPECT_EQ(outlineOf(form, testFormLayout()).size(), 2u * (TestData::DropSlots - 1) + 1);
}

TEST(SoftnessDiagramGrid, TicksStopShortOfTheAxisEndsAndClassLinesRunFullDepth) {
    GraphPanel panel;
    DrawDiagram(panel.surface, blockWith({}));
    const double xstep = (3575 - 750) / 9.0;
    const double ystep = (5174 - 750) / 20.0;
    std::vector<DrawnOp> lines = panel.surface.lines();
    ASSERT_EQ(lines.size(), 2u + 20 + 4 + 9);  // an empty block: axes, ticks and class lines only
    expectPath({lines[0]}, {{750, 750}, {3575, 750}});
    expectPath({lines[1]}, {{750, 750}, {750, 5174}});
    for (int k = 0; k < 20; ++k)  // 0 to 95 cm
        expectPath({lines[2 + k]}, {{750, 750 + k * ystep}, {700, 750 + k * ystep}});
    const double classes[] = {1.4, 2.0, 3.0, 8.0};  // 0.7, 1.0, 1.5, 4.0 cm/drop
    for (int m = 0; m < 4; ++m) {
        expectPath({lines[22 + m]}, {{750 + classes[m] * xstep, 750}, {750 + classes[m] * xstep, 5174}});
        EXPECT_EQ(lines[22 + m].lineStyle, LineStyle::Dot);
    }
    for (int k = 0; k <= 8; ++k)  // 0 to 4.0 cm/drop
        expectPath({lines[26 + k]}, {{750 + k * xstep, 700}, {750 + k * xstep, 750}});
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].lineWidth, i < 2 ? 3 : 1) << i;
    EXPECT_EQ(lines.back().lineStyle, LineStyle::InsideSolid);
    EXPECT_TRUE(redTexts(panel.surface).empty());
}

// What a target prints, from its table of positions and fonts.
struct Labels {
    double originX, originY, axisEndX, axisEndY, dxNum, dyLow, dxDepth;
    const char* font;
    double size, lowSize;
};

// Titles at "SOFTNESS (cm/drop)", "深", "さ", "(cm)"; marks at marksX (none when not printed).
void expectLabels(const RecordingSurface& surface, const Labels& l, const std::vector<QPointF>& titles,
                  const std::vector<double>& marksX, const char* marksFont, double marksSize) {
    struct Text {
        QString text;
        QPointF at;
        const char* font;
        double size;
    };
    const double xstep = (l.axisEndX - l.originX) / 9;
    const double ystep = (l.axisEndY - l.originY) / 20;
    std::vector<Text> expected;
    for (int k = 1; k <= 4; ++k)
        expected.push_back(
            {QString(" %1").arg(k), {l.originX - l.dxNum + 2 * k * xstep, l.originY - 350}, l.font, l.size});
    expected.push_back({"0.7", {l.originX - 100 + 1.4 * xstep, l.originY - l.dyLow}, l.font, l.lowSize});
    for (int k = 1; k <= 10; ++k)
        expected.push_back({QString::number(10 * k).rightJustified(3),
                            {l.originX - l.dxDepth, l.originY - 100 + 2 * k * ystep},
                            l.font,
                            l.size});
    const char* const titleTexts[] = {"SOFTNESS (cm/drop)", "深", "さ", "(cm)"};
    for (size_t t = 0; t < 4; ++t)
        expected.push_back({QString::fromUtf8(titleTexts[t]), titles[t], l.font, l.size});
    const char* const marks[] = {"××", "×", "△", "○", "△"};
    for (size_t c = 0; c < marksX.size(); ++c)
        expected.push_back(
            {QString::fromUtf8(marks[c]), {marksX[c], l.axisEndY + 250}, marksFont, marksSize});

    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), expected.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text) << i;
        expectNear(texts[i].from, expected[i].at, texts[i]);
        EXPECT_EQ(texts[i].fontName, QString::fromUtf8(expected[i].font)) << testing::PrintToString(texts[i]);
        EXPECT_EQ(texts[i].fontSize, expected[i].size) << testing::PrintToString(texts[i]);
    }
}

TEST(SoftnessDiagramLabels, ScreenPanelPrintsInItsOwnFont) {
    GraphPanel panel;
    DrawDiagram(panel.surface, blockWith({}));
    // The depth title between the depth numbers at 45, 55 and 65 cm.
    const std::vector<QPointF> titles = {
        {1000, 80}, {130, 650 + 9 * 221.2}, {160, 650 + 11 * 221.2}, {80, 650 + 13 * 221.2}};
    expectLabels(panel.surface, {750, 750, 3575, 5174, 100, 300, 350, "ＭＳ Ｐゴシック", 9, 6}, titles,
                 {888, 1250, 1515, 2450, 3350}, "ＭＳ Ｐゴシック", 6);
    EXPECT_EQ(panel.surface.fontName(), QString("ＭＳ Ｐゴシック"));
    EXPECT_EQ(panel.surface.fontSize(), 9);
}

// On a panel of any size no label runs into another, every mark stands inside the panel, and the
// "0.7" is left out where it has no room before the "1".
TEST(SoftnessDiagramLabels, NoLabelTouchesAnotherAtAnyPanelSize) {
    const struct {
        const char* name;
        double width, height, fontSize;
        bool lowLabel;
    } panels[] = {{"graph window", 3950, 5724, 9, true},
                  {"main window", 3950, 5964, 9, true},
                  {"glance tile", 2850, 4050, 7, false}};
    // A text's box: half-width characters half an em wide, a line high.
    const auto box = [](const DrawnOp& text) {
        double width = 0;
        for (const QChar c : text.text) width += (c.unicode() < 0x80 ? 10 : 20) * text.fontSize;
        return QRectF(text.from, QSizeF(width, 20 * text.fontSize));
    };
    for (const auto& panel : panels) {
        SCOPED_TRACE(panel.name);
        RecordingSurface surface(panel.width, panel.height, QStringLiteral("ＭＳ Ｐゴシック"),
                                 panel.fontSize);
        DrawDiagram(surface, blockWith({}));
        const std::vector<DrawnOp> texts = surface.texts();
        int marks = 0;
        bool lowLabel = false;
        for (size_t i = 0; i < texts.size(); ++i) {
            const QRectF mine = box(texts[i]);
            EXPECT_LE(mine.right(), panel.width) << testing::PrintToString(texts[i]);
            marks += texts[i].text == QString("××") || texts[i].text == QString("×") ||
                     texts[i].text == QString("△") || texts[i].text == QString("○");
            lowLabel = lowLabel || texts[i].text == QString("0.7");
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(mine.intersects(box(texts[j])))
                    << testing::PrintToString(texts[i]) << " runs into " << testing::PrintToString(texts[j]);
        }
        EXPECT_EQ(marks, 5);
        EXPECT_EQ(lowLabel, panel.lowLabel);
    }
}

TEST(SoftnessDiagramLabels, SheetSlotsInTheirFrames) {
    RecordedProgress progress;
    const double lefts[] = {6200, 11100, 1300};  // CuPage 0, 1, 2
    for (int CuPage = 0; CuPage < 3; ++CuPage) {
        const double left = lefts[CuPage];
        RecordingSurface printer(16000, 11500, "Arial", 10);
        RecordedEvents events(printer);
        const DiagramLayout layout = DrawGraphGGT(printer, blockWith({}), CuPage, true, progress, events);
        EXPECT_EQ(QRectF(QPointF(layout.OriginX, layout.OriginY), QPointF(layout.AxisEndX, layout.AxisEndY)),
                  QRectF(QPointF(left + 750, 1550), QPointF(left + 4025, 10250)));
        expectFrameAndAxis(printer.lines(), QRectF(QPointF(left, 800), QPointF(left + 4400, 11000)),
                           {left + 750, 1550}, left + 4025);
        const double o = left + 750;
        const std::vector<QPointF> titles = {
            {left + 1350, 950}, {left + 100, 4500}, {left + 100, 5500}, {left + 50, 6400}};
        expectLabels(printer, {o, 1550, left + 4025, 10250, 150, 280, 500, "ＭＳ 明朝", 11, 8}, titles,
                     {o + 150, o + 550, o + 850, o + 1850, o + 3050}, "ＭＳ Ｐゴシック", 8);
    }
}

TEST(SoftnessDiagramLabels, TestFormInItsFrame) {
    RecordedProgress progress;
    RecordingSurface printer(11000, 16000, "Arial", 10);
    PrintFormDiagram(printer, blockWith({}), DisplaySettings(), progress);
    expectFrameAndAxis(printer.lines(), QRectF(QPointF(800, 4000), QPointF(6000, 15000)), {1550, 4750}, 5250);
    const std::vector<QPointF> titles = {{2500, 4150}, {850, 8000}, {850, 8500}, {810, 9000}};
    expectLabels(printer, {1550, 4750, 5250, 14250, 150, 280, 500, "ＭＳ 明朝", 11, 8}, titles,
                 {1700, 2200, 2500, 3700, 5050}, "ＭＳ Ｐゴシック", 8);
}

bool printsMarks(const RecordingSurface& surface) {
    const auto texts = surface.texts();
    return std::any_of(texts.begin(), texts.end(),
                       [](const DrawnOp& op) { return op.text == QString("××"); });
}

TEST(SoftnessDiagramPrinting, MarksFollowTheMarksBoxOnSheetsAndGgtModeOnForms) {
    TestData data = blockWith({1.0f});
    RecordedProgress progress;
    const auto sheet = [&](bool showMarks) {
        RecordingSurface printer(16000, 11500);
        RecordedEvents events(printer);
        DrawGraphGGT(printer, data, 0, showMarks, progress, events);
        EXPECT_EQ(printer.fontName(), QString("ＭＳ 明朝"));
        EXPECT_EQ(printer.lineWidth(), 1);
        return printsMarks(printer);
    };
    EXPECT_TRUE(sheet(true));
    EXPECT_FALSE(sheet(false));

    const auto form = [&](qint16 GGTMode, qint16 ShowMarks) {
        DisplaySettings display;
        display.GGTMode = GGTMode;
        display.ShowMarks = ShowMarks;
        RecordingSurface printer(11000, 16000);
        PrintFormDiagram(printer, data, display, progress);
        EXPECT_EQ(printer.fontName(), QString("ＭＳ 明朝"));
        EXPECT_EQ(printer.lineWidth(), 1);
        return printsMarks(printer);
    };
    EXPECT_TRUE(form(0, 0));
    EXPECT_TRUE(form(-1, 1));
    EXPECT_FALSE(form(-1, 0));
}

TEST(SoftnessDiagramPrinting, ProgressRunsOnAcrossThePassesOfAPrintJobAndEventsRunBeforeTheDrops) {
    const TestData data = blockWith({0.5f, 1.0f, 1.8f});
    RecordedProgress bar;
    PrintProgress job(bar);
    RecordingSurface printer(16000, 11500);
    RecordedEvents events(printer);
    job.startPage(1, 6);  // the second page of the job; the bar counts 100 steps a page
    DrawGraphGGT(printer, data, 1, false, job, events);
    job.ProgressBase = 3;
    DrawGraphGGT(printer, data, 1, false, job, events);
    EXPECT_EQ(bar.values, (std::vector<int>{100, 116, 133, 150, 166, 183, 199}));
    EXPECT_EQ(events.atOp.front(), 6u);  // after the frame and the axes

    RecordedProgress formProgress;
    RecordingSurface form(11000, 16000);
    PrintFormDiagram(form, blockWith({98.0f, 101.0f, 102.0f}), DisplaySettings(), formProgress);
    EXPECT_EQ(formProgress.values, (std::vector<int>{1, 2}));  // nothing after the clipped drop
    for (const DrawnOp& op : outlineOf(form, testFormLayout())) EXPECT_EQ(op.lineWidth, 3);
}

TEST(SoftnessDiagramScreenScales, PanelHeightsKeepTheirScalesOthersSpanTheAxes) {
    EXPECT_EQ(screenLayout(3950, 5724).DepthScale, 44.2);
    EXPECT_EQ(screenLayout(3950, 5724).SoftnessFactor, 14.2);
    EXPECT_EQ(screenLayout(3950, 5964).DepthScale, 46.6);
    EXPECT_EQ(screenLayout(3950, 5964).SoftnessFactor, 13.4);
    // Panels sized in whole pixels of 15 twips.
    EXPECT_EQ(screenLayout(3945, 382 * 15).DepthScale, 44.2);
    EXPECT_EQ(screenLayout(3945, 398 * 15).DepthScale, 46.6);

    RecordingSurface tall(3950, 8000);
    DrawDiagram(tall, blockWith({4.5f, 100.0f}));
    const auto outline = outlineOf(tall, screenLayout(3950, 8000));
    ASSERT_EQ(outline.size(), 5u);
    EXPECT_NEAR(outline[1].to.x(), 3575, 0.01);  // 4.5 cm/drop at the end of the softness axis
    EXPECT_NEAR(outline[3].to.y(), 7450, 0.01);  // 100 cm at the end of the depth axis
    const auto red = redTexts(tall);  // both drops off the scale; 100 cm itself is not clipped: no "↓"
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].text, QString("4.5"));
    EXPECT_EQ(red[1].text, QString("95.5"));

    RecordingSurface tiny(900, 1200);  // too small for the axes
    DrawDiagram(tiny, blockWith({1.0f}));
    EXPECT_TRUE(tiny.ops().empty());
}

}  // namespace
