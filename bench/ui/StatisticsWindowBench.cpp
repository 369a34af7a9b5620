// The statistics windows over a full data folder (a log of 30,000 records,
// the totals of 106 games x 20 players): opening the statistics window,
// computing its "Total" and "List" pages, and the log window in its fast
// and its "All records" reading. Run offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTabWidget>

#include "../RecordsFolder.h"
#include "engine/GameCatalog.h"
#include "platform/TextFile.h"
#include "records/RecordFile.h"
#include "records/Recorder.h"
#include "records/ui/J_StatisLog.h"
#include "records/ui/J_Statistics.h"

namespace jw::bench {
namespace {

constexpr int kRecords = 30000;

StatisticsSetup SetupFor(const Recorder& records, const GameCatalog& catalog) {
    StatisticsSetup setup;
    for (const GameId id : catalog.Ids())
        setup.games.emplace_back(id, catalog.NameOf(id));
    for (int player = 0; player < 20; ++player)
        setup.players.push_back(Join({"Player ", std::to_string(player)}));
    setup.game = 0;
    setup.player = "Player 0";
    setup.stats = [&records](GameId id, const std::string& name) {
        return records.ReadGameStats(id, name);
    };
    setup.chance = [&catalog](GameId id) { return catalog.ChanceOf(id); };
    setup.progression = [&records](const std::string& name) {
        return ReadFileBytes(records.ProgressionPath(name), kMaxRecordFileBytes).value_or("");
    };
    return setup;
}

void BM_StatisticsWindowOpens(benchmark::State& state) {
    const FullFolder folder(kRecords);
    const Recorder records(folder.path);
    const GameCatalog catalog;
    for (auto _ : state) {
        TfrmJStatistics window(SetupFor(records, catalog));
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Game());
    }
}
BENCHMARK(BM_StatisticsWindowOpens)->Unit(benchmark::kMillisecond);

// A change of player makes both pages stale; each is computed as it shows.
void BM_StatisticsTotalAndList(benchmark::State& state) {
    const FullFolder folder(kRecords);
    const Recorder records(folder.path);
    const GameCatalog catalog;
    TfrmJStatistics window(SetupFor(records, catalog));
    window.show();
    int player = 0;
    for (auto _ : state) {
        window.Pages()->setCurrentIndex(0);
        window.PlayerBox()->setCurrentIndex(++player % 20);
        window.Pages()->setCurrentIndex(1);
        window.Pages()->setCurrentIndex(2);
        QApplication::processEvents();
    }
    state.SetLabel("game page, then Total and List");
}
BENCHMARK(BM_StatisticsTotalAndList)->Unit(benchmark::kMillisecond);

void LogWindow(benchmark::State& state, bool all) {
    const FullFolder folder(kRecords);
    const std::string log = FindDataFile(folder.path, "Stat_log.dat");
    for (auto _ : state) {
        StatisLogSetup setup;
        setup.logPath = log;
        TfrmJStatisLog window(setup);
        if (all)
            window.BrowseBox()->setCurrentIndex(1);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.Rows());
    }
}

void BM_LogWindowFast(benchmark::State& state) {
    LogWindow(state, false);
}
BENCHMARK(BM_LogWindowFast)->Unit(benchmark::kMillisecond);

void BM_LogWindowAllRecords(benchmark::State& state) {
    LogWindow(state, true);
    state.SetLabel("the fast reading first, as the window opens, then all records");
}
BENCHMARK(BM_LogWindowAllRecords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jw::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
