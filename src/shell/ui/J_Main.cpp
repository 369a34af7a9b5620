#include "shell/ui/J_Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStatusBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "shell/WindowSettings.h"
#include "shell/ui/BoardView.h"

namespace jw {

// The toolbars' own look. In the third toolbar style they are painted with
// a soft vertical gradient and no frame; otherwise they look as the
// application's style has them. Painted here rather than through a style
// sheet, which would take every button of the bars through the style-sheet
// machinery, costing start-up time and memory for one gradient.
class ToolbarLook : public QProxyStyle {
  public:
    explicit ToolbarLook(QStyle* base) : QProxyStyle(base) {}

    bool gradient = false;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (gradient && metric == PM_ToolBarFrameWidth) {
            return 0;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (gradient && element == CE_ToolBar) {
            QLinearGradient shade(0, 0, 0, 1);
            shade.setCoordinateMode(QGradient::ObjectBoundingMode);
            shade.setColorAt(0, QColor(0xfb, 0xfd, 0xfb));
            shade.setColorAt(1, QColor(0xdd, 0xe8, 0xe0));
            painter->fillRect(option->rect, shade);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The status-bar panels: designed widths (image, margins and text), the
// image each shows before its text, and the widest text each shows in play.
constexpr std::array<int, 7> kPanelWidths = {95, 105, 65, 95, 82, 150, 50};
constexpr std::array<const char*, 7> kPanelImages = {"SCORE", "TIME",    "", "MATCHES",
                                                     "",      "PLAYERS", ""};
constexpr std::array<const char*, 7> kPanelWidestTexts = {
    "Score: 00000", "Time: 0:00:00", "Tiles: 000", "Matches: 000", "Tile Value: 00", "", ""};
constexpr int kPanelMargin = 3;  // either side of a panel, and after its image
constexpr int kPanelImageSize = 16;

// A status-bar text that asks for its designed width, or for the width of
// its widest text in a font wider than the one the panels were designed
// for, but gives way in a narrow window, ending in "..." rather than running
// into its neighbour.
class PanelLabel : public QLabel {
  public:
    PanelLabel(int designedWidth, const char* widestText, QWidget* parent)
        : QLabel(parent),
          designedWidth(designedWidth),
          widestText(QString::fromLatin1(widestText)) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override {
        // Whole pixels above the exact width, which the eliding compares with.
        const int needed =
            widestText.isEmpty()
                ? 0
                : static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(widestText))) +
                      1;
        return {std::max(designedWidth, needed), QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QString shown =
            fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
        painter.drawText(contentsRect(), static_cast<int>(alignment()), shown);
    }

  private:
    int designedWidth;
    QString widestText;
};

}  // namespace

TfrmJMain::TfrmJMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmJMain"));
    setWindowTitle(Text(WindowTitle(false, "", false, "")));
    boardView = new BoardView(this);
    setCentralWidget(boardView);
    // Below this the bars and the status texts cannot be read.
    setMinimumSize(kMinimumWindowWidth, kMinimumWindowHeight);
    BuildActions();
    BuildMenus();
    BuildToolbars();
    BuildStatusBar();
    ShowPlayingBars(true);
    clockTimer = new QTimer(this);
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, [this] {
        if (onTimer) {
            onTimer();
        }
    });
    clockTimer->start();
}

