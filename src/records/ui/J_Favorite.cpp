#include "records/ui/J_Favorite.h"

#include <QDialogButtonBox>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "records/Players.h"

namespace jw {

namespace {

constexpr int kFolderRole = Qt::UserRole;
constexpr int kChildRole = Qt::UserRole + 1;

}  // namespace

std::optional<std::string> AskFolderName(
    Host& host, const QString& programName, const QString& caption, const QString& name,
    QWidget* parent, const std::function<void(TfrmJFavoriteAddFolder&)>& answerer) {
    TfrmJFavoriteAddFolder dialog(host, programName, caption, name, parent);
    if (answerer) {
        dialog.show();
        answerer(dialog);
        if (dialog.isVisible()) {
            dialog.reject();
        }
    } else {
        dialog.exec();
    }
    if (dialog.result() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Name();
}

TfrmJFavoriteAddFolder::TfrmJFavoriteAddFolder(Host& hostIn, const QString& programName,
                                               const QString& caption, const QString& name,
                                               QWidget* parent)
    : QDialog(parent), host(hostIn) {
    setObjectName(QStringLiteral("frmJFavoriteAddFolder"));
    setWindowTitle(caption);
    setProperty("helpTopic", QStringLiteral("html/windows/favorites.htm"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(programName + QStringLiteral(" will create the following folder."), this));
    auto* label = new QLabel(QStringLiteral("&Folder name:"), this);
    edtFolder = new QLineEdit(name, this);
    edtFolder->setObjectName(QStringLiteral("edtFolder"));
    edtFolder->selectAll();
    label->setBuddy(edtFolder);
    layout->addWidget(label);
    layout->addWidget(edtFolder);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

std::string TfrmJFavoriteAddFolder::Name() const {
    return edtFolder->text().toStdString();
}

void TfrmJFavoriteAddFolder::accept() {
    if (edtFolder->text().isEmpty()) {
        host.Inform(std::string(kEnterOneCharacter));
        edtFolder->setFocus();
        return;
    }
    QDialog::accept();
}

TfrmJFavoriteAdd::TfrmJFavoriteAdd(Host& hostIn, FavoriteAddSetup setupIn, QWidget* parent)
    : QDialog(parent), host(hostIn), setup(std::move(setupIn)) {
    setObjectName(QStringLiteral("frmJFavoriteAdd"));
    setWindowTitle(QStringLiteral("Add Favorite"));
    setProperty("helpTopic", QStringLiteral("html/windows/favorites.htm"));
    tree = WithPlaceholder(setup.tree);

    auto* layout = new QVBoxLayout(this);
    auto* sentence = new QLabel(setup.programName + QStringLiteral(" will add \"") +
                                    QString::fromStdString(setup.game.text) +
                                    QStringLiteral("\" to your Favorites list."),
                                this);
    sentence->setWordWrap(true);
    layout->addWidget(sentence);
    auto* label = new QLabel(QStringLiteral("Create in:"), this);
    tvFavorites = new QTreeWidget(this);
    tvFavorites->setObjectName(QStringLiteral("tvFavorites"));
    tvFavorites->setHeaderHidden(true);
    label->setBuddy(tvFavorites);
    layout->addWidget(label);
    layout->addWidget(tvFavorites, 1);

    auto* buttons = new QHBoxLayout;
    btnNewFolder = new QPushButton(QStringLiteral("Ne&w Folder..."), this);
    btnNewFolder->setObjectName(QStringLiteral("btnNewFolder"));
    buttons->addWidget(btnNewFolder);
    buttons->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(btnOK);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(btnNewFolder, &QPushButton::clicked, this, [this] { NewFolder(); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Fill(FavoritePlace{});
    resize(360, 380);
}

void TfrmJFavoriteAdd::Fill(FavoritePlace select) {
    tvFavorites->clear();
    QTreeWidgetItem* selected = nullptr;
    const auto item = [&](QTreeWidgetItem* parent, const FavoriteNode& node, int folder,
                          int child) {
        auto* it =
            parent == nullptr ? new QTreeWidgetItem(tvFavorites) : new QTreeWidgetItem(parent);
        it->setText(0, QString::fromStdString(node.text));
        it->setIcon(0, node.IsFolder() ? setup.folderIcon : setup.gameIcon);
        it->setData(0, kFolderRole, folder);
        it->setData(0, kChildRole, child);
        if (folder == select.folder && child == select.child) {
            selected = it;
        }
        return it;
    };
    for (std::size_t f = 0; f < tree.size(); ++f) {
        QTreeWidgetItem* top = item(nullptr, tree[f], static_cast<int>(f), -1);
        for (std::size_t c = 0; c < tree[f].children.size(); ++c) {
            item(top, tree[f].children[c], static_cast<int>(f), static_cast<int>(c));
        }
    }
    tvFavorites->expandAll();
    tvFavorites->setCurrentItem(selected);
    if (selected == nullptr) {
        tvFavorites->clearSelection();
    }
}

FavoritePlace TfrmJFavoriteAdd::Selected() const {
    const QList<QTreeWidgetItem*> items = tvFavorites->selectedItems();
    if (items.isEmpty()) {
        return {};
    }
    return {items.front()->data(0, kFolderRole).toInt(),
            items.front()->data(0, kChildRole).toInt()};
}

void TfrmJFavoriteAdd::NewFolder() {
    if (const auto name = AskFolderName(
            host, setup.programName, QStringLiteral("Create New Folder"),
            QString::fromStdString(std::string(kNewFolderName)), this, folderAnswerer)) {
        Fill(FavoritePlace{InsertFolder(tree, *name), -1});
    }
}

void TfrmJFavoriteAdd::accept() {
    added = AddFavorite(tree, Selected(), setup.game, host);
    QDialog::accept();
}

// The organiser's tree and list: a drop hands the event to the organiser
// instead of letting Qt move items on its own.
class FavoriteDropTree : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;
    std::function<void(QDropEvent*)> onDrop;
    bool Editing() const { return state() == EditingState; }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override {
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (onDrop) {
            onDrop(event);
        }
    }
};

class FavoriteDropList : public QListWidget {
  public:
    using QListWidget::QListWidget;
    std::function<void(QDropEvent*)> onDrop;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->source() != this) {
            event->acceptProposedAction();
        }
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        if (event->source() != this) {
            event->acceptProposedAction();
        }
    }
    void dropEvent(QDropEvent* event) override {
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (onDrop && event->source() != this) {
            onDrop(event);
        }
    }
};

namespace {

FavoritePlace PlaceOf(const QTreeWidgetItem* item) {
    if (item == nullptr) {
        return {};
    }
    return {item->data(0, kFolderRole).toInt(), item->data(0, kChildRole).toInt()};
}

}  // namespace

TfrmJFavorite::TfrmJFavorite(Host& hostIn, FavoriteOrganiserSetup setupIn, QWidget* parent)
    : QDialog(parent), host(hostIn), setup(std::move(setupIn)), tree(setup.tree) {
    setObjectName(QStringLiteral("frmJFavorite"));
    setWindowTitle(QStringLiteral("Favorite games"));
    setProperty("helpTopic", QStringLiteral("html/windows/favorites.htm"));
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;

    auto* left = new QVBoxLayout;
    auto* gamesLabel = new QLabel(QStringLiteral("&Games list:"), this);
    lstGames = new FavoriteDropList(this);
    lstGames->setObjectName(QStringLiteral("lstGames"));
    lstGames->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstGames->setDragEnabled(true);
    lstGames->setAcceptDrops(true);
    lstGames->setDragDropMode(QAbstractItemView::DragDrop);
    gamesLabel->setBuddy(lstGames);
    for (std::size_t i = 0; i < setup.games.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(setup.games[i].text), lstGames);
        item->setIcon(setup.gameIcon);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
    left->addWidget(gamesLabel);
    left->addWidget(lstGames, 1);
    lists->addLayout(left, 1);

    auto* middle = new QVBoxLayout;
    const auto addTool = [&](const char* name, const QString& text, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(text);
        button->setText(text);
        button->setIcon(style()->standardIcon(icon));
        middle->addWidget(button);
        return button;
    };
    middle->addStretch(1);
    tbAdd = addTool("tbAdd", QStringLiteral("Add the selected game(s)"), QStyle::SP_ArrowRight);
    tbRemove =
        addTool("tbRemove", QStringLiteral("Remove the selected game(s)"), QStyle::SP_ArrowLeft);
    tbRemoveAll =
        addTool("tbRemoveAll", QStringLiteral("Remove all games"), QStyle::SP_DialogResetButton);
    middle->addStretch(1);
    lists->addLayout(middle);

    auto* right = new QVBoxLayout;
    auto* treeLabel = new QLabel(QStringLiteral("&Favorite games:"), this);
    tvFavorites = new FavoriteDropTree(this);
    tvFavorites->setObjectName(QStringLiteral("tvFavorites"));
    tvFavorites->setHeaderHidden(true);
    tvFavorites->setDragEnabled(true);
    tvFavorites->setAcceptDrops(true);
    tvFavorites->setDragDropMode(QAbstractItemView::DragDrop);
    tvFavorites->setEditTriggers(QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::SelectedClicked);
    treeLabel->setBuddy(tvFavorites);
    right->addWidget(treeLabel);
    right->addWidget(tvFavorites, 1);
    lists->addLayout(right, 1);
    layout->addLayout(lists, 1);

    auto* buttons = new QHBoxLayout;
    btnNewFolder = new QPushButton(QStringLiteral("Ne&w Folder..."), this);
    btnNewFolder->setObjectName(QStringLiteral("btnNewFolder"));
    btnRenameFolder = new QPushButton(QStringLiteral("&Rename Folder..."), this);
    btnRenameFolder->setObjectName(QStringLiteral("btnRenameFolder"));
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(btnNewFolder);
    buttons->addWidget(btnRenameFolder);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(tbAdd, &QToolButton::clicked, this, [this] { AddSelected(Selected()); });
    connect(tbRemove, &QToolButton::clicked, this, [this] { RemoveSelected(); });
    connect(tbRemoveAll, &QToolButton::clicked, this, [this] {
        tree.clear();
        Fill({});
    });
    connect(btnNewFolder, &QPushButton::clicked, this, [this] { NewFolder(); });
    connect(btnRenameFolder, &QPushButton::clicked, this, [this] { RenameFolder(); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstGames, &QListWidget::itemDoubleClicked, this, [this] { AddSelected(Selected()); });
    connect(tvFavorites, &QTreeWidget::itemDoubleClicked, this, [this] { RemoveSelected(); });
    connect(tvFavorites, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(tvFavorites, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (filling) {
            return;
        }
        // A folder renamed in place.
        const FavoritePlace place = PlaceOf(item);
        const std::string name = item->text(0).toStdString();
        if (place.child < 0 && place.folder >= 0 && place.folder < static_cast<int>(tree.size()) &&
            !name.empty()) {
            tree[static_cast<std::size_t>(place.folder)].text = name;
        } else if (place.folder >= 0 && place.folder < static_cast<int>(tree.size())) {
            const QSignalBlocker block(tvFavorites);
            item->setText(
                0, QString::fromStdString(tree[static_cast<std::size_t>(place.folder)].text));
        }
    });
    tvFavorites->onDrop = [this](QDropEvent* event) {
        const FavoritePlace onto = PlaceOf(tvFavorites->itemAt(event->position().toPoint()));
        if (event->source() == lstGames) {
            AddSelected(onto);
        } else if (event->source() == tvFavorites) {
            Move(Selected(), onto);
        }
    };
    lstGames->onDrop = [this](QDropEvent* event) {
        if (event->source() == tvFavorites) {
            RemoveSelected();
        }
    };
    Fill(tree.empty() ? FavoritePlace{} : FavoritePlace{0, -1});
    resize(620, 420);
}

TfrmJFavorite::~TfrmJFavorite() = default;

QListWidget* TfrmJFavorite::GamesList() const {
    return lstGames;
}

QTreeWidget* TfrmJFavorite::TreeView() const {
    return tvFavorites;
}

void TfrmJFavorite::Fill(FavoritePlace select) {
    filling = true;
    tvFavorites->clear();
    QTreeWidgetItem* selected = nullptr;
    for (std::size_t f = 0; f < tree.size(); ++f) {
        const auto make = [&](QTreeWidgetItem* it, const FavoriteNode& node, int child) {
            it->setText(0, QString::fromStdString(node.text));
            it->setIcon(0, node.IsFolder() ? setup.folderIcon : setup.gameIcon);
            it->setData(0, kFolderRole, static_cast<int>(f));
            it->setData(0, kChildRole, child);
            if (node.IsFolder()) {
                it->setFlags(it->flags() | Qt::ItemIsEditable);
            }
            if (static_cast<int>(f) == select.folder && child == select.child) {
                selected = it;
            }
            return it;
        };
        QTreeWidgetItem* top = make(new QTreeWidgetItem(tvFavorites), tree[f], -1);
        for (std::size_t c = 0; c < tree[f].children.size(); ++c) {
            make(new QTreeWidgetItem(top), tree[f].children[c], static_cast<int>(c));
        }
    }
    tvFavorites->expandAll();
    tvFavorites->setCurrentItem(selected);
    if (selected == nullptr) {
        tvFavorites->clearSelection();
    }
    filling = false;
    UpdateButtons();
}

FavoritePlace TfrmJFavorite::Selected() const {
    const QList<QTreeWidgetItem*> items = tvFavorites->selectedItems();
    return items.isEmpty() ? FavoritePlace{} : PlaceOf(items.front());
}

void TfrmJFavorite::UpdateButtons() {
    const FavoritePlace place = Selected();
    btnRenameFolder->setEnabled(place.folder >= 0 && place.child < 0 &&
                                place.folder < static_cast<int>(tree.size()) &&
                                tree[static_cast<std::size_t>(place.folder)].IsFolder());
}

void TfrmJFavorite::AddSelected(FavoritePlace onto) {
    const int target = TargetFolder(tree, onto);
    FavoritePlace last = onto;
    for (int row = 0; row < lstGames->count(); ++row) {
        const QListWidgetItem* item = lstGames->item(row);
        if (item->isSelected()) {
            last =
                InsertGame(tree, target,
                           setup.games[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())]);
        }
    }
    Fill(last);
}

void TfrmJFavorite::RemoveSelected() {
    if (RemoveNode(tree, Selected())) {
        Fill({});
    }
}

void TfrmJFavorite::Move(FavoritePlace from, FavoritePlace onto) {
    const FavoritePlace at = MoveNode(tree, from, onto);
    if (at.folder >= 0) {
        Fill(at);
    }
}

std::optional<std::string> TfrmJFavorite::AskFolder(const QString& caption, const QString& name) {
    return AskFolderName(host, setup.programName, caption, name, this, folderAnswerer);
}

void TfrmJFavorite::NewFolder() {
    if (const auto name = AskFolder(QStringLiteral("Create New Folder"),
                                    QString::fromStdString(std::string(kNewFolderName)))) {
        Fill({InsertFolder(tree, *name), -1});
    }
}

void TfrmJFavorite::RenameFolder() {
    const FavoritePlace place = Selected();
    if (!btnRenameFolder->isEnabled()) {
        return;
    }
    FavoriteNode& folder = tree[static_cast<std::size_t>(place.folder)];
    if (const auto name =
            AskFolder(QStringLiteral("Rename Folder"), QString::fromStdString(folder.text))) {
        folder.text = *name;
        Fill(place);
    }
}

void TfrmJFavorite::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && tvFavorites->hasFocus() && !tvFavorites->Editing()) {
        RemoveSelected();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace jw
