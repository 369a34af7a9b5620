#include "shell/ui/FocusKeeper.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace jw {

FocusKeeper::FocusKeeper(QWidget* gameWindow) : QObject(gameWindow), gameWindow(gameWindow) {
    qApp->installEventFilter(this);
}

FocusKeeper::~FocusKeeper() {
    qApp->removeEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide) {
        const auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isWindow() && dialog->isModal()) {
            // After the dialog has gone and its own focus handling is done.
            QTimer::singleShot(0, this, [this] { GiveFocusBack(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusKeeper::GiveFocusBack() {
    if (gameWindow == nullptr || !gameWindow->isVisible() || QApplication::activeModalWidget()) {
        return;
    }
    gameWindow->activateWindow();
    gameWindow->raise();
    if (QWidget* focus = gameWindow->focusWidget()) {
        focus->setFocus(Qt::ActiveWindowFocusReason);
    } else {
        gameWindow->setFocus(Qt::ActiveWindowFocusReason);
    }
}

}  // namespace jw
