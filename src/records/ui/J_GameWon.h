// TfrmJGameWon: after a won game, the player's totals in that game with the
// won/lost pie, and the next step: a new deal, another game, a restart, a
// random game, a game number or the statistics.
#pragma once

#include <QDialog>
#include <QIcon>
#include <array>
#include <functional>

#include "records/GameWonView.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QToolButton;

namespace jw {

class WonLostPie;

enum class GameWonChoice { New, Open, Restart, Random, Select, Close };

class TfrmJGameWon : public QDialog {
    Q_OBJECT
  public:
    // `icons`: New, Open, Restart, Random, Select, Stats.
    TfrmJGameWon(const std::array<QIcon, 6>& icons, const QImage& emptyChart,
                 QWidget* parent = nullptr);

    // The figures to show; asked again after the statistics window.
    std::function<GameWonFigures()> figures;
    // "Stats": the statistics window of the game.
    std::function<void()> showStatistics;

    // Shows the figures afresh and clears the last choice.
    void Refresh();
    GameWonChoice Choice() const { return choice; }

    // The bar's buttons by their captions: "New", "Open", "Restart",
    // "Random", "Select", "Stats"; and "Close".
    QAbstractButton* Button(const QString& caption) const;
    QString WonText() const;
    QString LostText() const;
    QString TotalText() const;
    QString WonPercentText() const;
    QString LostPercentText() const;
    bool PieShown() const;
    QString GroupCaption() const;

  private:
    void Choose(GameWonChoice chosen);

    GameWonChoice choice = GameWonChoice::Close;
    QGroupBox* group = nullptr;
    std::array<QLabel*, 3> counts{};
    std::array<QLabel*, 3> percents{};
    WonLostPie* pie = nullptr;
};

}  // namespace jw
