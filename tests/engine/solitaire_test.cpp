// Solitaire by two clicks: cells, columns, foundations, aces and the double
// click.
#include <gtest/gtest.h>

#include "patience/solitaire.h"
#include "patience_table.h"

namespace {

struct Solitaire : PatienceTable {
  Solitaire() : PatienceTable(9) {
    // A card in a far column keeps the deal from being won.
    Row(12, {C(Clubs, Two)});
  }
  void Move(int row, int slot, int toRow, int toSlot) {
    Click(row, slot);
    Click(toRow, toSlot);
  }
};

struct SecondPressCase {
  const char* name;
  TCard picked;
  int toRow;
  std::optional<TCard> top;  // the target row's top card; none: empty
  bool moves;
};

TEST(SolitaireMoves, EachSecondPressRule) {
  const SecondPressCase cases[] = {
      {"red nine on black ten", C(Hearts, Nine), 6, C(Spades, Ten), true},
      {"red nine on red ten", C(Hearts, Nine), 6, C(Diamonds, Ten), false},
      {"red nine on black jack", C(Hearts, Nine), 6, C(Spades, Jack), false},
      {"a king on an ace", C(Hearts, King), 6, C(Clubs, Ace), true},
      {"any card on an empty column", C(Hearts, Five), 6, std::nullopt, true},
      {"two on the ace of its suit", C(Hearts, Two), 1, C(Hearts, Ace), true},
      {"two on another ace", C(Hearts, Two), 1, C(Spades, Ace), false},
      {"three on the two of its suit", C(Hearts, Three), 1, C(Hearts, Two), true},
      {"five on an empty foundation", C(Hearts, Five), 1, std::nullopt, false},
  };
  for (const SecondPressCase& c : cases) {
    SCOPED_TRACE(c.name);
    Solitaire t;
    t.Row(5, {C(Clubs, Four), c.picked});
    if (c.top) {
      if (c.toRow == 1 && c.top->Rank == Two) {
        t.Row(1, {C(c.top->Suit, Ace), *c.top});
      } else {
        t.Row(c.toRow, {*c.top});
      }
    }
    const int before = t.Count(c.toRow);
    t.Move(5, 1, c.toRow, std::max(before - 1, c.toRow == 1 ? 0 : -1));
    EXPECT_EQ(t.Has(c.toRow, before, c.picked), c.moves);
    EXPECT_EQ(t.Has(5, 1, c.picked), !c.moves);
    EXPECT_EQ(t.UndoPoints(), c.moves ? 1 : 0);
    EXPECT_EQ(t.g.t.Picked, 0) << "the pick is over either way";
  }
}

TEST(SolitaireMoves, AnyCardGoesIntoAnEmptyCellAndOnlyTheTopCardMoves) {
  Solitaire t;
  t.Row(5, {C(Clubs, Four), C(Hearts, Nine)});
  t.Move(5, 1, 0, 2);
  EXPECT_TRUE(t.Has(0, 2, C(Hearts, Nine)));
  EXPECT_EQ(t.UndoPoints(), 1) << "the undo point comes before the move to a cell too";
  t.Row(6, {C(Spades, Three)});
  t.Move(6, 0, 0, 2);  // the cell is taken
  EXPECT_TRUE(t.Has(6, 0, C(Spades, Three)));
  // The card under the top one is never named by the pointer, and a second
  // press on the picked card drops it.
  t.Move(5, 0, 5, 0);
  EXPECT_TRUE(t.Has(5, 0, C(Clubs, Four)));
  EXPECT_EQ(t.g.t.Picked, 0);
}

TEST(SolitaireMoves, AnAcePressedSecondGoesToAFoundationWhereverThePointerIs) {
  Solitaire t;
  t.Row(1, {C(Clubs, Ace)});
  t.Row(5, {C(Hearts, Ace)});
  t.Row(6, {C(Spades, King)});
  t.Move(5, 0, 6, 0);
  EXPECT_TRUE(t.Has(2, 0, C(Hearts, Ace))) << "the first empty foundation";
  EXPECT_EQ(t.Count(6), 1);
  t.Row(0, {C(Diamonds, Ace)});
  t.Move(0, 0, 4, 0);
  EXPECT_TRUE(t.Has(4, 0, C(Diamonds, Ace))) << "the empty foundation pressed";
}

TEST(SolitaireMoves, ADoubleClickSendsACellCardOrAColumnTopUp) {
  Solitaire t;
  t.Row(1, {C(Hearts, Ace)});
  t.Row(0, {C(Hearts, Two)});
  t.Row(5, {C(Hearts, Three), C(Clubs, Nine)});
  t.DoubleClick(0, 0);
  EXPECT_TRUE(t.Has(1, 1, C(Hearts, Two)));
  t.DoubleClick(5, 1);  // no foundation takes the nine
  EXPECT_EQ(t.Count(5), 2);
  t.Row(5, {C(Hearts, Three)});
  t.DoubleClick(5, 0);
  EXPECT_TRUE(t.Has(1, 2, C(Hearts, Three)));
}

TEST(SolitaireWin, EmptyCellsAndColumnsWin) {
  Solitaire t;
  t.Row(12, {});
  t.Row(1, {C(Hearts, Ace)});
  t.Row(0, {C(Hearts, Two)});
  t.Move(0, 0, 1, 0);
  EXPECT_EQ(t.g.t.Stats[9].Wins, 1);
  ASSERT_EQ(t.out.messages.size(), 1u);
}

}  // namespace
