// The shell's part of the statistics windows: the statistics window (F4)
// and the log window, fed from the recorder of the data folder, and the
// games they start.
#include <algorithm>

#include "engine/CustomLayouts.h"
#include "engine/FixedText.h"
#include "engine/Jong_class_interface.h"
#include "layouts/GameChooser.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "platform/TextFile.h"
#include "presentation/ResourceLibrary.h"
#include "records/RecordFile.h"
#include "records/Recorder.h"
#include "records/ui/J_StatisLog.h"
#include "records/ui/J_Statistics.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

namespace jw {

void GameShell::WireStatisticsCommands() {
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::GameStatistics,
                 [this] { ShowStatistics(engine->gameId, engine->playerName); });
    w.SetHandler(CommandId::LogStatistics, [this] { ShowLogStatistics("", ""); });
}

std::vector<std::pair<GameId, std::string>> GameShell::GamesByName() const {
    std::vector<std::pair<GameId, std::string>> games;
    for (const GameId id : engine->catalog.Ids())
        games.emplace_back(id, engine->catalog.NameOf(id));
    std::stable_sort(games.begin(), games.end(), [](const auto& a, const auto& b) {
        return ToLowerAscii(a.second) < ToLowerAscii(b.second);
    });
    std::vector<std::pair<GameId, std::string>> custom;
    for (const std::string& line : customLayouts->ListLayouts()) {
        const std::string name(TrimRight(Columns(line, 1, 50)));
        const GameId id = engine->catalog.IdOf(name);
        if (id >= kFirstCustomGameId)
            custom.emplace_back(id, name);
    }
    std::stable_sort(custom.begin(), custom.end(), [](const auto& a, const auto& b) {
        return ToLowerAscii(a.second) < ToLowerAscii(b.second);
    });
    games.insert(games.end(), custom.begin(), custom.end());
    return games;
}

bool GameShell::ShowStatistics(GameId id, const std::string& player) {
    Recorder& records = Records();
    records.EnsureStatFiles(player);
    StatisticsSetup setup;
    setup.host = &host;
    setup.library = library.get();
    setup.games = GamesByName();
    setup.players = PlayerNames(*settings);
    setup.game = id >= 0 ? id : (setup.games.empty() ? -1 : engine->catalog.Ids().front());
    setup.player = player;
    setup.showProgression = Read(*settings, setting::kShowStatProgression);
    setup.stats = [&records](GameId game, const std::string& name) {
        return records.ReadGameStats(game, name);
    };
    setup.chance = [this](GameId game) { return engine->catalog.ChanceOf(game); };
    setup.progression = [&records](const std::string& name) {
        return ReadFileBytes(records.ProgressionPath(name), kMaxRecordFileBytes).value_or("");
    };
    setup.showLog = [this](const std::string& game, const std::string& name) {
        return ShowLogStatistics(game, name);
    };
    setup.showHiScores = [this](GameId game) { ShowHiScores(false, -1, game, ""); };
    setup.clearValues = [this] { ShowClearValues(); };
    setup.playGame = [this](GameId game, const std::string& name) {
        const bool started = engine->StartGame(ReadMode::NewGame, game, std::string(), name);
        AfterMove();
        return started;
    };
    TfrmJStatistics statistics(std::move(setup), window.get());
    RunDialog(statistics, host.statisticsAnswerer);
    Write(*settings, setting::kShowStatProgression, statistics.ProgressionShown());
    window->activateWindow();
    return statistics.StartedGame();
}

bool GameShell::ShowLogStatistics(const std::string& game, const std::string& player) {
    StatisLogSetup setup;
    setup.logPath = Records().LogPath();
    for (const auto& [id, name] : GamesByName())
        setup.games.push_back(name);
    setup.players = PlayerNames(*settings);
    setup.game = game;
    setup.player = player;
    setup.playGame = [this](const std::string& name, const std::string& number) {
        const GameId id = engine->catalog.IdOf(name);
        if (id < 0)
            return false;
        const bool started = engine->StartNumberedGame(id, number);
        AfterMove();
        return started;
    };
    TfrmJStatisLog log(std::move(setup), window.get());
    RunDialog(log, host.statisticsLogAnswerer);
    window->activateWindow();
    return log.StartedGame();
}

}  // namespace jw
