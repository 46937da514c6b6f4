#include "EventFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace ClientBase {

EventFilter::EventFilter(QObject* parent) : QObject(parent) {}

EventFilter::~EventFilter() = default;

bool EventFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int modifiers = static_cast<int>(key->modifiers());
        if (event->type() == QEvent::KeyPress) {
            Q_EMIT keyPressed(key->key(), modifiers, key->isAutoRepeat());
        } else {
            Q_EMIT keyReleased(key->key(), modifiers, key->isAutoRepeat());
        }
        break;
    }
    case QEvent::MouseButtonPress:
        Q_EMIT mouseButtonPressed(static_cast<QMouseEvent*>(event)->localPos(),
                                  static_cast<int>(static_cast<QMouseEvent*>(event)->button()));
        break;
    case QEvent::MouseButtonRelease:
        Q_EMIT mouseButtonReleased(static_cast<QMouseEvent*>(event)->localPos(),
                                   static_cast<int>(static_cast<QMouseEvent*>(event)->button()));
        break;
    case QEvent::MouseButtonDblClick:
        Q_EMIT mouseButtonDblClick(static_cast<QMouseEvent*>(event)->localPos(),
                                   static_cast<int>(static_cast<QMouseEvent*>(event)->button()));
        break;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Q_EMIT mouseMove(mouse->screenPos(), mouse->localPos());
        break;
    }
    case QEvent::FocusOut:
        Q_EMIT focusOut();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ClientBase
