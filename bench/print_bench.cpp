#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/gui/fonts.h"
#include "platform/print/pdfdocument.h"
#include "platform/print/qtprinter.h"
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

// Test forms through the system's printer, each a job of its own, until every job has reached the
// printer: the queue of bench/cups_print.sh, whose backend keeps the jobs in TERRAKO_CUPS_OUT.
void PrintFormsThroughCups(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    TestData data = formsOf240Drops(pages);
    const DisplaySettings display;
    QuietStatus status;
    NoEvents events;
    QtPrinter printer;
    const QDir out(qEnvironmentVariable("TERRAKO_CUPS_OUT"));
    const auto arrived = [&out] { return out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files).size(); };
    for (auto _ : state) {
        const qsizetype before = arrived();
        const PrintJobParts parts{data,   display, printer,
                                  status, events,  [](const QString&, const QString&) {}};
        if (printTestFormRange(parts, blocksIn({1, pages}), {}).failure)
            state.SkipWithError("printing failed");
        QElapsedTimer waited;
        waited.start();
        while (arrived() < before + pages && waited.elapsed() < 120000) QThread::msleep(2);
    }
    state.counters["pages_per_second"] =
        benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    installApplicationFonts();
    if (qEnvironmentVariableIsSet("TERRAKO_CUPS_OUT"))
        benchmark::RegisterBenchmark("PrintFormsThroughCups", PrintFormsThroughCups)
            ->Arg(20)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
