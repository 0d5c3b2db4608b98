// The player's hand under the pointer: the fans of the card games, the
// thirteen overlapping cards of Hearts and the cards of Memory.
#include <gtest/gtest.h>

#include "patience/hit_test.h"
#include "table/layout.h"
#include "test_game.h"

namespace {

struct Window {
  int w, h, ch;
};
constexpr Window kSmall{635, 475, 429};
constexpr Window kMedium{1000, 700, 654};
constexpr Window kLarge{1600, 1000, 954};

struct HandTable : TestGame {
  explicit HandTable(Window win, int vidg = 0) {
    Select(vidg, 1);
    LayoutTable(g, WindowGeometry{win.w, win.h, win.ch});
  }
  // n cards in the player's hand, as counted after every move.
  void Hand(int n) {
    for (auto& c : g.t.CardGrid[1]) c.Present = 0;
    for (int s = 0; s < n; ++s) g.t.PutCard(1, s, C(s % 4, s / 4 % 13));
    g.t.RowCount[1] = n;
  }
  int32_t At(int32_t x, int32_t y) { return HitTest(g.t, g.kind(), x, y).index; }
  int32_t Left(int n, int c) const { return HandCardX(g.t, n, c); }
  int32_t Top() const { return g.t.PlayerHandY; }
};

TEST(HandHitTest, TheSmallestWindowFansSixCardsWithGapsBetweenThem) {
  HandTable t(kSmall);
  t.Hand(6);
  // 635 wide: the six-card fan starts at 76 and steps 79; the hand's top is
  // (429 - 292 - 115) / 3 + 292 + 2 = 301.
  ASSERT_EQ(t.Top(), 301);
  EXPECT_EQ(t.At(77, 350), 0);
  EXPECT_EQ(t.At(76, 350), -1) << "the left edge itself is outside";
  EXPECT_EQ(t.At(146, 350), 0);
  EXPECT_EQ(t.At(147, 350), -1) << "a card is 71 wide";
  EXPECT_EQ(t.At(150, 350), -1) << "the gap between two cards hits nothing";
  EXPECT_EQ(t.At(156, 350), 1);
  EXPECT_EQ(t.At(77, 302), 0);
  EXPECT_EQ(t.At(77, 301), -1);
  EXPECT_EQ(t.At(77, 400), 0) << "the hand answers 100 pixels down, not 96";
  EXPECT_EQ(t.At(77, 401), -1);
}

TEST(HandHitTest, EveryCardOfEveryFanAnswersOverItsUncoveredStrip) {
  for (Window win : {kSmall, kMedium, kLarge}) {
    HandTable t(win);
    for (int n : {1, 3, 6, 8, 9, 14, 20, 36, 52}) {
      t.Hand(n);
      const THandGeometry fan = HandFan(t.g.t, n);
      ASSERT_GT(fan.step, 0);
      const int32_t y = t.Top() + 50;
      for (int c = 0; c < n; ++c) {
        const int32_t left = t.Left(n, c);
        const bool whole = fan.step >= 71 || c == n - 1;
        const int32_t visible = whole ? 71 : fan.step;
        SCOPED_TRACE(testing::Message() << win.w << " wide, " << n << " cards, card " << c);
        EXPECT_EQ(t.At(left + 1, y), c);
        EXPECT_EQ(t.At(left + visible - 1, y), c);
        EXPECT_EQ(t.At(left, y), -1) << "edges belong to no card";
        if (!whole) {
          EXPECT_EQ(t.At(left + visible, y), -1);
        }
      }
      EXPECT_EQ(t.At(t.Left(n, n - 1) + 71, y), -1) << "right of the hand";
      EXPECT_EQ(t.At(t.Left(n, 0) + 10, t.Top() - 5), -1) << "above the hand";
    }
  }
}

TEST(HandHitTest, WhereCardsOverlapTheLaterCardWins) {
  HandTable t(kMedium);
  t.Hand(20);
  // 1000 wide, twenty cards: x0 = 1000000 / 80000 = 12, step 1000000 / 24000 = 41.
  ASSERT_EQ(HandFan(t.g.t, 20).x0, 12);
  ASSERT_EQ(HandFan(t.g.t, 20).step, 41);
  const int32_t y = t.Top() + 40;
  // x 190 lies on the pictures of card 3 (135..205) and card 4 (176..246).
  EXPECT_EQ(t.At(190, y), 4);
  EXPECT_EQ(t.At(175, y), 3);
  EXPECT_EQ(t.At(176, y), -1) << "the seam between two cards";
  // The last card shows whole: 12 + 19 * 41 = 791 .. 861.
  EXPECT_EQ(t.At(860, y), 19);
  EXPECT_EQ(t.At(862, y), -1);
}

TEST(HandHitTest, AHitNamesTheCardAndShowsTheHandLeavingRowAndSlotAlone) {
  HandTable t(kLarge, 6);  // Eights
  t.Hand(7);
  t.g.t.HitRow = 4;
  t.g.t.HitSlot = 9;
  const HitResult hit = HitTest(t.g.t, t.g.kind(), t.Left(7, 2) + 5, t.Top() + 5);
  EXPECT_EQ(hit.index, 2);
  EXPECT_EQ(hit.pointer, PointerShape::Hand);
  EXPECT_EQ(t.g.t.HitIndex, 2);
  EXPECT_EQ(t.g.t.HitRow, 4);
  EXPECT_EQ(t.g.t.HitSlot, 9);
}

TEST(HandHitTest, AMissClearsTheSelectionAndShowsTheArrow) {
  HandTable t(kMedium);
  t.Hand(6);
  t.g.t.HitIndex = 3;
  t.g.t.HitRow = t.g.t.HitSlot = 2;
  const HitResult hit = HitTest(t.g.t, t.g.kind(), 2, 2);
  EXPECT_EQ(hit.index, -1);
  EXPECT_EQ(hit.pointer, PointerShape::Arrow);
  EXPECT_EQ(t.g.t.HitIndex, -1);
  EXPECT_EQ(t.g.t.HitRow, -1);
  EXPECT_EQ(t.g.t.HitSlot, -1);
}

TEST(HandHitTest, AnEmptyHandHitsNothing) {
  HandTable t(kSmall);
  t.Hand(0);
  EXPECT_EQ(t.At(t.Left(0, 0) + 5, t.Top() + 5), -1);
}

// --- Hearts -----------------------------------------------------------------

struct HeartsTable : HandTable {
  HeartsTable() : HandTable(kMedium, 23) {
    for (int s = 0; s < 13; ++s) g.t.PutCard(0, s, C(s % 4, s));
  }
  int32_t X(int s) const { return g.t.CardX[0][s]; }
  int32_t Y(int s) const { return g.t.CardY[0][s]; }
};

TEST(HeartsHitTest, EachCardAnswersOverTheFifteenPixelsThatShow) {
  HeartsTable t;
  for (int s = 0; s < 12; ++s) {
    EXPECT_EQ(t.At(t.X(s) + 1, t.Y(s) + 50), s);
    EXPECT_EQ(t.At(t.X(s) + 14, t.Y(s) + 50), s);
    EXPECT_EQ(t.At(t.X(s) + 15, t.Y(s) + 50), -1) << "the seam";
  }
  EXPECT_EQ(t.At(t.X(12) + 70, t.Y(12) + 50), 12) << "the last card shows whole";
  EXPECT_EQ(t.At(t.X(12) + 71, t.Y(12) + 50), -1);
}

TEST(HeartsHitTest, AGapUncoversMoreOfTheCardBeforeIt) {
  HeartsTable t;
  t.g.t.CardGrid[0][5].Present = 0;
  // Card 4 shows up to card 6, two steps to its right.
  EXPECT_EQ(t.At(t.X(4) + 29, t.Y(4) + 50), 4);
  EXPECT_EQ(t.At(t.X(4) + 31, t.Y(4) + 50), 6);
  t.g.t.CardGrid[0][6].Present = 0;
  EXPECT_EQ(t.At(t.X(4) + 44, t.Y(4) + 50), 4);
  EXPECT_EQ(t.At(t.X(4) + 46, t.Y(4) + 50), 7);
}

// The hand closes up after every trick, so its last card moves left slot by
// slot; it answers over all of its face whatever the size of the hand.
TEST(HeartsHitTest, TheLastCardOfAnyHandAnswersOverItsWholeFace) {
  for (int cards = 1; cards <= 13; ++cards) {
    HeartsTable t;
    for (int s = cards; s < 13; ++s) t.g.t.CardGrid[0][s].Present = 0;
    const int last = cards - 1;
    EXPECT_EQ(t.At(t.X(last) + 70, t.Y(last) + 50), last) << cards << " cards";
    EXPECT_EQ(t.At(t.X(last) + 71, t.Y(last) + 50), -1) << cards << " cards";
  }
}

TEST(HeartsHitTest, AHitNamesTheSlotAndLeavesTheRowAlone) {
  HeartsTable t;
  t.g.t.HitRow = 7;
  EXPECT_EQ(t.At(t.X(3) + 3, t.Y(3) + 3), 3);
  EXPECT_EQ(t.g.t.HitSlot, 3);
  EXPECT_EQ(t.g.t.HitRow, 7);
}

// --- Memory -----------------------------------------------------------------

struct MemoryTable : HandTable {
  explicit MemoryTable(Window win, int vidg, int cards) : HandTable(win, vidg) {
    for (int s = 0; s < cards; ++s) g.t.PutCard(0, s, C(s % 4, s / 4));
  }
  int32_t X(int s) const { return g.t.CardX[0][s]; }
  int32_t Y(int s) const { return g.t.CardY[0][s]; }
};

TEST(MemoryHitTest, ACardAnswers71WideAnd97High) {
  MemoryTable t(kMedium, 24, 36);
  for (int s : {0, 8, 9, 35}) {
    EXPECT_EQ(t.At(t.X(s) + 1, t.Y(s) + 1), s);
    EXPECT_EQ(t.At(t.X(s) + 70, t.Y(s) + 96), s) << "one pixel taller than the card";
    EXPECT_EQ(t.At(t.X(s) + 71, t.Y(s) + 50), -1);
    EXPECT_EQ(t.At(t.X(s) + 30, t.Y(s) + 97), -1);
    EXPECT_EQ(t.g.t.HitSlot, -1);
  }
  t.At(t.X(20) + 5, t.Y(20) + 5);
  EXPECT_EQ(t.g.t.HitSlot, 20);
  EXPECT_EQ(t.g.t.HitIndex, 20);
}

TEST(MemoryHitTest, ATakenPairLeavesAHole) {
  MemoryTable t(kLarge, 25, 52);
  t.g.t.CardGrid[0][13].Present = 0;
  EXPECT_EQ(t.At(t.X(13) + 30, t.Y(13) + 30), -1);
  EXPECT_EQ(t.At(t.X(51) + 30, t.Y(51) + 30), 51);
}

TEST(MemoryHitTest, TheOlderEditionsMemoryIsItsVidG21) {
  TestGame t(1, Edition284());
  t.Select(21, 1);
  LayoutTable(t.g, WindowGeometry{1000, 700, 654});
  for (int s = 0; s < 36; ++s) t.g.t.PutCard(0, s, C(s % 4, s / 4));
  EXPECT_EQ(HitTest(t.g.t, t.g.kind(), t.g.t.CardX[0][10] + 5, t.g.t.CardY[0][10] + 5).index, 10);
}

}  // namespace
