// The add-favourite dialog ("Add Favorite") and the folder dialog ("Create
// New Folder" / "Rename Folder") over the favourites tree.
#pragma once

#include <QDialog>
#include <QIcon>
#include <functional>
#include <string>
#include <vector>

#include "records/FavoritesEdit.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace jw {

class Host;

class TfrmJFavoriteAddFolder : public QDialog {
    Q_OBJECT
  public:
    // `programName` stands in the sentence above the name field.
    TfrmJFavoriteAddFolder(Host& host, const QString& programName, const QString& caption,
                           const QString& name, QWidget* parent = nullptr);

    std::string Name() const;
    QLineEdit* NameEdit() const { return edtFolder; }

    void accept() override;

  private:
    Host& host;
    QLineEdit* edtFolder = nullptr;
};

struct FavoriteAddSetup {
    QString programName;
    FavoriteNode game;
    std::vector<FavoriteNode> tree;
    QIcon folderIcon;
    QIcon gameIcon;
};

class TfrmJFavoriteAdd : public QDialog {
    Q_OBJECT
  public:
    TfrmJFavoriteAdd(Host& host, FavoriteAddSetup setup, QWidget* parent = nullptr);

    // The tree with the game added, after OK.
    const std::vector<FavoriteNode>& Tree() const { return tree; }
    bool Added() const { return added; }

    // Plays the player in the folder dialog instead of a modal loop (tests).
    std::function<void(TfrmJFavoriteAddFolder&)> folderAnswerer;

    QTreeWidget* TreeView() const { return tvFavorites; }
    QPushButton* NewFolderButton() const { return btnNewFolder; }
    QPushButton* OkButton() const { return btnOK; }

    void accept() override;

  private:
    void Fill(FavoritePlace select);
    FavoritePlace Selected() const;
    void NewFolder();

    Host& host;
    FavoriteAddSetup setup;
    std::vector<FavoriteNode> tree;
    bool added = false;
    QTreeWidget* tvFavorites = nullptr;
    QPushButton* btnNewFolder = nullptr;
    QPushButton* btnOK = nullptr;
};

}  // namespace jw
