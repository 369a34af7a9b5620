// The statistics window: a game's won and lost games, the chance of
// winning and the progression of one player ("Game" page), the same over
// all built-in games ("Total"), and the list of all games ("List"), with
// the small windows it opens (session, sequences, shares, players, the
// progression zoom).
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/StatisticsViews.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QVBoxLayout;

namespace jw {

class Host;
class ResourceStore;
class WonLostPie;

struct StatisticsSetup {
    Host* host = nullptr;
    const ResourceStore* library = nullptr;
    // Every game by name (built-in games, then the custom layouts), and
    // the players.
    std::vector<std::pair<GameId, std::string>> games;
    std::vector<std::string> players;
    GameId game = -1;
    std::string player;
    bool showProgression = true;
    std::function<GameStats(GameId, const std::string& player)> stats;
    std::function<std::optional<GameChance>(GameId)> chance;
    // The player's progression file as it stands.
    std::function<std::string(const std::string& player)> progression;
    // Windows of other parts of the program; absent ones leave their
    // button off. `showLog` and `playGame` return whether a game started
    // (then this window closes too).
    std::function<void(GameId)> showHiScores;
    std::function<bool(const std::string& game, const std::string& player)> showLog;
    std::function<bool(GameId, const std::string& player)> playGame;
    std::function<void()> clearValues;
};

// The counts, percentages and pie of a won/lost group, and the values and
// bars of a chance-of-winning group.
struct WonLostWidgets {
    QLabel *won = nullptr, *lost = nullptr, *total = nullptr;
    QLabel *wonPercent = nullptr, *lostPercent = nullptr;
    WonLostPie* pie = nullptr;
};
struct ChanceWidgets {
    QLabel *average = nullptr, *yours = nullptr, *line = nullptr;
    QWidget* chart = nullptr;
};

class TfrmJStatistics : public QDialog {
    Q_OBJECT
  public:
    TfrmJStatistics(StatisticsSetup setup, QWidget* parent = nullptr);

    GameId Game() const;
    std::string Player() const;
    bool ProgressionShown() const;
    // Whether a game was started from the window.
    bool StartedGame() const { return started; }

    // For the window's tests and screenshots.
    QTabWidget* Pages() const { return pages; }
    QComboBox* GameBox() const { return gameBox; }
    QComboBox* PlayerBox() const { return playerBox; }
    QComboBox* FilterBox() const { return filterBox; }
    QTableWidget* ListGrid() const { return listGrid; }
    const WonLostWidgets& GameWonLost() const { return gameWonLost; }
    const WonLostWidgets& TotalWonLost() const { return totalWonLost; }
    const ChanceWidgets& GameChanceWidgets() const { return gameChance; }
    QLabel* ListCount() const { return listCount; }
    QPushButton* PlayButton() const { return playButton; }
    QCheckBox* ProgressionBox() const { return progressionBox; }

    // The small windows, built for the shown game and player.
    std::unique_ptr<QDialog> MakeSessionWindow();
    std::unique_ptr<QDialog> MakeSequencesWindow();
    std::unique_ptr<QDialog> MakeSharesWindow(bool average);
    std::unique_ptr<QDialog> MakePlayersWindow();
    std::unique_ptr<QDialog> MakeZoomWindow(bool allGames);

  private:
    void BuildGamePage();
    void BuildTotalPage();
    // The won/lost and chance groups side by side, then the progression
    // chart, on a page; returns the page's layout.
    QVBoxLayout* BuildChartPage(QWidget* page, const QString& prefix, WonLostWidgets& wonLost,
                                ChanceWidgets& chance, QWidget*& progression);
    void BuildListPage();
    void ShowGamePage();
    void ShowTotalPage();
    void ShowListPage();
    void PageShown(int page);
    void PlayerChanged();
    void Recompute();
    void PlaySelected();
    std::vector<GameTotals> AllGames() const;
    std::vector<ProgressionRecord> Progression() const;
    void Open(std::unique_ptr<QDialog> window);
    QImage EmptyChart() const;

    StatisticsSetup setup;
    bool started = false;
    bool totalStale = true;
    bool listStale = true;

    QTabWidget* pages = nullptr;
    QComboBox* gameBox = nullptr;
    QComboBox* playerBox = nullptr;
    QCheckBox* progressionBox = nullptr;
    // "Game" and "Total" pages
    WonLostWidgets gameWonLost, totalWonLost;
    ChanceWidgets gameChance, totalChance;
    QWidget* gameProgression = nullptr;
    QPushButton* gameZoom = nullptr;
    QWidget* totalProgression = nullptr;
    QPushButton* totalZoom = nullptr;
    // "List" page
    QComboBox* filterBox = nullptr;
    QTableWidget* listGrid = nullptr;
    QLabel* listCount = nullptr;
    QPushButton* playButton = nullptr;
};

}  // namespace jw
