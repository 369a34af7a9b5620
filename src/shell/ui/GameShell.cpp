#include "shell/ui/GameShell.h"

#include <QTimer>

#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/CustomLayouts.h"
#include "engine/EngineHooks.h"
#include "engine/Jong_class_interface.h"
#include "engine/SavedGames.h"
#include "engine/Scoring.h"
#include "engine/UndoRedo.h"
#include "layouts/LayoutEditor.h"
#include "layouts/ui/J_Layout_Editor.h"
#include "layouts/ui/J_Open_Game.h"
#include "platform/SaveFile.h"
#include "platform/SettingsDefaults.h"
#include "platform/TextFile.h"
#include "presentation/AddOnLibraries.h"
#include "presentation/Backgrounds.h"
#include "presentation/BoardRenderer.h"
#include "presentation/ResourceLibrary.h"
#include "presentation/ui/SoundPlayer.h"
#include "records/Advice.h"
#include "records/Recorder.h"
#include "records/ui/J_GameWon.h"
#include "shell/AboutText.h"
#include "shell/CommandTable.h"
#include "shell/FavoritesMenu.h"
#include "shell/StatusTexts.h"
#include "shell/WindowSettings.h"
#include "shell/ui/BoardView.h"
#include "shell/ui/FocusKeeper.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/InputHook.h"
#include "shell/ui/J_Main.h"
#include "shell/ui/J_Splash.h"
#include "shell/ui/QtBoardWindow.h"
#include "shell/ui/TerminationSignals.h"
#include "shell/ui/WinAnimation.h"

namespace jw {

namespace {

constexpr const char* kFewColoursAdvice =
    "At this time your video driver supports 256 colors or less. This program takes advantage "
    "of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher "
    "resolutions. \rIf your video driver allows High or True color mode settings (16 bit or 24 "
    "bit), modify your screen resolution using the Display Properties Settings in the Control "
    "Panel.";

// Time after the first activation by which the first board is on screen.
constexpr int kSettledMilliseconds = 1000;

// The version of the stored arrangement of the bars ("TB_Vers").
constexpr const char* kBarArrangementVersion = "01";

// The window icon at the sizes window managers draw one. Launchers and task
// lists find the program's installed icon by its desktop entry, so the
// picture's full 256 pixels, a quarter of a megabyte held for as long as
// the program runs, would serve nobody.
QIcon WindowIconOf(const QImage& picture) {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(
            picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
    return icon;
}

// Milliseconds since the process started, from the kernel's own record.
long long ProcessMilliseconds() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22, the start time in clock ticks after boot, follows the command
    // name in parentheses.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index == 22) {
            startTicks = std::stoull(field);
        }
    }
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return static_cast<long long>((uptime - static_cast<double>(startTicks) / ticks) * 1000.0);
}

KeyPress ToKeyPress(const QKeyEvent* event) {
    using K = KeyPress::Key;
    KeyPress press;
    const Qt::KeyboardModifiers mods = event->modifiers();
    press.shift = mods.testFlag(Qt::ShiftModifier);
    press.ctrl = mods.testFlag(Qt::ControlModifier);
    press.alt = mods.testFlag(Qt::AltModifier);
    switch (event->key()) {
        case Qt::Key_F1:
            press.key = K::F1;
            break;
        case Qt::Key_F2:
            press.key = K::F2;
            break;
        case Qt::Key_F3:
            press.key = K::F3;
            break;
        case Qt::Key_F4:
            press.key = K::F4;
            break;
        case Qt::Key_F9:
            press.key = K::F9;
            break;
        case Qt::Key_F11:
            press.key = K::F11;
            break;
        case Qt::Key_F12:
            press.key = K::F12;
            break;
        case Qt::Key_A:
            press.key = K::A;
            break;
        case Qt::Key_F:
            press.key = K::F;
            break;
        case Qt::Key_L:
            press.key = K::L;
            break;
        case Qt::Key_M:
            press.key = K::M;
            break;
        case Qt::Key_P:
            press.key = K::P;
            break;
        case Qt::Key_Q:
            press.key = K::Q;
            break;
        case Qt::Key_T:
            press.key = K::T;
            break;
        case Qt::Key_U:
            press.key = K::U;
            break;
        case Qt::Key_Y:
            press.key = K::Y;
            break;
        case Qt::Key_Z:
            press.key = K::Z;
            break;
        case Qt::Key_Escape:
            press.key = K::Escape;
            break;
        default:
            break;
    }
    return press;
}

}  // namespace

