// The shell's part of the layout manager: the dialog on "Layout Manager"
// (Ctrl+T) and the toolbar's "Layout", the release of a layout being
// played when it is deleted, and what the program forgets of it.
#include "engine/CustomLayouts.h"
#include "engine/Jong_class_interface.h"
#include "layouts/GameChooser.h"
#include "layouts/ui/J_Layout_Manager.h"
#include "layouts/ui/J_Open_Game.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "records/C_App_Config.h"
#include "records/GameLists.h"
#include "records/Recorder.h"
#include "records/SettingsFile.h"
#include "shell/CommandTable.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

namespace jw {

void GameShell::WireLayoutManagerCommands() {
    window->SetHandler(CommandId::LayoutManager, [this] { ShowLayoutManager(); });
}

bool GameShell::ReleaseLayout(GameId id) {
    if (engine->gameId != id)
        return true;
    if (engine->play.playing) {
        if (!engine->ConfirmQuit())
            return false;
        engine->EndGame();
    }
    engine->ClearBoard();
    engine->gameId = -1;
    renderer->RedrawBoard();
    AfterMove();
    return true;
}

void GameShell::ForgetLayout(GameId id) {
    ForgetGame(*settings, id);
    Records().ClearStatistics({id, false, true, ""});
    Records().ResetGameHiScores(id);
    RebuildFavorites();
}

void GameShell::ShowLayoutManager() {
    LayoutManagerSetup setup;
    setup.host = &host;
    setup.settings = settings.get();
    setup.library = library.get();
    setup.layouts = customLayouts.get();
    setup.dataFolder = config->DataFolder();
    setup.currentLayout =
        engine->gameId >= kFirstCustomGameId ? customLayouts->LayoutNameById(engine->gameId) : "";
    setup.release = [this](GameId id) { return ReleaseLayout(id); };
    setup.purge = [this](GameId id) { ForgetLayout(id); };
    setup.play = [this](GameId id) {
        OpenGameDialog().Remember(ChooserList::Custom, id);
        engine->StartGame(ReadMode::NewGame, id, std::string(), engine->playerName);
        AfterMove();
    };
    setup.nameAnswerer = host.layoutNameAnswerer;
    setup.edit = [this](std::optional<GameId> id) { EnterEditor(id.value_or(-1), false); };
    TfrmJLayoutManager manager(std::move(setup), window.get());
    RunDialog(manager, host.layoutManagerAnswerer);
    OpenGameDialog().RebuildCustomAndFavorites();
    window->activateWindow();
}

}  // namespace jw
