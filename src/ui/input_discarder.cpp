#include "ui/input_discarder.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool IsPlayersInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

}  // namespace

void InputDiscarder::Acquire() {
  if (users_++ == 0) QCoreApplication::instance()->installEventFilter(this);
}

void InputDiscarder::Release() {
  if (--users_ == 0) QCoreApplication::instance()->removeEventFilter(this);
}

bool InputDiscarder::eventFilter(QObject* watched, QEvent* event) {
  // A shortcut is asked first whether the focus takes the key itself: say
  // yes, so that no menu command runs; the key itself is dropped next.
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::Shortcut) {
    event->accept();
    return true;
  }
  // Only the widgets' own events: the window below them keeps its account
  // of buttons and focus.
  return watched->isWidgetType() && IsPlayersInput(event->type());
}
