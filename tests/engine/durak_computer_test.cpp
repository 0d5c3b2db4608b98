#include <gtest/gtest.h>

#include <set>

#include "durak/computer_player.h"
#include "durak_table.h"

namespace {

// --- leads ------------------------------------------------------------------

// The computer holds the nine of trumps (clubs), the seven of spades and the
// seven of hearts.
DurakTable LeadTable(int style) {
  DurakTable d(0, 1, Clubs);
  d.g.t.Options.Style = style;
  d.g.t.WhoseTurn = 0;
  d.TrumpCard(C(Clubs, Ace)).Computer({C(Hearts, Seven), C(Clubs, Nine), C(Spades, Seven)});
  d.Stock(10);
  return d;
}

TEST(DurakLead, AProfessionalLeadsItsLowestNonTrump) {
  DurakTable d = LeadTable(5);
  EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Hearts, Seven)));
}

TEST(DurakLead, ASharperLeadsLikeAProfessional) {
  DurakTable d = LeadTable(4);
  EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Hearts, Seven)));
}

TEST(DurakLead, AnEnthusiastLeadsTheLowerCardOfItsLowestPlainPair) {
  DurakTable d = LeadTable(2);
  EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Hearts, Seven)));
  d.Computer(
      {C(Clubs, Nine), C(Spades, Nine), C(Spades, Eight), C(Hearts, Eight), C(Diamonds, Six)});
  EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Hearts, Eight)))
      << "the pair of eights, not the lone six nor the trump nine";
}

TEST(DurakLead, AnEnthusiastWithoutAPairLeadsItsLowestCard) {
  DurakTable d = LeadTable(2);
  d.Computer({C(Clubs, Nine), C(Clubs, Seven), C(Spades, Ace), C(Hearts, Eight)});
  EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Hearts, Eight)))
      << "a pair of trumps does not count";
}

TEST(DurakLead, AnAggressorLeadsItsHighestNonTrump) {
  DurakTable d = LeadTable(3);
  EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Spades, Seven)));
  d.Computer({C(Clubs, Nine), C(Clubs, Seven), C(Diamonds, King), C(Spades, Ace)});
  EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Spades, Ace)));
}

TEST(DurakLead, WithOnlyTrumpsEveryPersonalityButTheChildLeadsTheLowestTrump) {
  for (int style : {1, 2, 3, 4, 5}) {
    DurakTable d = LeadTable(style);
    d.Computer({C(Clubs, Nine), C(Clubs, Seven), C(Clubs, Ace)});
    EXPECT_TRUE(SameCard(d.At(0, LeadChoice(d.g)), C(Clubs, Seven))) << "style " << style;
  }
}

std::set<int> LeadsOverSeeds(int vidg, int style) {
  std::set<int> slots;
  for (int seed = 1; seed <= 40; ++seed) {
    DurakTable d(vidg, 1, Clubs, seed);
    d.g.t.Options.Style = style;
    d.g.random.Seed(seed);
    d.Computer({C(Hearts, Seven), C(Clubs, Nine), C(Spades, Seven), C(Diamonds, King)});
    const int s = LeadChoice(d.g);
    EXPECT_GE(s, 0);
    EXPECT_LT(s, 4);
    slots.insert(s);
  }
  return slots;
}

TEST(DurakLead, AChildLeadsAnyCard) {
  EXPECT_GT(LeadsOverSeeds(0, 0).size(), 2u);
}

TEST(DurakLead, InReverseDurakEvenTheProfessionalLeadsAtRandom) {
  EXPECT_GT(LeadsOverSeeds(2, 5).size(), 2u);
}

TEST(DurakLead, ASimpletonsLeadDependsOnTheClockNotOnEarlierDraws) {
  DurakTable d = LeadTable(1);
  d.clock.Set(777);
  const int first = LeadChoice(d.g);
  RandomBelow(d.g, 1000);  // the generator moves on, the clock does not
  EXPECT_EQ(LeadChoice(d.g), first);
  std::set<int> slots;
  for (int t = 0; t < 40; ++t) {
    d.clock.Set(t);
    slots.insert(LeadChoice(d.g));
  }
  EXPECT_GT(slots.size(), 1u) << "trumps included, any card may come";
}

