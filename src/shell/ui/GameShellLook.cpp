// The look of the board: the tile-set chooser ("Select Tiles", also at
// start-up) and the background chooser ("Select Background").
#include "engine/Jong_class_interface.h"
#include "platform/Settings.h"
#include "presentation/AddOnLibraries.h"
#include "presentation/Backgrounds.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/TileSetChooser.h"
#include "presentation/ui/J_Choose_Background.h"
#include "presentation/ui/J_Choose_Tile_Sets.h"
#include "records/SettingsFile.h"
#include "shell/CommandTable.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"

namespace jw {

void GameShell::WireLookCommands() {
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::SelectTiles, [this] { ChooseTileSet(); });
    w.SetHandler(CommandId::ChangeTileSetPopUp, [this] { ChooseTileSet(); });
    w.SetHandler(CommandId::SelectBackground, [this] { ChooseBackground(); });
    w.SetHandler(CommandId::ChangeBackgroundPopUp, [this] { ChooseBackground(); });
}

void GameShell::ChooseTileSet() {
    if (engine->play.winningAnimation) {
        return;
    }
    const TileSet& tiles = renderer->Tiles();
    TileSetChooserSetup setup;
    setup.scoreType = engine->scoreType;
    setup.setNumber = tiles.choice.setNumber;
    setup.addOnId = tiles.choice.addOnId;
    setup.sizeLetter = tiles.choice.sizeLetter;
    setup.automaticSize = Read(*settings, setting::kAutomaticTileSize);
    setup.reducedInForce = renderer->rememberedSize.has_value();
    setup.playing = engine->play.playing;
    setup.faceDownGame = engine->rules.faceDown != 0;
    setup.screenWidth = host.Screen().width;
    setup.programFolder = executableFolder;

    TfrmJChooseTileSets dialog(host, *settings, *library, setup, window.get());
    if (dialog.exec() != QDialog::Accepted) {
        window->Board()->setFocus();
        return;
    }
    const std::string openingScoreType = engine->scoreType;
    TileSetApplyContext context{host,
                                *settings,
                                *renderer,
                                engine->scoreType,
                                setup.screenWidth,
                                window->isFullScreen(),
                                engine->board.tileCount > 0};
    const bool newGame = dialog.NewGameWanted();
    ApplyTileSetChoice(dialog.Opening(), dialog.Chosen(), newGame, context);
    if (newGame) {
        // The game in play ends under its own family; the new one starts
        // under the new family.
        const std::string chosenScoreType = engine->scoreType;
        engine->scoreType = openingScoreType;
        NewGame();
        engine->scoreType = chosenScoreType;
    }
    engine->Hooks().RefreshInformation();  // the tile legends follow the set
    AfterMove();
    window->Board()->setFocus();
}

void GameShell::ChooseBackground() {
    if (engine->play.winningAnimation) {
        return;
    }
    BackgroundChooserSetup setup;
    setup.sources.library = library.get();
    setup.sources.addOns = backgroundAddOns.get();
    setup.sources.programFolder = executableFolder;
    setup.sources.dataFolder = config->DataFolder();
    setup.colourDepth = host.Screen().colorDepth;
    const BackgroundChoice before = backgrounds->Current();
    TfrmJChooseBackground dialog(host, *settings, before, setup, window.get());
    if (dialog.exec() == QDialog::Accepted) {
        backgrounds->SetCurrent(dialog.Chosen());
        renderer->RefreshBackground(true);
        renderer->RedrawBoard();
    } else if (!(backgrounds->Current() == before)) {
        backgrounds->SetCurrent(before);
        renderer->RefreshBackground(true);
        renderer->RedrawBoard();
    }
    window->Board()->setFocus();
}

void GameShell::TileChooserAtStartup() {
    if (Read(*settings, setting::kSelectTilesStartup)) {
        ChooseTileSet();
    }
}

}  // namespace jw
