// The log window: the recorded games newest first, filtered by player and
// game, from which a logged deal can be played again.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace jw {

class LogTableModel;

struct StatisLogSetup {
    std::string logPath;
    // The game and player names of the lists; the preselected ones, empty
    // for all.
    std::vector<std::string> games, players;
    std::string game, player;
    // Starts the deal of a row (game name and game number); returns
    // whether it started.
    std::function<bool(const std::string& game, const std::string& number)> playGame;
};

class TfrmJStatisLog : public QDialog {
    Q_OBJECT
  public:
    TfrmJStatisLog(StatisLogSetup setup, QWidget* parent = nullptr);

    bool StartedGame() const { return started; }

    // For the window's tests and screenshots.
    QComboBox* GameBox() const { return gameBox; }
    QComboBox* PlayerBox() const { return playerBox; }
    QComboBox* BrowseBox() const { return browseBox; }
    QTableView* Grid() const { return grid; }
    // The text of a cell as shown, in the grid's current order.
    QString Cell(int row, int column) const;
    int Rows() const;
    QLabel* Count() const { return count; }
    QPushButton* PlayButton() const { return playButton; }

  private:
    void Reload();
    void PlaySelected();

    StatisLogSetup setup;
    bool started = false;
    bool sized = false;
    bool longLog = false;  // more records than the fast reading keeps
    QComboBox* gameBox = nullptr;
    QComboBox* playerBox = nullptr;
    QComboBox* browseBox = nullptr;
    LogTableModel* model = nullptr;
    QTableView* grid = nullptr;
    QLabel* count = nullptr;
    QPushButton* playButton = nullptr;
};

}  // namespace jw