// --- covers -----------------------------------------------------------------

DurakTable CoverTable() {
  DurakTable d(0, 1, Hearts);
  d.g.t.Options.Style = 5;
  d.TrumpCard(C(Hearts, Six))
      .Computer({C(Hearts, Seven), C(Clubs, Eight), C(Clubs, Queen), C(Spades, Ten)})
      .Attacks({C(Clubs, Seven)});
  d.Stock(10);
  return d;
}

TEST(DurakCover, TheLowestCardOfTheSuitThatBeatsIsUsed) {
  DurakTable d = CoverTable();
  EXPECT_TRUE(SameCard(d.At(0, CoverChoice(d.g, 2, 0)), C(Clubs, Eight)));
}

TEST(DurakCover, APlainCardWithoutAnswerInItsSuitIsTrumpedWithTheLowestTrump) {
  DurakTable d = CoverTable();
  d.Computer({C(Hearts, King), C(Hearts, Seven), C(Spades, Ten)});
  d.Attacks({C(Diamonds, Ace)});
  EXPECT_TRUE(SameCard(d.At(0, CoverChoice(d.g, 2, 0)), C(Hearts, Seven)));
}

TEST(DurakCover, ATrumpIsCoveredOnlyByAHigherTrump) {
  DurakTable d = CoverTable();
  d.Computer({C(Hearts, King), C(Hearts, Seven), C(Spades, Ten)});
  d.Attacks({C(Hearts, Eight)});
  EXPECT_TRUE(SameCard(d.At(0, CoverChoice(d.g, 2, 0)), C(Hearts, King)));
  d.Attacks({C(Hearts, Ace)});
  EXPECT_EQ(CoverChoice(d.g, 2, 0), -1);
}

TEST(DurakCover, TheLowestTrumpAceIsKeptWhileMoreThanThreeCardsLieInTheStock) {
  DurakTable d = CoverTable();
  d.Computer({C(Hearts, Ace), C(Spades, Ten)}).Attacks({C(Clubs, Nine)});
  d.Stock(4);
  EXPECT_EQ(CoverChoice(d.g, 2, 0), -1) << "the computer takes";
  d.Stock(3);
  EXPECT_TRUE(SameCard(d.At(0, CoverChoice(d.g, 2, 0)), C(Hearts, Ace)));
}

TEST(DurakCover, ALowerLowestTrumpIsSpentWhateverTheStock) {
  DurakTable d = CoverTable();
  d.Computer({C(Hearts, Ace), C(Hearts, King), C(Spades, Ten)}).Attacks({C(Clubs, Nine)});
  d.Stock(20);
  EXPECT_TRUE(SameCard(d.At(0, CoverChoice(d.g, 2, 0)), C(Hearts, King)));
}

TEST(DurakCover, InJapaneseDurakASpadeIsNeverTrumped) {
  DurakTable d(1, 1, Diamonds);
  d.Computer({C(Diamonds, Ace), C(Diamonds, Six), C(Spades, Six)}).Attacks({C(Spades, Seven)});
  d.Stock(2);
  EXPECT_EQ(CoverChoice(d.g, 2, 0), -1);
  d.Computer({C(Diamonds, Ace), C(Spades, Eight)});
  EXPECT_TRUE(SameCard(d.At(0, CoverChoice(d.g, 2, 0)), C(Spades, Eight)));
}

TEST(DurakCover, InReverseDurakTheComputerOftenCoversWithAnyCard) {
  int notBeating = 0;
  for (int seed = 1; seed <= 30; ++seed) {
    DurakTable d(2, 1, Hearts, seed);
    d.g.random.Seed(seed);
    d.Computer({C(Clubs, Eight), C(Spades, Six), C(Diamonds, Six)}).Attacks({C(Clubs, Seven)});
    const int c = CoverChoice(d.g, 2, 0);
    ASSERT_GE(c, 0);
    notBeating += !SameCard(d.At(0, c), C(Clubs, Eight));
  }
  EXPECT_GT(notBeating, 0);
}

