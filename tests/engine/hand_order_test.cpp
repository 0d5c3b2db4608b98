#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "core/hand_order.h"
#include "test_game.h"

namespace {

using Row = std::array<TCard, kSlots>;

// The hand order done the long way, by bubble passes and by exchanging each
// card into place in turn, as the order is defined. The engine computes it
// faster; both must always agree.
int ReferenceOrder(Row& row, int packSize, int row_index, int trumpGroup, int leftRight,
                   int suitOld) {
  for (int k = 0; k < packSize; ++k)
    for (int j = 0; j + 1 < packSize; ++j)
      if (row[j].Present == 0 && row[j + 1].Present == 1) std::swap(row[j], row[j + 1]);
  int n = 0;
  for (int s = 0; s < packSize; ++s) n += row[s].Present;
  const bool computerLike = row_index == 0 || row_index == 6;
  if (!computerLike && row_index != 1) return n;

  auto place = [&](int suit, int rank, int& p, int dir) {
    for (int i = 0; i < n; ++i) {
      if (row[i].Suit == suit && row[i].Rank == rank) {
        std::swap(row[i], row[p]);
        p += dir;
        return;
      }
    }
  };
  const bool fromRight = row_index == 1 && leftRight == 1;
  const bool bySeniority = computerLike || suitOld == 1;
  int p = fromRight ? n - 1 : 0;
  const int dir = fromRight ? -1 : 1;
  for (int r = 12; r >= 0; --r) place(trumpGroup, r, p, dir);
  if (bySeniority) {
    for (int r = 12; r >= 0; --r)
      for (int s = 0; s < 4; ++s)
        if (s != trumpGroup) place(s, r, p, dir);
  } else {
    for (int s = 0; s < 4; ++s)
      if (s != trumpGroup)
        for (int r = 12; r >= 0; --r) place(s, r, p, dir);
  }
  return n;
}

// A row with random cards in random slots and stale records in the gaps.
Row RandomRow(TRandom& r, int packSize) {
  TPack pack;
  BuildPack(pack);
  ShufflePack(pack, r);
  if (packSize == 36) StripTo36(pack);
  Row row{};
  for (int s = 0; s < kSlots; ++s) {
    row[s] = pack.Slots[s];
    row[s].Present = (s < packSize && r.Below(3) != 0 && pack.Slots[s].Present) ? 1 : 0;
  }
  return row;
}

TEST(HandOrder, AgreesWithTheLongWayForEveryRowAndOption) {
  TestGame tg;
  Game& g = tg.g;
  TRandom r;
  r.Seed(99);
  for (int trial = 0; trial < 400; ++trial) {
    const int packSize = trial % 2 ? 52 : 36;
    const int vidg = trial % 7 == 0 ? 5 : (trial % 11 == 0 ? 6 : trial % 5);
    tg.Select(vidg, vidg == 5 ? 3 : (vidg == 4 ? 1 : 0));
    g.program.PackSize = packSize;
    g.t.TrumpSuit = vidg == 6 ? -1 : r.Below(4);
    g.t.Options.TrLeftRight = r.Below(2);
    g.t.Options.TrSuitOld = r.Below(2);
    for (int row : {0, 1, 2, 3, 5, 6}) {
      const Row before = RandomRow(r, packSize);
      g.t.CardGrid[row] = before;
      Row expected = before;
      const int n = ReferenceOrder(expected, packSize, row, TrumpGroupSuit(g),
                                   g.t.Options.TrLeftRight, g.t.Options.TrSuitOld);
      EXPECT_EQ(OrderRow(g, row), n);
      ASSERT_EQ(g.t.CardGrid[row], expected) << "row " << row << " trial " << trial;
    }
  }
}

TEST(HandOrder, ComputerHandIsTrumpsHighToLowThenSeniority) {
  TestGame tg;
  tg.Select(0, 0);
  tg.g.t.TrumpSuit = Hearts;
  tg.SetRow(0, {C(Clubs, Ten), C(Hearts, Six), C(Spades, Ten), C(Hearts, King), C(Diamonds, Ace)});
  EXPECT_EQ(OrderRow(tg.g, 0), 5);
  const auto& h = tg.g.t.CardGrid[0];
  EXPECT_TRUE(SameCard(h[0], C(Hearts, King)));
  EXPECT_TRUE(SameCard(h[1], C(Hearts, Six)));
  EXPECT_TRUE(SameCard(h[2], C(Diamonds, Ace)));
  EXPECT_TRUE(SameCard(h[3], C(Clubs, Ten)));  // equal ranks: clubs before spades
  EXPECT_TRUE(SameCard(h[4], C(Spades, Ten)));
}

TEST(HandOrder, PlayerTrumpsRightBySuitsPutsTheHighestTrumpRightmost) {
  TestGame tg;
  tg.Select(0, 0);
  tg.g.t.TrumpSuit = Spades;
  tg.g.t.Options.TrLeftRight = 1;
  tg.g.t.Options.TrSuitOld = 0;
  tg.SetRow(1, {C(Spades, Ace), C(Hearts, Seven), C(Clubs, Nine), C(Spades, Six), C(Hearts, Queen)});
  OrderRow(tg.g, 1);
  const auto& h = tg.g.t.CardGrid[1];
  // hearts low to high, then clubs, then the trumps low to high
  EXPECT_TRUE(SameCard(h[0], C(Hearts, Seven)));
  EXPECT_TRUE(SameCard(h[1], C(Hearts, Queen)));
  EXPECT_TRUE(SameCard(h[2], C(Clubs, Nine)));
  EXPECT_TRUE(SameCard(h[3], C(Spades, Six)));
  EXPECT_TRUE(SameCard(h[4], C(Spades, Ace)));
}

TEST(HandOrder, NoTrumpsRightBySeniorityPutsTheHighestCardRightmost) {
  TestGame tg;
  tg.Select(0, 0);
  tg.g.t.TrumpSuit = Diamonds;
  tg.g.t.Options.TrLeftRight = 1;
  tg.g.t.Options.TrSuitOld = 1;
  tg.SetRow(1, {C(Clubs, King), C(Hearts, Ace), C(Spades, Six)});
  OrderRow(tg.g, 1);
  EXPECT_TRUE(SameCard(tg.g.t.CardGrid[1][2], C(Hearts, Ace)));
  EXPECT_TRUE(SameCard(tg.g.t.CardGrid[1][0], C(Spades, Six)));
}

TEST(HandOrder, ClubsAreTheTrumpGroupInEightsEvenWithoutATrump) {
  TestGame tg;
  tg.Select(6, 0);
  tg.g.t.TrumpSuit = -1;
  tg.SetRow(0, {C(Hearts, Ace), C(Clubs, Six), C(Spades, King)});
  OrderRow(tg.g, 0);
  EXPECT_TRUE(SameCard(tg.g.t.CardGrid[0][0], C(Clubs, Six)));
  EXPECT_EQ(tg.g.t.TrumpSuit, -1) << "sorting leaves the suit in force alone";
}

TEST(HandOrder, GuessingLayoutSortsThePlayerByRankThenSuit) {
  TestGame tg;
  tg.Select(0, 0);
  tg.g.t.TrumpSuit = Hearts;
  tg.g.t.GuessMode = 1;
  tg.SetRow(1, {C(Hearts, Six), C(Spades, Ace), C(Clubs, Ace), C(Hearts, King)});
  OrderRow(tg.g, 0);  // whatever row is asked for
  const auto& h = tg.g.t.CardGrid[1];
  EXPECT_TRUE(SameCard(h[0], C(Clubs, Ace)));
  EXPECT_TRUE(SameCard(h[1], C(Spades, Ace)));
  EXPECT_TRUE(SameCard(h[2], C(Hearts, King)));
  EXPECT_TRUE(SameCard(h[3], C(Hearts, Six)));
}

TEST(HandOrder, TableRowsCloseUpKeepingOrderAndStaleRecords) {
  TestGame tg;
  tg.Select(0, 1);
  tg.SetRow(2, {C(Clubs, Seven), C(Spades, Nine), C(Hearts, Jack)});
  tg.g.t.TakeCard(2, 0);
  EXPECT_EQ(OrderRow(tg.g, 2), 2);
  const auto& r = tg.g.t.CardGrid[2];
  EXPECT_TRUE(SameCard(r[0], C(Spades, Nine)));
  EXPECT_TRUE(SameCard(r[1], C(Hearts, Jack)));
  EXPECT_EQ(r[2].Present, 0);
  EXPECT_TRUE(SameCard(r[2], C(Clubs, Seven))) << "the taken card's record stays behind";
}

TEST(HandOrder, PatienceRowsAreLeftAloneAndCountZero) {
  TestGame tg;
  tg.Select(8, 0);
  tg.SetRow(0, {C(Hearts, Two), C(Clubs, Ace)});
  tg.g.t.TakeCard(0, 0);
  const auto before = tg.g.t.CardGrid[0];
  EXPECT_EQ(OrderRow(tg.g, 0), 0);
  EXPECT_EQ(tg.g.t.CardGrid[0], before);
  CountRows(tg.g);
  for (int row : {0, 1, 2, 3, 5}) EXPECT_EQ(tg.g.t.RowCount[row], 0);
}

TEST(HandOrder, LowestTrump) {
  TestGame tg;
  tg.Select(0, 0);
  tg.g.t.TrumpSuit = Spades;
  tg.SetRow(0, {C(Spades, Ace), C(Spades, Seven), C(Hearts, Six)});
  tg.SetRow(1, {C(Hearts, Ace), C(Clubs, Six)});
  CountRows(tg.g);
  EXPECT_EQ(LowestTrumpIndex(tg.g, 0), 1);
  EXPECT_EQ(LowestTrumpIndex(tg.g, 1), -1);
  tg.g.t.TrumpSuit = -1;
  EXPECT_EQ(LowestTrumpIndex(tg.g, 0), -1);
}

TEST(Grid, TakeFromAnEmptySlotChangesNothing) {
  TTableState t;
  t.PutCard(2, 0, C(Diamonds, Queen));
  ASSERT_TRUE(t.TakeCard(2, 0).has_value());
  EXPECT_FALSE(t.TakeCard(2, 0).has_value());
  EXPECT_FALSE(t.IsPresent(2, 0));
  EXPECT_EQ(t.SuitAt(2, 0), Diamonds);
  EXPECT_EQ(t.RankAt(2, 0), Queen);
  TCard absent = C(Clubs, Two);
  absent.Present = 0;
  t.PutCard(3, 4, absent);
  EXPECT_TRUE(t.IsPresent(3, 4)) << "putting always marks the slot present";
}

}  // namespace
