#include <gtest/gtest.h>

#include "durak/reverse_penalty.h"
#include "durak_table.h"

namespace {

// Reverse durak, throw-up form, hearts trumps.
DurakTable ReverseTable() {
  DurakTable d(2, 1, Hearts);
  d.TrumpCard(C(Hearts, Ace))
      .Computer({C(Clubs, Six), C(Clubs, Jack), C(Diamonds, Ten)})
      .Player({C(Spades, Six), C(Spades, Ten), C(Diamonds, Six)})
      .Stock(10);
  return d;
}

TEST(DurakReversePenalty, AWrongAddIsLaidAndThePlayerTakesTheTrick) {
  DurakTable d = ReverseTable();
  d.g.t.WhoseTurn = 1;
  d.Attacks({C(Clubs, Seven)}).Covers({C(Clubs, Eight)});
  d.g.t.CoverIndex = 1;
  ReverseWrongAdd(d.g, d.SlotOf(1, C(Spades, Ten)));
  // He took the seven, the eight and his own ten back.
  EXPECT_EQ(d.g.t.RowCount[1], 5);
  EXPECT_GE(d.SlotOf(1, C(Clubs, Seven)), 0);
  EXPECT_GE(d.SlotOf(1, C(Clubs, Eight)), 0);
  EXPECT_GE(d.SlotOf(1, C(Spades, Ten)), 0);
  // The computer drew up to six, then led one card at once.
  EXPECT_EQ(d.g.t.WhoseTurn, 0);
  EXPECT_EQ(d.g.t.RowCount[2], 1);
  EXPECT_EQ(d.g.t.RowCount[3], 0);
  EXPECT_EQ(d.g.t.RowCount[0], 5);
  EXPECT_EQ(d.g.t.RowCount[5], 7);
}

TEST(DurakReversePenalty, AWrongCoverIsLaidAndThePlayerTakesTheTrick) {
  DurakTable d = ReverseTable();
  d.g.t.WhoseTurn = 0;
  d.Attacks({C(Clubs, Seven)});
  d.g.t.CoverIndex = 0;
  ReverseWrongCover(d.g, d.SlotOf(1, C(Spades, Six)));
  EXPECT_EQ(d.g.t.RowCount[1], 4);
  EXPECT_GE(d.SlotOf(1, C(Clubs, Seven)), 0);
  EXPECT_GE(d.SlotOf(1, C(Spades, Six)), 0);
  EXPECT_EQ(d.g.t.WhoseTurn, 0);
  EXPECT_EQ(d.g.t.RowCount[2], 1) << "the computer leads again";
  EXPECT_EQ(d.g.t.RowCount[0], 5);
}

TEST(DurakReversePenalty, OnlyTheLastCoveredPairIsChecked) {
  DurakTable d = ReverseTable();
  d.Attacks({C(Clubs, Seven), C(Spades, Seven)}).Covers({C(Clubs, Six), C(Spades, Eight)});
  d.g.t.CoverIndex = 2;
  EXPECT_FALSE(ReverseLastCoverWrong(d.g)) << "the wrong first cover goes unnoticed";
  d.Covers({C(Clubs, Eight), C(Spades, Six)});
  EXPECT_TRUE(ReverseLastCoverWrong(d.g));
  d.Covers({C(Clubs, Eight), C(Hearts, Six)});
  EXPECT_FALSE(ReverseLastCoverWrong(d.g)) << "a trump beats";
}

TEST(DurakReversePenalty, NothingCoveredIsNothingWrong) {
  DurakTable d = ReverseTable();
  d.Attacks({C(Clubs, Seven)});
  d.g.t.CoverIndex = 0;
  EXPECT_FALSE(ReverseLastCoverWrong(d.g));
}

}  // namespace
