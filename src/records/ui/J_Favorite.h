// The add-favourite dialog ("Add Favorite") and the folder dialog ("Create
// New Folder" / "Rename Folder") over the favourites tree.
#pragma once

#include <QDialog>
#include <QIcon>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/FavoritesEdit.h"

class QLineEdit;
class QListWidget;
class QToolButton;
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

// The folder dialog, shown modally or handed to `answerer` (tests); the name
// entered, or nothing when it was cancelled.
std::optional<std::string> AskFolderName(
    Host& host, const QString& programName, const QString& caption, const QString& name,
    QWidget* parent, const std::function<void(TfrmJFavoriteAddFolder&)>& answerer);

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

namespace jw {

class FavoriteDropTree;
class FavoriteDropList;

struct FavoriteOrganiserSetup {
    QString programName;
    // Every game by name, built-in and custom: code (GameId), name and type.
    std::vector<FavoriteNode> games;
    std::vector<FavoriteNode> tree;
    QIcon folderIcon;
    QIcon gameIcon;
};

// The favourites organiser ("Favorite games").
class TfrmJFavorite : public QDialog {
    Q_OBJECT
  public:
    TfrmJFavorite(Host& host, FavoriteOrganiserSetup setup, QWidget* parent = nullptr);
    ~TfrmJFavorite() override;

    const std::vector<FavoriteNode>& Tree() const { return tree; }

    // Plays the player in the folder dialog instead of a modal loop (tests).
    std::function<void(TfrmJFavoriteAddFolder&)> folderAnswerer;

    QListWidget* GamesList() const;
    QTreeWidget* TreeView() const;
    QToolButton* AddButton() const { return tbAdd; }
    QToolButton* RemoveButton() const { return tbRemove; }
    QToolButton* RemoveAllButton() const { return tbRemoveAll; }
    QPushButton* NewFolderButton() const { return btnNewFolder; }
    QPushButton* RenameFolderButton() const { return btnRenameFolder; }
    QPushButton* OkButton() const { return btnOK; }

    // The organiser's actions, also reached by drag and drop.
    void AddSelected(FavoritePlace onto);
    void RemoveSelected();
    void Move(FavoritePlace from, FavoritePlace onto);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Fill(FavoritePlace select);
    FavoritePlace Selected() const;
    std::optional<std::string> AskFolder(const QString& caption, const QString& name);
    void NewFolder();
    void RenameFolder();
    void UpdateButtons();

    Host& host;
    FavoriteOrganiserSetup setup;
    std::vector<FavoriteNode> tree;
    FavoriteDropList* lstGames = nullptr;
    FavoriteDropTree* tvFavorites = nullptr;
    QToolButton* tbAdd = nullptr;
    QToolButton* tbRemove = nullptr;
    QToolButton* tbRemoveAll = nullptr;
    QPushButton* btnNewFolder = nullptr;
    QPushButton* btnRenameFolder = nullptr;
    QPushButton* btnOK = nullptr;
    bool filling = false;
};

}  // namespace jw
