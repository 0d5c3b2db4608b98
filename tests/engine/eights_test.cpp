// Eights: the legal card, the player's card and eight, the suit order, the
// computer's play, the Move button, the opening and the end of a deal.
#include "games/eights.h"

#include <gtest/gtest.h>

#include "commentary/comment.h"
#include "core/game_message.h"
#include "play/buttons.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"
#include "shedding_table.h"

namespace {

constexpr int kEights = SheddingTable::kEights;

struct EightsTable : SheddingTable {
  EightsTable() : SheddingTable(kEights) {}
  void Click(const TCard& c) {
    const int slot = SlotOf(1, c);
    ASSERT_NE(slot, -1);
    RunCardMove(g, slot, PointerButton::Left);
  }
};

TEST(EightsLegalCard, SuitInForceRankOfTheTopOrAnEight) {
  struct Case {
    std::initializer_list<TCard> pile;
    int ordered;  // -1: the top card's own suit is in force
    TCard card;
    bool fits;
  };
  const Case cases[] = {
      {{}, -1, C(Diamonds, King), true},  // the first card of a deal is free
      {{C(Hearts, Nine)}, -1, C(Hearts, Seven), true},
      {{C(Hearts, Nine)}, -1, C(Clubs, Nine), true},
      {{C(Hearts, Nine)}, -1, C(Clubs, Eight), true},
      {{C(Hearts, Nine)}, -1, C(Clubs, Ten), false},
      {{C(Hearts, Nine)}, -1, C(Spades, Seven), false},
      // After an eight and an order of clubs the eight's own suit is gone.
      {{C(Hearts, Nine), C(Hearts, Eight)}, Clubs, C(Clubs, Ten), true},
      {{C(Hearts, Nine), C(Hearts, Eight)}, Clubs, C(Hearts, Ten), false},
      {{C(Hearts, Nine), C(Hearts, Eight)}, Clubs, C(Diamonds, Eight), true},
  };
  for (const Case& c : cases) {
    EightsTable e;
    e.Pile(c.pile);
    if (c.ordered != -1) e.g.t.TrumpSuit = c.ordered;
    EXPECT_EQ(EightsCardFits(e.g.t, c.card), c.fits)
        << "suit " << c.card.Suit << " rank " << c.card.Rank << " on " << c.pile.size();
  }
}

TEST(EightsPlayerCard, ALegalCardIsLaidAndTheComputerAnswers) {
  EightsTable e;
  e.Player({C(Hearts, Seven), C(Clubs, King), C(Spades, Ten)})
      .Computer({C(Hearts, Ten), C(Spades, Queen)})
      .Pile({C(Hearts, Nine)});
  e.Click(C(Hearts, Seven));
  EXPECT_EQ(e.out.Count("undo point"), 1);
  EXPECT_EQ(e.g.t.RowCount[2], 3);
  EXPECT_TRUE(SameCard(e.g.t.CardGrid[2][1], C(Hearts, Seven)));
  EXPECT_TRUE(SameCard(e.Top(), C(Hearts, Ten))) << "the computer follows suit";
  EXPECT_EQ(e.g.t.WhoseTurn, 0) << "the player lays again";
  EXPECT_EQ(e.g.t.CommentId, 1);
  EXPECT_EQ(e.g.t.ButtonCaptionId, 4);
}

TEST(EightsPlayerCard, AnIllegalCardOrAClickOutOfTurnChangesNothing) {
  for (int turn : {0, 1}) {
    EightsTable e;
    e.Player({C(Hearts, Seven), C(Clubs, King)})
        .Computer({C(Hearts, Ten), C(Spades, Queen)})
        .Pile({C(Hearts, Nine)});
    e.g.t.WhoseTurn = turn;
    e.Click(turn == 0 ? C(Clubs, King) : C(Hearts, Seven));
    EXPECT_EQ(e.g.t.RowCount[1], 2);
    EXPECT_EQ(e.g.t.RowCount[2], 1);
    EXPECT_EQ(e.out.Count("undo point"), 0);
    EXPECT_TRUE(e.out.commentaries.empty());
  }
}

TEST(EightsComputer, KeepsItsEightWhileAnotherCardFits) {
  EightsTable e;
  // Hand order: 10 of hearts, 8 of spades, 7 of hearts; searched from the end.
  e.Computer({C(Spades, Eight), C(Hearts, Ten), C(Hearts, Seven)}).Pile({C(Hearts, Nine)});
  EightsComputerTurn(e.g);
  EXPECT_TRUE(SameCard(e.Top(), C(Hearts, Seven)));
  EXPECT_TRUE(e.Holds(0, C(Spades, Eight)));
  EXPECT_EQ(e.g.t.WhoseTurn, 0);
}

TEST(EightsComputer, LaysItsFirstEightOnlyWhenNothingElseFitsAndOrdersNoSuit) {
  EightsTable e;
  e.Computer({C(Hearts, Eight), C(Diamonds, King), C(Clubs, Eight)}).Pile({C(Spades, Nine)});
  EightsComputerTurn(e.g);
  EXPECT_TRUE(SameCard(e.Top(), C(Clubs, Eight))) << "clubs lead the computer's hand";
  EXPECT_EQ(e.g.t.TrumpSuit, Clubs) << "the eight's own suit stays in force";
  EXPECT_EQ(e.out.Count("blink suit"), 0);
  EXPECT_EQ(e.g.t.CommentId, 1);
  EXPECT_EQ(e.g.t.ButtonCaptionId, 4);
}

TEST(EightsComputer, PassesWithNothingToLay) {
  EightsTable e;
  e.Computer({C(Clubs, King)}).Player({C(Hearts, Ace)}).Pile({C(Hearts, Nine)});
  EightsComputerTurn(e.g);
  EXPECT_EQ(e.g.t.RowCount[2], 1);
  EXPECT_EQ(e.g.t.CommentId, 0);
  EXPECT_EQ(e.g.t.ButtonCaptionId, 0) << "\"Move\"";
  EXPECT_EQ(e.g.t.WhoseTurn, 0);
}

TEST(EightsSuitOrder, ThePlayersEightWaitsForASuitThenTheComputerFollowsIt) {
  EightsTable e;
  e.Player({C(Clubs, Eight), C(Clubs, Queen), C(Diamonds, King)})
      .Computer({C(Diamonds, Ten), C(Spades, Ten), C(Spades, Jack)})
      .Pile({C(Hearts, Nine)});
  e.Click(C(Clubs, Eight));
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
  EXPECT_TRUE(EightsSuitOrderOpen(e.g));
  EXPECT_EQ(e.out.Count("suit order on"), 1);
  EXPECT_EQ(e.g.t.CommentId, 11);
  EXPECT_EQ(e.g.t.ButtonCaptionId, 4);
  EXPECT_EQ(e.g.t.RowCount[0], 3) << "the computer waits for the order";

  PressSuitButton(e.g, Diamonds);
  EXPECT_EQ(e.out.Count("blink suit"), 1);
  EXPECT_EQ(e.out.Count("suit order off"), 1);
  EXPECT_TRUE(SameCard(e.Top(), C(Diamonds, Ten))) << "the only diamond";
  EXPECT_EQ(e.g.t.WhoseTurn, 0);
  EXPECT_FALSE(EightsSuitOrderOpen(e.g));
}

TEST(EightsSuitOrder, PassingKeepsTheEightsOwnSuit) {
  EightsTable e;
  e.Player({C(Clubs, Eight), C(Clubs, Queen), C(Diamonds, King)})
      .Computer({C(Diamonds, Ten), C(Spades, Ten)})
      .Pile({C(Hearts, Nine)});
  e.Click(C(Clubs, Eight));
  PressMoveButton(e.g);
  EXPECT_EQ(e.g.t.TrumpSuit, Clubs);
  EXPECT_EQ(e.out.Count("blink suit"), 0);
  EXPECT_EQ(e.g.t.RowCount[0], 2) << "no club and no eight: the computer passes";
  EXPECT_EQ(e.g.t.ButtonCaptionId, 0);
  EXPECT_EQ(e.g.t.WhoseTurn, 0);
}

TEST(EightsSuitOrder, TheSuitButtonsAreDeadWithoutAnEight) {
  EightsTable e;
  e.Player({C(Clubs, Queen)}).Computer({C(Diamonds, Ten)}).Pile({C(Hearts, Nine)});
  PressSuitButton(e.g, Diamonds);
  EXPECT_EQ(e.g.t.TrumpSuit, Hearts);
  EXPECT_EQ(e.g.t.RowCount[2], 1);
  EXPECT_EQ(e.g.t.RowCount[0], 1);
}

TEST(EightsMoveButton, MoveHandsTheTurnToTheComputer) {
  EightsTable e;
  e.Player({C(Clubs, King), C(Spades, Nine)})
      .Computer({C(Hearts, Ten), C(Hearts, Jack)})
      .Pile({C(Hearts, Nine)});
  Comment(e.g, 0, 0);  // "Your turn !", "Move"
  PressMoveButton(e.g);
  EXPECT_EQ(e.g.t.RowCount[0], 1);
  EXPECT_EQ(e.g.t.RowCount[1], 2) << "the player laid nothing";
  EXPECT_EQ(e.g.t.WhoseTurn, 0);
  EXPECT_EQ(e.out.Count("undo point"), 0) << "the button writes no undo point";
}

TEST(EightsEndOfDeal, AVoidDealChangesNeitherCounter) {
  EightsTable e;
  e.g.t.Stats[kEights] = {3, 5, 0};
  e.Player({C(Hearts, Ten), C(Clubs, Queen)}).Computer({C(Spades, King)}).Pile({C(Hearts, Nine)});
  e.Click(C(Hearts, Ten));  // the computer cannot answer, nor can the player go on
  ASSERT_EQ(e.out.messages.size(), 1u);
  EXPECT_EQ(e.out.messages[0].code, kMsgCannotComplete);
  EXPECT_EQ(e.g.t.Stats[kEights].Wins, 3);
  EXPECT_EQ(e.g.t.Stats[kEights].Losses, 5);
  EXPECT_EQ(e.g.t.Stats[kEights].Draws, 0);
  ASSERT_FALSE(e.out.tableControls.empty());
  EXPECT_FALSE(e.out.tableControls.back().moveButtonVisible);
  EXPECT_FALSE(e.out.tableControls.back().trumpPanelVisible);
  EXPECT_TRUE(e.g.newGameDue);
  DealScheduledGame(e.g);
  EXPECT_EQ(e.g.t.RowCount[0] + e.g.t.RowCount[1] + e.g.t.RowCount[2], 36) << "dealt anew";
}

TEST(EightsEndOfDeal, NoVoidWhileThePlayersEightAwaitsItsSuit) {
  EightsTable e;
  e.Player({C(Spades, Eight), C(Diamonds, Queen)})
      .Computer({C(Clubs, King)})
      .Pile({C(Hearts, Nine)});
  e.Click(C(Spades, Eight));  // in spades nobody could go on
  EXPECT_TRUE(e.out.messages.empty());
  PressSuitButton(e.g, Diamonds);
  EXPECT_TRUE(e.out.messages.empty());
  e.Click(C(Diamonds, Queen));
  ASSERT_EQ(e.out.messages.size(), 1u);
  EXPECT_EQ(e.out.messages[0].code, kMsgYouWin);
}

TEST(EightsEndOfDeal, TheLastCardWinsOrLosesAndIsCounted) {
  {
    EightsTable e;
    e.Player({C(Hearts, Seven)})
        .Computer({C(Spades, King), C(Spades, Queen)})
        .Pile({C(Hearts, Nine)});
    e.Click(C(Hearts, Seven));
    ASSERT_EQ(e.out.messages.size(), 1u);
    EXPECT_EQ(e.out.messages[0].code, kMsgYouWin);
    EXPECT_EQ(e.g.t.Stats[kEights].Wins, 1);
    EXPECT_EQ(e.g.t.Stats[kEights].Losses, 0);
    EXPECT_EQ(e.g.t.RowCount[0], 2) << "the computer does not answer a finished deal";
    EXPECT_TRUE(e.g.newGameDue);
  }
  {
    EightsTable e;
    e.Player({C(Clubs, King), C(Clubs, Queen)}).Computer({C(Hearts, Ten)}).Pile({C(Hearts, Nine)});
    PressMoveButton(e.g);
    ASSERT_EQ(e.out.messages.size(), 1u);
    EXPECT_EQ(e.out.messages[0].code, kMsgYouLost);
    EXPECT_EQ(e.g.t.Stats[kEights].Wins, 0);
    EXPECT_EQ(e.g.t.Stats[kEights].Losses, 1);
    EXPECT_EQ(e.g.t.RowCount[1], 18) << "the next deal is made after the press";
  }
}

TEST(EightsOpening, TheComputerOpensWithTheLastCardOfItsHandWhateverItIs) {
  EightsTable e;
  e.Computer({C(Hearts, Eight), C(Spades, King), C(Clubs, Queen)}).Player({C(Diamonds, Six)});
  e.g.t.WhoseTurn = 0;  // decided at the deal: the computer opens
  StartEightsPlay(e.g);
  EXPECT_TRUE(SameCard(e.Top(), C(Hearts, Eight)));
  EXPECT_EQ(e.g.t.TrumpSuit, Hearts);
  EXPECT_EQ(e.g.t.FirstDiscardDone, 1) << "the suit in force is shown";
  EXPECT_EQ(e.g.t.CoverIndex, 1);
  EXPECT_EQ(e.g.t.WhoseTurn, 0) << "the player is to move";
  EXPECT_EQ(e.g.t.CommentId, 1);
  EXPECT_EQ(e.g.t.ButtonCaptionId, 4);
}

TEST(EightsOpening, ThePlayerOpensAndSoHeDoesOnATie) {
  for (int decided : {1, 2}) {
    EightsTable e;
    e.Computer({C(Hearts, Eight), C(Spades, King), C(Clubs, Queen)}).Player({C(Diamonds, Six)});
    e.g.t.WhoseTurn = decided;
    StartEightsPlay(e.g);
    EXPECT_EQ(e.g.t.RowCount[2], 0);
    EXPECT_EQ(e.g.t.WhoseTurn, 0);
    EXPECT_EQ(e.g.t.CommentId, 0);
    EXPECT_EQ(e.g.t.ButtonCaptionId, 0);
    if (decided != 2) continue;
    // On a tie the player may leave the first card to the computer: it
    // lays its last card that is not an eight.
    PressMoveButton(e.g);
    EXPECT_TRUE(SameCard(e.Top(), C(Spades, King)));
    EXPECT_EQ(e.g.t.WhoseTurn, 0);
  }
}

TEST(EightsOpening, TheFirstMoveOptionDecidesAtTheDeal) {
  for (int firstMove : {2, 3}) {
    EightsTable e;
    e.g.t.Options.FirstMove = firstMove;
    NewGame(e.g);
    const bool computerOpened = firstMove == 3;
    EXPECT_EQ(e.g.t.RowCount[2], computerOpened ? 1 : 0);
    EXPECT_EQ(e.g.t.RowCount[0], computerOpened ? 17 : 18);
    EXPECT_EQ(e.g.t.RowCount[1], 18);
    EXPECT_EQ(e.g.t.WhoseTurn, 0) << "either way the player is to lay";
  }
}

}  // namespace
