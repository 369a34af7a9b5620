#include "layouts/ui/J_Open_Game.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/CustomLayouts.h"
#include "layouts/GamePreview.h"
#include "platform/Host.h"
#include "platform/Settings.h"
#include "presentation/ui/QtPicture.h"

namespace jw {

namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 240;

struct ListButton {
    const char* name;
    const char* caption;
    const char* picture;
};

constexpr ListButton kListButtons[kChooserListCount] = {
    {"tbAllGames", "All games", "OPEN_ALL_GAMES"},
    {"tbGameGroups", "Game groups", "OPEN_GAME_GROUPS"},
    {"tbCustomized", "Custom layouts", "OPEN_CUSTOM_LAYOUTS"},
    {"tbFavorites", "Favorite games", "OPEN_FAVORITES"},
    {"tbRecentGames", "Recent games", "OPEN_RECENT_GAMES"},
};

// A placeholder child: code -1 and no text.
bool IsPlaceholder(const QTreeWidgetItem* item) {
    return item->data(0, kCodeRole).toInt() == kCodePlaceholder && item->text(0).isEmpty();
}

}  // namespace

TfrmJOpenGame::TfrmJOpenGame(Host& hostIn, SettingsStore& settingsIn, OpenGameSetup setupIn,
                             QWidget* parent)
    : QDialog(parent), host(hostIn), settings(settingsIn), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJOpenGame"));
    setWindowTitle(QStringLiteral("Open a game"));
    setProperty("helpTopic", QStringLiteral("html/windows/open_game.htm"));
    for (int image = 0; image < 38; ++image) {
        const std::string name(ChooserImageName(image));
        icons.push_back(setup.library == nullptr || name.empty()
                            ? QIcon()
                            : KeyedIcon(LibraryPicture(*setup.library, "BITMAP", name.c_str())));
    }
    sorted = SortedCatalog(*setup.catalog);
    preview =
        std::make_unique<GamePreview>(host, setup.library, setup.dataFolder, setup.customLayouts);
    preview->SetSize(kPreviewWidth, kPreviewHeight);
    BuildWindow();

    const ChooserPlace place = ReadChooserPlace(settings);
    rememberedGroup = place.groupCode;
    visible = place.list;
    previewBox->setChecked(place.preview);
    wonLostBox->setChecked(place.showWonLost);
    // In the middle of the screen, a little higher on a very small one.
    const ScreenInfo screen = host.Screen();
    adjustSize();
    const int top = (screen.height - height()) / 2 - (screen.height < 500 ? 9 : 0);
    move(std::max(0, (screen.width - width()) / 2), std::max(0, top));
    for (QTreeWidget* tree : trees) {
        tree->setEnabled(false);
    }
}

TfrmJOpenGame::~TfrmJOpenGame() = default;

