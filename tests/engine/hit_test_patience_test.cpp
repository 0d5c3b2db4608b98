// The piles of the patience games under the pointer, on a 1000 x 700 window.
#include <gtest/gtest.h>

#include "core/new_game.h"
#include "patience/hit_test.h"
#include "table/layout.h"
#include "test_game.h"

namespace {

struct Patience : TestGame {
  explicit Patience(int vidg) {
    Select(vidg, 0);
    LayoutTable(g, WindowGeometry{1000, 700, 654});
    for (auto& row : g.t.CardGrid)
      for (TCard& c : row) c.Present = 0;
    for (auto& row : g.t.Opened) row.fill(0);
  }
  // n cards into the row from slot 0, the first `hidden` of them face down.
  Patience& Pile(int row, int n, int hidden = 0, int rank = 5) {
    for (TCard& c : g.t.CardGrid[row]) c.Present = 0;
    g.t.Opened[row].fill(0);
    for (int s = 0; s < n; ++s) {
      g.t.PutCard(row, s, C(row % 4, (rank + s) % 13));
      g.t.Opened[row][s] = s >= hidden;
    }
    RecountPiles(g);
    return *this;
  }
  HitResult At(int32_t x, int32_t y) { return HitTest(g.t, g.kind(), x, y); }
  // A point just inside the top-left corner of the place (row, slot).
  HitResult On(int row, int slot, int dx = 1, int dy = 1) {
    return At(X(row, slot) + dx, Y(row, slot) + dy);
  }
  int32_t X(int row, int slot) const { return g.t.CardX[row][slot]; }
  int32_t Y(int row, int slot) const { return g.t.CardY[row][slot]; }
  int HitRow() const { return g.t.HitRow; }
  int HitSlot() const { return g.t.HitSlot; }
  TRect Picked() const { return g.t.PickedRect; }
};

constexpr PointerShape kHand = PointerShape::Hand;
constexpr PointerShape kKeep = PointerShape::Unchanged;

// --- Scarf ------------------------------------------------------------------

struct Scarf : Patience {
  Scarf() : Patience(8) {}
  int32_t ColumnTop() const { return Y(7, 0); }
};

TEST(ScarfHitTest, TheFreshDealAnswersOnTheStockAndTheTopOfEachColumn) {
  Scarf t;
  DealOnly(t.g);
  LayoutTable(t.g, WindowGeometry{1000, 700, 654});
  // 24 cards in the stock: drawn 4 pixels deep.
  EXPECT_EQ(t.On(0, 0, 3, 3).index, -1) << "the stock's box lies under its top card";
  const HitResult stock = t.On(0, 0, 5, 5);
  EXPECT_EQ(stock.index, 0);
  EXPECT_EQ(stock.pointer, kHand);
  EXPECT_EQ(t.HitRow(), 0);
  EXPECT_EQ(t.HitSlot(), 0);
  for (int r = 7; r <= 13; ++r) {
    const int top = r - 7;  // the column holds r - 6 cards, all but the top face down
    const int32_t cardTop = t.ColumnTop() + 3 * top;
    EXPECT_EQ(t.At(t.X(r, 0) + 10, cardTop + 1).index, r);
    EXPECT_EQ(t.HitSlot(), top);
    EXPECT_EQ(t.Picked(), (TRect{t.X(r, 0), cardTop, t.X(r, 0) + 71, cardTop + 96}));
    if (top > 0) {
      EXPECT_EQ(t.At(t.X(r, 0) + 10, cardTop - 1).index, -1)
          << "a face-down card is taken only as the top of its column";
    }
  }
}

TEST(ScarfHitTest, TheStockGetsShallowerAsItEmpties) {
  Scarf t;
  t.Pile(0, 12);
  EXPECT_EQ(t.On(0, 0, 3, 3).index, 0) << "9 to 16 cards lie 2 deep";
  EXPECT_EQ(t.On(0, 0, 2, 50).index, -1);
  t.Pile(0, 5);
  EXPECT_EQ(t.On(0, 0, 1, 1).index, 0);
}

TEST(ScarfHitTest, AnEmptyStockIsATargetOnlyWhileTheWasteHoldsCards) {
  Scarf t;
  t.Pile(2, 3);
  EXPECT_EQ(t.On(0, 0, 1, 1).index, 0) << "to turn the waste over";
  for (int s = 0; s < 3; ++s) t.g.t.CardGrid[2][s].Present = 0;
  RecountPiles(t.g);
  EXPECT_EQ(t.On(0, 0, 1, 1).index, -1);
}

TEST(ScarfHitTest, TheWasteAnswersOnItsTopCardAndFramesIt) {
  Scarf t;
  t.Pile(1, 3);
  const int32_t left = t.X(1, 0) + 28;
  const int32_t top = t.Y(1, 0) + 4;
  EXPECT_EQ(t.At(left + 1, top + 1).index, 1);
  EXPECT_EQ(t.HitRow(), 1);
  EXPECT_EQ(t.HitSlot(), 2);
  EXPECT_EQ(t.Picked(), (TRect{left, top, left + 71, top + 96}));
  EXPECT_EQ(t.At(left - 1, top + 50).index, -1) << "the cards under the top are not taken";
}

TEST(ScarfHitTest, AFoundationAnswersEvenEmptyButShowsTheHandOnlyOverACard) {
  Scarf t;
  const HitResult empty = t.On(4, 0);
  EXPECT_EQ(empty.index, 4);
  EXPECT_EQ(empty.pointer, kKeep);
  EXPECT_EQ(t.HitSlot(), -1);
  t.Pile(4, 3);
  const HitResult full = t.On(4, 0);
  EXPECT_EQ(full.pointer, kHand);
  EXPECT_EQ(t.HitSlot(), 2);
  EXPECT_EQ(t.Picked(), (TRect{t.X(4, 0), t.Y(4, 0), t.X(4, 0) + 71, t.Y(4, 0) + 96}));
}

TEST(ScarfHitTest, AFaceUpCardInAColumnLiftsTheRunAboveIt) {
  Scarf t;
  t.Pile(9, 5, 2);  // two face down, three face up
  const int32_t left = t.X(9, 0);
  const int32_t y0 = t.ColumnTop();
  // Face-down cards show 3 pixels each, face-up ones 15: the face-up cards
  // lie at y0 + 6, y0 + 21 and y0 + 36, the run reaching to y0 + 132.
  EXPECT_EQ(t.At(left + 5, y0 + 10).index, 9);
  EXPECT_EQ(t.HitSlot(), 2);
  EXPECT_EQ(t.Picked(), (TRect{left, y0 + 6, left + 71, y0 + 132}));
  EXPECT_EQ(t.At(left + 5, y0 + 25).index, 9);
  EXPECT_EQ(t.HitSlot(), 3);
  EXPECT_EQ(t.Picked(), (TRect{left, y0 + 21, left + 71, y0 + 132}));
  EXPECT_EQ(t.At(left + 5, y0 + 21).index, -1) << "the seam between two cards";
  EXPECT_EQ(t.At(left + 5, y0 + 120).index, 9);
  EXPECT_EQ(t.HitSlot(), 4);
  EXPECT_EQ(t.Picked(), (TRect{left, y0 + 36, left + 71, y0 + 132}));
  EXPECT_EQ(t.At(left + 5, y0 + 3).index, -1) << "face-down cards under the run";
}

TEST(ScarfHitTest, AnEmptyColumnHasNoBox) {
  Scarf t;
  EXPECT_EQ(t.On(10, 0, 10, 10).index, -1);
}

// --- Solitaire ----------------------------------------------------------------

TEST(SolitaireHitTest, CellsFoundationsAndColumnTops) {
  Patience t(9);
  t.g.t.PutCard(0, 2, C(1, 4));
  t.Pile(5, 7).Pile(1, 2);
  RecountPiles(t.g);

  EXPECT_EQ(t.On(0, 2).pointer, kHand);
  EXPECT_EQ(t.g.t.HitIndex, 0);
  EXPECT_EQ(t.HitSlot(), 2);
  EXPECT_EQ(t.On(0, 3).pointer, kKeep) << "an empty cell is a target";
  EXPECT_EQ(t.HitSlot(), 3);

  EXPECT_EQ(t.On(1, 0).index, 1);
  EXPECT_EQ(t.HitSlot(), 1);
  EXPECT_EQ(t.On(2, 0).pointer, kKeep) << "foundations leave the pointer alone";
  EXPECT_EQ(t.HitSlot(), 0);

  EXPECT_EQ(t.On(5, 6).index, 5);
  EXPECT_EQ(t.HitSlot(), 6);
  EXPECT_EQ(t.On(5, 0).index, -1) << "only a column's top card answers";
  const HitResult empty = t.On(6, 0);
  EXPECT_EQ(empty.index, 6);
  EXPECT_EQ(t.HitSlot(), -1);
  EXPECT_EQ(empty.pointer, kKeep);
}

// --- Pairing games --------------------------------------------------------------

TEST(KerchiefHitTest, OnlyTheTopCardOfAPileAnswers) {
  Patience t(10);
  t.Pile(3, 5);
  EXPECT_EQ(t.On(3, 4).index, 3);
  EXPECT_EQ(t.HitSlot(), 4);
  EXPECT_EQ(t.On(3, 0).index, -1);
  EXPECT_EQ(t.On(4, 0).index, -1) << "an empty pile";
}

TEST(PairsHitTest, AnEmptyPileIsNamedButHoldsNothingToTake) {
  Patience t(11);
  t.Pile(0, 3);
  EXPECT_EQ(t.On(0, 0).index, 0);
  EXPECT_EQ(t.HitSlot(), 2);
  const HitResult empty = t.On(4, 0);
  EXPECT_EQ(empty.index, 4);
  EXPECT_EQ(t.HitRow(), -1);
  EXPECT_EQ(t.HitSlot(), -1);
}

TEST(PiramidaHitTest, UncoveredCardsAnswerAndALowerLevelLiesOnTop) {
  Patience t(13);
  t.Pile(0, 10);
  for (int s = 0; s < 28; ++s) t.g.t.PutCard(3, s, C(s % 4, s % 13));
  t.g.t.Opened[3][15] = 1;
  t.g.t.Opened[3][21] = 1;
  EXPECT_EQ(t.On(0, 0).index, 0);
  EXPECT_EQ(t.On(1, 0).pointer, kKeep) << "the empty waste";
  // Card 21 (bottom level) covers the lower half of card 15 above it.
  EXPECT_EQ(t.On(3, 15, 5, 54).index, 3);
  EXPECT_EQ(t.HitSlot(), 21);
  EXPECT_EQ(t.On(3, 15, 5, 5).index, 3);
  EXPECT_EQ(t.HitSlot(), 15);
  EXPECT_EQ(t.On(3, 16, 40, 5).index, -1) << "a covered card does not answer";
}

TEST(OldFriendHitTest, APileAnswersWhereItsTopCardIsDrawn) {
  Patience t(16);
  t.Pile(5, 3);
  // Three cards: the top one lies 4 pixels right and down of the pile's place.
  EXPECT_EQ(t.On(5, 0, 4, 10).index, -1);
  EXPECT_EQ(t.On(5, 0, 5, 10).index, 5);
  EXPECT_EQ(t.HitSlot(), 2);
  EXPECT_EQ(t.On(5, 0, 74, 50).index, 5);
  EXPECT_EQ(t.On(5, 0, 75, 50).index, -1);
  EXPECT_EQ(t.On(0, 0).index, -1) << "an empty pile of row 0";
}

TEST(CrossRoadsHitTest, OnlyPilesHoldingCardsAnswer) {
  Patience t(20);
  t.Pile(2, 2);
  EXPECT_EQ(t.On(2, 0).index, 2);
  EXPECT_EQ(t.HitSlot(), 1);
  EXPECT_EQ(t.On(3, 0).index, -1);
}

// --- Sequence games ---------------------------------------------------------------

TEST(BardHitTest, ACardAnswersOverTheLineSpacingUnlessNothingLiesBelowIt) {
  Patience t(12);
  t.Pile(0, 52);
  const int32_t spacing = t.Y(0, 10) - t.Y(0, 0);
  ASSERT_LT(spacing, 96);
  EXPECT_EQ(t.On(0, 0, 5, spacing - 1).index, 0);
  EXPECT_EQ(t.On(0, 0, 5, spacing + 1).index, 10);
  EXPECT_EQ(t.HitSlot(), 10);
  EXPECT_EQ(t.On(0, 45, 5, 95).index, 45) << "the last line shows whole";
}

TEST(PrisonerHitTest, OnlyPrisonersOfTheKeysRankAnswer) {
  Patience t(14);
  t.Pile(0, 20);
  t.g.t.PutCard(2, 0, C(0, 3));
  t.g.t.PutCard(2, 1, C(1, 9));  // the key
  t.g.t.PutCard(5, 0, C(2, 9));
  t.g.t.PutCard(6, 0, C(2, 3));
  RecountPiles(t.g);
  t.g.t.HitSlot = 7;
  EXPECT_EQ(t.On(0, 0).index, 0);
  EXPECT_EQ(t.HitRow(), 0);
  EXPECT_EQ(t.HitSlot(), 7) << "the stock is one place";
  EXPECT_EQ(t.On(5, 0).index, 5);
  EXPECT_EQ(t.On(6, 0).index, -1);
  for (auto& c : t.g.t.CardGrid[2]) c.Present = 0;
  RecountPiles(t.g);
  EXPECT_EQ(t.On(5, 0).index, -1) << "no key, no prisoner";
}

TEST(TwoByTwoHitTest, APlaceCountsOnlyWhileAnotherShowsItsSuit) {
  Patience t(15);
  t.g.t.PutCard(1, 0, C(0, 4));
  t.g.t.PutCard(2, 0, C(1, 4));
  t.g.t.PutCard(3, 0, C(0, 9));
  t.g.t.PutCard(4, 0, C(2, 4));
  RecountPiles(t.g);
  EXPECT_EQ(t.On(1, 0).index, 1);
  EXPECT_EQ(t.On(3, 0).index, 3);
  EXPECT_EQ(t.On(2, 0).index, -1);
  EXPECT_EQ(t.On(4, 0).index, -1);
}

TEST(FirTreesHitTest, TheStockAndTheFreeTreeCardsAnswer) {
  Patience t(21);
  t.Pile(0, 5);
  for (int s = 0; s < 13; ++s) t.g.t.PutCard(2, s, C(s % 4, s));
  t.g.t.Opened[2][12] = 1;
  RecountPiles(t.g);
  EXPECT_EQ(t.On(0, 0).index, 0);
  EXPECT_EQ(t.On(2, 12).index, 2);
  EXPECT_EQ(t.HitSlot(), 12);
  EXPECT_EQ(t.On(2, 0).index, -1) << "a covered tree card";
}

TEST(StreetHitTest, FoundationsAnswerWithIndexZeroAndColumnsOnTheirTop) {
  Patience t(22);
  t.Pile(5, 6);
  EXPECT_EQ(t.On(2, 0).index, 0);
  EXPECT_EQ(t.HitRow(), 2);
  EXPECT_EQ(t.On(5, 5).index, 5);
  EXPECT_EQ(t.HitSlot(), 5);
  EXPECT_EQ(t.On(6, 0).index, 6) << "an empty column takes any neighbour";
  EXPECT_EQ(t.HitSlot(), 0);
}

// --- Clock, Joker, Paganini ---------------------------------------------------------

TEST(ClockHitTest, AnyOfAPilesFivePlacesNamesItsTop) {
  Patience t(17);
  t.Pile(3, 4, 3);
  EXPECT_EQ(t.On(3, 0).index, 3);
  EXPECT_EQ(t.HitSlot(), 3);
  EXPECT_EQ(t.On(3, 4, 70, 95).index, 3);
  EXPECT_EQ(t.On(3, 3, 70, 95).pointer, kHand) << "the face-up top";
}

TEST(JokerHitTest, FoundationsKeepThePointerAndColumnsAnswerOnFaceUpCards) {
  Patience t(18);
  t.Pile(4, 6, 4);
  EXPECT_EQ(t.On(1, 0).pointer, kKeep);
  EXPECT_EQ(t.HitRow(), 1);
  EXPECT_EQ(t.On(4, 5, 5, 90).index, 4);
  EXPECT_EQ(t.HitSlot(), 5);
  EXPECT_EQ(t.On(4, 4, 5, 5).index, 4);
  EXPECT_EQ(t.HitSlot(), 4);
  EXPECT_EQ(t.On(4, 0, 5, 5).index, -1) << "face-down cards do not answer";
  const HitResult empty = t.On(5, 0, 5, 5);
  EXPECT_EQ(empty.index, 5) << "an empty column is a target";
  EXPECT_EQ(empty.pointer, kKeep);
}

TEST(PaganiniHitTest, SlotsOneToNineAnswerFullOrEmpty) {
  Patience t(19);
  t.Pile(2, 10);
  t.g.t.CardGrid[2][4].Present = 0;
  EXPECT_EQ(t.On(2, 3).pointer, kHand);
  EXPECT_EQ(t.HitSlot(), 3);
  EXPECT_EQ(t.On(2, 4).pointer, kKeep);
  EXPECT_EQ(t.HitSlot(), 4);
  EXPECT_EQ(t.On(2, 0).index, -1) << "the first place of a line is not a target";
}

}  // namespace
