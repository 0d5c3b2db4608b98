#include <gtest/gtest.h>

#include "durak/end_of_game.h"
#include "durak/turn_flow.h"
#include "durak_table.h"
#include "play/new_game.h"

namespace {

constexpr auto L = MouseButton::Left;
constexpr auto R = MouseButton::Right;

void Click(DurakTable& t, const TCard& c, MouseButton b = L) {
  const int slot = t.SlotOf(1, c);
  ASSERT_GE(slot, 0) << "the player holds no such card";
  OnHandCardClick(t.g, slot, b);
  DealScheduledGame(t.g);  // as the mid end does after every action
}

TEST(DurakTurnFlow, SimpleFormDiscardsTheCoveredLeadAtOnceAndThePlayerLeads) {
  DurakTable t(0, 0, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Six)}).Player({C(Clubs, King), C(Diamonds, Seven)});
  t.Attacks({C(Clubs, Nine)}).TrumpCard(C(Hearts, Six)).Stock(10);
  t.g.t.WhoseTurn = 0;
  Click(t, C(Clubs, King));
  EXPECT_EQ(t.g.t.RowCount[2], 0) << "discarded without pressing Move";
  EXPECT_EQ(t.g.t.WhoseTurn, 1);
  EXPECT_EQ(t.g.t.RowCount[1], 6) << "the player drew up";
  EXPECT_EQ(t.g.t.RowCount[0], 6);
  EXPECT_EQ(t.g.t.CommentId, 0);
  EXPECT_EQ(t.out.Count("undo point"), 1);
}

TEST(DurakTurnFlow, ReverseDurakWaitsForMoveAfterTheLastCover) {
  DurakTable t(2, 1, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Six)}).Player({C(Clubs, King), C(Diamonds, Seven)});
  t.Attacks({C(Clubs, Nine)}).TrumpCard(C(Hearts, Six)).Stock(10);
  t.g.t.WhoseTurn = 0;
  Click(t, C(Clubs, King));
  EXPECT_EQ(t.g.t.RowCount[3], 1) << "the trick stays on the table";
  EXPECT_EQ(t.g.t.CommentId, 7);
  EXPECT_EQ(t.g.t.ButtonCaptionId, 2);
  MoveButtonClick(t.g);
  EXPECT_EQ(t.g.t.RowCount[2], 0);
  EXPECT_EQ(t.g.t.WhoseTurn, 1);
}

TEST(DurakTurnFlow, TheComputerAddsAfterACoverWhenItCan) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Nine), C(Spades, Six)}).Player({C(Clubs, King), C(Diamonds, Seven)});
  t.Attacks({C(Clubs, Nine)}).TrumpCard(C(Hearts, Six)).Stock(10);
  t.g.t.WhoseTurn = 0;
  Click(t, C(Clubs, King));
  EXPECT_EQ(t.g.t.RowCount[2], 2) << "the nine of spades joins the nine of clubs";
  EXPECT_EQ(t.g.t.CommentId, 1);
  MoveButtonClick(t.g);  // the player takes
  EXPECT_EQ(t.g.t.RowCount[1], 4);
  EXPECT_EQ(t.g.t.RowCount[2], 1) << "and the computer leads again at once";
}

TEST(DurakEndOfGame, ASingleCardThatStillBeatsKeepsThePlayerInTheGame) {
  for (int lastCardGame : {0, 1}) {
    DurakTable t(3, 1, Hearts);
    t.g.t.Options.LastCardGame = lastCardGame;
    t.Computer({}).Player({C(Clubs, Ten)}).Attacks({C(Clubs, Nine)});
    t.g.t.WhoseTurn = 0;
    EXPECT_TRUE(CheckEndOfGame(t.g));
    Click(t, C(Clubs, Ten));
    const TResult& r = t.g.t.Stats[3];
    ASSERT_EQ(t.out.messages.size(), 1u);
    if (lastCardGame == 0) {
      EXPECT_EQ(r.Draws, 1);
      EXPECT_EQ(t.out.messages[0].text, "      Ничья !");
    } else {
      EXPECT_EQ(r.Losses, 1) << "the computer attacked last";
      EXPECT_EQ(t.out.messages[0].text, " Вы проиграли !");
    }
    EXPECT_EQ(t.out.Count("animate deal"), 1) << "a new deal follows";
  }
}

TEST(DurakEndOfGame, TheComputersLastCoverAgainstTwoCardsLosesThePlayerTheGame) {
  DurakTable t(3, 1, Hearts);
  t.Computer({C(Clubs, Ace)}).Player({C(Clubs, Seven), C(Spades, Eight), C(Diamonds, Nine)});
  Click(t, C(Clubs, Seven));
  EXPECT_EQ(t.g.t.Stats[3].Losses, 1);
  EXPECT_EQ(t.g.t.GameDecided, 1);
  EXPECT_EQ(t.out.messages.size(), 1u);
}

TEST(DurakEndOfGame, LosingToTheSharperStartsTheGuessingGameUncounted) {
  DurakTable t(3, 1, Hearts);
  t.g.t.Options.Style = 4;
  t.Computer({C(Clubs, Ace)}).Player({C(Clubs, Seven), C(Spades, Eight), C(Diamonds, Nine)});
  Click(t, C(Clubs, Seven));
  EXPECT_EQ(t.g.t.GuessMode, 1);
  EXPECT_EQ(t.g.t.Stats[3].Losses, 0);
  EXPECT_EQ(t.g.t.CommentId, 9);
}

