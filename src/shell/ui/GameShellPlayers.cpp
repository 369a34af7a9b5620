// The players window from the main window: "&Players..." opens it over the
// settings' player list; choosing another player ends the running game under
// the previous one and offers a new game.
#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_Open_Game.h"
#include "presentation/BoardRenderer.h"
#include "records/Players.h"
#include "records/ui/J_Players.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

namespace jw {

void GameShell::WirePlayersCommands() {
    window->SetHandler(CommandId::Players, [this] { ShowPlayers(); });
}

void GameShell::ShowPlayers() {
    PlayersHooks hooks;
    hooks.renameRecords = renamePlayerRecords;
    hooks.clearPlayerStatistics = clearPlayerStatistics;
    hooks.confirmQuitGame = [this](const std::string& question) {
        return engine->ConfirmQuit(question);
    };
    hooks.endRunningGame = [this] {
        if (engine->play.playing) {
            engine->EndGame();
            engine->ClearBoard();
        }
    };
    hooks.setCurrentPlayer = [this](const std::string& name) { engine->playerName = name; };
    bool changed = false;
    hooks.playerChanged = [&changed] { changed = true; };

    TfrmJPlayers dialog(*settings, host, std::move(hooks), engine->playerName, window.get());
    RunDialog(dialog, playersAnswerer);
    RefreshStatus();
    if (changed) {
        renderer->RedrawBoard();
        AfterMove();
        if (!openGame || !openGame->isVisible()) {
            OpenGameCommand();
        }
    }
}

}  // namespace jw
