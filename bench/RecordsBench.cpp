// The cost of booking one game against a full data folder, and of reading
// the newest records of a long log.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/SaveFile.h"
#include "records/LogQueries.h"
#include "records/OverallScore.h"
#include "records/Recorder.h"
#include "records/StatRecords.h"

namespace jw::bench {
namespace {

namespace fs = std::filesystem;

// Joins texts (GCC 12 warns wrongly on literal + string under -O2).
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

GameResult Result(int game, int player) {
    GameResult r;
    r.won = (game + player) % 3 == 0;
    r.gameId = game;
    r.gameName = Join({"Game ", std::to_string(game)});
    r.player = Join({"Player ", std::to_string(player)});
    r.gameNumber = std::to_string(1000 + game * 7 + player);
    r.end = {2007, 1 + game % 12, 1 + player, 12, 0, 0, 0};
    r.score = 100 * game - player;
    return r;
}

// A data folder with a log of `records` lines and totals of 106 games x 20
// players; removed with the object.
struct FullFolder {
    explicit FullFolder(int records) {
        std::string pattern = (fs::temp_directory_path() / "jw-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path = pattern;
        std::string log;
        for (int i = 0; i < records; ++i)
            log += Join({FormatLogLine(Result(i % 106, i % 20)), "\r\n"});
        WriteFileAtomically(Join({path, "/Stat_log.dat"}), log);
        std::vector<std::string> stat = {"[Version]", "Version=0300"};
        for (int game = 0; game < 106; ++game) {
            stat.emplace_back();
            stat.push_back(Join({"[", GameSection(game), "]"}));
            for (int player = 0; player < 20; ++player)
                stat.push_back(Join({"Player ", std::to_string(player), "=",
                                     FormatStatRecord(StatRecord{3, 2, 2, 1, 0, 1, 500, 0})}));
        }
        WriteLinesAtomically(Join({path, "/Stat.dat"}), stat);
    }
    ~FullFolder() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    std::string path;
};

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
