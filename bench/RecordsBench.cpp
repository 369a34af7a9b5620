// The cost of booking one game against a full data folder, and of reading
// the newest records of a long log.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "RecordsFolder.h"
#include "platform/SaveFile.h"
#include "records/LogQueries.h"
#include "records/OverallScore.h"
#include "records/Recorder.h"
#include "records/StatRecords.h"

namespace jw::bench {
namespace {

namespace fs = std::filesystem;

void BM_RecordGameFullFolder(benchmark::State& state) {
    FullFolder folder(30000);
    Recorder recorder(folder.path);
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(recorder.RecordGame(Result(k % 106, k % 20), false));
        ++k;
    }
}
BENCHMARK(BM_RecordGameFullFolder)->Unit(benchmark::kMillisecond)->Iterations(50);

// 20 players, each with a best result in every built-in game.
void BM_LoadOverallStandings(benchmark::State& state) {
    FullFolder folder(0);
    OverallScore overall(folder.path);
    for (int player = 0; player < 20; ++player)
        for (GameId game = 0; game < 106; ++game)
            overall.Update(game, Join({"Player ", std::to_string(player)}), false, 60 + player,
                           100 + game);
    for (auto _ : state)
        benchmark::DoNotOptimize(overall.LoadStandings());
}
BENCHMARK(BM_LoadOverallStandings)->Unit(benchmark::kMillisecond);

void BM_NewestRecordsOfLongLog(benchmark::State& state) {
    FullFolder folder(30000);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadPreviousGames(Join({folder.path, "/Stat_log.dat"}), 5000));
}
BENCHMARK(BM_NewestRecordsOfLongLog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace jw::bench
