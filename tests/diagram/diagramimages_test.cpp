#include <gtest/gtest.h>

#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <vector>

#include "diagram/displaysettings.h"
#include "diagram/softnessdiagram.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/gui/paintersurface.h"
#include "platform/progresssink.h"

// Renders sample diagrams to PNG files under the build tree, to be looked at, and checks that the
// printed labels resolve to the IPA faces.
namespace {

struct NoProgress : ProgressSink {
    void setProgress(int) override {}
};

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

// Block `block` of the data: penetrations repeated from the list until the depth passes `until` cm.
void fillBlock(TestData& data, int block, const std::vector<float>& penetrations, float until) {
    float depth = 0;
    int drop = 0;
    while (depth <= until && drop < TestData::GridRows) {
        depth += penetrations[static_cast<size_t>(drop) % penetrations.size()];
        data.Measure[static_cast<size_t>(block)][static_cast<size_t>(++drop)] = depth;
    }
    data.DropCount[static_cast<size_t>(block)] = static_cast<qint16>(drop);
}

TestData sampleData() {
    TestData data;
    data.BlockCount = 3;
    fillBlock(data, 1, {6.0f, 3.2f, 2.1f, 1.6f, 1.2f, 0.9f, 0.8f, 0.6f, 0.5f, 0.7f, 0.9f, 1.4f, 2.2f, 3.5f,
                        1.1f, 0.6f, 0.4f, 0.3f, 0.4f, 0.5f, 0.6f, 0.8f, 1.0f, 1.3f, 0.9f, 0.7f, 0.5f},
              101);
    fillBlock(data, 2, {0.4f, 0.3f, 0.5f, 0.2f, 0.3f, 0.6f, 0.3f}, 62);
    fillBlock(data, 3, {1.5f, 2.5f, 0.8f, 4.9f, 1.2f, 0.9f}, 95);
    return data;
}

QString imagePath(const char* name) {
    QDir().mkpath(QStringLiteral(TERRAKO_DIAGRAM_IMAGE_DIR));
    return QStringLiteral(TERRAKO_DIAGRAM_IMAGE_DIR "/%1.png").arg(QString::fromLatin1(name));
}

// An image of the given size in twips at the given resolution, drawn on as a screen or as paper and
// saved under the name.
enum class Drawn { AsScreen, AsPaper };
void render(const char* name, double widthTwips, double heightTwips, int dotsPerInch, Drawn drawn,
            const std::function<void(PainterSurface&)>& draw) {
    const double twipsPerPixel = 1440.0 / dotsPerInch;
    QImage image(static_cast<int>(std::lround(widthTwips / twipsPerPixel)),
                 static_cast<int>(std::lround(heightTwips / twipsPerPixel)), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerInch / 0.0254)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));  // as the windows' diagram panels
        PainterSurface surface(painter, drawn == Drawn::AsPaper ? DeviceScale::paper(dotsPerInch, dotsPerInch)
                                                                : deviceScaleOf(image));
        draw(surface);
    }
    EXPECT_TRUE(image.save(imagePath(name))) << name;
}

TEST(DiagramImages, ScreenPanels) {
    TestData data = sampleData();
    const auto panel = [&](PainterSurface& box) { DrawDiagram(box, data); };
    render("graph-panel", 3950, 5724, 96, Drawn::AsScreen, panel);
    data.CurBlock = 2;
    render("main-panel", 3950, 5964, 96, Drawn::AsScreen, panel);
    data.CurBlock = 3;
    render("tall-panel", 3950, 7500, 96, Drawn::AsScreen, panel);
}

TEST(DiagramImages, DiagramSheetPage) {
    TestData data = sampleData();
    NoProgress progress;
    NoEvents events;
    render("diagram-sheet", 16838, 11906, 150, Drawn::AsPaper, [&](PainterSurface& printer) {
        const int CuPages[] = {2, 0, 1};
        for (int block = 1; block <= 3; ++block) {
            data.CurBlock = static_cast<qint16>(block);
            DrawGraphGGT(printer, data, CuPages[block - 1], block != 2, progress, events);
        }
        EXPECT_EQ(QFontInfo(QFont(printer.fontName())).family().toStdString(), "IPAMincho");
    });
}

TEST(DiagramImages, TestFormDiagram) {
    const TestData data = sampleData();
    NoProgress progress;
    render("test-form", 11906, 16838, 150, Drawn::AsPaper, [&](PainterSurface& printer) {
        PrintFormDiagram(printer, data, DisplaySettings(), progress);
        EXPECT_EQ(QFontInfo(QFont(printer.fontName())).family().toStdString(), "IPAMincho");
    });
}

}  // namespace
