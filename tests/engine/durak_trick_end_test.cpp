#include <gtest/gtest.h>

#include "durak/trick_end.h"
#include "durak_table.h"

namespace {

bool Holds(const DurakTable& d, int row, const TCard& c) {
  return d.SlotOf(row, c) >= 0;
}

// How many recordings were played whose call starts so (any variant).
int Heard(const DurakTable& d, const std::string& start) {
  int n = 0;
  for (const std::string& call : d.out.calls) n += call.rfind(start, 0) == 0;
  return n;
}

// --- discard ----------------------------------------------------------------

TEST(DurakDiscard, TheCardsLeavePlayButTheirRecordsStay) {
  DurakTable d;
  d.Attacks({C(Clubs, Seven), C(Spades, Seven)}).Covers({C(Clubs, Eight), C(Spades, Nine)});
  d.g.t.CoverIndex = 2;
  DiscardTrick(d.g);
  EXPECT_FALSE(d.g.t.IsPresent(2, 0));
  EXPECT_FALSE(d.g.t.IsPresent(3, 1));
  EXPECT_TRUE(SameCard(d.At(3, 1), C(Spades, Nine)));
  EXPECT_EQ(d.g.t.RowCount[2], 0);
  EXPECT_EQ(d.g.t.RowCount[3], 0);
  EXPECT_EQ(d.g.t.CoverIndex, 0);
  EXPECT_EQ(d.g.t.FirstDiscardDone, 1);
}

TEST(DurakDiscard, TheVoiceSaysWhoseAttackWasBeatenOff) {
  DurakTable d;
  d.g.t.Options.Sound = 3;
  d.Attacks({C(Clubs, Seven)}).Covers({C(Clubs, Eight)});
  DiscardTrick(d.g);
  EXPECT_EQ(d.out.Count("wav Voices/m_otboy2.wav sync"), 1) << "the player's attack beaten off";
  EXPECT_EQ(d.out.Count("discard"), 1);
  d.g.t.WhoseTurn = 0;
  d.Attacks({C(Clubs, Seven)}).Covers({C(Clubs, Eight)});
  DiscardTrick(d.g);
  EXPECT_EQ(d.out.Count("wav Voices/m_otboy1.wav sync"), 1) << "the computer's attack beaten off";
}

// --- take -------------------------------------------------------------------

TEST(DurakTake, TheTakerGetsEveryCardOnTheTableAndMayHoldMoreThanSix) {
  DurakTable d;
  d.g.t.Options.Sound = 3;
  d.g.t.WhoseTurn = 0;
  d.Player({C(Clubs, Six), C(Clubs, Ten), C(Spades, Ten), C(Diamonds, Ten), C(Hearts, Ten)})
      .Computer({C(Spades, Six)})
      .Attacks({C(Clubs, Seven), C(Spades, Seven)})
      .Covers({C(Clubs, Eight)});
  d.g.t.CoverIndex = 1;
  TakeTrick(d.g, 1);
  EXPECT_EQ(d.g.t.RowCount[1], 8);
  EXPECT_TRUE(Holds(d, 1, C(Clubs, Seven)));
  EXPECT_TRUE(Holds(d, 1, C(Spades, Seven)));
  EXPECT_TRUE(Holds(d, 1, C(Clubs, Eight)));
  EXPECT_EQ(d.g.t.RowCount[2], 0);
  EXPECT_EQ(d.g.t.RowCount[3], 0);
  EXPECT_EQ(d.g.t.CoverIndex, 0);
  EXPECT_EQ(d.out.Count("wav Voices/sfromkol.wav async"), 1) << "the cards slide to the taker";
  EXPECT_EQ(Heard(d, "wav Voices/m_zabiray"), 1) << "the computer tells the player to take";
  EXPECT_EQ(d.out.Count("take player"), 1);
}

TEST(DurakTake, TheComputersTakeHasItsOwnVoice) {
  DurakTable d;
  d.g.t.Options.Sound = 3;
  d.Computer({C(Spades, Six)}).Attacks({C(Clubs, Seven)});
  TakeTrick(d.g, 0);
  EXPECT_EQ(Heard(d, "wav Voices/m_beru"), 1);
  EXPECT_EQ(Heard(d, "wav Voices/m_zabiray"), 0);
  EXPECT_EQ(d.g.t.RowCount[0], 2);
}

TEST(DurakTake, OnlyTheAttackerDrawsAfterATakeEvenWhenTheTakerIsShort) {
  DurakTable d;
  d.g.t.WhoseTurn = 1;
  d.Player({C(Clubs, Six), C(Clubs, Ten)})
      .Computer({C(Spades, Six)})
      .Attacks({C(Clubs, Seven)})
      .TrumpCard(C(Hearts, Ace))
      .Stock(10);
  TakeTrick(d.g, 0);
  DrawUp(d.g, DrawWho::AttackerOnly);
  EXPECT_EQ(d.g.t.RowCount[1], 6);
  EXPECT_EQ(d.g.t.RowCount[0], 2) << "the taker draws nothing";
  EXPECT_EQ(d.g.t.RowCount[5], 6);
}

// --- draw up ----------------------------------------------------------------

TEST(DurakDrawUp, TheAttackerDrawsFirstAndTheTrumpCardComesLast) {
  DurakTable d;
  d.g.t.WhoseTurn = 0;  // the computer attacked
  d.Computer({C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine)})
      .Player({C(Spades, Six), C(Spades, Seven), C(Spades, Eight), C(Spades, Nine)})
      .StockCards({C(Diamonds, Six), C(Diamonds, Seven), C(Diamonds, Eight)})
      .TrumpCard(C(Hearts, Ace));
  DrawUp(d.g, DrawWho::Both);
  EXPECT_TRUE(Holds(d, 0, C(Diamonds, Six)));
  EXPECT_TRUE(Holds(d, 0, C(Diamonds, Seven)));
  EXPECT_TRUE(Holds(d, 1, C(Diamonds, Eight)));
  EXPECT_TRUE(Holds(d, 1, C(Hearts, Ace)));
  EXPECT_EQ(d.g.t.RowCount[0], 6);
  EXPECT_EQ(d.g.t.RowCount[1], 6);
  EXPECT_EQ(d.g.t.RowCount[5], 0);
  EXPECT_FALSE(d.g.t.IsPresent(4, 0)) << "the stock is exhausted";
}

