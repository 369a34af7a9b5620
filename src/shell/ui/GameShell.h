// The game's shell: it runs the start-up sequence, owns the Host, the
// configuration, the resource library, the engine, the board renderer and
// the main window for the whole run, connects the window's commands and the
// mouse to the engine, keeps the status bar current, and runs the shutdown
// sequence.
#pragma once

#include <QIcon>
#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/CellCode.h"
#include "engine/GameCatalog.h"
#include "records/C_App_Config.h"
#include "records/SettingsFile.h"
#include "records/WindowPlace.h"
#include "shell/ui/QtHost.h"

class QMouseEvent;
class QTimer;
class QKeyEvent;
class QDialog;

namespace jw {

class AddOnLibraries;
class Backgrounds;
class BoardRenderer;
class ShellHooks;
class SoundPlayer;
class TerminationSignals;
class CustomLayouts;
class QtBoardWindow;
class ResourceLibrary;
class TMahJong_interface;
class TfrmJMain;
class TfrmJOpenGame;
class TfrmJHiScore;
class TfrmJGameWon;
struct GameNumberRow;
class WinAnimation;
class Recorder;
class TfrmJComments;
class TfrmJCustomize;
class TfrmJFavorite;
class TfrmJFavoriteAdd;
class TfrmJPlayers;
class TfrmJInfoGame;
class TfrmJInfoLegend;
struct GameResult;
class LayoutEditor;
class InputHook;
class TfrmJInfoLayoutEditor;
struct PixelRect;

// With JADEWIND_STARTUP_REPORT set, reports a step of the start on stderr
// with its time since the process started.
void ReportStartupStep(const char* step);

class GameShell : public QObject {
    friend class ShellHooks;

    Q_OBJECT
  public:
    explicit GameShell(std::string executableFolder);
    ~GameShell() override;

    // Runs the start-up sequence; false when the program must end at once.
    bool Start();

    TfrmJMain* Window() const { return window.get(); }
    TMahJong_interface* Engine() const { return engine.get(); }
    BoardRenderer* Renderer() const { return renderer.get(); }
    QtHost& GetHost() { return host; }
    // Whether the layout editor is on, and the editor.
    bool Editing() const;
    LayoutEditor* Editor() const { return editor.get(); }
    TfrmJInfoLayoutEditor* LayoutInformationWindow() const { return layoutInformation.get(); }

    // The statistics window for a game (-1: the first game) and player, and
    // the log window (empty names: all games, all players). Both return
    // whether a game was started from them.
    bool ShowStatistics(GameId id, const std::string& player);
    bool ShowLogStatistics(const std::string& game, const std::string& player);
    // Whether the winning animation (or the pause before it) is under way.
    bool WinAnimationActive() const;
    // The customize dialog's preview: `name` for `seconds` inside the input
    // filter, then the board redrawn and `done`.
    void PreviewWinningAnimation(const std::string& name, int seconds, std::function<void()> done);
    const std::string& DataFolder() const { return config->DataFolder(); }
    // The game information window, made at the first call if it was not
    // shown yet.
    TfrmJInfoGame* GameInfoWindow();
    // The MahJong and the Matching tile legend.
    // The legend windows, made at the first call if no legend was shown yet.
    TfrmJInfoLegend* MahJongLegend();
    TfrmJInfoLegend* MatchingLegend();

    // The open-game dialog, made on first use and kept for the run.
    TfrmJOpenGame& OpenGameDialog();
    // The rows of the game-number dialog's previous-games and lost-games
    // pages, from the statistics log; empty pages until they are set.
    std::function<std::vector<GameNumberRow>()> previousGameRows;
    std::function<std::vector<GameNumberRow>(const std::string& game)> lostGameRows;
    // The players window (GameShellPlayers.cpp): the records' rename of a
    // player and the clearing of a deleted player's statistics, and an
    // answerer that plays the player in the window instead of a modal loop.
    std::function<void(const std::string& oldName, const std::string& newName,
                       const std::function<void(int lines)>& progress)>
        renamePlayerRecords;
    std::function<void(const std::string& name)> clearPlayerStatistics;
    std::function<void(TfrmJPlayers&)> playersAnswerer;
    // Plays the player in the comments window (GameShellComments.cpp).
    std::function<void(TfrmJComments&)> commentsAnswerer;
    // Plays the player in the add-favourite dialog (GameShellFavorites.cpp).
    std::function<void(TfrmJFavoriteAdd&)> favoriteAddAnswerer;
    std::function<void(TfrmJFavorite&)> favoriteOrganiserAnswerer;

