// The pairing patience games by two clicks: what may be picked, what pairs,
// kings alone, stocks and refills.
#include <gtest/gtest.h>

#include "patience/pairing.h"
#include "patience_table.h"

namespace {

struct Pairing : PatienceTable {
  using PatienceTable::PatienceTable;
  void Pair(int row, int slot, int toRow, int toSlot) {
    Click(row, slot);
    Click(toRow, toSlot);
  }
};

TEST(PairValues, AceOneFaceValuesJackElevenQueenTwelveKingThirteen) {
  EXPECT_EQ(PairValue(Ace), 1);
  EXPECT_EQ(PairValue(Two), 2);
  EXPECT_EQ(PairValue(Ten), 10);
  EXPECT_EQ(PairValue(Jack), 11);
  EXPECT_EQ(PairValue(Queen), 12);
  EXPECT_EQ(PairValue(King), 13);
  EXPECT_TRUE(AddsToThirteen(C(Clubs, Queen), C(Hearts, Ace)));
  EXPECT_TRUE(AddsToThirteen(C(Clubs, Six), C(Hearts, Seven)));
  EXPECT_FALSE(AddsToThirteen(C(Clubs, Six), C(Hearts, Six)));
}

// --- Kerchief -------------------------------------------------------------------------

TEST(Kerchief, TwoTopCardsOfEqualRankInDifferentPilesGoTogether) {
  Pairing t(10);
  t.Row(0, {C(Clubs, Two), C(Hearts, Nine)}, true);
  t.Row(1, {C(Spades, Nine)}, true);
  t.Row(2, {C(Spades, Five)}, true);
  t.Pair(0, 1, 2, 0);  // nine and five: the pick is dropped
  EXPECT_EQ(t.Count(0), 2);
  EXPECT_EQ(t.g.t.Picked, 0);
  t.Pair(0, 1, 1, 0);
  EXPECT_EQ(t.Count(0), 1);
  EXPECT_EQ(t.Count(1), 0);
  EXPECT_EQ(t.UndoPoints(), 1);
}

TEST(Kerchief, TwoCardsOfOneRankInTheSamePileDoNotPair) {
  Pairing t(10);
  t.Row(0, {C(Clubs, Nine), C(Hearts, Nine)}, true);
  t.Row(3, {C(Clubs, Two)}, true);
  t.Pair(0, 1, 0, 1);
  EXPECT_EQ(t.Count(0), 2);
}

// --- Pairs ----------------------------------------------------------------------------

TEST(Pairs, APressTurnsAFaceDownTopCardAndDropsTheSelection) {
  Pairing t(11);
  t.Row(0, {C(Clubs, Eight), C(Clubs, Nine)});
  t.Row(1, {C(Hearts, Nine)}, true);
  t.Click(1, 0);
  ASSERT_EQ(t.g.t.Picked, 1);
  t.Click(0, 1);
  EXPECT_EQ(t.g.t.Opened[0][1], 1);
  EXPECT_EQ(t.g.t.Picked, 0) << "turning a card drops the pick";
  EXPECT_EQ(t.UndoPoints(), 1);
  t.Pair(0, 1, 1, 0);
  EXPECT_EQ(t.Count(0), 1);
  EXPECT_EQ(t.Count(1), 0);
  EXPECT_EQ(t.g.t.Opened[0][1], 0) << "a removed card leaves no face-up mark";
}

TEST(Pairs, AFaceDownCardCannotBePairedAndAnEmptyPileDoesNothing) {
  Pairing t(11);
  t.Row(0, {C(Clubs, Nine)});
  t.Row(1, {C(Hearts, Nine)}, true);
  t.Click(1, 0);
  const int32_t x = t.g.t.CardX[2][0] + 30, y = t.g.t.CardY[2][0] + 30;
  FormMouseMove(t.g, x, y);
  FormMouseDown(t.g, PointerButton::Left, x, y);  // the empty pile
  EXPECT_EQ(t.g.t.Picked, 1);
  EXPECT_EQ(t.Count(0), 1);
}

// --- Piramida -----------------------------------------------------------------------------

struct Piramida : Pairing {
  Piramida() : Pairing(13) {
    // A whole pyramid of twos to tens, the bottom line uncovered.
    for (int s = 0; s < 28; ++s) t().PutCard(3, s, C(s % 4, Two + s % 9));
    for (int s = 21; s < 28; ++s) Up(3, s);
    RecountPiles(g);
  }
  TTableState& t() { return g.t; }
};

TEST(PiramidaRules, ACoveredCardIsNeverPickedAndAKingGoesAlone) {
  Piramida p;
  p.g.t.PutCard(3, 15, C(Hearts, Queen));  // covered by 21 and 22
  p.g.t.PutCard(3, 21, C(Spades, King));
  p.g.t.PutCard(3, 22, C(Clubs, Ace));
  p.g.t.HitRow = 3;
  p.g.t.HitSlot = 15;
  PiramidaPress(p.g);
  EXPECT_EQ(p.g.t.Picked, 0);
  p.Click(3, 21);  // the king
  EXPECT_FALSE(p.g.t.IsPresent(3, 21));
  EXPECT_EQ(p.g.t.Picked, 0);
  EXPECT_EQ(p.g.t.Opened[3][15], 0) << "slot 22 still covers it";
  p.Pair(3, 22, 1, 0);  // the waste is empty: nothing pairs
  EXPECT_TRUE(p.g.t.IsPresent(3, 22));
  p.g.t.PutCard(1, 0, C(Diamonds, Queen));
  RecountPiles(p.g);
  p.Pair(3, 22, 1, 0);  // ace and queen
  EXPECT_FALSE(p.g.t.IsPresent(3, 22));
  EXPECT_FALSE(p.g.t.IsPresent(1, 0));
  EXPECT_EQ(p.g.t.Opened[3][15], 1) << "uncovered now";
  EXPECT_EQ(p.UndoPoints(), 2);
}

TEST(PiramidaRules, TheStockIsGoneThroughThreeTimesAndTheWasteShowsItsOlderCard) {
  Piramida p;
  p.g.t.PutCard(0, 0, C(Hearts, Three));
  p.g.t.PutCard(0, 1, C(Hearts, Four));
  RecountPiles(p.g);
  for (int pass = 0; pass < 3; ++pass) {
    SCOPED_TRACE(pass);
    p.Click(0, 0);
    EXPECT_TRUE(p.Has(1, 0, C(Hearts, Three)));
    p.Click(0, 0);
    EXPECT_TRUE(p.Has(1, 0, C(Hearts, Four)));
    EXPECT_TRUE(p.Has(2, 0, C(Hearts, Three)));
    p.Click(0, 0);  // the stock is empty: a new pass, or nothing after the third
    if (pass < 2) {
      EXPECT_EQ(p.Count(0), 2) << "the waste is the stock again";
    }
  }
  EXPECT_EQ(p.Count(0), 0) << "after the third pass the stock stays empty";
  EXPECT_TRUE(p.Has(1, 0, C(Hearts, Four)));
  // The waste card paired away, its older card comes into view.
  p.g.t.PutCard(3, 27, C(Clubs, Nine));
  p.Pair(1, 0, 3, 27);
  EXPECT_TRUE(p.Has(1, 0, C(Hearts, Three)));
}

// --- Old friend ---------------------------------------------------------------------------

TEST(OldFriend, AKingGoesWithOnePressAndAnEmptiedPileIsRefilledFromTheStock) {
  Pairing t(16);
  t.Row(0, {C(Clubs, Two), C(Clubs, Three)});
  t.Row(1, {C(Hearts, Eight), C(Hearts, Jack)});
  t.Row(4, {C(Spades, King)});
  t.Row(5, {C(Spades, Two), C(Diamonds, Two)});
  t.Click(4, 0);
  EXPECT_TRUE(t.Has(3, 0, C(Spades, King)));
  EXPECT_TRUE(t.Has(4, 0, C(Clubs, Three))) << "the stock's top, not the waste's";
  EXPECT_EQ(t.Count(1), 2);
  t.Pair(5, 1, 1, 1);  // two and jack: 13
  EXPECT_TRUE(t.Has(3, 1, C(Diamonds, Two))) << "the picked card first";
  EXPECT_TRUE(t.Has(3, 2, C(Hearts, Jack)));
  EXPECT_EQ(t.UndoPoints(), 2);
}

TEST(OldFriend, TheStockTurnsItsTopOntoTheWaste) {
  Pairing t(16);
  t.Row(0, {C(Clubs, Two), C(Clubs, Three)});
  t.Row(4, {C(Spades, Four)});
  t.Click(0, 1);
  EXPECT_TRUE(t.Has(1, 0, C(Clubs, Three)));
  EXPECT_EQ(t.Count(0), 1);
}

// --- Cross-roads --------------------------------------------------------------------------

TEST(CrossRoads, APairWithTheStockTopRefillsOnlyTheOtherPlace) {
  Pairing t(20);
  t.Row(0, {C(Clubs, Two), C(Clubs, Three), C(Clubs, Nine)}, true);
  t.Row(1, {C(Hearts, Nine)});
  t.Row(2, {C(Spades, Five)});
  t.Row(3, {C(Spades, Six)});
  t.Pair(0, 2, 1, 0);
  EXPECT_TRUE(t.Has(1, 0, C(Clubs, Three))) << "the stock's next card fills the arm";
  EXPECT_EQ(t.Count(0), 1);
}

TEST(CrossRoads, PlacesAreRefilledFromTheCentreWhileItKeepsACardOfItsOwn) {
  Pairing t(20);
  t.Row(0, {C(Clubs, Two)});
  t.Row(2, {C(Spades, Ace), C(Spades, Four), C(Hearts, Four), C(Diamonds, Ten)});
  t.Row(1, {C(Hearts, Seven)});
  t.Row(3, {C(Spades, Seven)});
  t.Pair(1, 0, 3, 0);
  EXPECT_TRUE(t.Has(3, 0, C(Diamonds, Ten))) << "the target first, from the centre";
  EXPECT_TRUE(t.Has(1, 0, C(Hearts, Four))) << "then the source";
  EXPECT_EQ(t.Count(2), 2);
  t.Row(4, {C(Clubs, Four)});
  t.Pair(4, 0, 2, 1);  // the centre's top paired away
  // The centre, down to one card, takes the stock's top; then holding two
  // it hands that card on to the emptied arm.
  EXPECT_EQ(t.Count(0), 0);
  EXPECT_EQ(t.Count(2), 1);
  EXPECT_TRUE(t.Has(4, 0, C(Clubs, Two)));
}

TEST(CrossRoads, ThePressTakesTheCardThatNowLiesUnderAPointerThatStayed) {
  Pairing t(20);
  t.Row(0, {C(Clubs, Two), C(Clubs, Three), C(Clubs, Nine)}, true);
  t.Row(1, {C(Hearts, Nine)});
  t.Row(2, {C(Spades, Five)});
  const TablePoint stock = t.PointAt(0, 2);
  t.Pair(1, 0, 0, 2);  // the pointer stays on the stock
  ASSERT_EQ(t.Count(0), 1);
  FormMouseDown(t.g, PointerButton::Left, stock.x, stock.y);
  EXPECT_EQ(t.g.t.Picked, 1) << "the stock's new top card is picked";
  EXPECT_EQ(t.g.t.SourceSlot, 0);
}

TEST(CrossRoads, TheStockTopMayBeLaidOnTheCentre) {
  Pairing t(20);
  t.Row(0, {C(Clubs, Two), C(Clubs, Three)});
  t.Row(2, {C(Spades, Five)});
  t.Pair(0, 1, 2, 0);
  EXPECT_TRUE(t.Has(2, 1, C(Clubs, Three)));
  t.Pair(2, 1, 0, 0);  // not the other way round
  EXPECT_EQ(t.Count(2), 2);
}

}  // namespace
