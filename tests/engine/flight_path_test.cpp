// A card's flight across the table: where its steps fall, that it leaves no
// trace behind, that it always arrives, and how often it pauses.
#include "table/flight_path.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = FlightEvent::Kind;

std::vector<FlightEvent> Steps(const std::vector<FlightEvent>& path) {
  std::vector<FlightEvent> steps;
  for (const FlightEvent& e : path) {
    if (e.kind == Kind::Step) steps.push_back(e);
  }
  return steps;
}

// A little table of cells: 0 is the scene, 1 the card. Each step draws the
// card and restores, from the scene, the one line it names behind the card,
// which is all the window does.
class Canvas {
 public:
  Canvas(int w, int h, int cardW, int cardH)
      : w_(w), h_(h), cw_(cardW), ch_(cardH), cells_(w * h, 0) {}

  void Walk(const std::vector<FlightEvent>& path) {
    for (const FlightEvent& e : Steps(path)) {
      Fill(e.x, e.y, cw_, ch_, 1);
      switch (e.dir) {
        case StepDir::Left:
          Fill(e.x + cw_, e.y, 1, ch_ + 1, 0);
          break;
        case StepDir::Right:
          Fill(e.x - 1, e.y, 1, ch_, 0);
          break;
        case StepDir::Up:
          Fill(e.x, e.y + ch_, cw_, 1, 0);
          break;
        case StepDir::Down:
          Fill(e.x, e.y - 1, cw_, 1, 0);
          break;
        case StepDir::InPlace:
          break;
      }
    }
  }
  // True when the only card cells are those of the card at (x, y).
  bool ShowsOnlyCardAt(int x, int y) const {
    for (int j = 0; j < h_; ++j) {
      for (int i = 0; i < w_; ++i) {
        const bool inside = i >= x && i < x + cw_ && j >= y && j < y + ch_;
        if (cells_[j * w_ + i] != (inside ? 1 : 0)) return false;
      }
    }
    return true;
  }

 private:
  void Fill(int x, int y, int w, int h, int value) {
    for (int j = y; j < y + h; ++j) {
      for (int i = x; i < x + w; ++i) {
        if (i >= 0 && i < w_ && j >= 0 && j < h_) cells_[j * w_ + i] = value;
      }
    }
  }
  int w_, h_, cw_, ch_;
  std::vector<int> cells_;
};

TEST(FlightRatio, HalvesBothDistancesUntilOneWouldHalveToOne) {
  const FlightRuns runs = FlightRatio(300, 120);
  EXPECT_EQ(runs.horizontal, 9);
  EXPECT_EQ(runs.vertical, 3);
  // 3 halves to 1 at once: nothing is halved.
  EXPECT_EQ(FlightRatio(3, 500).horizontal, 3);
  EXPECT_EQ(FlightRatio(3, 500).vertical, 500);
}

TEST(FlightPath, AFlightOfNoLengthDrawsTheCardOnceAtItsPlace) {
  const auto steps = Steps(FlightPath(40, 50, 40, 50));
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].x, 40);
  EXPECT_EQ(steps[0].y, 50);
}

TEST(FlightPath, AFlightAlongOneRowStepsEveryPixelInOneDirection) {
  const auto steps = Steps(FlightPath(300, 20, 100, 20));
  ASSERT_EQ(steps.size(), 201u);
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].y, 20);
    EXPECT_EQ(steps[i].x, 300 - static_cast<int>(i));
    EXPECT_EQ(steps[i].dir, StepDir::Left);
  }
}

TEST(FlightPath, AFlightAlongOneColumnNeverMovesSideways) {
  for (const FlightEvent& e : Steps(FlightPath(77, 10, 77, 400))) {
    EXPECT_EQ(e.x, 77);
    EXPECT_EQ(e.dir, StepDir::Down);
  }
  for (const FlightEvent& e : Steps(FlightPath(77, 400, 77, 10))) EXPECT_EQ(e.dir, StepDir::Up);
}

