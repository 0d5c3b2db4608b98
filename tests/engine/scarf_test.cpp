// Scarf by the mouse: the stock, turning cards up, dragging cards and runs
// to the columns and the foundations, and the double click.
#include <gtest/gtest.h>

#include "patience/scarf.h"
#include "patience_table.h"

namespace {

constexpr int kStock = 0, kShown = 1, kOlder = 2;

struct Scarf : PatienceTable {
  Scarf() : PatienceTable(8) {
    // A card in a column far away keeps the deal from being won.
    Row(13, {C(Clubs, Two)}, true);
  }
  // n stock cards: the clubs two, three, four ...
  void Stock(int n) {
    for (int s = 0; s < n; ++s) g.t.PutCard(kStock, s, C(Clubs, Three + s));
    RecountPiles(g);
  }
};

// --- The stock ---------------------------------------------------------------------

TEST(ScarfStock, APressTurnsThreeCardsAndTheShownOnesJoinTheOlderWaste) {
  Scarf t;
  t.Stock(7);
  t.Click(kStock, 0);
  EXPECT_EQ(t.Count(kShown), 3);
  EXPECT_TRUE(t.Has(kShown, 0, C(Clubs, Three)));
  EXPECT_TRUE(t.Has(kShown, 2, C(Clubs, Five)));
  t.Click(kStock, 0);
  EXPECT_TRUE(t.Has(kShown, 0, C(Clubs, Six)));
  EXPECT_EQ(t.Count(kOlder), 3);
  EXPECT_TRUE(t.Has(kOlder, 2, C(Clubs, Five)));
  t.Click(kStock, 0);  // one card left: only it is shown
  EXPECT_EQ(t.Count(kShown), 1);
  EXPECT_TRUE(t.Has(kShown, 0, C(Clubs, Nine)));
  EXPECT_EQ(t.UndoPoints(), 3);
}

TEST(ScarfStock, TheEmptyStockTurnsTheWholeWasteOverInItsOrderWithoutDealing) {
  Scarf t;
  t.Stock(5);
  t.Click(kStock, 0);
  t.Click(kStock, 0);
  ASSERT_EQ(t.Count(kStock), 0);
  t.Click(kStock, 0);
  EXPECT_EQ(t.Count(kShown), 0);
  EXPECT_EQ(t.Count(kOlder), 0);
  ASSERT_EQ(t.Count(kStock), 5);
  for (int s = 0; s < 5; ++s) EXPECT_TRUE(t.Has(kStock, s, C(Clubs, Three + s))) << s;
  t.Click(kStock, 0);  // and round again, with no limit
  EXPECT_TRUE(t.Has(kShown, 0, C(Clubs, Three)));
}

TEST(ScarfStock, TakingAllThreeShownCardsBringsTheLastOlderCardIntoView) {
  Scarf t;
  t.Row(7, {C(Hearts, Seven)}, true);
  t.Row(kOlder, {C(Spades, Two), C(Spades, Three)});
  t.Row(kShown, {C(Spades, Six), C(Diamonds, Ace), C(Clubs, Six)});
  t.Drag(kShown, 2, 7);  // the black six onto the red seven
  t.DoubleClick(kShown, 1);  // the ace to a foundation
  ASSERT_EQ(t.Count(kShown), 1);
  t.Drag(kShown, 0, 7);  // the second black six cannot go there: it stays
  EXPECT_TRUE(t.Has(kShown, 0, C(Spades, Six)));
  t.Row(8, {C(Diamonds, Seven)}, true);
  t.Drag(kShown, 0, 8);
  EXPECT_TRUE(t.Has(kShown, 0, C(Spades, Three))) << "the older waste shows its last card";
  EXPECT_EQ(t.Count(kOlder), 1);
}

// --- Turning a card up -----------------------------------------------------------------

TEST(ScarfColumns, APressTurnsUpAFaceDownTopCardAndTheCardUnderAMovedRunWaits) {
  Scarf t;
  t.Row(7, {C(Clubs, Four), C(Hearts, Nine)});
  t.Up(7, 1);
  t.Row(8, {C(Spades, Ten)}, true);
  t.Drag(7, 1, 8);
  EXPECT_TRUE(t.Has(8, 1, C(Hearts, Nine)));
  EXPECT_EQ(t.g.t.Opened[7][0], 0) << "the card under the run stays face down";
  t.Click(7, 0);
  EXPECT_EQ(t.g.t.Opened[7][0], 1);
}

// --- Where a dragged card may go -------------------------------------------------------

struct DropCase {
  const char* name;
  TCard dragged;
  std::optional<TCard> onto;  // the target column's top card, face up; none: empty
  bool takes;
};

TEST(ScarfColumns, AColumnTakesOneRankLowerOfTheOtherColourAndAnEmptyOneAKing) {
  const DropCase cases[] = {
      {"red nine on black ten", C(Hearts, Nine), C(Spades, Ten), true},
      {"black nine on red ten", C(Clubs, Nine), C(Diamonds, Ten), true},
      {"red nine on red ten", C(Hearts, Nine), C(Diamonds, Ten), false},
      {"red eight on black ten", C(Hearts, Eight), C(Spades, Ten), false},
      {"red ten on black nine", C(Hearts, Ten), C(Spades, Nine), false},
      {"queen on king", C(Hearts, Queen), C(Spades, King), true},
      {"king on ace", C(Hearts, King), C(Spades, Ace), false},
      {"two on three", C(Hearts, Two), C(Spades, Three), true},
      {"king on the empty column", C(Hearts, King), std::nullopt, true},
      {"queen on the empty column", C(Hearts, Queen), std::nullopt, false},
  };
  for (const DropCase& c : cases) {
    SCOPED_TRACE(c.name);
    Scarf t;
    t.Row(7, {C(Clubs, Four), c.dragged});
    t.Up(7, 1);
    if (c.onto) t.Row(9, {*c.onto}, true);
    t.Drag(7, 1, 9);
    EXPECT_EQ(t.Has(9, c.onto ? 1 : 0, c.dragged), c.takes);
    EXPECT_EQ(t.Has(7, 1, c.dragged), !c.takes);
    EXPECT_EQ(t.g.t.Opened[7][1], c.takes ? 0 : 1) << "a refused card lies face up again";
    EXPECT_EQ(t.UndoPoints(), c.takes ? 1 : 0);
    EXPECT_EQ(t.g.t.Picked, 0);
  }
}

TEST(ScarfColumns, NothingIsLaidOnAFaceDownCard) {
  Scarf t;
  t.Row(7, {C(Hearts, Nine)}, true);
  t.Row(9, {C(Spades, Ten)});  // face down
  t.Drag(7, 0, 9);
  EXPECT_TRUE(t.Has(7, 0, C(Hearts, Nine)));
}

TEST(ScarfColumns, ARunMovesWholeAndFaceUp) {
  Scarf t;
  t.Row(7, {C(Clubs, Four), C(Hearts, Nine), C(Spades, Eight), C(Diamonds, Seven)}, true);
  t.g.t.Opened[7][0] = 0;
  t.Row(10, {C(Clubs, Ten)}, true);
  t.Drag(7, 1, 10);
  EXPECT_EQ(t.Count(7), 1);
  ASSERT_EQ(t.Count(10), 4);
  EXPECT_TRUE(t.Has(10, 3, C(Diamonds, Seven)));
  for (int s = 0; s < 4; ++s) EXPECT_EQ(t.g.t.Opened[10][s], 1);
  EXPECT_EQ(t.UndoPoints(), 1) << "one undo point for the whole run";
}

TEST(ScarfFoundations, AFoundationTakesSingleCardsOfItsSuitFromTheAce) {
  Scarf t;
  t.Row(7, {C(Hearts, Ace)}, true);
  t.Row(8, {C(Clubs, Three), C(Hearts, Two)}, true);
  t.Drag(7, 0, 3);
  EXPECT_TRUE(t.Has(3, 0, C(Hearts, Ace)));
  t.Drag(8, 0, 3);  // a run of two: refused
  EXPECT_EQ(t.Count(3), 1);
  EXPECT_EQ(t.Count(8), 2);
  t.Drag(8, 1, 3);
  EXPECT_TRUE(t.Has(3, 1, C(Hearts, Two)));
  t.Drag(8, 0, 3);  // clubs on hearts: refused
  EXPECT_EQ(t.Count(3), 2);
  t.Drag(8, 0, 4);  // a three on an empty foundation: refused
  EXPECT_EQ(t.Count(4), 0);
  for (int r = 3; r <= 4; ++r)
    for (int s = 0; s < t.Count(r); ++s) EXPECT_EQ(t.g.t.Opened[r][s], 1);
}

TEST(ScarfFoundations, ADoubleClickSendsTheTopCardToTheFoundationThatTakesIt) {
  Scarf t;
  t.Row(3, {C(Spades, Ace)}, true);
  t.Row(7, {C(Hearts, Ace)}, true);
  t.Row(8, {C(Spades, Two), C(Clubs, Nine)}, true);
  t.DoubleClick(7, 0);
  EXPECT_TRUE(t.Has(4, 0, C(Hearts, Ace))) << "the first empty foundation";
  t.DoubleClick(8, 0);  // not the top card: nothing
  EXPECT_EQ(t.Count(8), 2);
  t.DoubleClick(8, 1);  // no foundation takes the nine
  EXPECT_EQ(t.Count(8), 2);
  t.Row(8, {C(Spades, Two)}, true);
  t.DoubleClick(8, 0);
  EXPECT_TRUE(t.Has(3, 1, C(Spades, Two)));
  EXPECT_EQ(t.g.t.Picked, 0);
}

TEST(ScarfWin, EmptyingTheColumnsWinsWhateverTheStockHolds) {
  Scarf t;
  t.Row(13, {});
  t.Stock(3);
  t.Row(3, {C(Diamonds, Ace)}, true);
  t.Row(12, {C(Diamonds, Two)}, true);
  t.DoubleClick(12, 0);
  EXPECT_EQ(t.out.messages.size(), 1u);
  EXPECT_EQ(t.g.t.Stats[8].Wins, 1) << "the next deal has counted the win";
}

}  // namespace
