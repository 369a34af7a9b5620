// The shell's score windows: the hi-score window on "&Hi-Scores..." and as
// the congratulation after a new hi-score, the clearing windows and the
// game-won window.
#include <QApplication>

#include "engine/CustomLayouts.h"
#include "engine/Jong_class_interface.h"
#include "layouts/GameChooser.h"
#include "platform/Settings.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/ui/QtPicture.h"
#include "records/GameWonView.h"
#include "records/HiScoreView.h"
#include "records/Recorder.h"
#include "records/SettingsFile.h"
#include "records/ui/J_ClearValues.h"
#include "records/ui/J_GameWon.h"
#include "records/ui/J_HiScore.h"
#include "records/ui/J_StatisOverall.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

// The product's web site (-DJW_WEB_SITE=...); empty: no links.
#ifndef JW_WEB_SITE
#define JW_WEB_SITE ""
#endif

namespace jw {

void GameShell::WireScoreWindowsCommands() {
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::HiScores, [this] {
        if (Read(*settings, setting::kDisableStatistics)) {
            host.ShowMessage(MessageKind::Information, std::string(kStatisticsDisabledMessage),
                             MessageButtons::Ok);
            return;
        }
        ShowHiScores(false, -1, -1, std::string());
    });
    w.SetHandler(CommandId::OverallScore, [this] { ShowOverallScore(); });
    Records().onNewHiScore = [this](const GameResult& result, int rank) {
        if (!Read(*settings, setting::kConfirmEnterHiScores))
            return;
        const std::string name = engine->catalog.NameOf(result.gameId);
        ShowHiScores(true, rank, result.gameId, CongratulationCaption(name));
    };
}

void GameShell::ShowHiScores(bool newEntry, int row, GameId id, const std::string& caption) {
    HiScoreWindowSetup setup;
    setup.catalog = &engine->catalog;
    setup.gameNames = HiScoreGameNames(engine->catalog, customLayouts->ListLayouts());
    setup.wantedGame = id >= 0 ? engine->catalog.NameOf(id) : std::string();
    setup.currentGame = engine->catalog.NameOf(engine->gameId);
    setup.newEntry = newEntry;
    setup.row = row;
    setup.caption = caption;
    setup.loadTable = [this](GameId game) {
        return Records().LoadHiScores(game, host.Now(),
                                      Read(*settings, setting::kDisableStatistics));
    };
    setup.scorePicture = QPixmap::fromImage(LibraryPicture(*library, "ICON", "HISCORES_xp_24x24"));
    setup.newScorePicture = QPixmap::fromImage(LibraryPicture(*library, "ICON", "SCORE_xp_24x24"));
    setup.clearValues = [this] { ShowClearValues(); };
    TfrmJHiScore dialog(host, *settings, std::move(setup), window.get());
    RunDialog(dialog, hiScoreAnswerer);
}

void GameShell::ShowClearValues() {
    host.SetBusy(true);
    ClearContext context;
    context.recorder = &Records();
    context.players = PlayerNames(*settings);
    context.currentPlayer = engine->playerName;
    context.currentGame = engine->gameId;
    context.gameNames = HiScoreGameNames(engine->catalog, customLayouts->ListLayouts());
    context.gameIdOf = [this](const std::string& name) { return engine->catalog.IdOf(name); };
    context.answerer = clearWindowsAnswerer;
    TfrmJClearValues dialog(host, std::move(context), window.get());
    host.SetBusy(false);
    RunClearWindow(dialog, dialog.Context());
}

void GameShell::ShowGameWonWindow() {
    if (!gameWon) {
        TfrmJMain& w = *window;
        const std::array<QIcon, 6> icons = {w.Action(CommandId::New)->icon(),
                                            w.Action(CommandId::Open)->icon(),
                                            w.Action(CommandId::Restart)->icon(),
                                            w.Action(CommandId::RandomFromFavorites)->icon(),
                                            w.Action(CommandId::SelectNumber)->icon(),
                                            w.Action(CommandId::GameStatistics)->icon()};
        gameWon = std::make_unique<TfrmJGameWon>(
            icons, LibraryPicture(*library, "ICON", "EMPTY_CHART"), window.get());
        gameWon->figures = [this] {
            const GameStats stats = Records().ReadGameStats(engine->gameId, engine->playerName);
            return GameWonFiguresOf(engine->catalog.NameOf(engine->gameId), stats[0], stats[1]);
        };
        gameWon->showStatistics = [this] { ShowStatistics(engine->gameId, engine->playerName); };
    }
    for (;;) {
        gameWon->Refresh();
        RunDialog(*gameWon, gameWonAnswerer);
        switch (gameWon->Choice()) {
            case GameWonChoice::New:
                NewGame();
                return;
            case GameWonChoice::Restart:
                engine->Restart(false);
                AfterMove();
                return;
            case GameWonChoice::Random:
                engine->RandomGame(Read(*settings, setting::kRandomGameType) == 1
                                       ? RandomGameSource::Favorites
                                       : RandomGameSource::All);
                AfterMove();
                return;
            case GameWonChoice::Open:
            case GameWonChoice::Select:
                if (gameWon->Choice() == GameWonChoice::Open)
                    OpenGameCommand();
                else
                    SelectGameNumber();
                if (engine->play.playing)
                    return;
                continue;  // nothing started: the window comes back
            case GameWonChoice::Close:
                break;
        }
        break;
    }
    if (!engine->play.playing) {
        renderer->RedrawBoard();
        window->update();
    }
}

void GameShell::ShowOverallScore() {
    OverallWindowSetup setup;
    setup.load = [this] { return Records().Overall().LoadStandings(); };
    setup.clearValues = [this] { ShowClearValues(); };
    setup.webSite = JW_WEB_SITE;
    setup.champions = ReplaceCaptionPlaceholders("[Program_sw] Champions:");
    TfrmJStatisOverall standings(std::move(setup), window.get());
    const auto run = [this](QDialog& dialog) { RunDialog(dialog, overallAnswerer); };
    standings.onDetails = [this, &standings, run](const OverallStanding& s) {
        const std::optional<OverallDetails> details =
            Records().Overall().LoadPlayerDetails(s.player);
        if (!details)
            return;
        const std::string player = s.player;
        TfrmJStatisOverallDetails window(
            player, *details, ':',
            [this, player](GameId id) {
                const bool started =
                    engine->StartGame(ReadMode::NewGame, id, std::string(), player);
                AfterMove();
                return started && engine->play.playing;
            },
            &standings);
        run(window);
        if (window.result() == QDialog::Accepted)
            standings.accept();  // a game started: the windows close
    };
    standings.onPublish = [this, &standings, run](const OverallStanding& s) {
        TfrmJStatisOverallInternet1 window(Records().Overall().ExportCode(s.player), JW_WEB_SITE,
                                           &standings);
        run(window);
    };
    run(standings);
}

}  // namespace jw
