// Clock, Joker and Paganini by the mouse: Clock's piles and its early-king
// loss, Joker's columns, jokers and cells, Paganini's gaps and end.
#include "patience/clock_joker_paganini.h"

#include <gtest/gtest.h>

#include "core/game_message.h"
#include "patience_table.h"

namespace {

constexpr int kClock = 17, kJoker = 18, kPaganini = 19;

struct Table : PatienceTable {
  using PatienceTable::PatienceTable;
  void Move(int row, int slot, int toRow, int toSlot) {
    Click(row, slot);
    Click(toRow, toSlot);
  }
  int Messages(int code) const {
    int n = 0;
    for (const GameMessageBox& m : out.messages) n += m.code == code;
    return n;
  }
};

// --- Clock ------------------------------------------------------------------

TEST(Clock, EachRankHasItsPile) {
  EXPECT_EQ(ClockPileOf(King), 0);
  EXPECT_EQ(ClockPileOf(Ace), 1);
  EXPECT_EQ(ClockPileOf(Two), 2);
  EXPECT_EQ(ClockPileOf(Ten), 10);
  EXPECT_EQ(ClockPileOf(Jack), 11);
  EXPECT_EQ(ClockPileOf(Queen), 12);
}

// Pile 0 shows the five of hearts; pile 5 holds four other cards.
struct ClockTable : Table {
  ClockTable() : Table(kClock) {
    Row(0, {C(Clubs, Two), C(Clubs, Three), C(Clubs, Four), C(Hearts, Five)});
    Up(0, 3);
    Row(5, {C(Spades, Eight), C(Clubs, Five), C(Hearts, Nine), C(Diamonds, Jack)});
    RecountPiles(g);
  }
};

TEST(Clock, TheFaceUpCardGoesToItsPileWhereItSinksUnderTheStrangers) {
  ClockTable t;
  t.Move(0, 3, 5, 3);
  EXPECT_EQ(t.Count(0), 3);
  EXPECT_EQ(t.g.t.Opened[0][3], 0);
  EXPECT_EQ(t.Count(5), 5);
  EXPECT_TRUE(t.Has(5, 0, C(Hearts, Five)) || t.Has(5, 1, C(Hearts, Five)));
  EXPECT_TRUE(t.Has(5, 4, C(Diamonds, Jack))) << "a stranger comes face up on top";
  EXPECT_EQ(t.g.t.Opened[5][4], 1);
  EXPECT_EQ(t.UndoPoints(), 1);
}

TEST(Clock, AnyOtherPileDropsThePick) {
  ClockTable t;
  t.Row(7, {C(Spades, Two)});
  t.Move(0, 3, 7, 0);
  EXPECT_EQ(t.Count(0), 4);
  EXPECT_EQ(t.g.t.Picked, 0);
  EXPECT_EQ(t.UndoPoints(), 0);
}

TEST(Clock, TheKingOfTheCentrePressedBackMovesNothingButSortsThePile) {
  Table t(kClock);
  t.Row(0, {C(Clubs, Two), C(Clubs, Three), C(Clubs, Four), C(Hearts, King)});
  t.Up(0, 3);
  t.Move(0, 3, 0, 3);
  EXPECT_EQ(t.Count(0), 4);
  EXPECT_TRUE(t.Has(0, 0, C(Hearts, King)));
  EXPECT_TRUE(t.Has(0, 3, C(Clubs, Four))) << "the card under the king comes up";
  EXPECT_EQ(t.g.t.Opened[0][3], 1);
  EXPECT_EQ(t.g.t.Picked, 0);
}

TEST(Clock, ThePileLeftWithItsOwnFourCardsIsComplete) {
  Table t(kClock);
  t.Row(0, {C(Clubs, Two)});
  t.Row(3, {C(Clubs, Three), C(Spades, Three), C(Hearts, Three), C(Diamonds, Three), C(Hearts, Seven)});
  t.Up(3, 4);
  RecountPiles(t.g);
  t.Move(3, 4, 7, -1);
  EXPECT_EQ(t.g.t.Opened[3][3], 1);
  EXPECT_TRUE(t.Has(7, 0, C(Hearts, Seven)));
}

TEST(Clock, TheFourthKingInTheCentreLosesAtOnceAndTheLossIsCounted) {
  Table t(kClock);
  t.g.t.Stats[kClock] = {2, 6, 0};
  t.Row(0, {C(Clubs, King), C(Spades, King), C(Hearts, King)});
  t.Row(4, {C(Clubs, Four), C(Spades, Four), C(Hearts, Four), C(Diamonds, King)});
  t.Up(4, 3);
  t.Row(9, {C(Hearts, Nine), C(Spades, Nine), C(Clubs, Nine), C(Diamonds, Two)});
  t.Up(9, 3);  // another move would still be there
  RecountPiles(t.g);
  t.Move(4, 3, 0, 2);
  EXPECT_EQ(t.Messages(kMsgYouLost), 1);
  EXPECT_EQ(t.g.t.Stats[kClock].Losses, 7);
  EXPECT_EQ(t.g.t.Stats[kClock].Wins, 2);
  EXPECT_EQ(t.Count(0), 4) << "the next deal lies on the table";
  EXPECT_EQ(t.g.t.Opened[0][3], 1);
}

TEST(Clock, TwelveCompletePilesWin) {
  TTableState t{};
  for (int p = 1; p <= 12; ++p) {
    for (int s = 0; s < 4; ++s) t.PutCard(p, s, C(s, p == 1 ? Ace : p - 2));
    t.Opened[p][3] = 1;
  }
  EXPECT_TRUE(ClockWon(t));
  t.Opened[6][3] = 0;
  EXPECT_FALSE(ClockWon(t));
}

// --- Joker ------------------------------------------------------------------

TEST(Joker, TheBlackSixesAreTheJokers) {
  EXPECT_TRUE(IsJoker(C(Clubs, Six)));
  EXPECT_TRUE(IsJoker(C(Spades, Six)));
  EXPECT_FALSE(IsJoker(C(Hearts, Six)));
  EXPECT_FALSE(IsJoker(C(Clubs, Seven)));
}

TEST(Joker, WhereACardMayGo) {
  struct Case {
    const char* what;
    TCard card;
    int row;
    bool takes;
  };
  // Foundation 0 shows the ace of hearts, 1 the nine of clubs. Column 4 ends
  // with the ten of spades; 5 with a joker on the queen of hearts; 6 with two
  // jokers on the king of spades; 7 is empty; cell 10 is empty, 11 holds a
  // joker.
  const Case cases[] = {
      {"the seven of the ace's suit", C(Hearts, Seven), 0, true},
      {"a seven of another suit", C(Clubs, Seven), 0, false},
      {"after the seven, the next rank of any suit", C(Diamonds, Ten), 1, true},
      {"a rank too far", C(Diamonds, Jack), 1, false},
      {"one lower, the other colour", C(Hearts, Nine), 4, true},
      {"one lower, the same colour", C(Clubs, Nine), 4, false},
      {"two below the card under a joker, its colour", C(Diamonds, Ten), 5, true},
      {"two below, the other colour", C(Clubs, Ten), 5, false},
      {"three below the card under two jokers, red", C(Hearts, Ten), 6, true},
      {"three below, black", C(Clubs, Ten), 6, false},
      {"any card into an empty column", C(Diamonds, Eight), 7, true},
      {"a joker onto any column", C(Clubs, Six), 4, true},
      {"a joker into an empty cell", C(Spades, Six), 10, true},
      {"no other card into a cell", C(Hearts, Seven), 10, false},
      {"nothing into a full cell", C(Spades, Six), 11, false},
  };
  Table t(kJoker);
  t.Row(0, {C(Hearts, Ace)});
  t.Row(1, {C(Clubs, Nine)});
  t.Row(4, {C(Spades, Ten)}, true);
  t.Row(5, {C(Hearts, Queen), C(Clubs, Six)});
  t.Row(6, {C(Spades, King), C(Spades, Six), C(Clubs, Six)});
  t.Row(11, {C(Clubs, Six)});
  for (const Case& c : cases) EXPECT_EQ(JokerTakes(t.g.t, 9, c.card, c.row), c.takes) << c.what;
  EXPECT_FALSE(JokerTakes(t.g.t, 4, C(Clubs, Six), 4)) << "a joker never goes back on its column";
}

TEST(Joker, AMoveOpensTheCardBelowAndAnEmptiedCellStaysOpen) {
  Table t(kJoker);
  t.Row(0, {C(Hearts, Ace)});
  t.Row(4, {C(Diamonds, King), C(Hearts, Seven)});
  t.Up(4, 1);
  t.Row(5, {C(Spades, Jack)});
  t.Up(5, 0);
  t.Row(10, {C(Clubs, Six)});
  t.Up(10, 0);
  t.Up(11, 0);
  RecountPiles(t.g);
  t.Move(4, 1, 0, 0);
  EXPECT_TRUE(t.Has(0, 0, C(Hearts, Seven)));
  EXPECT_EQ(t.g.t.Opened[4][0], 1) << "the king may now be taken";
  t.Move(10, 0, 5, 0);
  EXPECT_TRUE(t.Has(5, 1, C(Clubs, Six)));
  EXPECT_EQ(t.g.t.Opened[5][0], 0);
  EXPECT_EQ(t.g.t.Opened[5][1], 1);
  EXPECT_EQ(t.g.t.Opened[10][0], 1) << "the empty cell can be pressed again";
  EXPECT_EQ(t.UndoPoints(), 2);
}

TEST(Joker, ColumnsOfNothingButJokersWin) {
  Table t(kJoker);
  t.Row(0, {C(Hearts, King)});
  t.Row(4, {C(Clubs, Six)}, true);
  EXPECT_TRUE(JokerWon(t.g.t));
  t.Row(9, {C(Hearts, Queen)}, true);
  EXPECT_FALSE(JokerWon(t.g.t));
}

// --- Paganini ---------------------------------------------------------------

TEST(Paganini, WhichGapTakesACard) {
  struct Case {
    const char* what;
    TCard card;
    int slot;
    bool takes;
  };
  // Row 0: ace of clubs, gap, seven of clubs, gap, nine of hearts, gap ... .
  const Case cases[] = {
      {"a six of the ace's suit next to the ace", C(Clubs, Six), 1, true},
      {"a six of another suit", C(Hearts, Six), 1, false},
      {"one below the card right of the gap", C(Clubs, Six), 1, true},
      {"one above the card left of the gap", C(Clubs, Eight), 3, true},
      {"one below the card right of the gap, its suit", C(Hearts, Eight), 3, true},
      {"the wrong suit", C(Diamonds, Eight), 3, false},
      {"a gap beside a gap", C(Hearts, Ten), 6, false},
      {"a slot that holds a card", C(Clubs, Eight), 2, false},
  };
  Table t(kPaganini);
  t.g.t.PutCard(0, 0, C(Clubs, Ace));
  t.g.t.PutCard(0, 2, C(Clubs, Seven));
  t.g.t.PutCard(0, 4, C(Hearts, Nine));
  for (const Case& c : cases) EXPECT_EQ(PaganiniGapTakes(t.g.t, c.card, 0, c.slot), c.takes) << c.what;
}

TEST(Paganini, ACardMovesIntoAGapAndLeavesOneBehind) {
  Table t(kPaganini);
  t.g.t.PutCard(0, 0, C(Clubs, Ace));
  t.g.t.PutCard(1, 0, C(Hearts, Ace));
  t.g.t.PutCard(1, 5, C(Clubs, Six));
  t.g.t.PutCard(1, 6, C(Hearts, King));
  RecountPiles(t.g);
  t.Move(1, 6, 0, 1);  // a king beside the ace: refused
  EXPECT_TRUE(t.g.t.IsPresent(1, 6));
  t.Move(1, 5, 0, 1);
  EXPECT_TRUE(t.Has(0, 1, C(Clubs, Six)));
  EXPECT_FALSE(t.g.t.IsPresent(1, 5));
  EXPECT_EQ(t.UndoPoints(), 1);
}

TEST(Paganini, FourRowsSixToKingWithTheGapLastWin) {
  TTableState t{};
  for (int r = 0; r < 4; ++r) {
    t.PutCard(r, 0, C(r, Ace));
    for (int s = 1; s <= 8; ++s) t.PutCard(r, s, C((r + 1) % 4, Six + s - 1));
  }
  EXPECT_TRUE(PaganiniWon(t)) << "the suit of a row need not be its ace's";
  t.SwapSlots(2, 3, 4);
  EXPECT_FALSE(PaganiniWon(t));
  t.SwapSlots(2, 3, 4);
  t.PutCard(3, 9, t.CardGrid[3][8]);
  t.CardGrid[3][8].Present = 0;
  EXPECT_FALSE(PaganiniWon(t));
}

}  // namespace
