#include <gtest/gtest.h>

#include "durak/computer_player.h"
#include "durak/swindle.h"
#include "durak_table.h"

namespace {

// A sharper late in the game: ten cards in the stock, one attack card (the
// nine of clubs) it cannot beat, and the king of clubs among the covers of
// an earlier, discarded trick.
DurakTable SwindleTable() {
  DurakTable d(0, 1, Hearts);
  d.g.t.Options.Style = 4;
  d.g.t.WhoseTurn = 1;
  d.TrumpCard(C(Hearts, Ace))
      .Computer({C(Spades, Ten), C(Diamonds, Seven), C(Spades, Six)})
      .Player({C(Diamonds, Ten), C(Diamonds, Jack)})
      .Attacks({C(Clubs, Nine)});
  d.Stock(10);
  d.g.t.CardGrid[3][4] = TCard{Clubs, King, 0, {}};
  return d;
}

TEST(DurakSwindle, TheSharperSwapsItsLowestCardForADiscardedCardThatBeats) {
  DurakTable d = SwindleTable();
  const int slot = CoverChoice(d.g, 2, 0);
  ASSERT_EQ(slot, 2) << "the slot of its lowest card";
  EXPECT_TRUE(SameCard(d.At(0, slot), C(Clubs, King)));
  EXPECT_LT(d.SlotOf(0, C(Spades, Six)), 0) << "the lowest card vanished";
  EXPECT_EQ(d.g.t.SwindleCount, 1);
  EXPECT_TRUE(SameCard(d.g.t.SwindleCards[0], C(Clubs, King)));
  EXPECT_EQ(d.g.t.SwindleCards[0].Present, 1);
}

TEST(DurakSwindle, OtherPersonalitiesDoNotCheat) {
  DurakTable d = SwindleTable();
  d.g.t.Options.Style = 5;
  EXPECT_EQ(CoverChoice(d.g, 2, 0), -1);
  EXPECT_EQ(d.g.t.SwindleCount, 0);
}

TEST(DurakSwindle, NotWhileTheStockIsAboveTheThresholdOfTheLevel) {
  DurakTable d = SwindleTable();
  d.g.program.PackSize = 52;  // room for a thick stock without the king of clubs
  d.Stock(25);
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
  d.Stock(24);
  EXPECT_GE(DurakSwindle(d.g, 2, 0), 0);

  DurakTable high = SwindleTable();
  high.g.t.Options.LevelS = 1;
  high.Stock(13);
  EXPECT_EQ(DurakSwindle(high.g, 2, 0), -1);
  high.Stock(12);
  EXPECT_GE(DurakSwindle(high.g, 2, 0), 0);
}

TEST(DurakSwindle, NotWhenTwoOrMoreAttackCardsLie) {
  DurakTable d = SwindleTable();
  d.Attacks({C(Clubs, Nine), C(Diamonds, Nine)});
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
}

TEST(DurakSwindle, NoMoreThanTheLevelsLimitPerGame) {
  DurakTable d = SwindleTable();
  d.g.t.SwindleCount = 5;
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
  d.g.t.Options.LevelS = 1;
  d.g.t.SwindleCount = 3;
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
}

TEST(DurakSwindle, InJapaneseDurakASpadeIsNeverCoveredBySwindle) {
  DurakTable d = SwindleTable();
  d.g.t.VidG = 1;
  d.Attacks({C(Spades, Nine)});
  d.g.t.CardGrid[3][4] = TCard{Spades, King, 0, {}};
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
}

TEST(DurakSwindle, ACardStillInAHandOrSwindledBeforeIsNoCandidate) {
  DurakTable d = SwindleTable();
  d.Player({C(Clubs, King)});
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
  d.Player({C(Diamonds, Ten)});
  d.g.t.SwindleCards[0] = C(Clubs, King);
  d.g.t.SwindleCount = 1;
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
}

TEST(DurakSwindle, ACardStillInTheStockIsNoCandidate) {
  DurakTable d = SwindleTable();
  d.StockCards({C(Clubs, King), C(Clubs, Six), C(Spades, Seven)});
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
  EXPECT_GE(d.SlotOf(0, C(Spades, Six)), 0) << "nothing was dropped";
}

TEST(DurakSwindle, ARecordThatIsNoCardOfThe36CardPackIsNoCandidate) {
  DurakTable d = SwindleTable();
  d.g.t.CardGrid[3][4] = TCard{};  // never written: reads as the two of clubs
  d.g.t.CardGrid[3][2] = TCard{Hearts, Four, 0, {}};
  d.Attacks({C(Clubs, Nine)});
  EXPECT_EQ(DurakSwindle(d.g, 2, 0), -1);
  d.g.program.PackSize = 52;  // a four of trumps is a card of the full pack
  const int slot = DurakSwindle(d.g, 2, 0);
  ASSERT_GE(slot, 0);
  EXPECT_TRUE(SameCard(d.At(0, slot), C(Hearts, Four)));
}

TEST(DurakSwindle, ASharperAnsweringASingleCardLeadCheatsOnlyOnce) {
  DurakTable d = SwindleTable();
  d.g.t.CardGrid[3][6] = TCard{Clubs, Queen, 0, {}};
  d.g.t.LeadInProgress = 1;
  EXPECT_EQ(DefendAll(d.g), kAllCovered);
  EXPECT_EQ(d.g.t.SwindleCount, 1);
  EXPECT_EQ(d.g.t.RowCount[0], 2);
  EXPECT_TRUE(SameCard(d.At(3, 0), d.g.t.SwindleCards[0]));
}

}  // namespace
