#include "ui/keyboard.h"

#include <QKeyEvent>
#include <utility>

ShortcutKey ShortcutKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  // Alt belongs to the menus (mnemonics, Alt+F4).
  if (modifiers & Qt::AltModifier) return ShortcutKey::None;
  const bool keypad = modifiers & Qt::KeypadModifier;
  switch (event.key()) {
    case Qt::Key_F1:
      return ShortcutKey::F1;
    case Qt::Key_F7:
      return ShortcutKey::F7;
    case Qt::Key_F8:
      return ShortcutKey::F8;
    case Qt::Key_F9:
      return ShortcutKey::F9;
    case Qt::Key_F11:
      return ShortcutKey::F11;
    case Qt::Key_F12:
      return ShortcutKey::F12;
    // Only the main keyboard's minus and equals keys sort the hand.
    case Qt::Key_Minus:
      return keypad ? ShortcutKey::Other : ShortcutKey::Minus;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return keypad ? ShortcutKey::Other : ShortcutKey::Plus;
    case Qt::Key_Escape:
      return ShortcutKey::Escape;
    case Qt::Key_Left:
      return ShortcutKey::Left;
    case Qt::Key_Right:
      return ShortcutKey::Right;
    case Qt::Key_Up:
      return ShortcutKey::Up;
    case Qt::Key_Down:
      return ShortcutKey::Down;
    case Qt::Key_Control:
      return ShortcutKey::Ctrl;
    case Qt::Key_End:
      return ShortcutKey::End;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ShortcutKey::Enter;
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_F10:  // opens the menu bar
      return ShortcutKey::None;
    default:
      return ShortcutKey::Other;
  }
}

ShortcutFilter::ShortcutFilter(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

bool ShortcutFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  return handler_(watched, static_cast<QKeyEvent*>(event));
}