// With JADEWIND_STARTUP_REPORT set, each step of the start is reported on
// stderr with its time since the start of the process.
void ReportStartupStep(const char* step) {
    static const bool wanted = qEnvironmentVariableIsSet("JADEWIND_STARTUP_REPORT");
    if (wanted) {
        std::fprintf(stderr, "startup: %s after %lld ms\n", step,
                     static_cast<long long>(ProcessMilliseconds()));
    }
}

// What the engine asks of the rest of the program, as far as the game
// window provides it.
class ShellHooks : public EngineHooks {
  public:
    explicit ShellHooks(GameShell& shell) : shell(shell) {}

    void RandomBackground() override {
        if (shell.backgrounds->PickRandom()) {
            shell.renderer->RefreshBackground(true);
        }
    }
    void RestoreTileSize() override { shell.renderer->RestoreUserSize(); }
    void RefreshInformation() override {
        shell.RefreshStatus();
        shell.ShowWantedInfoWindows();
    }
    void RecordGame(const GameResult& result) override { shell.RecordFinishedGame(result); }
    void RunWinningAnimation(std::function<void()> playWonSound,
                             std::function<void(bool)> done) override {
        shell.CelebrateWin(std::move(playWonSound), std::move(done));
    }
    void UndoMove() override {
        shell.engine->Undo();
        shell.AfterMove();
    }
    void RestartGame() override {
        shell.engine->Restart(true);
        shell.AfterMove();
    }
    void OpenGameDialog() override { shell.OpenGameCommand(); }
    void ShowGameWon() override { shell.ShowGameWonWindow(); }
    void RecordStartedGame(GameId id, const std::string& gameNumber) override {
        shell.NoteStartedGame(id, gameNumber);
    }

  private:
    GameShell& shell;
};

GameShell::GameShell(std::string executableFolderIn)
    : executableFolder(std::move(executableFolderIn)) {}

GameShell::~GameShell() {
    if (!dataFolderChanged) {
        StoreLayoutInformationPlace();
    }
    UninstallHelp();  // the help reports through this shell's host
    if (engine) {
        engine->painter = nullptr;
    }
}

bool GameShell::Start() {
    config = std::make_unique<TApplication_Config>(host, executableFolder);
    config->SeedFolderPointer();
    config->Initialise();
    settings = std::make_unique<SettingsFile>(config->SettingsPath());

    QApplication::setApplicationName(QString::fromLatin1(kProgramName));
    if (!OpenLibrary()) {
        return false;
    }
    ReportStartupStep("resource library opened");
    // The splash picture stays on top while the slow steps run.
    auto splash = std::make_unique<TfrmJSplashForm>(*library);
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    ReportStartupStep("splash shown");

    window = std::make_unique<TfrmJMain>();
    new FocusKeeper(window.get());  // owned by the window
    host.SetOwner(window.get());
    window->SetImages([this](const std::string& name) {
        return QPixmap::fromImage(LibraryPicture(*library, "ICON", name.c_str()));
    });
    const QImage appIcon = LibraryPicture(*library, "ICON", "APP_ICON");
    if (!appIcon.isNull()) {
        QApplication::setWindowIcon(WindowIconOf(appIcon));
    }
    ReportStartupStep("main window built");
    CreateEngine();
    ApplyBars();
    WireCommands();
    // A screen of 256 colours or fewer cannot show the pictures well.
    if (host.Screen().colorDepth <= 8) {
        ShowAdvice(host, *settings, kFewColoursAdvice, setting::kMsgScreenUnder256Colors, 0);
    }
    RestoreWindowState();
    terminationSignals = std::make_unique<TerminationSignals>([this](int) { CloseForSignal(); });
    splash->hide();
    QMetaObject::invokeMethod(
        this, [this] { FirstActivation(); }, Qt::QueuedConnection);
    return true;
}

bool GameShell::OpenLibrary() {
    const std::string path = executableFolder + "MahJong.rgf";
    library = ResourceLibrary::Open(path);
    if (!library) {
        host.Inform(ResourceLibrary::CantLoadMessage(path));
        return false;
    }
    return true;
}

