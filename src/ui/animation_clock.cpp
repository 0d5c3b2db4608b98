#include "ui/animation_clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <algorithm>

namespace {

// Waits are cut into slices this long so that paint and timer events are
// never kept waiting for long.
constexpr qint64 kSliceMs = 4;

}  // namespace

void AnimationClock::LetEventsThrough() {
  const DiscardingInput discarding(discarder_);
  QCoreApplication::processEvents();
}

void AnimationClock::Present() {
  if (dirty_.isEmpty()) return;
  if (view_.isVisible()) view_.repaint(ViewArea(dirty_));
  dirty_ = QRect();
}

void AnimationClock::Pause(int milliseconds) {
  const DiscardingInput discarding(discarder_);
  Present();
  if (observer_) observer_();
  LetEventsThrough();
  const qint64 wait = static_cast<qint64>(std::max(0, milliseconds) * scale_);
  if (wait <= 0) return;
  QElapsedTimer timer;
  timer.start();
  for (qint64 left = wait; left > 0; left = wait - timer.elapsed()) {
    QThread::usleep(static_cast<unsigned long>(std::min(left, kSliceMs) * 1000));
    LetEventsThrough();
  }
}
