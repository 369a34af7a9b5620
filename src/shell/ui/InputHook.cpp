#include "shell/ui/InputHook.h"

#include <QCoreApplication>
#include <QEvent>

namespace jw {

InputHook::InputHook(std::function<void()> onInputIn) : onInput(std::move(onInputIn)) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputHook::~InputHook() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputHook::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            if (!fired) {
                fired = true;
                onInput();
            }
            return true;
        case QEvent::MouseMove:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace jw
