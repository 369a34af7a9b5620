// A data folder full of records for the benchmarks: a log of many records
// and the totals of 106 games x 20 players; removed with the object.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameResult.h"
#include "platform/SaveFile.h"
#include "records/Recorder.h"
#include "records/StatRecords.h"

namespace jw::bench {

// Joins texts (GCC 12 warns wrongly on literal + string under -O2).
inline std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

inline GameResult Result(int game, int player) {
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

struct FullFolder {
    explicit FullFolder(int records) {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "jw-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            path = pattern;
        std::string log;
        std::string progression;
        for (int i = 0; i < records; ++i) {
            const GameResult result = Result(i % 106, i % 20);
            log += Join({FormatLogLine(result), "\r\n"});
            if (i % 20 == 0)
                progression += ProgressionBytes(result);
        }
        WriteFileAtomically(Join({path, "/Stat_log.dat"}), log);
        WriteFileAtomically(Join({path, "/Stat_prg_Player 0.dat"}), progression);
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
        std::filesystem::remove_all(path, error);
    }
    FullFolder(const FullFolder&) = delete;
    FullFolder& operator=(const FullFolder&) = delete;
    std::string path;
};

}  // namespace jw::bench
