// The game information window (" Game info"): a small tool window on top of
// the main window with the six counts of the running game.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "layouts/InfoWindows.h"

class QLabel;

namespace jw {

class TfrmJInfoGame : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmJInfoGame(QWidget* mainWindow);

    // Shows the numbers (empty texts leave the labels empty).
    void SetNumbers(const std::array<std::string, kGameInfoLines>& texts);
    QString Number(int line) const;
    // The small icons in front of the captions, top to bottom.
    void SetIcons(const std::array<QPixmap, kGameInfoLines>& icons);

    // The player closed the window (the program itself only hides it).
    std::function<void()> onClosedByUser;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::array<QLabel*, kGameInfoLines> numbers{};
    std::array<QLabel*, kGameInfoLines> icons{};
};

}  // namespace jw
