// How a card travels across the table: one pixel at a time, so that only the
// single line of table it has just uncovered needs restoring after each
// step. A flight between two points on one row or column is a straight run;
// any other flight climbs a staircase whose treads keep the ratio of the
// horizontal to the vertical distance, and finishes in lockstep once the
// rows are nearly reached. Nothing here draws: the window walks the steps.
//
// Pacing: every flight keeps a budget that starts at "Speed" (10 slow to 90
// fast). At a pacing point an exhausted budget costs a pause of one tick and
// is filled again; every step lowers it by one. So a straight flight pauses
// once every "Speed" pixels.
#pragma once

#include <cstdint>
#include <vector>

// The direction a step moves in, which tells which trailing line the card
// uncovered. InPlace draws the card and restores nothing.
enum class StepDir : int32_t { Left = 0, Right = 1, Up = 2, Down = 3, InPlace = 4 };

struct FlightEvent {
  enum class Kind : uint8_t {
    Step,   // draw the card at (x, y) and restore the line behind it
    Drop,   // lower the budget without a chance to pause
    Point,  // a pacing point: pause if the budget is spent, then lower it
  };
  Kind kind = Kind::Step;
  int32_t x = 0, y = 0;
  StepDir dir = StepDir::InPlace;
};

// The treads of the staircase: both distances halved together (at most 20
// times) until either would halve to 1. 300 x 120 gives 9 x 3.
struct FlightRuns {
  int32_t horizontal = 0;
  int32_t vertical = 0;
};
FlightRuns FlightRatio(int32_t dx, int32_t dy);

// Every event of the flight from (fromX, fromY) to (toX, toY). The last step
// always lies at the target, also when the staircase would not get there on
// its own (a single pixel between the rows with a long way across).
std::vector<FlightEvent> FlightPath(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);

// A straight slide of `pixels + 1` steps along one row (dir Left or Right)
// or one column, ending at `to`; used where a card leaves the table.
std::vector<FlightEvent> StraightPath(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);

// The pacing budget. `restart` is what the budget is filled with after a
// pause (the card flips restart at half of "Speed").
class FlightPacer {
 public:
  explicit FlightPacer(int32_t speed) : FlightPacer(speed, speed) {}
  FlightPacer(int32_t speed, int32_t restart);

  // A pacing point: true when a pause is due now.
  bool Point();
  void Drop() { budget_ -= 1; }

 private:
  int32_t restart_;
  int32_t budget_;
};

// "Speed" kept from falling below the slider's slowest value, so a damaged
// value cannot make a flight pause after every pixel. Faster values are
// kept: the end of the guessing game throws its cards fifty times faster.
int32_t ClampSpeed(int32_t speed);

// How many pauses a whole flight makes at `speed`.
int32_t PausesOf(const std::vector<FlightEvent>& path, int32_t speed);

// Turning a card over: the old picture squeezes in by one pixel a frame
// (insets 0 to squeezeLast), then the new one grows out (insets growFirst
// down to 0). A whole card squeezes from both sides to 35 and grows from 35;
// the visible strip of an overlapped card squeezes from its left edge.
struct FlipFrame {
  int32_t inset = 0;
  bool growing = false;  // drawing the new picture
};
std::vector<FlipFrame> FlipFrames(int32_t squeezeLast, int32_t growFirst);
constexpr int32_t kFlipHalf = 35;
