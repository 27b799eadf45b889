#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/gui/fonts.h"
#include "platform/print/pdfdocument.h"
#include "print/printjob.h"

namespace {

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

// `blocks` test points of 240 drops each, with survey texts.
TestData formsOf240Drops(int blocks) {
    TestData data;
    const float penetrations[] = {0.3f, 0.5f, 0.2f, 0.4f, 0.1f, 0.6f};
    for (int block = 1; block <= blocks; ++block) {
        float depth = 0;
        for (int drop = 1; drop <= 240; ++drop) data.Measure[block][drop] = depth += penetrations[drop % 6];
        data.DropCount[block] = 240;
        data.SurveyName[block] = QStringLiteral("北区公園造成地 第%1工区").arg(block);
        data.TesterName[block] = QStringLiteral("佐藤");
        data.TestPlace[block] = QStringLiteral("右岸堤防");
        data.TestYear[block] = QStringLiteral("2026");
        data.TestMonth[block] = QStringLiteral("12");
        data.TestDay[block] = QStringLiteral("08");
        data.PointNo[block] = QString::number(block);
        data.DropHeight[block] = QStringLiteral("50cm");
    }
    data.BlockCount = static_cast<qint16>(blocks);
    return data;
}

// Test forms of every block to one PDF document in memory, as the pdf job makes it.
void PrintFormsToPdf(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    TestData data = formsOf240Drops(pages);
    const DisplaySettings display;
    QuietStatus status;
    NoEvents events;
    qsizetype bytes = 0;
    for (auto _ : state) {
        PdfDocument document(Orientation::Portrait);
        const PrintJobParts parts{data,   display, document,
                                  status, events,  [](const QString&, const QString&) {}};
        printTestFormRange(parts, blocksIn({1, pages}), {});
        bytes = document.bytes().size();
    }
    state.counters["ms_per_page"] = benchmark::Counter(
        pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["KB_per_page"] = static_cast<double>(bytes) / 1024 / pages;
}
BENCHMARK(PrintFormsToPdf)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    installApplicationFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
