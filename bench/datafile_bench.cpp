#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

#include "datafile/datafilereader.h"
#include "datafile/datafilewriter.h"
#include "model/testdata.h"

namespace {

// The largest data set a file holds: 100 blocks of 500 rising readings with Japanese survey texts.
TestData largestDataSet() {
    TestData data;
    data.BlockCount = TestData::MaxBlocks;
    for (int block = 1; block <= TestData::MaxBlocks; ++block) {
        data.SurveyName[block] = QStringLiteral("長谷川式土壌貫入試験～調査");
        data.TesterName[block] = QStringLiteral("山田太郎");
        data.TestYear[block] = QStringLiteral("2024");
        data.TestMonth[block] = QStringLiteral("05");
        data.TestDay[block] = QStringLiteral("12");
        data.TestPlace[block] = QStringLiteral("東京都千代田区");
        data.PointNo[block] = QStringLiteral("No.12");
        data.DropHeight[block] = QStringLiteral("50cm");
        data.DropCount[block] = TestData::GridRows;
        for (int drop = 1; drop <= TestData::GridRows; ++drop)
            data.Measure[block][drop] = static_cast<float>(drop * 1.23 + block * 0.001);
    }
    return data;
}

// The file the benchmarks read: DATAFILE_BENCH_FILE when set (so that a script can read the same
// file), else a file in a temporary folder removed at the end.
QString benchmarkFile() {
    static const QTemporaryDir folder;
    const char* chosen = std::getenv("DATAFILE_BENCH_FILE");
    return chosen ? QString::fromLocal8Bit(chosen) : folder.filePath(QStringLiteral("largest.txt"));
}

void ReadLargestFile(benchmark::State& state) {
    const QString path = benchmarkFile();
    if (WriteDataFile(path, largestDataSet())) {
        state.SkipWithError("cannot write the benchmark file");
        return;
    }
    TestData data;
    for (auto _ : state) benchmark::DoNotOptimize(ReadDataFile(path, data));
}
BENCHMARK(ReadLargestFile)->Unit(benchmark::kMillisecond);

void WriteLargestFile(benchmark::State& state) {
    const QString path = benchmarkFile() + QStringLiteral(".out");
    const TestData data = largestDataSet();
    for (auto _ : state) benchmark::DoNotOptimize(WriteDataFile(path, data));
}
BENCHMARK(WriteLargestFile)->Unit(benchmark::kMillisecond);

}  // namespace