TEST(DurakEndOfGame, AfterAWinThePlayerAttacksFirstInTheNextDeal) {
  DurakTable t(3, 1, Hearts);
  t.Computer({C(Clubs, Ace), C(Spades, Ace)}).Player({C(Clubs, Seven)});
  Click(t, C(Clubs, Seven));  // covered by the ace; the player's hand is empty
  EXPECT_EQ(t.g.t.Stats[3].Wins, 1);
  EXPECT_EQ(t.out.messages[0].text, "  Вы выиграли !");
  EXPECT_EQ(t.g.t.WhoseTurn, 1);
  EXPECT_EQ(t.g.t.RowCount[1], 18) << "dealt anew";
  EXPECT_EQ(t.g.t.RowCount[2], 0) << "nobody has led yet";
}

TEST(DurakEndOfGame, NobodyIsTheFoolWhileTheTrumpCardLies) {
  DurakTable t(0, 1, Hearts);
  t.Computer({}).Player({C(Clubs, Seven), C(Clubs, Eight)}).TrumpCard(C(Hearts, Six));
  EXPECT_TRUE(CheckEndOfGame(t.g));
  EXPECT_TRUE(t.out.messages.empty());
}

TEST(DurakTurnFlow, MoveOnAnEmptyTableChangesNothingInEveryKind) {
  for (int vidg = 0; vidg <= 4; ++vidg) {
    for (int whoseTurn : {0, 1}) {
      DurakTable t(vidg, vidg == 4 ? 1 : 0, Hearts);
      t.Computer({C(Spades, Ten)}).Player({C(Clubs, King)}).TrumpCard(C(Hearts, Six));
      t.g.t.WhoseTurn = whoseTurn;
      const auto before = t.g.t.CardGrid;
      t.out.calls.clear();
      MoveButtonClick(t.g);
      EXPECT_EQ(t.g.t.CardGrid, before) << vidg;
      EXPECT_EQ(t.g.t.WhoseTurn, whoseTurn);
      EXPECT_TRUE(t.out.calls.empty());
    }
  }
}

TEST(DurakTurnFlow, TheRightButtonLaysSeveralCardsOfOneRankAnsweredTogether) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Clubs, Ace), C(Spades, Ace), C(Diamonds, Jack)});
  t.Player({C(Clubs, Seven), C(Spades, Seven), C(Diamonds, Nine)}).TrumpCard(C(Hearts, Six));
  t.Stock(10);
  Click(t, C(Clubs, Seven), R);
  EXPECT_EQ(t.g.t.LeadInProgress, 1);
  EXPECT_EQ(t.g.t.CommentId, 3);
  EXPECT_EQ(t.g.t.RowCount[3], 0) << "the computer waits for the whole lead";
  Click(t, C(Spades, Seven), R);
  EXPECT_EQ(t.g.t.RowCount[2], 2);
  Click(t, C(Diamonds, Nine), R);
  EXPECT_EQ(t.g.t.RowCount[2], 2) << "a card of another rank does not join";
  MoveButtonClick(t.g);
  EXPECT_EQ(t.g.t.LeadInProgress, 0);
  EXPECT_EQ(t.g.t.RowCount[3], 2) << "both sevens covered by the aces";
  EXPECT_EQ(t.g.t.CommentId, 3);
}

// Transfer durak after the first discard: the computer led the seven of
// clubs, the player holds the seven of spades and the trump seven of hearts.
struct TransferDefence : DurakTable {
  TransferDefence() : DurakTable(0, 2, Hearts) {
    Computer({C(Spades, Ten), C(Spades, Six), C(Diamonds, Eight)}).Attacks({C(Clubs, Seven)});
    Player({C(Spades, Seven), C(Hearts, Seven), C(Diamonds, Ace)}).TrumpCard(C(Hearts, Six));
    Stock(10);
    g.t.WhoseTurn = 0;
    g.t.FirstDiscardDone = 1;
  }
};

TEST(DurakTurnFlow, TransferFormLeftClickPassesTheAttackRightClickCovers) {
  {
    TransferDefence t;
    Click(t, C(Spades, Seven));
    EXPECT_GE(t.SlotOf(2, C(Spades, Seven)), 0) << "the seven of spades passes the attack on";
    EXPECT_EQ(t.g.t.DefendByCover, 1);
  }
  {
    TransferDefence t;
    Click(t, C(Hearts, Seven), R);
    EXPECT_TRUE(SameCard(t.At(3, 0), C(Hearts, Seven))) << "the trump seven covers";
  }
}

TEST(DurakTurnFlow, ACardThatDoesNotBeatIsIgnoredOutsideReverseDurak) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Ten)}).Player({C(Clubs, Six), C(Spades, Six)}).Attacks({C(Clubs, Nine)});
  t.TrumpCard(C(Hearts, Six)).Stock(10);
  t.g.t.WhoseTurn = 0;
  const auto before = t.g.t.CardGrid;
  Click(t, C(Clubs, Six));
  EXPECT_EQ(t.g.t.CardGrid, before);
  EXPECT_EQ(t.out.Count("undo point"), 0);
}

TEST(DurakTurnFlow, ReverseDurakPunishesACardThatDoesNotBeat) {
  DurakTable t(2, 1, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Nine)}).Player({C(Clubs, Six), C(Spades, Six)});
  t.Attacks({C(Clubs, Nine)}).TrumpCard(C(Hearts, Six)).Stock(10);
  t.g.t.WhoseTurn = 0;
  Click(t, C(Clubs, Six));
  EXPECT_EQ(t.g.t.RowCount[1], 3) << "the player took both cards";
  EXPECT_EQ(t.g.t.WhoseTurn, 0);
  EXPECT_EQ(t.g.t.RowCount[2], 1) << "and the computer leads again";
  EXPECT_EQ(t.g.t.CommentId, 1);
}

}  // namespace