// --- adding -----------------------------------------------------------------

DurakTable AddTable(int formg) {
  DurakTable d(0, formg, Hearts);
  d.g.t.WhoseTurn = 0;
  d.TrumpCard(C(Hearts, Ace))
      .Computer({C(Hearts, Nine), C(Spades, Nine), C(Clubs, Seven)})
      .Attacks({C(Diamonds, Nine)})
      .Covers({C(Diamonds, Jack)});
  d.Stock(10);
  return d;
}

TEST(DurakAdd, InTheSimpleFormTheComputerAddsNothing) {
  DurakTable d = AddTable(0);
  EXPECT_EQ(AddChoice(d.g), -1);
}

TEST(DurakAdd, TheComputerAddsItsLowestMatchingPlainCard) {
  DurakTable d = AddTable(1);
  EXPECT_TRUE(SameCard(d.At(0, AddChoice(d.g)), C(Spades, Nine)));
}

TEST(DurakAdd, TrumpsAreKeptBackWhileTheStockIsThick) {
  DurakTable d = AddTable(1);
  d.Computer({C(Hearts, Nine), C(Clubs, Seven)});
  EXPECT_EQ(AddChoice(d.g), -1);
  d.Stock(2);
  EXPECT_TRUE(SameCard(d.At(0, AddChoice(d.g)), C(Hearts, Nine)));
}

TEST(DurakAdd, CoverRanksCountToo) {
  DurakTable d = AddTable(2);
  d.Computer({C(Spades, Jack), C(Clubs, Seven)});
  EXPECT_TRUE(SameCard(d.At(0, AddChoice(d.g)), C(Spades, Jack)));
}

TEST(DurakAdd, OnTheRoadTheComputerClimbsAboveTheLastCover) {
  DurakTable d(4, 1, Hearts);
  d.g.t.WhoseTurn = 0;
  d.Computer({C(Hearts, Six), C(Diamonds, Queen), C(Diamonds, Ten), C(Clubs, Jack)})
      .Attacks({C(Diamonds, Nine)})
      .Covers({C(Diamonds, Jack)});
  EXPECT_TRUE(SameCard(d.At(0, AddChoice(d.g)), C(Diamonds, Queen)));
  d.Computer({C(Hearts, Six), C(Diamonds, Ten), C(Clubs, Jack)});
  EXPECT_TRUE(SameCard(d.At(0, AddChoice(d.g)), C(Hearts, Six)));
}

// --- transfers --------------------------------------------------------------

DurakTable ComputerTransferTable() {
  DurakTable d(0, 2, Hearts);
  d.g.t.WhoseTurn = 1;  // the player attacks
  d.g.t.FirstDiscardDone = 1;
  d.TrumpCard(C(Hearts, Ace))
      .Computer({C(Hearts, Seven), C(Spades, Seven), C(Clubs, Ten)})
      .Player({C(Clubs, Six), C(Diamonds, Six), C(Spades, Six), C(Hearts, Six)})
      .Attacks({C(Clubs, Seven)});
  d.Stock(10);
  return d;
}

TEST(DurakComputerTransfer, APlainCardOfTheLeadsRankIsUsedWhileTheTrumpCardLies) {
  DurakTable d = ComputerTransferTable();
  EXPECT_TRUE(SameCard(d.At(0, TransferChoice(d.g)), C(Spades, Seven)));
  d.Computer({C(Hearts, Seven), C(Clubs, Ten)});
  EXPECT_EQ(TransferChoice(d.g), -1) << "the trump seven is kept";
}

TEST(DurakComputerTransfer, OnceTheStockIsGoneATrumpMayTransfer) {
  DurakTable d = ComputerTransferTable();
  d.Computer({C(Hearts, Seven), C(Clubs, Ten)});
  d.g.t.CardGrid[4][0].Present = 0;
  d.StockCards({});
  EXPECT_TRUE(SameCard(d.At(0, TransferChoice(d.g)), C(Hearts, Seven)));
}

