// The player's input that arrives while the program is busy showing
// something (cards flying, a sound playing to its end) is dropped, not kept
// for later: a burst of clicks during a flight would otherwise be played
// against the table the flight leaves behind.
#pragma once

#include <QObject>

// While acquired, an application-wide filter drops every mouse, key and
// shortcut event of the program's widgets; painting, timers, the network
// and the window system go on.
class InputDiscarder final : public QObject {
 public:
  // Nested users share one installation.
  void Acquire();
  void Release();
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int users_ = 0;
};

// Holds the discarder acquired for as long as it lives.
class DiscardingInput {
 public:
  explicit DiscardingInput(InputDiscarder& discarder) : discarder_(discarder) {
    discarder_.Acquire();
  }
  ~DiscardingInput() { discarder_.Release(); }
  DiscardingInput(const DiscardingInput&) = delete;
  DiscardingInput& operator=(const DiscardingInput&) = delete;

 private:
  InputDiscarder& discarder_;
};
