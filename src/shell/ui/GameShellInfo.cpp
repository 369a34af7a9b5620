// "Game information..." (F5): the game information window beside the board,
// its place, and the wish to see it with every game.
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "engine/Jong_class_interface.h"
#include "layouts/InfoWindows.h"
#include "layouts/ui/J_InfoGame.h"
#include "layouts/ui/J_InfoLegend.h"
#include "platform/Settings.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/ui/QtPicture.h"
#include "records/SettingsFile.h"
#include "records/WindowPlace.h"
#include "shell/CommandTable.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/GameShell.h"
#include "shell/ui/J_Main.h"

namespace jw {
namespace {

MainWindowFrame FrameOf(const TfrmJMain& w) {
    // The inner area is what lies under the menu bar.
    const int menuHeight = w.menuWidget() != nullptr ? w.menuWidget()->height() : 0;
    MainWindowFrame main;
    const QRect frame = w.frameGeometry();
    main.top = frame.top();
    main.height = frame.height();
    main.clientWidth = w.width();
    main.clientHeight = w.height() - menuHeight;
    // The bars docked at the top reach down to the board.
    main.topDockHeight = w.Board()->geometry().top() - menuHeight;
    main.highDpi = w.logicalDpiY() > 96;
    main.statusVisible = w.statusBar()->isVisible();
    main.statusTop = w.statusBar()->geometry().top() - menuHeight;
    return main;
}

}  // namespace

void GameShell::WireInfoCommands() {
    // The window is made when it is first shown; a start only learns where
    // it stood and whether the player left it open.
    const WindowPlace stored = LoadWindowPlace(*settings, host.Screen(), setting::kFormInfoGame,
                                               kGameInfoWidth, kGameInfoHeight);
    infoGamePlace = stored;
    gameInfoWanted = stored.visible;
    infoWindowsWired = true;

    WireTileLegendCommands();

    TfrmJMain& w = *window;
    w.SetHandler(CommandId::ShowGameInfo,
                 [this] { SetGameInfoVisible(window->IsCommandDown(CommandId::ShowGameInfo)); });
    w.SetHandler(CommandId::ShowGameInfoPopUp,
                 [this] { SetGameInfoVisible(!window->IsCommandDown(CommandId::ShowGameInfo)); });
}

void GameShell::EnsureGameInfoWindow() {
    if (infoGame != nullptr) {
        return;
    }
    infoGame = new TfrmJInfoGame(window.get());
    static constexpr std::array<const char*, kGameInfoLines> kIcons = {
        "LAYOUT", "SELECT", "PLAY", "MOVEUP", "MATCHES", "RANDOM"};
    std::array<QPixmap, kGameInfoLines> icons;
    for (std::size_t i = 0; i < icons.size(); ++i) {
        icons[i] =
            QPixmap::fromImage(LibraryPicture(*library, "ICON", SmallIconName(kIcons[i]).c_str()));
    }
    infoGame->SetIcons(icons);
    infoGame->onClosedByUser = [this] {
        gameInfoWanted = false;
        RefreshStatus();
        window->SetCommandDown(CommandId::ShowGameInfo, false);
        window->SetCommandDown(CommandId::ShowGameInfoPopUp, false);
    };
    infoGame->hide();
}

TfrmJInfoGame* GameShell::GameInfoWindow() {
    EnsureGameInfoWindow();
    return infoGame;
}

void GameShell::SetGameInfoVisible(bool on) {
    window->SetCommandDown(CommandId::ShowGameInfo, on);
    window->SetCommandDown(CommandId::ShowGameInfoPopUp, on);
    if (!on) {
        // Hidden by the program: the wish stays for the next game.
        if (infoGame != nullptr) {
            infoGame->hide();
        }
        RefreshStatus();
        return;
    }
    EnsureGameInfoWindow();
    if (infoGamePlace) {
        // Placed at its first showing, when the main window has its size
        // and its bars their height.
        const ScreenPoint at = GameInfoPlace(*infoGamePlace, FrameOf(*window));
        infoGame->move(at.left, at.top);
        infoGamePlace.reset();
    }
    infoGame->show();
    RefreshStatus();
    const QPoint at = infoGame->pos();
    SaveWindowPlace(*settings, setting::kFormInfoGame, at.x(), true, at.y());
    gameInfoWanted = true;
}

void GameShell::RefreshGameInfo() {
    if (infoGame == nullptr || !infoGame->isVisible()) {
        return;
    }
    GameInfoFigures figures;
    figures.playing = engine->play.playing;
    figures.tileCount = engine->board.tileCount;
    figures.tilesLeft = engine->board.tilesLeft;
    figures.levels = engine->board.levels;
    figures.availableMatches = engine->finder.Available();
    figures.possibleMatches = engine->finder.Possible();
    infoGame->SetNumbers(GameInfoTexts(figures));
}

void GameShell::ShowWantedInfoWindows() {
    if (infoWindowsWired) {
        SetGameInfoVisible(gameInfoWanted);
        RedrawTileLegends();
        SetTileLegendVisible(tileLegendWanted);
    }
}

void GameShell::StoreInfoWindowPlaces() {
    if (infoGame != nullptr) {
        const QPoint at = infoGame->pos();
        SaveWindowPlace(*settings, setting::kFormInfoGame, at.x(), infoGame->isVisible(), at.y());
    }
    if (legendMahJong != nullptr) {
        for (const auto& [legend, name] :
             {std::pair{legendMahJong, setting::kFormInfoLegendMahJong},
              std::pair{legendMatching, setting::kFormInfoLegendMatching}}) {
            const QPoint at = legend->pos();
            SaveWindowPlace(*settings, name, at.x(), legend->isVisible(), at.y());
        }
        const bool open = legendMahJong->isVisible() || legendMatching->isVisible();
        SaveWindowPlace(*settings, setting::kFormInfoLegend, -1, open, -1);
    }
}

void GameShell::WireTileLegendCommands() {
    // The legend windows are made when one is first shown; a start only
    // learns whether the player left one open.
    tileLegendWanted =
        LoadWindowPlace(*settings, host.Screen(), setting::kFormInfoLegend, 0, 0).visible;
    TfrmJMain& w = *window;
    w.SetHandler(CommandId::ShowTileLegend, [this] {
        SetTileLegendVisible(window->IsCommandDown(CommandId::ShowTileLegend));
    });
    w.SetHandler(CommandId::ShowTileLegendPopUp, [this] {
        SetTileLegendVisible(!window->IsCommandDown(CommandId::ShowTileLegend));
    });
}

void GameShell::EnsureTileLegends() {
    if (legendMahJong != nullptr) {
        return;
    }
    TfrmJMain& w = *window;
    legendMahJong = new TfrmJInfoLegend(&w, Read(*settings, setting::kTileLegendShowValues));
    legendMatching =
        new TfrmJInfoLegendMatching(&w, Read(*settings, setting::kTileLegendMatchingShowValues));
    const ScreenInfo screen = host.Screen();
    legendMahJongPlace = LoadWindowPlace(*settings, screen, setting::kFormInfoLegendMahJong,
                                         legendMahJong->width(), legendMahJong->height());
    legendMatchingPlace = LoadWindowPlace(*settings, screen, setting::kFormInfoLegendMatching,
                                          legendMatching->width(), legendMatching->height());
    for (TfrmJInfoLegend* legend : {legendMahJong, legendMatching}) {
        legend->hide();
        legend->onClosedByUser = [this] {
            tileLegendWanted = false;
            RefreshStatus();
            window->SetCommandDown(CommandId::ShowTileLegend, false);
            window->SetCommandDown(CommandId::ShowTileLegendPopUp, false);
        };
        const FlagSetting& valuesSwitch = legend == legendMahJong
                                              ? setting::kTileLegendShowValues
                                              : setting::kTileLegendMatchingShowValues;
        legend->onShowValuesChanged = [this, &valuesSwitch](bool on) {
            host.SetBusy(true);
            Write(*settings, valuesSwitch, on);
            RedrawTileLegends();
            host.SetBusy(false);
        };
    }
}

TfrmJInfoLegend* GameShell::MahJongLegend() {
    EnsureTileLegends();
    return legendMahJong;
}

TfrmJInfoLegend* GameShell::MatchingLegend() {
    EnsureTileLegends();
    return legendMatching;
}

void GameShell::SetTileLegendVisible(bool on) {
    window->SetCommandDown(CommandId::ShowTileLegend, on);
    window->SetCommandDown(CommandId::ShowTileLegendPopUp, on);
    if (!on) {
        if (legendMahJong != nullptr) {
            legendMahJong->hide();
            legendMatching->hide();
        }
        RefreshStatus();
        return;
    }
    EnsureTileLegends();
    const auto form = LegendFormFor(engine->scoreType, engine->rules.faceDown != 0);
    if (!form) {
        host.Inform("fnSFIL - Error 01");
        return;
    }
    TfrmJInfoLegend* shown = *form == LegendForm::MahJong ? legendMahJong : legendMatching;
    TfrmJInfoLegend* other = shown == legendMahJong ? legendMatching : legendMahJong;
    std::optional<WindowPlace>& place =
        shown == legendMahJong ? legendMahJongPlace : legendMatchingPlace;
    if (place) {
        // Placed at its first showing, beside the laid-out board.
        const ScreenPoint at =
            LegendPlace(*place, FrameOf(*window), shown->width(), shown->height());
        shown->move(at.left, at.top);
        place.reset();
    }
    other->hide();
    RebuildLegendIfStale(shown);
    shown->show();
    RefreshStatus();
    tileLegendWanted = true;
}

void GameShell::RedrawTileLegends() {
    // A legend that is not on screen is drawn when it is next shown: the
    // scaled faces of both cost a start more than the rest of the window.
    legendsStale = {true, true};
    if (legendMahJong == nullptr) {
        return;
    }
    for (TfrmJInfoLegend* legend : {legendMahJong, legendMatching}) {
        if (legend->isVisible()) {
            RebuildLegendIfStale(legend);
        }
    }
}

void GameShell::RebuildLegendIfStale(TfrmJInfoLegend* legend) {
    bool& stale = legendsStale[legend == legendMahJong ? 0 : 1];
    if (!stale) {
        return;
    }
    stale = false;
    const TileSet& tiles = renderer->Tiles();
    const auto face = [&tiles](int n) -> const Image* {
        return n >= 1 && n < static_cast<int>(tiles.images.faces.size())
                   ? &tiles.images.faces[static_cast<std::size_t>(n)]
                   : nullptr;
    };
    legend->Rebuild(face, engine->scoreType, engine->rules.faceDown != 0, host);
}

}  // namespace jw
