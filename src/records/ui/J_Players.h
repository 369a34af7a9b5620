// The players window ("Players") and its name editor ("Add a player" /
// "Edit a player"). Both only show a PlayersSession and pass the player's
// clicks and keys on to it.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "records/Players.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace jw {

class Host;
class SettingsStore;

class TfrmJPlayers2 : public QDialog {
    Q_OBJECT
  public:
    TfrmJPlayers2(PlayerEditorMode mode, const std::string& initial, QWidget* parent = nullptr);

    std::string Name() const;
    QLineEdit* NameEdit() const { return edtOperatore; }

  private:
    QLineEdit* edtOperatore = nullptr;
};

class TfrmJPlayers : public QDialog {
    Q_OBJECT
  public:
    // `hooks.editName` is supplied by the window itself.
    TfrmJPlayers(SettingsStore& settings, Host& host, PlayersHooks hooks,
                 const std::string& currentPlayer, QWidget* parent = nullptr);
    ~TfrmJPlayers() override;

    // Plays the player in the name editor instead of a modal loop (tests):
    // the editor is shown and handed over; it counts as accepted when the
    // answerer leaves it accepted.
    std::function<void(TfrmJPlayers2&)> editorAnswerer;

    const PlayersSession& Session() const { return *session; }
    QListWidget* List() const { return lboOperatori; }
    QToolButton* NewButton() const { return tbNew; }
    QToolButton* EditButton() const { return tbEdit; }
    QToolButton* DeleteButton() const { return tbDelete; }
    QPushButton* SelectButton() const { return btnOK; }
    QPushButton* CancelButton() const { return btnAnnulla; }
    QLabel* WorkingLabel() const { return lblRename1; }
    QLabel* CountLabel() const { return lblRename2; }

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::optional<std::string> RunEditor(PlayerEditorMode mode, const std::string& initial);
    void FillList();
    void UpdateButtons();
    void Run(bool (PlayersSession::*action)());

    std::unique_ptr<PlayersSession> session;
    QListWidget* lboOperatori = nullptr;
    QToolButton* tbNew = nullptr;
    QToolButton* tbEdit = nullptr;
    QToolButton* tbDelete = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAnnulla = nullptr;
    QLabel* lblRename1 = nullptr;
    QLabel* lblRename2 = nullptr;
    bool filling = false;
};

}  // namespace jw
