#include <benchmark/benchmark.h>

#include <QDate>
#include <QGuiApplication>

#include "diagram/displaysettings.h"
#include "model/testdata.h"
#include "platform/eventpump.h"
#include "platform/gui/fonts.h"
#include "platform/print/pdfdocument.h"
#include "print/reportjob.h"

namespace {

struct NoEvents : EventPump {
    void processPendingEvents() override {}
};

// A full data set: 100 points of 500 drops, soft for the first 30 drops and harder below, with survey texts.
TestData fullSite() {
    TestData data;
    const float soft[] = {1.6f, 2.4f, 1.9f, 3.1f, 2.2f};
    const float firm[] = {0.3f, 0.5f, 0.2f, 0.4f, 0.1f, 0.6f, 0.8f, 1.1f};
    for (int block = 1; block <= TestData::MaxBlocks; ++block) {
        float depth = 0;
        for (int drop = 1; drop <= TestData::GridRows; ++drop)
            data.Measure[block][drop] = depth +=
                drop <= 30 ? soft[(drop + block) % 5] : firm[(drop * 3 + block) % 8];
        data.DropCount[block] = TestData::GridRows;
        data.SurveyName[block] = QStringLiteral("北区公園造成地 第%1工区").arg(1 + block / 25);
        data.TesterName[block] = QStringLiteral("佐藤");
        data.TestPlace[block] = QStringLiteral("右岸堤防");
        data.TestYear[block] = QStringLiteral("2026");
        data.TestMonth[block] = QStringLiteral("12");
        data.TestDay[block] = QStringLiteral("08");
        data.PointNo[block] = QString::number(block);
        data.DropHeight[block] = QStringLiteral("50cm");
    }
    data.BlockCount = TestData::MaxBlocks;
    return data;
}

// The site report of every point to one PDF document in memory, as the report job makes it; with the
// test forms (argument 1) or without.
void ReportToPdf(benchmark::State& state) {
    TestData data = fullSite();
    const DisplaySettings display;
    QuietStatus status;
    NoEvents events;
    ReportOptions options;
    options.blocks = {1, data.BlockCount};
    options.rule.target = 50;
    options.contents.forms = state.range(0) == 1;
    options.date = QDate(2026, 12, 8);
    qsizetype bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        PdfDocument document(Orientation::Portrait);
        const PrintJobParts parts{data,   display, document,
                                  status, events,  [](const QString&, const QString&) {}};
        printSiteReport(parts, options);
        bytes = document.bytes().size();
    }
    const std::vector<ReportSection> sections = reportSections(makeSiteReport(data, options));
    pages = sections.back().firstPage + sections.back().pages - 1;
    state.counters["pages"] = pages;
    state.counters["KB_per_page"] = static_cast<double>(bytes) / 1024 / pages;
}
BENCHMARK(ReportToPdf)->ArgName("forms")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

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
