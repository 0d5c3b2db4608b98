// The pauses of the animations. An animation runs inside the event that
// started it, but the window must keep painting meanwhile: a pause first
// shows what has been drawn since the last one, then waits with the event
// loop running. The player's input that arrives meanwhile is dropped, not
// kept for later: a burst of clicks while the cards fly would otherwise be
// played against the table the flight leaves behind.
#pragma once

#include <QRect>
#include <functional>

#include "ui/input_discarder.h"

class QWidget;

class AnimationClock {
 public:
  explicit AnimationClock(QWidget& view) : view_(view) {}

  // The short pause that paces the flights and the deal ("1 ms" where the
  // game asks for the shortest sleep). The system sleep it was tuned on took
  // several milliseconds for that; a tick lasts 5 ms, so cards cross the
  // table in a fraction of a second at the middle speed.
  static constexpr int kTickMs = 5;

  // Parts of the table drawn since the last pause, shown at the next one.
  void Touch(const QRect& area) { dirty_ |= area; }
  // The animations draw in table units; the view shows them magnified when
  // the cards are scaled. The mapping gives the view pixels of an area.
  void SetViewMapping(std::function<QRect(const QRect&)> toView) { toView_ = std::move(toView); }
  QRect ViewArea(const QRect& table) const { return toView_ ? toView_(table) : table; }
  // Shows what was drawn, now.
  void Present();
  // Shows what was drawn and waits `milliseconds` (scaled), keeping the
  // window painted.
  void Pause(int milliseconds);
  void Tick() { Pause(kTickMs); }
  // The deal's short pauses of 1 or 2 "ms": that many ticks.
  void Ticks(int count) { Pause(count * kTickMs); }

  // 1 normally; 0 makes every pause only show the picture (tests).
  void SetScale(double scale) { scale_ = scale; }
  double Scale() const { return scale_; }
  // Called at every pause once the picture is shown (tests and the frame
  // benchmark look at the frames there).
  void SetFrameObserver(std::function<void()> observer) { observer_ = std::move(observer); }

 private:
  // Lets pending events through, the player's input only to be dropped.
  void LetEventsThrough();

  std::function<void()> observer_;
  std::function<QRect(const QRect&)> toView_;
  QWidget& view_;
  InputDiscarder discarder_;
  QRect dirty_;
  double scale_ = 1.0;
};
