// The game's shell: it runs the start-up sequence, owns the Host, the
// configuration, the resource library, the engine, the board renderer and
// the main window for the whole run, connects the window's commands and the
// mouse to the engine, keeps the status bar current, and runs the shutdown
// sequence.
#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/CellCode.h"
#include "engine/GameCatalog.h"
#include "records/C_App_Config.h"
#include "records/SettingsFile.h"
#include "shell/ui/QtHost.h"

class QMouseEvent;
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
struct GameResult;

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
    // Whether the winning animation (or the pause before it) is under way.
    bool WinAnimationActive() const;
    // The customize dialog's preview: `name` for `seconds` inside the input
    // filter, then the board redrawn and `done`.
    void PreviewWinningAnimation(const std::string& name, int seconds, std::function<void()> done);
    const std::string& DataFolder() const { return config->DataFolder(); }

    // The open-game dialog, made on first use and kept for the run.
    TfrmJOpenGame& OpenGameDialog();
    // The rows of the game-number dialog's previous-games and lost-games
    // pages, from the statistics log; empty pages until they are set.
    std::function<std::vector<GameNumberRow>()> previousGameRows;
    std::function<std::vector<GameNumberRow>(const std::string& game)> lostGameRows;

    // The score windows (GameShellStatistics2.cpp). Answer the hi-score
    // window instead of the player when set (tests): it is shown without a
    // loop of its own and handed over; what the answerer leaves open closes.
    std::function<void(TfrmJHiScore&)> hiScoreAnswerer;
    // Likewise the clearing windows, each in turn, and the game-won window.
    std::function<void(QDialog&)> clearWindowsAnswerer;
    std::function<void(TfrmJGameWon&)> gameWonAnswerer;
    // Likewise the overall score windows, each in turn.
    std::function<void(QDialog&)> overallAnswerer;
    // The statistics window of a game and player ("Stats" of the game-won
    // window); until it is set, the main window's "&Game statistics..."
    // command runs.
    std::function<void(GameId, const std::string& player)> showStatisticsWindow;
    // The game-won window after a win, made on first use and kept.
    void ShowGameWonWindow();

  private:
    bool OpenLibrary();
    void CreateEngine();
    void LoadTileSetFromSettings();
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
    void ChooseTileSet();
    void ChooseBackground();
    // Opens the tile-set chooser when "Select_Tiles_Startup" asks for it.
    void TileChooserAtStartup();

    // The help window, context help and the web commands (GameShellHelp.cpp).
    void WireHelpCommands();
    // Choosing a game (GameShellChoose.cpp): the open-game dialog, the
    // game-number dialog and the lists fed by every started game.
    void WireChooseCommands();
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
    void RefreshStatus();
    void RefreshMenus();
    void RefreshTitle();
    void ClockTick();
    bool CloseRequest();
    // A termination signal: close as the window's close box does; a second
    // one holds the game without asking.
    void CloseForSignal();
    void RestoreWindowState();

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
};

}  // namespace jw
