// The main window as the dialog tests open it: a first start (or the stored
// values given), dealt from a seed, nobody to answer message boxes.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <utility>

#include "ui/main_window.h"

inline QSettings StoredSettings(const Edition& e = Edition285()) {
  return {QSettings::IniFormat, QSettings::UserScope, "Software",
          QString::fromUtf8(e.settingsKey.data(), e.settingsKey.size())};
}

// The game of QuietStart is the stored one too, so that a re-reading of the
// settings keeps it.
inline void StartFrom(std::initializer_list<std::pair<const char*, int>> values,
                      const Edition& e = Edition285()) {
  QSettings settings = StoredSettings(e);
  settings.clear();
  settings.setValue("VidG", 0);
  settings.setValue("FormG", 1);
  for (const auto& [name, value] : values) settings.setValue(name, value);
  settings.sync();
}

inline int StoredValue(const char* name, const Edition& e = Edition285()) {
  QSettings settings = StoredSettings(e);
  return settings.value(name).toInt();
}

inline StartOptions QuietStart(int vidg = 0, int formg = 1, int64_t seed = 5) {
  StartOptions o;
  o.screenshot = true;  // nobody answers message boxes here
  o.file = "unused.png";
  o.game = std::make_pair(vidg, formg);
  o.seed = seed;
  o.size = std::make_pair(800, 600);
  return o;
}

inline QAction* MenuItem(TForm1& w, const char* name) {
  return w.findChild<QAction*>(QString::fromUtf8(name));
}

// Does `open`, which should open a dialog, and once the dialog is up hands
// it to `act`, which closes it. Returns whether a dialog came up.
inline bool WithDialogOpenedBy(const std::function<void()>& open,
                               const std::function<void(QDialog&)>& act) {
  bool seen = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    poll.stop();
    seen = true;
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  poll.start();
  open();
  poll.stop();
  return seen;
}

// The same for a menu item.
inline bool WithDialogOf(TForm1& w, const char* item, const std::function<void(QDialog&)>& act) {
  return WithDialogOpenedBy([&] { MenuItem(w, item)->trigger(); }, act);
}