void TfrmJMain::BuildActions() {
    for (const CommandInfo& info : AllCommands()) {
        auto* action = new QAction(Text(ReplaceCaptionPlaceholders(info.caption)), this);
        action->setObjectName(QString::fromLatin1(info.component));
        if (info.shortcut[0] != '\0') {
            action->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setCheckable(info.checkable);
        action->setEnabled(false);
        const CommandId id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        actions[id] = action;
    }
    // The pop-up's shortcuts are the menu's own; only one action may own them.
    for (CommandId popUp : {CommandId::PausePopUp, CommandId::QuitGamePopUp}) {
        actions[popUp]->setShortcut(QKeySequence());
    }
}

QAction* TfrmJMain::Action(CommandId id) const {
    const auto found = actions.find(id);
    return found == actions.end() ? nullptr : found->second;
}

void TfrmJMain::AddEntries(QWidget* container, const std::vector<MenuEntry>& entries) {
    auto* menu = qobject_cast<QMenu*>(container);
    auto* bar = qobject_cast<QToolBar*>(container);
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                if (menu != nullptr) {
                    menu->addSeparator();
                } else if (bar != nullptr) {
                    bar->addSeparator();
                }
                break;
            case MenuEntry::Kind::Command:
                if (menu != nullptr) {
                    menu->addAction(actions[entry.command]);
                } else if (bar != nullptr) {
                    bar->addAction(actions[entry.command]);
                }
                break;
            case MenuEntry::Kind::SubMenu:
                if (menu != nullptr) {
                    QMenu* sub = menu->addMenu(actions[entry.command]->text());
                    sub->setObjectName(QString::fromLatin1(Command(entry.command).component));
                    AddEntries(sub, entry.children);
                }
                break;
        }
    }
}

void TfrmJMain::BuildMenus() {
    for (const MenuInfo& info : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(info.caption));
        menu->setObjectName(QString::fromLatin1(info.component));
        AddEntries(menu, info.entries);
        mainMenus.push_back(menu);
        if (std::string(info.component) == "mnuFavorites") {
            favoritesMenu = menu;
        }
    }
    for (const MenuInfo& info : LayoutEditorMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(info.caption));
        menu->setObjectName(QString::fromLatin1(info.component));
        AddEntries(menu, info.entries);
        editorMenus.push_back(menu);
    }
    playAreaMenu = new QMenu(this);
    playAreaMenu->setObjectName(QStringLiteral("popMain"));
    AddEntries(playAreaMenu, PlayAreaPopUp());
}

void TfrmJMain::BuildToolbars() {
    standardBar = addToolBar(QString::fromLatin1(kBarNames[1]));
    editorBar = addToolBar(QString::fromLatin1(kBarNames[3]));
    toolbarLook = new ToolbarLook(QStyleFactory::create(style()->name()));
    toolbarLook->setParent(this);
    for (QToolBar* bar : {standardBar, editorBar}) {
        bar->setObjectName(QString::fromLatin1(bar == standardBar ? "Standard" : "LayoutEditor"));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        bar->setIconSize(QSize(24, 24));
        bar->toggleViewAction()->setEnabled(false);
    }
    AddEntries(standardBar, StandardToolbar());
    AddEntries(editorBar, LayoutEditorToolbar());
    // Large buttons carry their own short captions; some show only their image.
    for (const CommandInfo& info : AllCommands()) {
        if (!info.onToolbar) {
            continue;
        }
        QAction* action = actions[info.id];
        action->setIconText(QString::fromLatin1(info.toolbarCaption));
        const bool editorCommand = std::string(info.component).rfind("mnuLayout_", 0) == 0;
        QToolBar* bar = editorCommand ? editorBar : standardBar;
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        if (button != nullptr && info.toolbarCaption[0] == '\0') {
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        }
    }
}

void TfrmJMain::ApplyToolbarLook(int style, bool large, bool toolTips) {
    toolTipsShown = toolTips;
    for (QToolBar* bar : {standardBar, editorBar}) {
        bar->setIconSize(large ? QSize(24, 24) : QSize(16, 16));
        toolbarLook->gradient = style == 2;
        bar->setStyle(toolbarLook);  // lays the bar out and paints it again
        for (QAction* action : bar->actions()) {
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
                button->setAutoRaise(style != 0);
                button->setMinimumHeight(large ? 35 : 24);
            }
        }
        bar->removeEventFilter(this);
        bar->installEventFilter(this);
        for (QObject* child : bar->children()) {
            if (auto* widget = qobject_cast<QWidget*>(child)) {
                widget->removeEventFilter(this);
                widget->installEventFilter(this);
            }
        }
    }
}

