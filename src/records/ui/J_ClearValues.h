// The clearing windows: TfrmJClearValues (everything, or one kind of
// values), TfrmJStatisDelete (statistics or hi-scores by player and game)
// and TfrmJStatisDeleteLog (trim or empty the log). Each is modal and built
// anew when opened.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "engine/GameCatalog.h"
#include "platform/Host.h"
#include "records/ClearValues.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace jw {

class Recorder;

// What the clearing windows work on.
struct ClearContext {
    Recorder* recorder = nullptr;
    std::vector<std::string> players;  // the listed players
    std::string currentPlayer;
    GameId currentGame = -1;
    std::vector<std::string> gameNames;  // every game and own layout
    std::function<GameId(const std::string&)> gameIdOf;
    // Plays the player in the windows this one opens (tests); each window
    // is shown and handed over, and what is left open is cancelled.
    std::function<void(QDialog&)> answerer;
};

// Opens a clearing window modally, or hands it to the context's answerer.
void RunClearWindow(QDialog& window, const ClearContext& context);

class TfrmJClearValues : public QDialog {
    Q_OBJECT
  public:
    TfrmJClearValues(Host& host, ClearContext context, QWidget* parent = nullptr);

    const ClearContext& Context() const { return context; }
    ClearChoice Choice() const;
    // Chooses "&All values" or "&Select values" with a list item.
    void Choose(ClearChoice choice);
    QString Description() const;
    void Ok();

  private:
    void Refresh();

    Host& host;
    ClearContext context;
    QRadioButton* allValues = nullptr;
    QRadioButton* selectValues = nullptr;
    QComboBox* kinds = nullptr;
    QLabel* description = nullptr;
};

class TfrmJStatisDelete : public QDialog {
    Q_OBJECT
  public:
    TfrmJStatisDelete(Host& host, ClearMode mode, ClearContext context, QWidget* parent = nullptr);

    QComboBox* Players() const { return players; }
    QComboBox* Games() const { return games; }
    void Ok();

  private:
    Host& host;
    ClearMode mode;
    ClearContext context;
    QComboBox* players = nullptr;
    QComboBox* games = nullptr;
};

class TfrmJStatisDeleteLog : public QDialog {
    Q_OBJECT
  public:
    TfrmJStatisDeleteLog(Host& host, ClearContext context, QWidget* parent = nullptr);

    QSpinBox* Keep() const { return keep; }
    QPushButton* OkButton() const { return ok; }
    std::size_t Records() const { return records; }
    void Ok();
    void ClearAllLog();

  protected:
    void done(int result) override;

  private:
    Host& host;
    ClearContext context;
    std::size_t records = 0;
    QSpinBox* keep = nullptr;
    QPushButton* ok = nullptr;
};

}  // namespace jw