    // The score windows (GameShellStatistics2.cpp). Answer the hi-score
    // window instead of the player when set (tests): it is shown without a
    // loop of its own and handed over; what the answerer leaves open closes.
    std::function<void(TfrmJHiScore&)> hiScoreAnswerer;
    // Likewise the clearing windows, each in turn, and the game-won window.
    std::function<void(QDialog&)> clearWindowsAnswerer;
    std::function<void(TfrmJGameWon&)> gameWonAnswerer;
    // Likewise the overall score windows, each in turn.
    std::function<void(QDialog&)> overallAnswerer;
    // The game-won window after a win, made on first use and kept.
    void ShowGameWonWindow();

  private:
    bool OpenLibrary();
    void CreateEngine();
    // At start: the set and size the settings name, made when first drawn.
    void ChooseTileSetFromSettings();
    void ApplyPointer();
    void CreateBackgroundsAndSounds();
    void ApplyBars();
    std::string BarArrangementFile() const;
    void WireCommands();
    void FirstActivation();

    // The celebration of a won game (GameShellAnimation.cpp): 200 ms, the
    // input filter, the "Won" sound, the animation of the settings, then
    // `done` with whether the window was asked to close meanwhile.
    void CelebrateWin(std::function<void()> playWonSound, std::function<void(bool)> done);
    void StopWinAnimation();

    // The tile-set and background choosers (GameShellLook.cpp).
    void WireLookCommands();
    // "&Options": the Customize dialog.
    void WireCustomizeCommands();
    // Opens the dialog and returns; its previews and its closing steps follow
    // on its `finished` signal.
    void OpenCustomize(int page);
    void AfterPreview(TfrmJCustomize& dialog);
    void ApplyCustomizedValues();
    void ChangeDataFolderAndEnd(const std::string& folder);
    // The game information window (GameShellInfo.cpp).
    void WireInfoCommands();
    void SetGameInfoVisible(bool on);
    void RefreshGameInfo();
    void ShowWantedInfoWindows();
    void StoreInfoWindowPlaces();
    void WireTileLegendCommands();
    void EnsureTileLegends();
    void EnsureGameInfoWindow();
    void SetTileLegendVisible(bool on);
    void RedrawTileLegends();
    void RebuildLegendIfStale(TfrmJInfoLegend* legend);
    void ChooseTileSet();
    void ChooseBackground();
    // Opens the tile-set chooser when "Select_Tiles_Startup" asks for it.
    void TileChooserAtStartup();

    // The help window, context help and the web commands (GameShellHelp.cpp).
    void WireHelpCommands();
    // Choosing a game (GameShellChoose.cpp): the open-game dialog, the
    // game-number dialog and the lists fed by every started game.
    void WireChooseCommands();
    // The players window (GameShellPlayers.cpp).
    void WirePlayersCommands();
    void ShowPlayers();
    // The comments window (GameShellComments.cpp).
    void WireCommentsCommands();
    void ShowComments();
    // The favourites dialogs (GameShellFavorites.cpp).
    void WireFavoritesCommands();
    void AddToFavorites();
    void OrganizeFavorites();
    QIcon LibraryIcon(const char* name) const;
    // The "F&avorites" menu and the open-game dialog's favourites, afresh.
    void RebuildFavorites();
    void OpenGameCommand();
    void SelectGameNumber();
    void NoteStartedGame(GameId id, const std::string& gameNumber);

