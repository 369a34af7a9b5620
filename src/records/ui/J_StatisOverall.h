// The overall score windows: the standings of all players
// (TfrmJStatisOverall), one player's best games (TfrmJStatisOverallDetails)
// and the export code to publish (TfrmJStatisOverallInternet1).
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "records/OverallScore.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace jw {

// A link to `address`, or plain `text` when there is no address.
QLabel* WebLinkLabel(const std::string& address, const QString& text, QWidget* parent);

struct OverallWindowSetup {
    std::function<std::vector<OverallStanding>()> load;
    std::function<void()> clearValues;
    std::string webSite;    // empty: no links
    std::string champions;  // "[Program_sw] Champions:"
    char timeSeparator = ':';
};

class TfrmJStatisOverall : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmJStatisOverall(OverallWindowSetup setup, QWidget* parent = nullptr);

    // "&Details..." and "   &Publishing on the Web..." for the selected player.
    std::function<void(const OverallStanding&)> onDetails;
    std::function<void(const OverallStanding&)> onPublish;

    void Reload();
    void ClearValues();
    QTableWidget* Grid() const { return grid; }
    QPushButton* DetailsButton() const { return detailsButton; }
    QPushButton* PublishButton() const { return publishButton; }
    const std::vector<OverallStanding>& Standings() const { return standings; }

  private:
    const OverallStanding* Selected() const;
    void Enable();

    OverallWindowSetup setup;
    std::vector<OverallStanding> standings;
    QTableWidget* grid = nullptr;
    QPushButton* detailsButton = nullptr;
    QPushButton* publishButton = nullptr;
};

class TfrmJStatisOverallDetails : public QDialog {
    Q_OBJECT
  public:
    // `play` starts a game for the player and tells whether it started.
    TfrmJStatisOverallDetails(const std::string& player, const OverallDetails& details,
                              char timeSeparator, std::function<bool(GameId)> play,
                              QWidget* parent = nullptr);

    QTableWidget* Grid() const { return grid; }
    QString OverallScoreText() const;
    QString OverallTimeText() const;
    // "&Play this game" for the selected row; whether a game started.
    bool PlaySelected();

  private:
    std::vector<GameId> ids;
    std::function<bool(GameId)> play;
    QTableWidget* grid = nullptr;
    QLabel* totalScore = nullptr;
    QLabel* totalTime = nullptr;
};

class TfrmJStatisOverallInternet1 : public QDialog {
    Q_OBJECT
  public:
    TfrmJStatisOverallInternet1(const std::string& exportCode, const std::string& webSite,
                                QWidget* parent = nullptr);
    QLineEdit* Code() const { return code; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* code = nullptr;
};

}  // namespace jw
