// Choosing a game from the main window: "Open a game...", "Select a game
// number...", the dialog at the first start and after a game ends, and the
// recent games and typed numbers noted for every game that starts.
#include <QApplication>
#include <algorithm>

#include "engine/CustomLayouts.h"
#include "engine/FixedText.h"
#include "engine/Jong_class_interface.h"
#include "layouts/ui/J_Open_Game.h"
#include "layouts/ui/J_Select_Game_Number.h"
#include "platform/Text.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "records/GameLists.h"
#include "shell/CommandTable.h"
#include "shell/StatusTexts.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/RunDialog.h"

namespace jw {

void GameShell::WireChooseCommands() {
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::Open, [this] { OpenGameCommand(); });
    w.SetHandler(CommandId::SelectNumber, [this] { SelectGameNumber(); });
}

TfrmJOpenGame& GameShell::OpenGameDialog() {
    if (!openGame) {
        OpenGameSetup setup;
        setup.library = library.get();
        setup.catalog = &engine->catalog;
        setup.customLayouts = customLayouts.get();
        setup.dataFolder = config->DataFolder();
        setup.currentGame = [this] {
            return engine->gameId >= 0 ? engine->gameId : Read(*settings, setting::kGame);
        };
        setup.currentPlayer = [this] { return engine->playerName; };
        setup.setPlayer = [this](const std::string& player) {
            engine->playerName = player;
            RefreshStatus();
        };
        setup.scoreType = [this] { return engine->scoreType; };
        setup.openSavedGame = [] {};
        openGame = std::make_unique<TfrmJOpenGame>(host, *settings, std::move(setup), window.get());
    }
    return *openGame;
}

void GameShell::OpenGameCommand() {
    TfrmJOpenGame& dialog = OpenGameDialog();
    const std::string previousPlayer = engine->playerName;
    dialog.Prepare();
    RunDialog(dialog, host.openGameAnswerer);
    const std::string chosenPlayer = engine->playerName;
    engine->playerName = previousPlayer;
    renderer->RedrawBoard();
    if (dialog.Chosen()) {
        dialog.ClearChosen();
        engine->StartGame(ReadMode::NewGame, dialog.ChosenGame(), std::string(), chosenPlayer);
    } else if (dialog.SavedGameWanted()) {
        engine->OpenSavedGame(engine->playerName);
    }
    AfterMove();
    window->activateWindow();
    window->Board()->setFocus();
}

void GameShell::SelectGameNumber() {
    SelectNumberSetup setup;
    setup.catalog = &engine->catalog;
    for (const std::string& record : engine->catalog.Records()) {
        setup.gameNames.push_back(std::string(TrimRight(Columns(record, 1, 50))));
    }
    std::sort(setup.gameNames.begin(), setup.gameNames.end(),
              [](const std::string& a, const std::string& b) {
                  return ToLowerAscii(a) < ToLowerAscii(b);
              });
    for (const std::string& line : customLayouts->ListLayouts()) {
        setup.gameNames.push_back(std::string(TrimRight(Columns(line, 1, 50))));
    }
    setup.currentGame = engine->catalog.NameOf(engine->gameId);
    setup.currentNumber = engine->gameNumber;
    setup.numberHistory = LoadGameNumbers(*settings);
    setup.previousGames = previousGameRows;
    setup.lostGames = lostGameRows;
    TfrmJSelectGameNumber dialog(host, std::move(setup), window.get());
    RunDialog(dialog, host.gameNumberAnswerer);
    const NumberChoice& choice = dialog.Choice();
    if (choice.outcome == NumberChoice::Outcome::Start) {
        typedNumberStart = true;
        engine->StartNumberedGame(choice.id, choice.number);
        typedNumberStart = false;
    }
    AfterMove();
    window->activateWindow();
    window->Board()->setFocus();
}

void GameShell::NoteStartedGame(GameId id, const std::string& gameNumber) {
    // Nothing of the previous game's board is under the pointer any more.
    window->SetStatusPanel(4, TileValueText(std::nullopt));
    AddRecentGame(*settings, id);
    if (typedNumberStart) {
        AddGameNumber(*settings, gameNumber);
    }
}

}  // namespace jw
