// The sequence patience games by the mouse: Bard's folding line, Prisoner's
// key and stock, Two by two's pairs of a suit, Fir-trees' tree cards onto
// the waste, Street's foundations and columns.
#include "patience/sequence.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/game_message.h"
#include "patience_table.h"

namespace {

constexpr int kBard = 12, kPrisoner = 14, kTwoByTwo = 15, kFirTrees = 21, kStreet = 22;

struct Sequence : PatienceTable {
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

// --- Neighbours -------------------------------------------------------------

TEST(Neighbours, RanksOneApartOfAnySuitAndTheAceWithTheTwo) {
  struct Case {
    TCard a, b;
    bool neighbours;
  };
  const Case cases[] = {
      {C(Clubs, Five), C(Hearts, Six), true},   {C(Clubs, Six), C(Hearts, Five), true},
      {C(Clubs, King), C(Spades, Ace), true},   {C(Clubs, Ace), C(Diamonds, Two), true},
      {C(Clubs, Five), C(Clubs, Five), false},  {C(Clubs, Five), C(Hearts, Seven), false},
      {C(Clubs, Ace), C(Diamonds, Three), false}, {C(Clubs, King), C(Spades, Two), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Neighbours(c.a, c.b), c.neighbours) << c.a.Rank << " " << c.b.Rank;
  }
}

// --- Bard -------------------------------------------------------------------

TEST(Bard, ACardGoesOntoTheCardOneOrTwoBeforeItOfItsRankOrSuit) {
  struct Case {
    int from, to;
    bool fits;
  };
  // Line: 0 two of clubs, 1 nine of hearts, 2 five of clubs, 3 nine of spades,
  // 4 king of diamonds.
  const Case cases[] = {
      {2, 0, true},   // same suit, two before
      {3, 1, true},   // same rank, two before
      {2, 1, false},  // neither
      {3, 0, false},  // three before is too far, though the suit...
      {4, 3, false}, {1, 1, false}, {0, 2, false},  // never forwards
  };
  Sequence t(kBard);
  t.Row(0, {C(Clubs, Two), C(Hearts, Nine), C(Clubs, Five), C(Spades, Nine), C(Diamonds, King)});
  for (const Case& c : cases) EXPECT_EQ(BardFits(t.g.t, c.from, c.to), c.fits) << c.from << c.to;
}

TEST(Bard, AMoveTakesTheTargetsPlaceAndTheLineClosesUp) {
  Sequence t(kBard);
  t.Row(0, {C(Clubs, Two), C(Hearts, Nine), C(Clubs, Five), C(Spades, Nine), C(Diamonds, King)});
  t.Move(0, 3, 0, 1);
  EXPECT_TRUE(t.Has(0, 1, C(Spades, Nine)));
  EXPECT_TRUE(t.Has(0, 2, C(Clubs, Five)));
  EXPECT_TRUE(t.Has(0, 3, C(Diamonds, King)));
  EXPECT_EQ(t.Count(0), 4);
  EXPECT_EQ(t.UndoPoints(), 1);
  t.Move(0, 3, 0, 0);  // the king onto the two, three places before: too far
  EXPECT_EQ(t.Count(0), 4);
  EXPECT_EQ(t.g.t.Picked, 0);
}

TEST(Bard, ALineFoldedToOneCardIsWon) {
  Sequence t(kBard);
  t.Row(0, {C(Clubs, Two), C(Clubs, Nine)});
  t.Move(0, 1, 0, 0);
  EXPECT_EQ(t.Messages(kMsgYouWin), 1);
  EXPECT_EQ(t.g.t.Stats[kBard].Wins, 1) << "counted when the next deal was made";
  EXPECT_EQ(t.Count(0), 52);
}

// --- Prisoner ---------------------------------------------------------------

struct PrisonerTable : Sequence {
  PrisonerTable() : Sequence(kPrisoner) {
    Row(2, {C(Clubs, Nine)});  // the key
    Row(4, {C(Hearts, Nine)});
    Row(5, {C(Hearts, Ten)});
  }
};

TEST(Prisoner, APrisonerOfTheKeysRankIsFreedAndBecomesTheKey) {
  PrisonerTable t;
  t.Click(4, 0);
  EXPECT_EQ(t.Count(4), 0);
  EXPECT_TRUE(t.Has(2, 1, C(Hearts, Nine)));
  EXPECT_EQ(t.g.t.Picked, 0);
  EXPECT_EQ(t.UndoPoints(), 1);
}

TEST(Prisoner, APrisonerOfAnotherRankCannotBeTouched) {
  PrisonerTable t;
  EXPECT_FALSE(FindPointNaming(t.g, 5, 0, true).has_value()) << "the ten answers no press";
  EXPECT_TRUE(PrisonerLegalMoves(t.g.t).size() == 2u) << "the nine and the stock";
}

TEST(Prisoner, TheStockDealsOneCardOntoEachOfTheThreeRows) {
  struct Case {
    int stock;
    std::vector<int> counts;  // rows 1, 2, 3 after the press
  };
  const Case cases[] = {{5, {1, 2, 1}}, {2, {1, 2, 0}}, {1, {0, 2, 0}}};
  for (const Case& c : cases) {
    PrisonerTable t;
    for (int s = 0; s < c.stock; ++s) t.g.t.PutCard(0, s, C(Spades, Six + s));
    RecountPiles(t.g);
    t.Click(0, 0);
    EXPECT_EQ(t.Count(1), c.counts[0]) << c.stock;
    EXPECT_EQ(t.Count(2), c.counts[1]) << c.stock;
    EXPECT_EQ(t.Count(3), c.counts[2]) << c.stock;
    EXPECT_TRUE(t.Has(2, 1, C(Spades, Six + c.stock - (c.stock > 1 ? 2 : 1))));
  }
}

TEST(Prisoner, TheEmptyStockIsGatheredOnceAndThenPressesDoNothing) {
  PrisonerTable t;
  t.g.t.PutCard(0, 0, C(Spades, Seven));
  RecountPiles(t.g);
  t.Click(0, 0);  // the last card onto the key: the stock is empty for the first time
  EXPECT_EQ(t.g.t.CoverIndex, 1);
  t.Click(0, 0);  // rows 1 to 3 gathered and dealt again
  EXPECT_EQ(t.Count(1) + t.Count(2) + t.Count(3), 2);
  EXPECT_EQ(t.g.t.CoverIndex, 2) << "two cards only: the stock is empty again";
  const TTableState before = t.g.t;
  t.Click(0, 0);
  EXPECT_EQ(t.g.t.CardGrid, before.CardGrid);
}

// --- Two by two -------------------------------------------------------------

TEST(TwoByTwo, TwoPlacesOfOneSuitAreCoveredFromTheStock) {
  Sequence t(kTwoByTwo);
  t.Row(0, {C(Clubs, Two), C(Clubs, Three), C(Clubs, Four)});
  t.Row(1, {C(Hearts, Nine)});
  t.Row(2, {C(Spades, Nine)});
  t.Row(3, {C(Hearts, Two)});
  t.Row(4, {C(Spades, Ace)});
  t.Move(1, 0, 2, 0);  // different suits
  EXPECT_EQ(t.Count(0), 3);
  t.Move(1, 0, 3, 0);
  EXPECT_TRUE(t.Has(1, 0, C(Clubs, Four))) << "the stock's top covers the picked place";
  EXPECT_TRUE(t.Has(3, 0, C(Clubs, Three)));
  EXPECT_EQ(t.Count(0), 1);
  EXPECT_EQ(t.UndoPoints(), 1);
}

TEST(TwoByTwo, TheLastCardOfTheStockWinsAndTheWinIsCountedAtTheNextDeal) {
  Sequence t(kTwoByTwo);
  t.Row(0, {C(Clubs, Two)});
  t.Row(1, {C(Hearts, Nine)});
  t.Row(2, {C(Hearts, Ten)});
  t.Row(3, {C(Spades, Two)});
  t.Row(4, {C(Diamonds, Ace)});
  t.g.t.Stats[kTwoByTwo] = {3, 5, 0};
  t.Move(2, 0, 1, 0);
  EXPECT_EQ(t.Messages(kMsgYouWin), 1);
  EXPECT_EQ(t.g.t.Stats[kTwoByTwo].Wins, 4) << "counted when the next deal was made";
  EXPECT_EQ(t.g.t.Stats[kTwoByTwo].Losses, 5);
  EXPECT_EQ(t.Count(0), 48) << "the next deal lies on the table";
}

// --- Fir-trees --------------------------------------------------------------

TEST(FirTrees, TakingATreeCardFreesWhatItAloneCovered) {
  struct Case {
    int taken;
    std::vector<int> alreadyGone;
    std::vector<int> freed;
  };
  const Case cases[] = {
      {12, {}, {10, 11}}, {9, {10, 11, 12}, {7, 8}}, {3, {4, 5, 6, 7, 8, 9, 10, 11, 12}, {1, 2}},
      {10, {12}, {}},     {10, {11, 12}, {9}},       {11, {10, 12}, {9}},
      {1, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {0}},
  };
  for (const Case& c : cases) {
    Sequence t(kFirTrees);
    for (int s = 0; s < 13; ++s) t.g.t.PutCard(2, s, C(s % 4, s));
    for (const int s : c.alreadyGone) t.g.t.CardGrid[2][s].Present = 0;
    FreeUnderTreeCard(t.g.t, 2, c.taken);
    std::vector<int> freed;
    for (int s = 0; s < 13; ++s) {
      if (t.g.t.Opened[2][s] != 0) freed.push_back(s);
    }
    EXPECT_EQ(freed, c.freed) << "taking " << c.taken;
  }
}

TEST(FirTrees, AFreeTreeCardGoesOntoANeighbouringWasteOnlyAndNeverOntoAnEmptyOne) {
  Sequence t(kFirTrees);
  t.g.t.PutCard(0, 0, C(Hearts, Seven));
  for (int s = 0; s < 13; ++s) t.g.t.PutCard(2, s, C(Clubs, s));
  t.Up(2, 12);  // the ace of clubs
  RecountPiles(t.g);
  const TTableState before = t.g.t;
  t.Click(2, 12);
  EXPECT_EQ(t.g.t.CardGrid, before.CardGrid) << "an empty waste takes nothing";
  EXPECT_EQ(t.UndoPoints(), 0);
  t.Click(0, 0);  // the seven onto the waste
  t.Click(2, 12);
  EXPECT_EQ(t.Count(1), 1) << "an ace is no neighbour of a seven";
  t.g.t.PutCard(1, 1, C(Diamonds, Two));
  RecountPiles(t.g);
  t.Click(2, 12);
  EXPECT_TRUE(t.Has(1, 2, C(Clubs, Ace)));
  EXPECT_EQ(t.g.t.Opened[2][10] + t.g.t.Opened[2][11], 2);
}

// --- Street -----------------------------------------------------------------

TEST(Street, FoundationsTakeTheAceThenTheTwoThenEachNextCardOfTheSuit) {
  struct Case {
    std::optional<TCard> shown;
    TCard card;
    bool takes;
  };
  const Case cases[] = {
      {std::nullopt, C(Clubs, Ace), true},     {std::nullopt, C(Clubs, Two), false},
      {C(Clubs, Ace), C(Clubs, Two), true},    {C(Clubs, Ace), C(Hearts, Two), false},
      {C(Clubs, Two), C(Clubs, Three), true},  {C(Clubs, Queen), C(Clubs, King), true},
      {C(Clubs, Six), C(Clubs, Eight), false}, {C(Clubs, Five), C(Clubs, Four), false},
  };
  for (const Case& c : cases) {
    Sequence t(kStreet);
    if (c.shown) t.Row(0, {*c.shown});
    EXPECT_EQ(StreetFoundationTakes(t.g.t, 0, c.card), c.takes) << c.card.Rank;
  }
}

TEST(Street, AColumnTakesTheNextHigherAndTheNextLowerCardOfAnySuit) {
  Sequence t(kStreet);
  t.Row(4, {C(Clubs, Nine)});
  EXPECT_TRUE(StreetColumnTakes(t.g.t, 4, C(Hearts, Ten)));
  EXPECT_TRUE(StreetColumnTakes(t.g.t, 4, C(Diamonds, Eight)));
  EXPECT_FALSE(StreetColumnTakes(t.g.t, 4, C(Clubs, Nine)));
  EXPECT_FALSE(StreetColumnTakes(t.g.t, 4, C(Clubs, Jack)));
  EXPECT_TRUE(StreetColumnTakes(t.g.t, 5, C(Clubs, Jack))) << "an empty column takes any card";
}

TEST(Street, TwoClicksMoveAColumnTopToAFoundationOrAColumn) {
  Sequence t(kStreet);
  t.Row(4, {C(Hearts, Five), C(Clubs, Ace)});
  t.Row(5, {C(Spades, Four)});
  t.Row(6, {C(Diamonds, Jack)});
  t.Move(4, 1, 0, 0);
  EXPECT_TRUE(t.Has(0, 0, C(Clubs, Ace)));
  t.Move(4, 0, 6, 0);  // five onto jack: refused
  EXPECT_EQ(t.Count(4), 1);
  t.Move(4, 0, 5, 0);
  EXPECT_TRUE(t.Has(5, 1, C(Hearts, Five)));
  EXPECT_EQ(t.UndoPoints(), 2);
}

}  // namespace