bool TfrmJMain::eventFilter(QObject* watched, QEvent* event) {
    // Tool tips of the toolbars may be switched off.
    if (event->type() == QEvent::ToolTip && !toolTipsShown) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

QByteArray TfrmJMain::BarArrangement() const {
    return saveState(1);
}

bool TfrmJMain::RestoreBarArrangement(const QByteArray& stored) {
    const bool restored = restoreState(stored, 1);
    ShowPlayingBars(playing);
    return restored;
}

void TfrmJMain::ResetBarArrangement() {
    for (QToolBar* bar : {standardBar, editorBar}) {
        removeToolBar(bar);
        addToolBar(Qt::TopToolBarArea, bar);
    }
    playing = true;
    ShowPlayingBars(true);
}

void TfrmJMain::BuildStatusBar() {
    for (std::size_t i = 0; i < panels.size(); ++i) {
        auto* panel = new QWidget(this);
        auto* layout = new QHBoxLayout(panel);
        layout->setContentsMargins(kPanelMargin, 0, kPanelMargin, 0);
        layout->setSpacing(kPanelMargin);
        panelIcons[i] = new QLabel(panel);
        panelIcons[i]->setFixedSize(kPanelImageSize, kPanelImageSize);
        panelIcons[i]->hide();
        // The text has what is left of the designed width after the margins
        // and the image.
        const bool image = kPanelImages[i][0] != '\0';
        const int textWidth =
            kPanelWidths[i] - 2 * kPanelMargin - (image ? kPanelImageSize + kPanelMargin : 0);
        panels[i] = new PanelLabel(textWidth, kPanelWidestTexts[i], panel);
        layout->addWidget(panelIcons[i]);
        layout->addWidget(panels[i], 1);
        statusBar()->addWidget(panel, i + 1 == panels.size() ? 1 : 0);
    }
    SetStatusTexts(StatusTexts{});
}

void TfrmJMain::SetImages(const std::function<QPixmap(const std::string&)>& picture) {
    for (const CommandInfo& info : AllCommands()) {
        if (info.icon[0] == '\0') {
            continue;
        }
        QIcon icon;
        const QPixmap small = picture(SmallIconName(info.icon));
        const QPixmap large = picture(LargeIconName(info.icon));
        if (!small.isNull()) {
            icon.addPixmap(small);
        }
        if (!large.isNull()) {
            icon.addPixmap(large);
        }
        if (!icon.isNull()) {
            actions[info.id]->setIcon(icon);
            normalIcons[info.id] = icon;
        }
    }
    undoDisabledIcon = QIcon(picture(kUndoDisabledImage));
    redoDisabledIcon = QIcon(picture(kRedoDisabledImage));
    for (std::size_t i = 0; i < kPanelImages.size(); ++i) {
        if (kPanelImages[i][0] == '\0') {
            continue;
        }
        const QPixmap image = picture(SmallIconName(kPanelImages[i]));
        if (!image.isNull()) {
            panelIcons[i]->setPixmap(image);
            panelIcons[i]->show();
        }
    }
}

void TfrmJMain::SetUndoImagesDisabled(bool disabled) {
    for (const auto& [id, replacement] : {std::pair{CommandId::Undo, undoDisabledIcon},
                                          std::pair{CommandId::Redo, redoDisabledIcon}}) {
        QWidget* button = standardBar->widgetForAction(actions[id]);
        auto* toolButton = qobject_cast<QToolButton*>(button);
        if (toolButton == nullptr) {
            continue;
        }
        const auto normal = normalIcons.find(id);
        if (disabled && !replacement.isNull()) {
            toolButton->setIcon(replacement);
        } else if (normal != normalIcons.end()) {
            toolButton->setIcon(normal->second);
        }
    }
}

void TfrmJMain::SetStatusTexts(const StatusTexts& texts) {
    SetStatusPanel(0, texts.score);
    SetStatusPanel(1, texts.time);
    SetStatusPanel(2, texts.tiles);
    SetStatusPanel(3, texts.matches);
    SetStatusPanel(4, texts.value);
    SetStatusPanel(5, texts.player);
}

void TfrmJMain::SetStatusPanel(int panel, const std::string& text) {
    if (panel >= 0 && panel < static_cast<int>(panels.size())) {
        panels[static_cast<std::size_t>(panel)]->setText(Text(text));
    }
}

std::string TfrmJMain::StatusPanel(int panel) const {
    if (panel < 0 || panel >= static_cast<int>(panels.size())) {
        return {};
    }
    return panels[static_cast<std::size_t>(panel)]->text().toStdString();
}

void TfrmJMain::SetHandler(CommandId id, std::function<void()> handler) {
    handlers[id] = std::move(handler);
    SetCommandEnabled(id, static_cast<bool>(handlers[id]));
}

void TfrmJMain::SetCommandEnabled(CommandId id, bool enabled) {
    if (QAction* action = Action(id)) {
        action->setEnabled(enabled && handlers.count(id) != 0 && handlers[id]);
    }
}

bool TfrmJMain::IsCommandDown(CommandId id) const {
    const QAction* action = Action(id);
    return action != nullptr && action->isChecked();
}

void TfrmJMain::SetCommandDown(CommandId id, bool down) {
    if (QAction* action = Action(id)) {
        const QSignalBlocker blocker(action);
        action->setChecked(down);
    }
}

void TfrmJMain::Run(CommandId id) {
    const auto found = handlers.find(id);
    if (found != handlers.end() && found->second) {
        found->second();
    }
}

void TfrmJMain::ShowPlayingBars(bool playingNow) {
    playing = playingNow;
    for (QMenu* menu : mainMenus) {
        menu->menuAction()->setVisible(playing);
    }
    for (QMenu* menu : editorMenus) {
        menu->menuAction()->setVisible(!playing);
    }
    standardBar->setVisible(playing);
    editorBar->setVisible(!playing);
    if (playing && isFullScreen()) {
        menuBar()->setVisible(false);
    } else {
        menuBar()->setVisible(true);
    }
}

void TfrmJMain::ApplyFullScreenBars(bool fullScreen) {
    menuBar()->setVisible(!fullScreen || !playing);
    standardBar->setVisible(playing);
}

void TfrmJMain::ShowPlayAreaMenu(const QPoint& globalPos) {
    playAreaMenu->popup(globalPos);
}

void TfrmJMain::SetFavorites(const std::vector<FavoriteItem>& items,
                             const std::function<void(int)>& startGame) {
    for (QAction* action : favoriteActions) {
        favoritesMenu->removeAction(action);
        action->deleteLater();
    }
    favoriteActions.clear();
    if (items.empty()) {
        return;
    }
    favoriteActions.push_back(favoritesMenu->addSeparator());
    QMenu* container = favoritesMenu;
    for (const FavoriteItem& item : items) {
        if (item.folder) {
            container = favoritesMenu->addMenu(Text(item.caption));
            favoriteActions.push_back(container->menuAction());
            continue;
        }
        if (item.toRoot) {
            container = favoritesMenu;
        }
        QAction* action = container->addAction(Text(item.caption));
        const int id = item.gameId;
        connect(action, &QAction::triggered, this, [startGame, id] { startGame(id); });
        if (container == favoritesMenu) {
            favoriteActions.push_back(action);
        }
    }
}

void TfrmJMain::closeEvent(QCloseEvent* event) {
    if (onCloseRequest && !onCloseRequest()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TfrmJMain::keyPressEvent(QKeyEvent* event) {
    if (onKeyPress && onKeyPress(event)) {
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace jw