void GameShell::CreateEngine() {
    engine = std::make_unique<TMahJong_interface>(host);
    // No layout has been read yet: the first game counts as a change of
    // game, so the board view may pick a tile size at which it fits.
    engine->gameId = -1;
    engine->resources = library.get();
    engine->settings = settings.get();
    engine->dataFolder = config->DataFolder();
    customLayouts = std::make_unique<CustomLayouts>(config->DataFolder());
    engine->catalog.SetCustomLayouts(customLayouts.get());

    EnsureDefaultPlayers(*settings);
    const std::string player = Read(*settings, setting::kUserDefault);
    engine->playerName = player.empty() ? std::string(setting::kDefaultPlayer1) : player;
    engine->scoreType = ReadScoreType(*settings);

    tileAddOns = std::make_unique<AddOnLibraries>(executableFolder, AddOnFamily::Tiles);
    renderer = std::make_unique<BoardRenderer>(*engine, tileAddOns.get());
    boardWindow = std::make_unique<QtBoardWindow>(*window->Board());
    renderer->SetWindow(boardWindow.get());
    ChooseTileSetFromSettings();
    ReportStartupStep("tile set chosen");
    ApplyPointer();
    CreateBackgroundsAndSounds();
    ReportStartupStep("backgrounds listed");
    hooks = std::make_unique<ShellHooks>(*this);
    engine->hooks = hooks.get();

    host.onRefreshStatusBar = [this] { RefreshStatus(); };
    host.onRefreshTitle = [this] { RefreshTitle(); };
    host.onRefreshMenus = [this] { RefreshMenus(); };
    host.onRefreshBoard = [this] { renderer->RedrawBoard(); };
    // A hint that ends or a move booked after its pause changes the score,
    // the menus and the title, as a move made at once does.
    host.onWaitOver = [this] { AfterMove(); };
}

void GameShell::ApplyPointer() {
    // 10 is the system's pointer; 11 to 15 and 20 to 25 the program's own.
    static constexpr const char* kPointers[] = {"CUR_ARROW1",      "CUR_ARROW2",
                                                "CUR_RIGHT_HAND1", "CUR_RIGHT_HAND2",
                                                "CUR_LEFT_HAND1",  "CUR_LEFT_HAND2"};
    const int number = Read(*settings, setting::kCursor);
    BoardView& view = *window->Board();
    const int index = number >= 20 ? number - 20 : number - 10;
    if (number == 10 || index < 0 || index > 5) {
        view.unsetCursor();
        return;
    }
    const std::string name = std::string(kPointers[index]) + (number >= 20 ? "B" : "A");
    const QImage image = LibraryPicture(*library, "CURSOR", name.c_str());
    if (image.isNull()) {
        view.unsetCursor();
        return;
    }
    // The hotspot travels with the picture as "x,y" text.
    const QStringList hotspot = image.text(QStringLiteral("hotspot")).split(QLatin1Char(','));
    const int x = hotspot.size() == 2 ? hotspot[0].toInt() : 0;
    const int y = hotspot.size() == 2 ? hotspot[1].toInt() : 0;
    view.setCursor(QCursor(QPixmap::fromImage(image), x, y));
}

void GameShell::ApplyBars() {
    TfrmJMain& w = *window;
    // The arrangement of the bars, stored in Qt's own form. A file of an
    // older version (or none) leaves the designed arrangement.
    if (Read(*settings, setting::kTbVers) < kBarArrangementVersion) {
        Write(*settings, setting::kTbVers, kBarArrangementVersion);
        std::error_code ignored;
        std::filesystem::remove(BarArrangementFile(), ignored);
    } else if (const auto stored = ReadFileBytes(BarArrangementFile(), 1 << 20)) {
        w.RestoreBarArrangement(QByteArray::fromStdString(*stored));
    }
    w.ApplyToolbarLook(Read(*settings, setting::kToolbarStyle),
                       Read(*settings, setting::kToolBarLarge),
                       Read(*settings, setting::kShowToolTips));
    w.statusBar()->setVisible(Read(*settings, setting::kStatusbar));
}

std::string GameShell::BarArrangementFile() const {
    return config->DataFolder() + "tb_data.dat";
}

