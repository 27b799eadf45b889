#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

#include "datafile/datafilereader.h"
#include "datafile/datafilewriter.h"
#include "largestdataset.h"
#include "model/testdata.h"

namespace {

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