void TfrmJOpenGame::BuildWindow() {
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* playerLabel = new QLabel(QStringLiteral("Pla&yer:"), this);
    cboPlayers = new QComboBox(this);
    cboPlayers->setObjectName(QStringLiteral("cboPlayers"));
    cboPlayers->setMinimumWidth(180);
    playerLabel->setBuddy(cboPlayers);
    statisticsButton = new QPushButton(QStringLiteral("Statistics  "), this);
    statisticsButton->setObjectName(QStringLiteral("btnStatistics"));
    rulesButton = new QPushButton(QStringLiteral("Rules"), this);
    rulesButton->setObjectName(QStringLiteral("btnRules"));
    if (setup.library != nullptr) {
        statisticsButton->setIcon(
            QIcon(QPixmap::fromImage(LibraryPicture(*setup.library, "ICON", "STATS_256_16x16"))));
        rulesButton->setIcon(
            QIcon(QPixmap::fromImage(LibraryPicture(*setup.library, "ICON", "HELP_256_16x16"))));
    }
    top->addWidget(playerLabel);
    top->addWidget(cboPlayers);
    top->addStretch(1);
    top->addWidget(statisticsButton);
    top->addWidget(rulesButton);
    outer->addLayout(top);

    auto* middle = new QHBoxLayout;
    auto* bar = new QVBoxLayout;
    bar->setSpacing(2);
    stack = new QStackedWidget(this);
    for (int index = 0; index < kChooserListCount; ++index) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(kListButtons[index].name));
        button->setText(QString::fromLatin1(kListButtons[index].caption));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(52, 58));
        button->setMinimumWidth(96);
        if (setup.library != nullptr) {
            button->setIcon(QIcon(QPixmap::fromImage(
                LibraryPicture(*setup.library, "ICON", kListButtons[index].picture))));
        }
        connect(button, &QToolButton::clicked, this,
                [this, index] { ShowList(static_cast<ChooserList>(index)); });
        bar->addWidget(button);
        buttons[static_cast<std::size_t>(index)] = button;

        auto* tree = new QTreeWidget(this);
        tree->setObjectName(QStringLiteral("tvGames%1").arg(index));
        tree->setHeaderHidden(true);
        tree->setMinimumSize(260, 360);
        tree->setIconSize(QSize(16, 16));
        connect(tree, &QTreeWidget::currentItemChanged, this,
                [this](QTreeWidgetItem* item) { Selected(item); });
        connect(tree, &QTreeWidget::itemExpanded, this,
                [this](QTreeWidgetItem* item) { FillItem(item); });
        connect(tree, &QTreeWidget::itemDoubleClicked, this,
                [this](QTreeWidgetItem* item) { DoubleClicked(item); });
        stack->addWidget(tree);
        trees[static_cast<std::size_t>(index)] = tree;
    }
    bar->addStretch(1);
    middle->addLayout(bar);
    middle->addWidget(stack, 1);

    auto* panel = new QVBoxLayout;
    description = new QWidget(this);
    auto* descriptionLayout = new QGridLayout(description);
    descriptionLayout->setContentsMargins(0, 0, 0, 0);
    gameName = new QLabel(description);
    gameName->setObjectName(QStringLiteral("lblGameName"));
    QFont bold = gameName->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    gameName->setFont(bold);
    descriptionLayout->addWidget(gameName, 0, 0, 1, 2);
    previewPicture = new QLabel(description);
    previewPicture->setObjectName(QStringLiteral("imgPreview"));
    previewPicture->setFixedSize(kPreviewWidth, kPreviewHeight);
    previewPicture->setFrameShape(QFrame::StyledPanel);
    descriptionLayout->addWidget(previewPicture, 1, 0, 1, 2);
    const char* captions[] = {"Tiles Number:", "Levels:", "Game time:", "Chance of winning:"};
    for (int row = 0; row < 4; ++row) {
        descriptionLayout->addWidget(new QLabel(QString::fromLatin1(captions[row]), description),
                                     row + 2, 0);
        values[static_cast<std::size_t>(row)] = new QLabel(description);
        descriptionLayout->addWidget(values[static_cast<std::size_t>(row)], row + 2, 1);
    }
    panel->addWidget(description);
    panel->addStretch(1);
    previewBox = new QCheckBox(QStringLiteral("&Preview"), this);
    wonLostBox = new QCheckBox(QStringLiteral("&Show won and lost"), this);
    previewBox->hide();
    wonLostBox->hide();
    middle->addLayout(panel);
    outer->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("btnOK"));
    okButton->setDefault(true);
    savedButton = new QPushButton(QStringLiteral("Open a sa&ved game..."), this);
    savedButton->setObjectName(QStringLiteral("btnOpenSaved"));
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("btnCancel"));
    bottom->addStretch(1);
    bottom->addWidget(okButton);
    bottom->addWidget(savedButton);
    bottom->addWidget(cancelButton);
    outer->addLayout(bottom);

    connect(okButton, &QPushButton::clicked, this, [this] { AcceptChoice(); });
    connect(savedButton, &QPushButton::clicked, this, [this] { OpenSaved(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(statisticsButton, &QPushButton::clicked, this, [this] { Statistics(); });
    connect(rulesButton, &QPushButton::clicked, this, [this] { Rules(); });
    connect(cboPlayers, &QComboBox::activated, this, [this](int index) {
        if (setup.setPlayer && index >= 0) {
            setup.setPlayer(cboPlayers->itemText(index).toStdString());
        }
    });
    savedButton->setEnabled(static_cast<bool>(setup.openSavedGame));

    statisticsAction = new QAction(QStringLiteral("Statistics..."), this);
    statisticsAction->setShortcut(QKeySequence(Qt::Key_F4));
    connect(statisticsAction, &QAction::triggered, this, [this] { Statistics(); });
    auto* favoritesAction = new QAction(QStringLiteral("Favorite games..."), this);
    favoritesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    favoritesAction->setEnabled(static_cast<bool>(setup.favoritesOrganiser));
    connect(favoritesAction, &QAction::triggered, this, [this] {
        setup.favoritesOrganiser();
        RebuildCustomAndFavorites();
    });
    auto* playersAction = new QAction(QStringLiteral("Players..."), this);
    playersAction->setEnabled(static_cast<bool>(setup.players));
    connect(playersAction, &QAction::triggered, this, [this] {
        setup.players();
        FillPlayers();
    });
    addAction(statisticsAction);
    addAction(favoritesAction);
    addAction(playersAction);
    ShowDescription(false);
}

QIcon TfrmJOpenGame::NodeIcon(int image) {
    return image >= 0 && image < static_cast<int>(icons.size())
               ? icons[static_cast<std::size_t>(image)]
               : QIcon();
}

QTreeWidgetItem* TfrmJOpenGame::MakeItem(const ChooserNode& node) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(node.text));
    item->setData(0, kCodeRole, node.code);
    item->setIcon(0, NodeIcon(node.image));
    for (const ChooserNode& child : node.children) {
        item->addChild(MakeItem(child));
    }
    return item;
}