void GameShell::CreateBackgroundsAndSounds() {
    backgroundAddOns = std::make_unique<AddOnLibraries>(executableFolder, AddOnFamily::Backgrounds);
    BackgroundSources sources;
    sources.library = library.get();
    sources.addOns = backgroundAddOns.get();
    sources.dataFolder = config->DataFolder();
    sources.programFolder = executableFolder;
    backgrounds = std::make_unique<Backgrounds>(host, *settings, sources);
    backgrounds->Load();
    renderer->makeBackground = [this](Image& target, int width, int height) {
        backgrounds->Make(target, width, height);
    };
    if (Read(*settings, setting::kRandomBackground)) {
        backgrounds->PickRandom();
    }
    // Decoded while the window is built; the first redraw stretches it.
    backgrounds->ReadAhead();

    soundPlayer = std::make_unique<SoundPlayer>(library.get());
    host.soundPlayer = [this](const std::string& name) { soundPlayer->Play(name); };
    host.soundStopper = [this] { soundPlayer->Stop(); };
}

void GameShell::ChooseTileSetFromSettings() {
    renderer->DeferTileSet(ReadTileSet(*settings), StartupTileSize(*settings, host.Screen()),
                           Read(*settings, setting::kAdditionalTileSet));
}

void GameShell::WireCommands() {
    TfrmJMain& w = *window;
    BoardView& view = *w.Board();
    view.onMousePress = [this](QMouseEvent* e) { MousePress(e); };
    view.onMouseMove = [this](QMouseEvent* e) { MouseMove(e); };
    view.onMouseRelease = [this](QMouseEvent* e) { MouseRelease(e); };
    view.onResize = [this](QSize) { LayoutCheck(false); };

    w.SetHandler(CommandId::New, [this] { NewGame(); });
    w.SetHandler(CommandId::RandomFromAll, [this] { engine->RandomGame(RandomGameSource::All); });
    w.SetHandler(CommandId::RandomFromFavorites,
                 [this] { engine->RandomGame(RandomGameSource::Favorites); });
    const auto engineCommand = [this](auto action) {
        return [this, action] {
            action(*engine);
            AfterMove();
        };
    };
    w.SetHandler(CommandId::Restart, engineCommand([](TMahJong_interface& e) { e.Restart(true); }));
    w.SetHandler(CommandId::Undo, engineCommand([](TMahJong_interface& e) { e.Undo(); }));
    w.SetHandler(CommandId::Redo, engineCommand([](TMahJong_interface& e) { e.Redo(); }));
    w.SetHandler(CommandId::InsertBookmark,
                 engineCommand([](TMahJong_interface& e) { e.InsertBookmark(); }));
    w.SetHandler(CommandId::GotoBookmark,
                 engineCommand([](TMahJong_interface& e) { e.GoToBookmark(); }));
    w.SetHandler(CommandId::Save, engineCommand([](TMahJong_interface& e) { e.SaveGame(); }));
    w.SetHandler(CommandId::HoldAndExit, [this] {
        engine->holdRequested = true;
        window->close();
    });
    w.SetHandler(CommandId::QuitGame, [this] { QuitGame(); });
    w.SetHandler(CommandId::QuitGamePopUp, [this] { QuitGame(); });
    w.SetHandler(CommandId::SuggestMove, [this] {
        engine->SuggestMove();
        RefreshStatus();
    });
    w.SetHandler(CommandId::Pause, [this] { TogglePause(); });
    w.SetHandler(CommandId::PausePopUp, [this] {
        window->SetCommandDown(CommandId::Pause, !window->IsCommandDown(CommandId::Pause));
        TogglePause();
    });
    w.SetHandler(CommandId::Exit, [&w] { w.close(); });
    w.SetHandler(CommandId::FullScreen, [this] { ToggleFullScreen(); });
    w.SetHandler(CommandId::About, [this] { ShowAbout(); });
    w.onCloseRequest = [this] { return CloseRequest(); };
    WireLookCommands();
    WirePlayersCommands();
    WireCommentsCommands();
    WireFavoritesCommands();
    WireCustomizeCommands();
    WireInfoCommands();
    WireScoreWindowsCommands();
    WireHelpCommands();
    WireChooseCommands();
    WireStatisticsCommands();
    WireLayoutManagerCommands();
    WireEditorCommands();
    WireRecords();
    w.onTimer = [this] { ClockTick(); };
    w.onKeyPress = [this](QKeyEvent* e) { return FullScreenKey(e); };
    RefreshMenus();
    RefreshStatus();
}