TEST(FlightPath, EveryStepMovesAtMostOnePixelTheWayItsDirectionSays) {
  const auto steps = Steps(FlightPath(500, 20, 30, 410));
  for (size_t i = 1; i < steps.size(); ++i) {
    const int dx = steps[i].x - steps[i - 1].x;
    const int dy = steps[i].y - steps[i - 1].y;
    ASSERT_LE(std::abs(dx) + std::abs(dy), 1) << "step " << i;
    if (dx < 0) {
      EXPECT_EQ(steps[i].dir, StepDir::Left);
    }
    if (dy > 0) {
      EXPECT_EQ(steps[i].dir, StepDir::Down);
    }
  }
}

TEST(FlightPath, EveryFlightEndsAtItsTarget) {
  const int targets[][4] = {{0, 0, 900, 1},     {900, 1, 0, 0},    {10, 300, 700, 299},
                            {0, 0, 1, 600},     {600, 600, 0, 0},  {0, 500, 1500, 0},
                            {1500, 0, 0, 760},  {0, 0, 1023, 512}, {20, 20, 23, 25},
                            {400, 100, 50, 102}};
  for (const auto& t : targets) {
    const auto steps = Steps(FlightPath(t[0], t[1], t[2], t[3]));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().x, t[2]) << t[0] << "," << t[1] << " -> " << t[2] << "," << t[3];
    EXPECT_EQ(steps.back().y, t[3]) << t[0] << "," << t[1] << " -> " << t[2] << "," << t[3];
  }
}

TEST(FlightPath, ACardLeavesNoTraceOfItsWayBehind) {
  const int flights[][4] = {{10, 10, 300, 200},  {300, 200, 10, 10},  {280, 15, 5, 190},
                            {5, 190, 280, 15},   {20, 100, 290, 101}, {150, 5, 151, 200},
                            {100, 100, 100, 100}};
  for (const auto& f : flights) {
    Canvas canvas(400, 320, 71, 96);
    canvas.Walk(FlightPath(f[0], f[1], f[2], f[3]));
    EXPECT_TRUE(canvas.ShowsOnlyCardAt(f[2], f[3]))
        << f[0] << "," << f[1] << " -> " << f[2] << "," << f[3];
  }
}

TEST(FlightPath, ASidewaysCardLeavesNoTraceEither) {
  Canvas canvas(400, 320, 96, 71);
  canvas.Walk(FlightPath(290, 200, 12, 30));
  EXPECT_TRUE(canvas.ShowsOnlyCardAt(12, 30));
}

TEST(FlightPacing, AStraightFlightPausesOncePerSpeedPixels) {
  // 900 pixels and the start: 901 steps.
  EXPECT_EQ(PausesOf(FlightPath(900, 0, 0, 0), 90), 10);
  EXPECT_EQ(PausesOf(FlightPath(900, 0, 0, 0), 10), 90);
}

TEST(FlightPacing, AStaircasePausesAboutAsOftenAsAStraightFlightOfItsSteps) {
  const auto path = FlightPath(0, 0, 600, 300);
  const int steps = static_cast<int>(Steps(path).size());
  const int pauses = PausesOf(path, 30);
  // A pause can only fall at the end of a tread, so a few are lost to the
  // treads' length; never more than one per "Speed" steps.
  EXPECT_GE(pauses, steps / 30 * 85 / 100);
  EXPECT_LE(pauses, steps / 30 + 1);
}

TEST(FlightPacing, ASpeedBelowTheSlowestIsTakenAsTheSlowest) {
  EXPECT_EQ(PausesOf(FlightPath(900, 0, 0, 0), 0), PausesOf(FlightPath(900, 0, 0, 0), 10));
}

TEST(FlightPacing, TheFlipRestartsAtHalfTheBudgetAfterAPause) {
  FlightPacer pacer(20, 10);
  int pauses = 0;
  for (int i = 0; i < 20 + 10 * 3; ++i) pauses += pacer.Point() ? 1 : 0;
  EXPECT_EQ(pauses, 3);
}

TEST(FlipFrames, AWholeCardSqueezesToItsMiddleAndGrowsBack) {
  const auto frames = FlipFrames(kFlipHalf, kFlipHalf);
  ASSERT_EQ(frames.size(), 72u);
  EXPECT_EQ(frames.front().inset, 0);
  EXPECT_FALSE(frames.front().growing);
  EXPECT_EQ(frames[35].inset, 35);
  EXPECT_EQ(frames[36].inset, 35);
  EXPECT_TRUE(frames[36].growing);
  EXPECT_EQ(frames.back().inset, 0);
}

}  // namespace
