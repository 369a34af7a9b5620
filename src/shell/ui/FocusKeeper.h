// Gives the keyboard back to the game window whenever a modal dialog over it
// closes, so that the game's keys (M, Ctrl+Q, Esc, ...) work at once again,
// also where no window manager moves the focus (as under Xvfb).
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace jw {

class FocusKeeper : public QObject {
    Q_OBJECT
  public:
    // Watches every dialog of the application on behalf of `gameWindow`.
    explicit FocusKeeper(QWidget* gameWindow);
    ~FocusKeeper() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void GiveFocusBack();

    QPointer<QWidget> gameWindow;
};

}  // namespace jw
