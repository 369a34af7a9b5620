// TfrmJMain: the main window. Menus and toolbars are built from the command
// table; every command is an action whose handler the game wiring installs.
// The play area shows the board picture; the status bar has seven panels.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <map>

#include "shell/CommandTable.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace jw {

class BoardView;

// What the status bar shows, panel by panel.
struct StatusTexts {
    std::string score = "Score:";
    std::string time = "Time:";
    std::string tiles = "Tiles:";
    std::string matches = "Matches:";
    std::string value = "Value:";
    std::string player = "Player:";
};

class ToolbarLook;

class TfrmJMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmJMain(QWidget* parent = nullptr);

    BoardView* Board() const { return boardView; }
    QAction* Action(CommandId id) const;

    // Installs the handler of a command; a command without one is disabled.
    void SetHandler(CommandId id, std::function<void()> handler);
    // Enables or disables a command (and its toolbar button).
    void SetCommandEnabled(CommandId id, bool enabled);
    bool IsCommandDown(CommandId id) const;
    void SetCommandDown(CommandId id, bool down);

    // Shows the playing or the layout-editing bars.
    void ShowPlayingBars(bool playing);
    // The menu bar and the "Standard" bar in and out of full-screen mode.
    void ApplyFullScreenBars(bool fullScreen);

    // Gives every command with an icon name its 16 and 24 pixel images, and
    // the status-bar panels their pictures, from `picture(name)`.
    void SetImages(const std::function<QPixmap(const std::string&)>& picture);
    // The Undo and Redo toolbar images while the game type forbids undo.
    void SetUndoImagesDisabled(bool disabled);

    // The toolbar look: 0 "Office" (raised buttons), 1 "Flat", 2 "XP/Vista"
    // (flat buttons on a shaded bar); large or small images; tool tips.
    void ApplyToolbarLook(int style, bool large, bool toolTips);
    // The arrangement of the bars in Qt's own form, and back; false when the
    // stored form does not fit this window.
    QByteArray BarArrangement() const;
    bool RestoreBarArrangement(const QByteArray& stored);
    // The bars as designed: playing bars shown, editor bars hidden.
    void ResetBarArrangement();

    void SetStatusTexts(const StatusTexts& texts);
    void SetStatusPanel(int panel, const std::string& text);
    // The text a status panel shows (empty for a panel that does not exist).
    std::string StatusPanel(int panel) const;

    // The play-area pop-up menu at a global position.
    void ShowPlayAreaMenu(const QPoint& globalPos);
    // The favourite games below the two fixed entries of "F&avorites".
    struct FavoriteItem {
        bool folder = false;
        bool toRoot = false;  // the entry returns to the top of the menu first
        int gameId = 0;
        std::string caption;
    };
    void SetFavorites(const std::vector<FavoriteItem>& items,
                      const std::function<void(int)>& startGame);

    // Called once a second by the window's timer.
    std::function<void()> onTimer;
    // Close request: return false to refuse the close.
    std::function<bool()> onCloseRequest;
    // Key presses the window did not handle otherwise.
    std::function<bool(QKeyEvent*)> onKeyPress;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildActions();
    void BuildMenus();
    void BuildToolbars();
    void BuildStatusBar();
    void AddEntries(QWidget* container, const std::vector<MenuEntry>& entries);
    void Run(CommandId id);

    std::map<CommandId, QAction*> actions;
    std::map<CommandId, std::function<void()>> handlers;
    QMenu* favoritesMenu = nullptr;
    std::vector<QAction*> favoriteActions;
    std::vector<QMenu*> mainMenus;
    std::vector<QMenu*> editorMenus;
    QToolBar* standardBar = nullptr;
    QToolBar* editorBar = nullptr;
    ToolbarLook* toolbarLook = nullptr;
    QMenu* playAreaMenu = nullptr;
    std::array<QLabel*, 7> panels{};
    std::array<QLabel*, 7> panelIcons{};
    std::map<CommandId, QIcon> normalIcons;
    QIcon undoDisabledIcon;
    QIcon redoDisabledIcon;
    BoardView* boardView = nullptr;
    QTimer* clockTimer = nullptr;
    bool playing = true;
    bool toolTipsShown = true;

    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace jw
