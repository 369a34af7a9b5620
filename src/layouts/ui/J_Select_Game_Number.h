// The game-number dialog ("Select a game number"): a typed number for any
// game, or a deal picked from the previous games or from the lost games of
// one game. "Play this game" checks the choice with CheckNumberChoice.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "layouts/GameNumberChoice.h"

class QComboBox;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace jw {

class Host;

struct SelectNumberSetup {
    const GameCatalog* catalog = nullptr;
    // Every game by name: the built-in games and the custom layouts.
    std::vector<std::string> gameNames;
    std::string currentGame;
    std::string currentNumber;
    std::vector<std::string> numberHistory;
    // The rows of the two grids; absent ones leave their grid empty.
    std::function<std::vector<GameNumberRow>()> previousGames;
    std::function<std::vector<GameNumberRow>(const std::string& game)> lostGames;
    // The statistics log; returns whether it started a game.
    std::function<bool()> log;
};

class TfrmJSelectGameNumber : public QDialog {
    Q_OBJECT
  public:
    TfrmJSelectGameNumber(Host& host, SelectNumberSetup setup, QWidget* parent = nullptr);

    // What "Play this game" chose (outcome Start), else outcome Ignore.
    const NumberChoice& Choice() const { return choice; }

    // For the window's tests and screenshots.
    QTabWidget* Pages() const { return pages; }
    QComboBox* NumberBox() const { return numberBox; }
    QComboBox* GameBox() const { return gameBox; }
    QComboBox* LostGameBox() const { return lostGameBox; }
    QTableWidget* PreviousGrid() const { return previousGrid; }
    QTableWidget* LostGrid() const { return lostGrid; }
    QPushButton* PlayButton() const { return playButton; }

  private:
    void PageShown(int page);
    void FillLost();
    void Play();
    static void FillGrid(QTableWidget* grid, const std::vector<GameNumberRow>& rows, bool withGame);

    Host& host;
    SelectNumberSetup setup;
    NumberChoice choice;
    QTabWidget* pages = nullptr;
    QComboBox* numberBox = nullptr;
    QComboBox* gameBox = nullptr;
    QComboBox* lostGameBox = nullptr;
    QTableWidget* previousGrid = nullptr;
    QTableWidget* lostGrid = nullptr;
    QPushButton* playButton = nullptr;
    bool previousFilled = false;
};

}  // namespace jw