void GameShell::FirstActivation() {
    if (!firstActivationPending) {
        return;
    }
    firstActivationPending = false;
    ReportStartupStep("window shown");
    LayoutCheck(true);
    ReportStartupStep("empty board drawn");

    RebuildFavorites();

    const bool resumed = engine->ResumeHeldGame(engine->playerName);
    ReportStartupStep("game resumed and drawn");
    TileChooserAtStartup();
    if (!resumed && !engine->play.playing) {
        OpenGameCommand();
    }
    AfterMove();
    ReportStartupStep("bars and status refreshed");

    // With JADEWIND_STARTUP_REPORT set, say how long it took from the start
    // of the process to the first painted board.
    if (qEnvironmentVariableIsSet("JADEWIND_STARTUP_REPORT")) {
        window->Board()->onPainted = [this] {
            window->Board()->onPainted = nullptr;
            ReportStartupStep("board painted");
        };
        window->Board()->update();
    }
#ifdef __GLIBC__
    // Start-up frees what it decoded and scaled on the way; once the board is
    // on screen, the allocator gives the pages it keeps free back.
    QTimer::singleShot(kSettledMilliseconds, [] { malloc_trim(0); });
#endif
}

void GameShell::LayoutCheck(bool forced) {
    TfrmJMain& w = *window;
    BoardView& view = *w.Board();
    if (!forced && (!w.isVisible() || firstActivationPending)) {
        return;
    }
    const int width = view.width();
    const int height = view.height();
    if (!forced && lastLayoutWidth >= 0 && std::abs(width - lastLayoutWidth) <= 4 &&
        std::abs(height - lastLayoutHeight) <= 4) {
        return;
    }
    host.SetBusy(true);
    lastLayoutWidth = width;
    lastLayoutHeight = height;
    GridArea area;
    area.clientWidth = width;
    area.clientHeight = height;
    renderer->fullScreen = w.isFullScreen();
    renderer->SetArea(area);
    if (engine->board.tileCount > 0 &&
        !renderer->FitLayout(AutomaticTileSize(settings.get()), true, true)) {
        // Not even the smallest tiles fit: those, cut off at the edges.
        renderer->UseSmallestTiles();
    }
    renderer->RedrawBoard();
    host.SetBusy(false);
}

void GameShell::MousePress(QMouseEvent* event) {
    if (Editing()) {
        EditorMousePress(event);
        return;
    }
    if (engine->play.busy || renderer->Paused()) {
        return;
    }
    const int x = static_cast<int>(event->position().x());
    const int y = static_cast<int>(event->position().y());
    const bool peekPress =
        event->button() == Qt::RightButton && event->modifiers().testFlag(Qt::ControlModifier);
    if (hovered) {
        renderer->HoverOff();
        hovered.reset();
    }
    bool revealed = false;
    // From the top down: a peek may reveal a tile below the one clicked, and
    // a click on a blocked tile falls through to a free one beneath.
    for (const BoardPos& tile : renderer->TilesAt(x, y)) {
        if (peekPress) {
            if (renderer->Peek(tile)) {
                revealed = true;
                break;
            }
            continue;
        }
        if (engine->IsTileFree(tile.level, tile.column, tile.row, false)) {
            engine->PickTile(tile.level, tile.column, tile.row,
                             engine->board.At(tile.level, tile.column, tile.row));
            AfterMove();
            break;
        }
    }
    if (peekPress && !revealed && Read(*settings, setting::kShowMainPopupMenu)) {
        window->ShowPlayAreaMenu(event->globalPosition().toPoint());
    }
}

void GameShell::MouseMove(QMouseEvent* event) {
    if (Editing()) {
        EditorMouseMove(static_cast<int>(event->position().x()),
                        static_cast<int>(event->position().y()));
        return;
    }
    if (engine->play.busy || renderer->Paused() || !engine->play.playing) {
        return;
    }
    const int x = static_cast<int>(event->position().x());
    const int y = static_cast<int>(event->position().y());
    std::optional<BoardPos> under;
    for (int level = kTileLevels; level >= 1 && !under; --level) {
        const auto hit = renderer->Grid().HitTest(engine->board, level, x, y, false);
        if (hit && engine->board.At(hit->level, hit->column, hit->row) > 0) {
            under = hit;
        }
    }
    if (under == hovered) {
        return;
    }
    if (hovered) {
        renderer->HoverOff();
        hovered.reset();
    }
    if (!under) {
        window->SetStatusPanel(4, TileValueText(std::nullopt));
        return;
    }
    if (engine->IsTileFree(under->level, under->column, under->row, false)) {
        renderer->HoverOn(*under);
        hovered = under;
    }
    const CellCode code = engine->board.At(under->level, under->column, under->row);
    const int value = TileValue(engine->MatchGroupOfTile(code), engine->rules.faceDown != 0,
                                engine->scoreType, host);
    window->SetStatusPanel(4, TileValueText(value));
}