    // Board input.
    void MousePress(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void MouseRelease(QMouseEvent* event);
    void LayoutCheck(bool forced);

    // Commands.
    void NewGame();
    void RestartGame();
    void QuitGame();
    void TogglePause();
    void ToggleFullScreen();
    void ShowAbout();
    bool FullScreenKey(QKeyEvent* event);

    void AfterMove();
    // The layout manager (GameShellLayouts.cpp): the dialog, and what
    // deleting a layout takes from the rest of the program.
    void WireLayoutManagerCommands();
    void ShowLayoutManager();
    bool ReleaseLayout(GameId id);
    void ForgetLayout(GameId id);

    // The layout editor (GameShellEditor.cpp).
    void WireEditorCommands();
    void EnterEditor(GameId id, bool forgetName);
    void LeaveEditor();
    void EditorChanged(bool redraw);
    void StoreLayoutInformationPlace();
    std::optional<std::string> AskLayoutName(const std::string& proposed);
    bool SaveLayout(bool saveAs);
    void PlayEditedLayout();
    void ExitEditor();
    void MoveLayout(int columns, int rows);
    void LayoutOptions();
    PixelRect GhostRect() const;
    void EditorMouseMove(int x, int y);
    void EditorMousePress(QMouseEvent* event);
    void RefreshStatus();
    void RefreshMenus();
    void RefreshTitle();
    void ClockTick();
    bool CloseRequest();
    // A termination signal: close as the window's close box does; a second
    // one holds the game without asking.
    void CloseForSignal();
    void RestoreWindowState();

    // The statistics and log windows (GameShellStatistics.cpp); both return
    // whether a game was started from them.
    void WireStatisticsCommands();
    std::vector<std::pair<GameId, std::string>> GamesByName() const;

    // Books a finished game in the statistics (GameShellRecords.cpp).
    void RecordFinishedGame(const GameResult& result);
    // The recorder of the data folder, made on first use.
    Recorder& Records();
    // The game-number dialog's lists from the log (GameShellRecords.cpp).
    void WireRecords();

    // The hi-score, clearing, game-won and overall score windows
    // (GameShellStatistics2.cpp).
    void WireScoreWindowsCommands();
    // The hi-score window of game `id` (-1: the current game); with
    // `newEntry` the congratulation with `row` selected and `caption`.
    void ShowHiScores(bool newEntry, int row, GameId id, const std::string& caption);
    // The clear-values window; the caller shows its values again after it.
    void ShowClearValues();
    // The overall standings, with their details and publish windows.
    void ShowOverallScore();

    std::string executableFolder;
    QtHost host;
    std::unique_ptr<TApplication_Config> config;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<ResourceLibrary> library;
    std::unique_ptr<CustomLayouts> customLayouts;
    std::unique_ptr<TfrmJMain> window;
    // Made on first use; the information window goes before the main window.
    std::unique_ptr<LayoutEditor> editor;
    std::unique_ptr<TfrmJInfoLayoutEditor> layoutInformation;
    // The current player while the open-game dialog is up (the dialog's
    // own player list chooses only for the game it starts).
    std::string openGamePlayer;
    // The pause screen: the input that ends it, and its 80 ms steps.
    std::unique_ptr<InputHook> pauseHook;
    QTimer* pauseTimer = nullptr;
    std::unique_ptr<TMahJong_interface> engine;
    std::unique_ptr<BoardRenderer> renderer;
    std::unique_ptr<QtBoardWindow> boardWindow;
    std::unique_ptr<AddOnLibraries> tileAddOns;
    std::unique_ptr<AddOnLibraries> backgroundAddOns;
    std::unique_ptr<Backgrounds> backgrounds;
    std::unique_ptr<SoundPlayer> soundPlayer;
    std::unique_ptr<TerminationSignals> terminationSignals;
    bool signalCloseRequested = false;
    std::unique_ptr<ShellHooks> hooks;
    std::unique_ptr<WinAnimation> winAnimation;
    std::unique_ptr<TfrmJOpenGame> openGame;
    bool typedNumberStart = false;  // the game starting was chosen by its number
    std::unique_ptr<Recorder> recorder;
    std::unique_ptr<TfrmJGameWon> gameWon;  // a child of the window: goes first
    std::optional<BoardPos> hovered;
    QRect windowedGeometry;  // the window's place before full-screen mode
    int lastLayoutWidth = -1;
    int lastLayoutHeight = -1;
    bool firstActivationPending = true;
    // The game information window, owned by the main window, and whether
    // the player wants it open (cleared only by its close box).
    TfrmJInfoGame* infoGame = nullptr;
    bool gameInfoWanted = false;
    bool infoWindowsWired = false;
    bool dataFolderChanged = false;            // the program ends without its closing steps
    bool customizeOpen = false;                // the Customize dialog is up or previewing
    std::optional<WindowPlace> infoGamePlace;  // until its first showing
    // The two tile legends, owned by the main window, their stored places
    // until their first showing, and whether the player wants one open.
    TfrmJInfoLegend* legendMahJong = nullptr;
    TfrmJInfoLegend* legendMatching = nullptr;
    std::optional<WindowPlace> legendMahJongPlace;
    std::optional<WindowPlace> legendMatchingPlace;
    bool tileLegendWanted = false;
    std::array<bool, 2> legendsStale{true, true};  // the MahJong and the matching legend
};

}  // namespace jw