TEST(DurakComputerTransfer, NeverBeforeTheFirstDiscardWhenTheOptionSaysSo) {
  DurakTable d = ComputerTransferTable();
  d.g.t.FirstDiscardDone = 0;
  d.g.t.Options.DiscardTransfer1 = 1;
  EXPECT_EQ(TransferChoice(d.g), -1);
}

TEST(DurakComputerTransfer, NeverOnceFiveAttackCardsLie) {
  DurakTable d = ComputerTransferTable();
  d.Player({C(Clubs, Six), C(Diamonds, Six), C(Spades, Six), C(Hearts, Six), C(Clubs, Eight),
            C(Spades, Eight)});
  d.Attacks(
      {C(Clubs, Seven), C(Diamonds, Seven), C(Clubs, Nine), C(Diamonds, Nine), C(Spades, Nine)});
  EXPECT_EQ(TransferChoice(d.g), -1);
}

// --- several-card leads -----------------------------------------------------

TEST(DurakDefendAll, TwoSevensWithOnlyOneCoverAreLeftUncovered) {
  DurakTable d(0, 1, Hearts);
  d.g.t.LeadInProgress = 1;
  d.Computer({C(Clubs, Eight), C(Diamonds, Six)}).Attacks({C(Clubs, Seven), C(Spades, Seven)});
  d.Stock(10);
  EXPECT_EQ(DefendAll(d.g), kWillTake);
  EXPECT_EQ(d.g.t.RowCount[3], 0);
  EXPECT_EQ(d.g.t.RowCount[0], 2) << "the trial gave every card back";
  EXPECT_EQ(d.g.t.CoverIndex, 2);
  EXPECT_EQ(d.g.t.LeadInProgress, 0);
}

TEST(DurakDefendAll, EachAttackCardGetsItsOwnCoverInOrder) {
  DurakTable d(0, 1, Hearts);
  d.g.t.LeadInProgress = 1;
  d.Computer({C(Hearts, Six), C(Clubs, Eight), C(Diamonds, Six)})
      .Attacks({C(Clubs, Seven), C(Spades, Seven)});
  d.Stock(10);
  EXPECT_EQ(DefendAll(d.g), kAllCovered);
  EXPECT_TRUE(SameCard(d.At(3, 0), C(Clubs, Eight)));
  EXPECT_TRUE(SameCard(d.At(3, 1), C(Hearts, Six)));
  EXPECT_EQ(d.g.t.CoverIndex, 2);
  EXPECT_EQ(d.g.t.RowCount[0], 1);
}

TEST(DurakDefendAll, OneTrumpCannotCoverTwoCards) {
  DurakTable d(0, 1, Hearts);
  d.Computer({C(Hearts, Six), C(Diamonds, Six)}).Attacks({C(Clubs, Seven), C(Spades, Seven)});
  d.Stock(10);
  EXPECT_EQ(DefendAll(d.g), kWillTake);
}

TEST(DurakDefendAll, InReverseDurakEveryAttackCardGetsACoverGoodOrNot) {
  for (int seed = 1; seed <= 30; ++seed) {
    DurakTable d(2, 1, Hearts, seed);
    d.g.random.Seed(seed);
    d.Computer({C(Hearts, Six), C(Clubs, Eight), C(Diamonds, Six), C(Spades, Ace)})
        .Attacks({C(Clubs, Seven), C(Spades, Seven)});
    d.Stock(10);
    const int outcome = DefendAll(d.g);
    if (outcome == kWillTake) continue;
    ASSERT_TRUE(outcome == kReverseCoversGood || outcome == kReverseCoverWrong) << outcome;
    EXPECT_EQ(d.g.t.RowCount[3], 2) << "seed " << seed;
    EXPECT_EQ(d.g.t.RowCount[0], 2);
  }
}

}  // namespace