void GameShell::MouseRelease(QMouseEvent*) {
    renderer->PeekOff();
}

void GameShell::NewGame() {
    engine->NewGameCommand();
    AfterMove();
}

void GameShell::QuitGame() {
    engine->QuitGame();
    renderer->RedrawBoard();
    AfterMove();
    if (!engine->play.playing) {
        // The board is cleared: so are the figures of the game that was on it.
        const auto texts = ClearedStatusTexts(engine->playerName);
        for (int panel = 0; panel < kStatusPanels; ++panel) {
            window->SetStatusPanel(panel, texts[static_cast<std::size_t>(panel)]);
        }
    }
}

void GameShell::TogglePause() {
    if (window->IsCommandDown(CommandId::Pause)) {
        if (!engine->play.playing || renderer->Paused()) {
            window->SetCommandDown(CommandId::Pause, false);
            return;
        }
        engine->clock.Pause();
        renderer->PauseOn();
        // Any key or click ends the pause (once the hook has returned); the
        // pause screen moves on the timer until then.
        pauseHook = std::make_unique<InputHook>([this] {
            QTimer::singleShot(0, this, [this] {
                window->SetCommandDown(CommandId::Pause, false);
                TogglePause();
            });
        });
        if (!pauseTimer) {
            pauseTimer = new QTimer(this);
            pauseTimer->setInterval(80);
            connect(pauseTimer, &QTimer::timeout, this, [this] { renderer->PauseTick(); });
        }
        pauseTimer->start();
        return;
    }
    if (pauseTimer)
        pauseTimer->stop();
    pauseHook.reset();
    if (renderer->Paused()) {
        host.SetBusy(true);
        renderer->PauseOff();
        engine->clock.Resume();
        host.SetBusy(false);
        RefreshStatus();
    }
}

void GameShell::ToggleFullScreen() {
    TfrmJMain& w = *window;
    const bool fullScreen = w.IsCommandDown(CommandId::FullScreen);
    w.ApplyFullScreenBars(fullScreen);
    if (fullScreen) {
        windowedGeometry = w.geometry();
        w.showFullScreen();
        // Without a window manager to do it, take the whole screen ourselves.
        if (const QScreen* screen = w.screen()) {
            w.setGeometry(screen->geometry());
        }
    } else {
        w.showNormal();
        if (windowedGeometry.isValid()) {
            w.setGeometry(windowedGeometry);
        }
    }
    lastLayoutWidth = -1;
    LayoutCheck(true);
}

bool GameShell::FullScreenKey(QKeyEvent* event) {
    // The program's own mode decides: without a window manager the window
    // system may not report the full-screen state back.
    if (!window->IsCommandDown(CommandId::FullScreen)) {
        return false;
    }
    const KeyPress press = ToKeyPress(event);
    if (press.key == KeyPress::Key::Escape) {
        window->SetCommandDown(CommandId::FullScreen, false);
        ToggleFullScreen();
        return true;
    }
    const auto command = FullScreenCommand(press);
    if (!command) {
        return false;
    }
    QAction* action = window->Action(*command);
    if (action == nullptr || !action->isEnabled()) {
        return true;
    }
    action->trigger();
    return true;
}

void GameShell::ShowAbout() {
    QStringList lines{QString::fromUtf8(AboutVersionLine()), QString()};
    for (const std::string& line : GraphicsPackLines(executableFolder)) {
        lines << QString::fromUtf8(line);
    }
    QMessageBox box(window.get());
    box.setWindowTitle(QString::fromUtf8(ReplaceCaptionPlaceholders("About [Program]")));
    box.setText(lines.join(QLatin1Char('\n')));
    box.setStandardButtons(QMessageBox::Ok);
    box.setProperty("helpTopic", QStringLiteral("html/windows/about.htm"));
    box.exec();
}

