// The open-game dialog ("Open a game"): five lists of games in one place
// with their buttons on the left bar, a drawn preview of the selected game
// with its tiles, levels, time and chance, and the player list. It shows
// what the core chooser (layouts/GameChooser) builds and writes what it
// says when a game is chosen.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "layouts/GameChooser.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace jw {

class CustomLayouts;
class GamePreview;
class Host;
class ResourceStore;
class SettingsStore;

// What the dialog needs from the rest of the program.
struct OpenGameSetup {
    const ResourceStore* library = nullptr;
    const GameCatalog* catalog = nullptr;  // knows the custom layouts too
    const CustomLayouts* customLayouts = nullptr;
    std::string dataFolder;
    // The current game, player and tile family of the main window.
    std::function<GameId()> currentGame;
    std::function<std::string()> currentPlayer;
    std::function<void(const std::string&)> setPlayer;
    std::function<std::string()> scoreType;
    // Windows the dialog opens; an absent one leaves its control disabled.
    std::function<void()> openSavedGame;
    std::function<void()> layoutManager;
    std::function<void()> favoritesOrganiser;
    std::function<void()> players;
    std::function<void(GameId, const std::string& player)> statistics;
    // Opens the help at a topic ("html/rules/rules.htm").
    std::function<void(const std::string& topic)> help;
};

class TfrmJOpenGame : public QDialog {
    Q_OBJECT
  public:
    TfrmJOpenGame(Host& host, SettingsStore& settings, OpenGameSetup setup,
                  QWidget* parent = nullptr);
    ~TfrmJOpenGame() override;

    // Gets the dialog ready to be shown: the remembered list and group, the
    // current game selected, the player list filled.
    void Prepare();
    // The OK mark and the chosen game; the caller clears the mark.
    bool Chosen() const { return okMark; }
    void ClearChosen() { okMark = false; }
    GameId ChosenGame() const { return chosenId; }
    const std::string& ChosenName() const { return chosenName; }
    // Whether the dialog was left to open a saved game.
    bool SavedGameWanted() const { return savedGameWanted; }
    // The list to show and the group to open at the next showing (the
    // layout editor and manager set them after "Play").
    void Remember(ChooserList list, int groupCode);
    // Builds the custom-layout and favourites lists again.
    void RebuildCustomAndFavorites();

    // For the window's tests and screenshots.
    QTreeWidget* List(ChooserList list) const { return trees[static_cast<int>(list)]; }
    ChooserList VisibleList() const { return visible; }
    void ShowList(ChooserList list);
    QPushButton* OkButton() const { return okButton; }
    QComboBox* Players() const { return cboPlayers; }
    QLabel* PreviewPicture() const { return previewPicture; }
    QLabel* GameName() const { return gameName; }
    // The current item's texts of the description: tiles, levels, time, chance.
    std::array<QLabel*, 4> DescriptionValues() const { return values; }
    // Selects the first item with this text in the visible list (filling
    // the groups on the way); false when there is none.
    bool SelectText(const QString& text);
    // The first item with this code in a list, or nullptr.
    QTreeWidgetItem* FindItem(ChooserList list, int code) const;

    // OK: remembers and writes the choice, or says "Select a game".
    void AcceptChoice();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void BuildWindow();
    void FillList(ChooserList list);
    void AddItems(QTreeWidgetItem* parent, QTreeWidget* tree,
                  const std::vector<ChooserNode>& nodes);
    QTreeWidgetItem* MakeItem(const ChooserNode& node);
    // Replaces a group's placeholder by its games, in the view and the model.
    void FillItem(QTreeWidgetItem* item);
    NodePath PathOf(QTreeWidgetItem* item) const;
    void SelectGame(ChooserList list, GameId id);
    void Selected(QTreeWidgetItem* item);
    void DoubleClicked(QTreeWidgetItem* item);
    void ShowDescription(bool shown);
    void FillPlayers();
    void Statistics();
    void Rules();
    void OpenSaved();
    QIcon NodeIcon(int image);
    int CodeOf(const QTreeWidgetItem* item) const;

    Host& host;
    SettingsStore& settings;
    OpenGameSetup setup;
    std::vector<CatalogEntry> sorted;
    std::array<std::vector<ChooserNode>, kChooserListCount> lists;
    std::array<QTreeWidget*, kChooserListCount> trees{};
    std::array<QToolButton*, kChooserListCount> buttons{};
    std::array<QLabel*, 4> values{};
    std::unique_ptr<GamePreview> preview;
    QStackedWidget* stack = nullptr;
    QComboBox* cboPlayers = nullptr;
    QPushButton* statisticsButton = nullptr;
    QPushButton* rulesButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* savedButton = nullptr;
    QWidget* description = nullptr;
    QLabel* gameName = nullptr;
    QLabel* previewPicture = nullptr;
    QCheckBox* previewBox = nullptr;
    QCheckBox* wonLostBox = nullptr;
    QAction* statisticsAction = nullptr;
    ChooserList visible = ChooserList::AllGames;
    int rememberedGroup = -1;
    bool listsEnabled = false;
    bool okMark = false;
    bool savedGameWanted = false;
    GameId chosenId = -1;
    std::string chosenName;
    std::vector<QIcon> icons;
};

}  // namespace jw
