#include "records/ui/J_Favorite.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/Host.h"
#include "records/Players.h"

namespace jw {

namespace {

constexpr int kFolderRole = Qt::UserRole;
constexpr int kChildRole = Qt::UserRole + 1;

}  // namespace

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
    TfrmJFavoriteAddFolder dialog(host, setup.programName, QStringLiteral("Create New Folder"),
                                  QString::fromStdString(std::string(kNewFolderName)), this);
    if (folderAnswerer) {
        dialog.show();
        folderAnswerer(dialog);
        if (dialog.isVisible()) {
            dialog.reject();
        }
    } else {
        dialog.exec();
    }
    if (dialog.result() != QDialog::Accepted) {
        return;
    }
    const int index = InsertFolder(tree, dialog.Name());
    Fill(FavoritePlace{index, -1});
}

void TfrmJFavoriteAdd::accept() {
    added = AddFavorite(tree, Selected(), setup.game, host);
    QDialog::accept();
}

}  // namespace jw