void GameShell::AfterMove() {
    RefreshStatus();
    RefreshMenus();
    RefreshTitle();
}

void GameShell::RefreshStatus() {
    StatusFigures figures;
    figures.playing = engine->play.playing;
    figures.score = DisplayedScore(engine->counters);
    figures.clock = engine->clock.Text();
    figures.tilesLeft = engine->board.tilesLeft;
    figures.matches = engine->finder.Available();
    figures.player = engine->playerName;
    const auto texts = StatusPanelTexts(figures);
    for (int panel = 0; panel < kStatusPanels; ++panel) {
        // The running clock shows itself every second.
        const bool clockPanel = panel == 1 && engine->clock.Running();
        if (texts[static_cast<std::size_t>(panel)] && !clockPanel) {
            window->SetStatusPanel(panel, *texts[static_cast<std::size_t>(panel)]);
        }
    }
    RefreshGameInfo();
}

void GameShell::RefreshMenus() {
    TfrmJMain& w = *window;
    const bool playing = engine->play.playing;
    const MoveCommandStates moves = engine->MoveCommands();
    w.SetCommandEnabled(CommandId::Pause, playing);
    w.SetCommandEnabled(CommandId::PausePopUp, playing);
    w.SetCommandEnabled(CommandId::QuitGame, playing);
    w.SetCommandEnabled(CommandId::QuitGamePopUp, playing);
    w.SetCommandEnabled(CommandId::Restart, playing);
    w.SetCommandEnabled(CommandId::Undo, moves.undo);
    w.SetCommandEnabled(CommandId::Redo, moves.redo);
    w.SetCommandEnabled(CommandId::SuggestMove, moves.suggestMove);
    w.SetCommandEnabled(CommandId::InsertBookmark, moves.insertBookmark);
    w.SetCommandEnabled(CommandId::GotoBookmark, moves.goToBookmark);
    w.SetCommandEnabled(CommandId::Save, moves.save);
    w.SetCommandEnabled(CommandId::HoldAndExit, moves.holdAndExit);
    // Memory-Up games forbid undo: their toolbar shows the greyed images.
    w.SetUndoImagesDisabled(engine->rules.faceDown != 0);
}

void GameShell::RefreshTitle() {
    const bool editing = engine->mode == EngineMode::Editing;
    window->setWindowTitle(QString::fromStdString(
        WindowTitle(editing, editing && editor ? editor->Name() : engine->gameName,
                    engine->play.playing, engine->gameName)));
}

void GameShell::ClockTick() {
    if (engine->clock.Running()) {
        window->SetStatusPanel(1, "Time: " + engine->clock.Text());
    }
}

void GameShell::RestoreWindowState() {
    TfrmJMain& w = *window;
    const MainWindowState state = ReadMainWindowState(*settings, host.Screen());
    w.setGeometry(state.left, state.top, state.width, state.height);
    if (state.fullScreen) {
        w.SetCommandDown(CommandId::FullScreen, true);
        w.ApplyFullScreenBars(true);
        w.showFullScreen();
    } else if (state.maximized) {
        w.showMaximized();
    } else {
        w.show();
    }
}

void GameShell::CloseForSignal() {
    if (signalCloseRequested) {
        engine->holdRequested = true;
    }
    signalCloseRequested = true;
    if (window->close()) {
        QCoreApplication::quit();
    }
}

bool GameShell::CloseRequest() {
    if (dataFolderChanged) {
        return true;  // ending for a new data folder: nothing more is written
    }
    TfrmJMain& w = *window;
    // The window state is written on every close request, also a refused one.
    const QRect frame = w.frameGeometry();
    const MainWindowState state{frame.left(),   frame.top(),     frame.width(),
                                frame.height(), w.isMaximized(), w.isFullScreen()};
    WriteMainWindowState(*settings, state, w.Board()->width(), w.Board()->height(), host.Screen());

    WriteFileAtomically(BarArrangementFile(), w.BarArrangement().toStdString());
    StoreInfoWindowPlaces();
    switch (engine->CloseRequest()) {
        case CloseDecision::Close:
            // The teardown causes no further board layout.
            w.Board()->onResize = nullptr;
            return true;
        case CloseDecision::WaitForAnimation:
            // The animation ends first; its end closes the window.
            StopWinAnimation();
            return false;
        case CloseDecision::Refuse:
            return false;
    }
    return false;
}

}  // namespace jw