TEST(DurakDrawUp, TheAttackerMayTakeTheWholeStockWhenNotShared) {
  DurakTable d;
  d.g.t.WhoseTurn = 1;
  d.Player({C(Spades, Six), C(Spades, Seven), C(Spades, Eight)})
      .Computer({C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight)})
      .StockCards({C(Diamonds, Six), C(Diamonds, Seven)})
      .TrumpCard(C(Hearts, Ace));
  DrawUp(d.g, DrawWho::Both);
  EXPECT_EQ(d.g.t.RowCount[1], 6);
  EXPECT_EQ(d.g.t.RowCount[0], 3);
}

TEST(DurakDrawUp, SharedLastCardsGoToTheDefenderFirstThenAlternate) {
  DurakTable d;
  d.g.t.Options.LastCards = 1;
  d.g.t.WhoseTurn = 1;  // the player attacked, the computer defended
  d.Player({C(Spades, Six), C(Spades, Seven), C(Spades, Eight), C(Spades, Nine)})
      .Computer({C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine)})
      .StockCards({C(Diamonds, Six), C(Diamonds, Seven)})
      .TrumpCard(C(Hearts, Ace));
  DrawUp(d.g, DrawWho::Both);
  EXPECT_TRUE(Holds(d, 0, C(Diamonds, Six)));
  EXPECT_TRUE(Holds(d, 1, C(Diamonds, Seven)));
  EXPECT_TRUE(Holds(d, 0, C(Hearts, Ace)));
  EXPECT_EQ(d.g.t.RowCount[0], 6);
  EXPECT_EQ(d.g.t.RowCount[1], 5);
}

TEST(DurakDrawUp, SharingStartsWithTheAttackerWhenTheDefenderIsFull) {
  DurakTable d;
  d.g.t.Options.LastCards = 1;
  d.g.t.WhoseTurn = 1;
  d.Player({C(Spades, Six), C(Spades, Seven), C(Spades, Eight), C(Spades, Nine)})
      .Computer({C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine), C(Clubs, Ten),
                 C(Clubs, Jack)})
      .StockCards({C(Diamonds, Six)})
      .TrumpCard(C(Hearts, Ace));
  DrawUp(d.g, DrawWho::Both);
  EXPECT_EQ(d.g.t.RowCount[1], 6);
  EXPECT_TRUE(Holds(d, 1, C(Hearts, Ace)));
}

TEST(DurakDrawUp, WithEnoughStockLastCardsSharesNothing) {
  DurakTable d;
  d.g.t.Options.LastCards = 1;
  d.g.t.WhoseTurn = 1;
  d.Player({C(Spades, Six), C(Spades, Seven), C(Spades, Eight), C(Spades, Nine)})
      .Computer({C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine)})
      .StockCards({C(Diamonds, Six), C(Diamonds, Seven), C(Diamonds, Eight), C(Diamonds, Nine),
                   C(Diamonds, Ten)})
      .TrumpCard(C(Hearts, Ace));
  DrawUp(d.g, DrawWho::Both);
  EXPECT_TRUE(Holds(d, 1, C(Diamonds, Six)));
  EXPECT_TRUE(Holds(d, 1, C(Diamonds, Seven)));
  EXPECT_TRUE(Holds(d, 0, C(Diamonds, Eight)));
  EXPECT_TRUE(d.g.t.IsPresent(4, 0));
}

TEST(DurakDrawUp, FullHandsDrawNothing) {
  DurakTable d;
  d.g.t.Options.Sound = 1;
  d.Player({C(Spades, Six), C(Spades, Seven), C(Spades, Eight), C(Spades, Nine), C(Spades, Ten),
            C(Spades, Jack)})
      .Computer({C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine), C(Clubs, Ten),
                 C(Clubs, Jack), C(Clubs, Queen)})
      .TrumpCard(C(Hearts, Ace))
      .Stock(4);
  DrawUp(d.g, DrawWho::Both);
  EXPECT_EQ(d.g.t.RowCount[5], 4);
  EXPECT_EQ(d.out.Count("wav Voices/sfromkol.wav async"), 0);
}

TEST(DurakDrawUp, EachDrawIsHeardAndTheHandSpreadsFirst) {
  DurakTable d;
  d.g.t.Options.Sound = 1;
  d.g.t.WhoseTurn = 1;
  d.Player({C(Spades, Six), C(Spades, Seven), C(Spades, Eight), C(Spades, Nine)})
      .Computer({C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine), C(Clubs, Ten),
                 C(Clubs, Jack)})
      .TrumpCard(C(Hearts, Ace))
      .Stock(10);
  DrawUp(d.g, DrawWho::Both);
  const std::string slide = "wav Voices/sfromkol.wav async";
  const std::vector<std::string> expected = {"spread 1 -1", slide, "draw player -1 0 4", slide,
                                             "draw player -1 1 5"};
  EXPECT_EQ(d.out.calls, expected);
  // The hand is sorted again after the draw.
  EXPECT_EQ(d.g.t.RowCount[1], 6);
}

}  // namespace
