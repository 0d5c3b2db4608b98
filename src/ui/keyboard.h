// The window's side of the keyboard shortcuts: Qt's key presses turned into
// the handler's keys, and an application-wide filter that sees every key
// before the menus and the controls do.
#pragma once

#include <QObject>
#include <functional>

#include "play/shortcuts.h"

class QKeyEvent;

ShortcutKey ShortcutKeyOf(const QKeyEvent& event);

class ShortcutFilter final : public QObject {
 public:
  // The handler answers whether it took the key (the control then never
  // sees it).
  using Handler = std::function<bool(QObject* receiver, QKeyEvent* event)>;
  ShortcutFilter(Handler handler, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};
