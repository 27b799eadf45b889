// What keeping the recovery journal of the largest data set costs the thread that changed the data
// (the user-interface thread): each change notice returns with the journal whole in place, which is
// also how long after a change a kill could still cost that change. Then how long the disk takes to
// hold the journal, which happens on a thread of its own at most every two seconds.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "commands/recoveryjournal.h"
#include "datafile/datafilewriter.h"
#include "datafile/savefile.h"
#include "largestdataset.h"
#include "platform/recoveryfolder.h"

namespace {

using Clock = std::chrono::steady_clock;

// Times `change` followed by the change notice, one change an iteration, and reports the median and the
// 95th percentile of the single changes.
void timeChanges(benchmark::State& state, const std::function<void(TestData&, int)>& change) {
    const QTemporaryDir folder;
    const RecoveryFolder recovery(folder.path());
    TestData data = largestDataSet();
    data.Modified = true;
    RecoveryJournal journal(data, recovery);
    data.changed.notify();
    std::vector<double> milliseconds;
    int round = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        change(data, round++);
        data.changed.notify();
        const std::chrono::duration<double> taken = Clock::now() - start;
        state.SetIterationTime(taken.count());
        milliseconds.push_back(taken.count() * 1000);
    }
    if (!journal.current()) state.SkipWithError("the journal was not written");
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["p95_ms"] = milliseconds[milliseconds.size() * 95 / 100];
}

void JournalAfterAReadingChanged(benchmark::State& state) {
    timeChanges(state,
                [](TestData& data, int round) { data.Measure[1 + round % 100][1 + round % 500] += 0.1f; });
}
BENCHMARK(JournalAfterAReadingChanged)->UseManualTime()->Iterations(500)->Unit(benchmark::kMillisecond);

void JournalAfterASurveyKey(benchmark::State& state) {
    timeChanges(state, [](TestData& data, int round) {
        data.SurveyName[1 + round % 100] += QChar(u'a' + round % 26);
    });
}
BENCHMARK(JournalAfterASurveyKey)->UseManualTime()->Iterations(500)->Unit(benchmark::kMillisecond);

// Every block moves: the first is removed and put back at the end.
void JournalAfterEveryBlockMoved(benchmark::State& state) {
    timeChanges(state, [](TestData& data, int) {
        std::rotate(data.Measure.begin() + 1, data.Measure.begin() + 2, data.Measure.begin() + 101);
    });
}
BENCHMARK(JournalAfterEveryBlockMoved)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

// For comparison: encoding the whole data set anew after every change.
void WholeDataFileEncoded(benchmark::State& state) {
    const TestData data = largestDataSet();
    for (auto _ : state) benchmark::DoNotOptimize(DataFileBytes(data));
}
BENCHMARK(WholeDataFileEncoded)->Unit(benchmark::kMillisecond);

// The flush of a journal in place, as the sync thread does it.
void JournalFlushedToTheDisk(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.journal"));
    const QByteArray bytes = DataFileBytes(largestDataSet());
    for (auto _ : state) {
        state.PauseTiming();
        ReplaceFileUnsynced(path, bytes);
        state.ResumeTiming();
        SyncToDisk(path);
    }
}
BENCHMARK(JournalFlushedToTheDisk)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

// The journal's lock names the program holding it.
int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
