#include <gtest/gtest.h>

#include "durak/trick_moves.h"
#include "durak_table.h"

namespace {

// --- adding cards -----------------------------------------------------------

TEST(DurakAdding, InTheSimpleFormASingleLeadOfThePlayerCannotBeExtended) {
  DurakTable d(0, 0);
  d.Player({C(Spades, Seven), C(Clubs, Six)})
      .Computer({C(Clubs, Ace), C(Diamonds, Ace), C(Spades, Ace)})
      .Attacks({C(Clubs, Seven)})
      .Covers({C(Clubs, Eight)});
  EXPECT_FALSE(MayAddToTrick(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakAdding, InTheSimpleFormAfterASeveralCardLeadOnlyAttackRanksMayFollow) {
  DurakTable d(0, 0);
  d.Player({C(Spades, Seven), C(Diamonds, Eight)})
      .Computer({C(Clubs, Ace), C(Diamonds, Ace), C(Spades, Ace)})
      .Attacks({C(Clubs, Seven), C(Hearts, Seven)})
      .Covers({C(Clubs, Eight), C(Hearts, Nine)});
  EXPECT_TRUE(MayAddToTrick(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
  EXPECT_FALSE(MayAddToTrick(d.g, 1, d.SlotOf(1, C(Diamonds, Eight))));
}

TEST(DurakAdding, InTheSimpleFormTheComputerNeverAdds) {
  DurakTable d(0, 0);
  d.g.t.WhoseTurn = 0;
  d.Computer({C(Spades, Seven), C(Clubs, Ace)})
      .Player({C(Clubs, Ten), C(Diamonds, Ten)})
      .Attacks({C(Clubs, Seven), C(Hearts, Seven)})
      .Covers({C(Clubs, Eight), C(Hearts, Nine)});
  EXPECT_FALSE(MayAddToTrick(d.g, 0, d.SlotOf(0, C(Spades, Seven))));
  d.g.t.FormG = 1;
  EXPECT_TRUE(MayAddToTrick(d.g, 0, d.SlotOf(0, C(Spades, Seven))));
}

TEST(DurakAdding, TheComputerAddsOnlyToAFullyCoveredTrick) {
  DurakTable d(0, 1);
  d.g.t.WhoseTurn = 0;
  d.Computer({C(Spades, Seven)})
      .Player({C(Clubs, Ten), C(Diamonds, Ten)})
      .Attacks({C(Clubs, Seven), C(Hearts, Seven)})
      .Covers({C(Clubs, Eight)});
  EXPECT_FALSE(MayAddToTrick(d.g, 0, 0));
}

TEST(DurakAdding, ThePlayerMayLoadATakingComputerOnlyWhileItCanHoldTheCards) {
  DurakTable d(0, 1);
  d.Player({C(Spades, Seven), C(Diamonds, Seven)})
      .Computer({C(Clubs, Six), C(Clubs, Nine)})
      .Attacks({C(Clubs, Seven)});
  // One uncovered card against two in the computer's hand: room for one more.
  EXPECT_TRUE(MayAddToTrick(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
  d.Attacks({C(Clubs, Seven), C(Hearts, Seven)});
  EXPECT_FALSE(MayAddToTrick(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakAdding, NothingIsAddedToAComputerWithoutCards) {
  DurakTable d(0, 1);
  d.Player({C(Spades, Seven)}).Computer({}).Attacks({C(Clubs, Seven)}).Covers({C(Clubs, Eight)});
  EXPECT_FALSE(MayAddToTrick(d.g, 1, 0));
}

TEST(DurakLeading, ASeveralCardLeadNeedsAPartnerOfTheSameRank) {
  DurakTable d(0, 1);
  d.Player({C(Spades, Seven), C(Clubs, Seven), C(Diamonds, Nine)});
  EXPECT_TRUE(MayLead(d.g, d.SlotOf(1, C(Spades, Seven))));
  EXPECT_FALSE(MayLead(d.g, d.SlotOf(1, C(Diamonds, Nine))));
  d.Player({C(Diamonds, Nine)});
  EXPECT_TRUE(MayLead(d.g, 0)) << "the only card";
}

// --- covering ---------------------------------------------------------------

TEST(DurakCovering, AttackCardsAreCoveredStrictlyInTheOrderLaid) {
  DurakTable d(0, 1);
  d.g.t.WhoseTurn = 0;
  d.Player({C(Clubs, Nine), C(Spades, Nine)}).Attacks({C(Clubs, Seven), C(Spades, Seven)});
  d.g.t.CoverIndex = 0;
  EXPECT_FALSE(MayCover(d.g, 1, d.SlotOf(1, C(Spades, Nine))));
  CoverAttack(d.g, 1, d.SlotOf(1, C(Clubs, Nine)));
  EXPECT_EQ(d.g.t.CoverIndex, 1);
  EXPECT_TRUE(SameCard(d.At(3, 0), C(Clubs, Nine)));
  EXPECT_TRUE(MayCover(d.g, 1, d.SlotOf(1, C(Spades, Nine))));
}

// --- transfer ---------------------------------------------------------------

DurakTable TransferTable() {
  DurakTable d(0, 2);
  d.g.t.WhoseTurn = 0;  // the computer attacks, the player may transfer
  d.Computer({C(Clubs, Six), C(Clubs, Ace), C(Spades, Ace)})
      .Player({C(Spades, Seven), C(Spades, Eight), C(Clubs, Nine)})
      .Attacks({C(Clubs, Seven)});
  d.g.t.FirstDiscardDone = 1;
  return d;
}

TEST(DurakTransfer, ACardOfTheLeadsRankPassesTheAttackOn) {
  DurakTable d = TransferTable();
  const int seven = d.SlotOf(1, C(Spades, Seven));
  EXPECT_TRUE(MayTransfer(d.g, 1, seven));
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Eight))));
  TransferAttack(d.g, 1, seven);
  EXPECT_EQ(d.g.t.WhoseTurn, 1) << "the roles swap";
  EXPECT_EQ(d.g.t.RowCount[2], 2);
  EXPECT_TRUE(SameCard(d.At(2, 1), C(Spades, Seven)));
}

TEST(DurakTransfer, OnlyTheTransferFormTransfers) {
  DurakTable d = TransferTable();
  d.g.t.FormG = 1;
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakTransfer, RefusedOnceAnyAttackCardIsCovered) {
  DurakTable d = TransferTable();
  d.Attacks({C(Clubs, Seven), C(Hearts, Seven)}).Covers({C(Clubs, Eight)});
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakTransfer, RefusedOnceFiveAttackCardsLie) {
  DurakTable d = TransferTable();
  d.Computer({C(Clubs, Six), C(Clubs, Ace), C(Spades, Ace), C(Diamonds, Ace), C(Hearts, Ace),
              C(Clubs, King), C(Spades, King)});
  d.Attacks({C(Clubs, Seven), C(Hearts, Seven), C(Diamonds, Seven), C(Clubs, Ten), C(Spades, Ten)});
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
  d.Attacks({C(Clubs, Seven), C(Hearts, Seven), C(Diamonds, Seven), C(Clubs, Ten)});
  EXPECT_TRUE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakTransfer, RefusedWhileTheNewDefendersHandIsNotLargerThanTheAttack) {
  DurakTable d = TransferTable();
  d.Computer({C(Clubs, Six), C(Clubs, Ace)});
  d.Attacks({C(Clubs, Seven), C(Hearts, Seven)});
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
  d.Computer({C(Clubs, Six), C(Clubs, Ace), C(Spades, Ace)});
  EXPECT_TRUE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakTransfer, ThePlayerCannotTransferToAComputerHoldingOneCard) {
  DurakTable d = TransferTable();
  d.Computer({C(Clubs, Ace)});
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakTransfer, NoTransferBeforeTheFirstDiscardWhenTheOptionSaysSo) {
  DurakTable d = TransferTable();
  d.g.t.FirstDiscardDone = 0;
  EXPECT_TRUE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
  d.g.t.Options.DiscardTransfer1 = 1;
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
  d.g.t.FirstDiscardDone = 1;
  EXPECT_TRUE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakTransfer, TheAttackerCannotTransferItsOwnAttack) {
  DurakTable d = TransferTable();
  d.g.t.WhoseTurn = 1;
  EXPECT_FALSE(MayTransfer(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

}  // namespace
