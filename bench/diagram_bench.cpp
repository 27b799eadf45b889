#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "diagram/diagramlayout.h"
#include "diagram/displaysettings.h"
#include "diagram/ggtfill.h"
#include "diagram/sitesummary.h"
#include "diagram/softnessdiagram.h"
#include "model/testdata.h"
#include "platform/gui/fonts.h"
#include "platform/gui/paintersurface.h"

namespace {

// A block of 500 drops reaching 97.5 cm, with softness varying from drop to drop.
TestData fiveHundredDrops() {
    TestData data;
    const float penetrations[] = {0.1f, 0.15f, 0.2f, 0.3f, 0.25f, 0.1f, 0.2f, 0.05f};
    float depth = 0;
    for (size_t drop = 1; drop <= 500; ++drop) {
        depth += penetrations[drop % 8];
        data.Measure[1][drop] = depth;
    }
    data.DropCount[1] = 500;
    return data;
}

// One redraw of the graph window's panel (3950 × 5724 twips): clear, then the GGT fill when asked
// for, then the outline, as the panel paints itself.
void redrawPanel(benchmark::State& state, bool filled) {
    const TestData data = fiveHundredDrops();
    const DisplaySettings colours;
    QImage panel(263, 382, QImage::Format_RGB32);  // 15 twips per pixel
    panel.setDotsPerMeterX(3780);
    panel.setDotsPerMeterY(3780);
    for (auto _ : state) {
        panel.fill(Qt::white);
        QPainter painter(&panel);
        painter.setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
        PainterSurface box(painter);
        if (filled)
            fillDiagram(box, data, colours, {FillGrouping::FiveColors, 1},
                        screenLayout(box.width(), box.height()));
        DrawDiagram(box, data);
    }
}

void DrawDiagramOf500Drops(benchmark::State& state) {
    redrawPanel(state, false);
}
BENCHMARK(DrawDiagramOf500Drops)->Unit(benchmark::kMicrosecond);

void FillAndDrawDiagramOf500Drops(benchmark::State& state) {
    redrawPanel(state, true);
}
BENCHMARK(FillAndDrawDiagramOf500Drops)->Unit(benchmark::kMicrosecond);

// A site of 100 blocks of 500 drops each.
TestData hundredBlocks() {
    TestData site = fiveHundredDrops();
    for (size_t block = 2; block <= 100; ++block) {
        site.Measure[block] = site.Measure[1];
        site.DropCount[block] = 500;
    }
    site.BlockCount = 100;
    return site;
}

// The 集計 window's rows for the whole site.
void SummarizeHundredBlocksOf500Drops(benchmark::State& state) {
    const TestData site = hundredBlocks();
    for (auto _ : state) benchmark::DoNotOptimize(SummarizeSite(site));
}
BENCHMARK(SummarizeHundredBlocksOf500Drops)->Unit(benchmark::kMicrosecond);

// What the 一覧グラフ window paints for the whole site: 100 small diagrams of 500 drops.
void PaintGlanceOfHundredBlocks(benchmark::State& state) {
    const TestData site = hundredBlocks();
    QImage tile(190, 270, QImage::Format_RGB32);
    tile.setDotsPerMeterX(3780);
    tile.setDotsPerMeterY(3780);
    for (auto _ : state) {
        for (int block = 1; block <= 100; ++block) {
            tile.fill(Qt::white);
            QPainter painter(&tile);
            painter.setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 7));
            PainterSurface box(painter);
            DrawBlockDiagram(box, site, block);
        }
    }
}
BENCHMARK(PaintGlanceOfHundredBlocks)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    installApplicationFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
