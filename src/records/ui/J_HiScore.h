// TfrmJHiScore: the hi-score table of any game, chosen from the list of
// all games; after a new entry it opens as the congratulation, with the
// entry's row selected.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>
#include <string>
#include <vector>

#include "engine/GameCatalog.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"

class QLabel;
class QListWidget;
class QMenu;
class QAction;
class QTableWidget;

namespace jw {

struct HiScoreWindowSetup {
    const GameCatalog* catalog = nullptr;
    std::vector<std::string> gameNames;  // sorted, as HiScoreGameNames
    std::string wantedGame;              // the game to show, or empty
    std::string currentGame;             // the game being played
    bool newEntry = false;               // opened as the congratulation
    int row = -1;                        // the new entry's row
    std::string caption;                 // shown instead of the game's caption at first
    char timeSeparator = ':';
    // The 20 entries of a game's table.
    std::function<std::vector<std::string>(GameId)> loadTable;
    // "Clear values...": the clear-values window.
    std::function<void()> clearValues;
    QPixmap scorePicture;
    QPixmap newScorePicture;
};

class TfrmJHiScore : public QDialog {
    Q_OBJECT
  public:
    TfrmJHiScore(Host& host, SettingsStore& settings, HiScoreWindowSetup setup,
                 QWidget* parent = nullptr);

    // Shows the table of the game at `index` of the list.
    void ShowGame(int index);

    // The pop-up items.
    void DontShowAgain();
    void ClearValues();

    QListWidget* Games() const { return games; }
    QTableWidget* Scores() const { return scores; }
    QMenu* PopUp() const { return popUp; }
    QAction* DontShowItem() const { return dontShow; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Host& host;
    SettingsStore& settings;
    HiScoreWindowSetup setup;
    QListWidget* games = nullptr;
    QTableWidget* scores = nullptr;
    QLabel* picture = nullptr;
    QMenu* popUp = nullptr;
    QAction* dontShow = nullptr;
    bool captionShown = false;
    bool soundPlayed = false;
};

}  // namespace jw