void TfrmJOpenGame::AddItems(QTreeWidgetItem* parent, QTreeWidget* tree,
                             const std::vector<ChooserNode>& nodes) {
    QList<QTreeWidgetItem*> items;
    for (const ChooserNode& node : nodes) {
        items.append(MakeItem(node));
    }
    if (parent != nullptr) {
        parent->addChildren(items);
    } else {
        tree->addTopLevelItems(items);
    }
}

int TfrmJOpenGame::CodeOf(const QTreeWidgetItem* item) const {
    return item == nullptr ? kCodePlaceholder : item->data(0, kCodeRole).toInt();
}

void TfrmJOpenGame::FillList(ChooserList list) {
    const auto index = static_cast<std::size_t>(list);
    QTreeWidget* tree = trees[index];
    if (tree->topLevelItemCount() > 0) {
        return;
    }
    switch (list) {
        case ChooserList::AllGames:
            lists[index] = AllGamesList(sorted);
            break;
        case ChooserList::GameGroups:
            lists[index] = GameGroupsTree(sorted);
            break;
        case ChooserList::Custom:
            lists[index] =
                CustomLayoutList(setup.customLayouts != nullptr ? setup.customLayouts->ListLayouts()
                                                                : std::vector<std::string>{});
            break;
        case ChooserList::Favorites:
            lists[index] = FavoritesList(LoadFavoritesTree(settings, *setup.catalog));
            break;
        case ChooserList::Recent:
            lists[index] = RecentList(LoadRecentGames(settings, *setup.catalog));
            break;
    }
    const QSignalBlocker block(tree);
    AddItems(nullptr, tree, lists[index]);
    if (list == ChooserList::Favorites) {
        tree->expandAll();
    }
}

NodePath TfrmJOpenGame::PathOf(QTreeWidgetItem* item) const {
    NodePath path;
    while (item != nullptr) {
        QTreeWidgetItem* parent = item->parent();
        path.insert(path.begin(), parent != nullptr
                                      ? parent->indexOfChild(item)
                                      : item->treeWidget()->indexOfTopLevelItem(item));
        item = parent;
    }
    return path;
}

void TfrmJOpenGame::FillItem(QTreeWidgetItem* item) {
    if (item == nullptr || item->childCount() != 1 || !IsPlaceholder(item->child(0))) {
        return;
    }
    auto& model = lists[static_cast<std::size_t>(visible)];
    ChooserNode* node = NodeAt(model, PathOf(item));
    if (node == nullptr || !FillGroup(*node, sorted)) {
        return;
    }
    host.SetBusy(true);
    QTreeWidget* tree = item->treeWidget();
    const QSignalBlocker block(tree);
    delete item->takeChild(0);
    AddItems(item, tree, node->children);
    host.SetBusy(false);
}

QTreeWidgetItem* TfrmJOpenGame::FindItem(ChooserList list, int code) const {
    QTreeWidgetItemIterator it(trees[static_cast<std::size_t>(list)]);
    for (; *it != nullptr; ++it) {
        if (CodeOf(*it) == code && !IsPlaceholder(*it)) {
            return *it;
        }
    }
    return nullptr;
}

void TfrmJOpenGame::SelectGame(ChooserList list, GameId id) {
    if (QTreeWidgetItem* item = FindItem(list, id)) {
        trees[static_cast<std::size_t>(list)]->setCurrentItem(item);
    }
}

