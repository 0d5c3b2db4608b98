#include "table/flight_path.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int32_t kMaxHalvings = 20;
// The lockstep finish never takes more rounds than this in one flight.
constexpr int32_t kMaxLockstepRounds = 299;
constexpr int32_t kSlowest = 10;

int32_t Toward(int32_t from, int32_t to) {
  return from < to ? 1 : from > to ? -1 : 0;
}

class PathWriter {
 public:
  PathWriter(int32_t x, int32_t y, std::vector<FlightEvent>& out) : x_(x), y_(y), out_(out) {}

  int32_t x() const { return x_; }
  int32_t y() const { return y_; }

  void Step(StepDir dir) { out_.push_back({FlightEvent::Kind::Step, x_, y_, dir}); }
  void Drop() { out_.push_back({FlightEvent::Kind::Drop, x_, y_, StepDir::InPlace}); }
  void Point() { out_.push_back({FlightEvent::Kind::Point, x_, y_, StepDir::InPlace}); }
  // A staircase step: drawn, lowering the budget, then one pixel on while
  // the target is not reached.
  void StairStep(StepDir dir, int32_t& coordinate, int32_t target) {
    Step(dir);
    Drop();
    coordinate += Toward(coordinate, target);
  }
  void StairStepX(StepDir dir, int32_t target) { StairStep(dir, x_, target); }
  void StairStepY(StepDir dir, int32_t target) { StairStep(dir, y_, target); }
  void Settle(StepDir dir) {
    Step(dir);
    Drop();
  }
  // Straight on to `target` along x (or y), a pacing point after every step.
  void RunX(int32_t target) {
    const StepDir dir = x_ >= target ? StepDir::Left : StepDir::Right;
    for (;;) {
      Step(dir);
      Point();
      if (x_ == target) break;
      x_ += Toward(x_, target);
    }
  }
  void RunY(int32_t target) {
    const StepDir dir = y_ >= target ? StepDir::Up : StepDir::Down;
    for (;;) {
      Step(dir);
      Point();
      if (y_ == target) break;
      y_ += Toward(y_, target);
    }
  }

 private:
  int32_t x_, y_;
  std::vector<FlightEvent>& out_;
};

void Staircase(PathWriter& w, int32_t toX, int32_t toY, FlightRuns runs) {
  const StepDir h = w.x() >= toX ? StepDir::Left : StepDir::Right;
  const StepDir v = w.y() >= toY ? StepDir::Up : StepDir::Down;
  // One pixel between the rows halves to a tread of no height, which would
  // never reach the row: climb it one pixel at a time instead.
  const int32_t rise = std::max(runs.vertical, 1);
  int32_t lockstep = 0;
  while (w.y() != toY) {
    for (int32_t i = 0; i < rise; ++i) w.StairStepY(v, toY);
    w.Settle(v);
    for (int32_t i = 0; i < runs.horizontal; ++i) w.StairStepX(h, toX);
    w.Settle(h);
    if (std::abs(toY - w.y()) < rise) {
      while ((w.x() != toX || w.y() != toY) && lockstep < kMaxLockstepRounds) {
        w.StairStepX(h, toX);
        w.Settle(h);
        w.StairStepY(v, toY);
        w.Settle(v);
        w.Point();
        ++lockstep;
      }
    }
    w.Point();
  }
}

}  // namespace

FlightRuns FlightRatio(int32_t dx, int32_t dy) {
  for (int32_t i = 0; i < kMaxHalvings; ++i) {
    if (dx / 2 == 1 || dy / 2 == 1) break;
    dx /= 2;
    dy /= 2;
  }
  return {dx, dy};
}

std::vector<FlightEvent> StraightPath(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
  std::vector<FlightEvent> out;
  PathWriter w(fromX, fromY, out);
  if (fromY == toY) {
    w.RunX(toX);
  } else {
    w.RunY(toY);
    if (w.x() != toX) w.RunX(toX);
  }
  return out;
}

std::vector<FlightEvent> FlightPath(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
  if (fromY == toY || fromX == toX) return StraightPath(fromX, fromY, toX, toY);
  std::vector<FlightEvent> out;
  PathWriter w(fromX, fromY, out);
  Staircase(w, toX, toY, FlightRatio(std::abs(toX - fromX), std::abs(toY - fromY)));
  // The lockstep rounds are limited; whatever is left of the way across is
  // travelled straight, so every flight ends where it was sent.
  if (w.x() != toX) w.RunX(toX);
  return out;
}

FlightPacer::FlightPacer(int32_t speed, int32_t restart)
    : restart_(std::max(restart, 1)), budget_(ClampSpeed(speed)) {}

bool FlightPacer::Point() {
  bool pause = false;
  if (budget_ < 1) {
    pause = true;
    budget_ = restart_;
  }
  budget_ -= 1;
  return pause;
}

int32_t ClampSpeed(int32_t speed) {
  return std::max(speed, kSlowest);
}

int32_t PausesOf(const std::vector<FlightEvent>& path, int32_t speed) {
  FlightPacer pacer(ClampSpeed(speed));
  int32_t pauses = 0;
  for (const FlightEvent& e : path) {
    if (e.kind == FlightEvent::Kind::Drop) pacer.Drop();
    if (e.kind == FlightEvent::Kind::Point && pacer.Point()) ++pauses;
  }
  return pauses;
}

std::vector<FlipFrame> FlipFrames(int32_t squeezeLast, int32_t growFirst) {
  std::vector<FlipFrame> frames;
  for (int32_t i = 0; i <= squeezeLast; ++i) frames.push_back({i, false});
  for (int32_t n = growFirst; n >= 0; --n) frames.push_back({n, true});
  return frames;
}