void TfrmJOpenGame::Remember(ChooserList list, int groupCode) {
    visible = list;
    rememberedGroup = groupCode;
}

void TfrmJOpenGame::Prepare() {
    host.SetBusy(true);
    okMark = false;
    savedGameWanted = false;
    const GameId current = setup.currentGame ? setup.currentGame() : -1;
    if (rememberedGroup != -1 && visible == ChooserList::GameGroups) {
        FillList(ChooserList::GameGroups);
        auto& model = lists[static_cast<std::size_t>(ChooserList::GameGroups)];
        if (const auto path = FindGroup(model, rememberedGroup, current, sorted)) {
            QTreeWidgetItem* item = trees[1]->topLevelItem((*path)[0]);
            for (std::size_t depth = 1; item != nullptr && depth < path->size(); ++depth) {
                item = item->child((*path)[depth]);
            }
            if (item != nullptr) {
                visible = ChooserList::GameGroups;
                FillItem(item);
                item->setExpanded(true);
                for (int child = 0; child < item->childCount(); ++child) {
                    if (CodeOf(item->child(child)) == current) {
                        trees[1]->setCurrentItem(item->child(child));
                    }
                }
            }
        }
        if (current >= kFirstCustomGameId) {
            FillList(ChooserList::Custom);
            visible = ChooserList::Custom;
        }
    }
    rememberedGroup = -1;
    ShowList(visible);
    for (QTreeWidget* tree : trees) {
        tree->setEnabled(true);
    }
    listsEnabled = true;
    Selected(trees[static_cast<std::size_t>(visible)]->currentItem());
    FillPlayers();
    trees[static_cast<std::size_t>(visible)]->setFocus();
    host.SetBusy(false);
}

void TfrmJOpenGame::ShowList(ChooserList list) {
    const auto index = static_cast<std::size_t>(list);
    const bool wasEmpty = trees[index]->topLevelItemCount() == 0;
    visible = list;
    buttons[index]->setChecked(true);
    FillList(list);
    stack->setCurrentIndex(static_cast<int>(index));
    QTreeWidget* tree = trees[index];
    const GameId current = setup.currentGame ? setup.currentGame() : -1;
    if (tree->currentItem() == nullptr || (list == ChooserList::Recent && wasEmpty)) {
        if (list == ChooserList::Favorites) {
            const auto path = PathAtPosition(lists[index], Read(settings, setting::kGameTreePos));
            QTreeWidgetItem* item = path ? tree->topLevelItem((*path)[0]) : nullptr;
            for (std::size_t depth = 1; item != nullptr && path && depth < path->size(); ++depth) {
                item = item->child((*path)[depth]);
            }
            if (item != nullptr) {
                tree->setCurrentItem(item);
            }
        } else if (list != ChooserList::GameGroups) {
            SelectGame(list, current);
        }
    }
    if (listsEnabled) {
        Selected(tree->currentItem());
        tree->setFocus();
    }
}

bool TfrmJOpenGame::SelectText(const QString& text) {
    QTreeWidget* tree = trees[static_cast<std::size_t>(visible)];
    // Groups are opened on the way, so that their games can be found.
    for (bool found = false; !found;) {
        found = true;
        QTreeWidgetItemIterator it(tree);
        for (; *it != nullptr; ++it) {
            if ((*it)->text(0) == text) {
                tree->setCurrentItem(*it);
                return true;
            }
            if ((*it)->childCount() == 1 && IsPlaceholder((*it)->child(0))) {
                FillItem(*it);
                found = false;
                break;
            }
        }
    }
    return false;
}

void TfrmJOpenGame::ShowDescription(bool shown) {
    description->setVisible(shown);
    okButton->setEnabled(shown);
    rulesButton->setEnabled(shown);
    statisticsButton->setEnabled(shown && static_cast<bool>(setup.statistics));
    statisticsAction->setEnabled(shown && static_cast<bool>(setup.statistics));
}

void TfrmJOpenGame::Selected(QTreeWidgetItem* item) {
    if (!listsEnabled) {
        return;
    }
    host.SetBusy(true);
    FillItem(item);
    const int code = CodeOf(item);
    if (item == nullptr || code < 0) {
        ShowDescription(false);
        host.SetBusy(false);
        return;
    }
    ShowDescription(true);
    preview->Show(code);
    const GameDescription text =
        DescribeGame(*setup.catalog, code, preview->Tiles(), preview->Levels());
    gameName->setText(item->text(0));
    previewPicture->setPixmap(QPixmap::fromImage(WrapImage(preview->Picture())));
    values[0]->setText(QString::fromStdString(text.tiles));
    values[1]->setText(QString::fromStdString(text.levels));
    // A custom layout has no catalogue line: time and chance stay as they were.
    if (!text.time.empty()) {
        values[2]->setText(QString::fromStdString(text.time));
        values[3]->setText(QString::fromStdString(text.chance));
    }
    host.SetBusy(false);
}

void TfrmJOpenGame::DoubleClicked(QTreeWidgetItem* item) {
    const int code = CodeOf(item);
    if (code >= 0) {
        AcceptChoice();
    } else if ((code == kCodeAddFavorite || code == kNewFolderCode) && setup.favoritesOrganiser) {
        setup.favoritesOrganiser();
        RebuildCustomAndFavorites();
    } else if (code == kCodeRunLayoutManager && setup.layoutManager) {
        reject();
        setup.layoutManager();
    }
}

void TfrmJOpenGame::AcceptChoice() {
    QTreeWidget* tree = trees[static_cast<std::size_t>(visible)];
    QTreeWidgetItem* item = tree->currentItem();
    if (item == nullptr || CodeOf(item) < 0) {
        host.Inform(std::string(kSelectGameMessage));
        tree->setFocus();
        return;
    }
    ChooserChoice choice;
    choice.id = CodeOf(item);
    choice.name = item->text(0).toStdString();
    choice.parentCode = item->parent() != nullptr ? CodeOf(item->parent()) : -1;
    choice.position = AbsolutePosition(lists[static_cast<std::size_t>(visible)], PathOf(item));
    choice.list = visible;
    choice.scoreType = setup.scoreType ? setup.scoreType() : std::string();
    choice.preview = previewBox->isChecked();
    choice.showWonLost = wonLostBox->isChecked();
    WriteChooserChoice(settings, choice);
    chosenId = choice.id;
    chosenName = choice.name;
    okMark = true;
    accept();
}

void TfrmJOpenGame::OpenSaved() {
    savedGameWanted = true;
    reject();
}

void TfrmJOpenGame::Statistics() {
    if (!setup.statistics) {
        return;
    }
    if (Read(settings, setting::kDisableStatistics)) {
        host.Inform(std::string(kStatisticsDisabledMessage));
        return;
    }
    const int code = CodeOf(trees[static_cast<std::size_t>(visible)]->currentItem());
    if (code >= 0) {
        setup.statistics(code, cboPlayers->currentText().toStdString());
    }
    trees[static_cast<std::size_t>(visible)]->setFocus();
}

void TfrmJOpenGame::Rules() {
    const std::string topic = RulesTopic(preview->FaceDown());
    if (setup.help) {
        setup.help(topic);
        return;
    }
    // Without a help of its own the button asks the program's help as F1
    // does, with the rules page as the topic.
    rulesButton->setProperty("helpTopic", QString::fromStdString(topic));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(rulesButton, &press);
}

void TfrmJOpenGame::FillPlayers() {
    const QSignalBlocker block(cboPlayers);
    cboPlayers->clear();
    const std::string current = setup.currentPlayer ? setup.currentPlayer() : std::string();
    for (const std::string& name : PlayerNames(settings)) {
        cboPlayers->addItem(QString::fromStdString(name));
    }
    if (cboPlayers->findText(QString::fromStdString(current)) < 0 && !current.empty()) {
        cboPlayers->addItem(QString::fromStdString(current));
    }
    cboPlayers->setCurrentIndex(cboPlayers->findText(QString::fromStdString(current)));
}

void TfrmJOpenGame::RebuildCustomAndFavorites() {
    for (const ChooserList list : {ChooserList::Custom, ChooserList::Favorites}) {
        const auto index = static_cast<std::size_t>(list);
        {
            const QSignalBlocker block(trees[index]);
            trees[index]->clear();
        }
        lists[index].clear();
        FillList(list);
    }
    if (visible == ChooserList::Custom || visible == ChooserList::Favorites) {
        Selected(trees[static_cast<std::size_t>(visible)]->currentItem());
    }
}

void TfrmJOpenGame::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(event->globalPos());
}

}  // namespace jw
