// Czech durak: the legal card of each form, the card effects for both
// sides, drawing across an empty stock, the Move button and the suit
// order, the computer's play and swindle, the scoring and the end of a deal.
#include "games/czech_durak.h"

#include <gtest/gtest.h>

#include "commentary/comment.h"
#include "core/game_message.h"
#include "durak/swindle.h"
#include "games/czech_bot.h"
#include "play/buttons.h"
#include "play/pointer_routing.h"
#include "shedding_table.h"

namespace {

constexpr int kCzech = 5;

struct CzechTable : SheddingTable {
  explicit CzechTable(int formg) : SheddingTable(kCzech) {
    Select(kCzech, formg);
    g.t.Options.Style = 5;  // the professional: no draws at random, no swindle
    g.t.Options.Level = 0;
  }
  void Click(const TCard& c) {
    const int slot = SlotOf(1, c);
    ASSERT_NE(slot, -1);
    RunCardMove(g, slot, PointerButton::Left);
  }
  // The card was laid and the special rank applies now.
  bool LaidBy(bool player, const TCard& c) {
    g.t.PutCard(2, g.t.RowCount[2], c);
    g.t.RowCount[2] += 1;
    g.t.TrumpSuit = c.Suit;
    return CardEffect(g, player);
  }
};

TEST(CzechLegalCard, SuitInForceRankOfTheTopOrTheWildCard) {
  struct Case {
    int formg;
    std::initializer_list<TCard> pile;
    TCard card;
    bool fits;
  };
  const Case cases[] = {
      {4, {}, C(Diamonds, King), true},  // the first card of a deal is free
      {4, {C(Hearts, Nine)}, C(Hearts, King), true},
      {4, {C(Hearts, Nine)}, C(Clubs, Nine), true},
      {4, {C(Hearts, Nine)}, C(Spades, Queen), true},
      {4, {C(Hearts, Nine)}, C(Spades, Jack), false},
      {6, {C(Hearts, Nine)}, C(Spades, Jack), true},  // the jack is wild in the 3rd variety
      {6, {C(Hearts, Nine)}, C(Spades, Queen), false},
      {9, {}, C(Spades, Queen), true},
      {9, {C(Hearts, Nine)}, C(Hearts, Six), true},
      {9, {C(Hearts, Nine)}, C(Spades, Queen), false},  // Pentagon: no wild card of another suit
      {9, {C(Hearts, Nine)}, C(Spades, Nine), false},   // nor the top's rank
      {9, {C(Hearts, Six)}, C(Clubs, Six), true},       // but a six on a six
      {9, {C(Hearts, Seven)}, C(Clubs, Six), false},
  };
  for (const Case& c : cases) {
    CzechTable e(c.formg);
    e.Pile(c.pile);
    EXPECT_EQ(CzechCardFits(e.g, c.card), c.fits)
        << "form " << c.formg << " suit " << c.card.Suit << " rank " << c.card.Rank;
  }
}

TEST(CzechLegalCard, AnOrderedSuitReplacesTheWildCardsOwn) {
  CzechTable e(4);
  e.Pile({C(Hearts, Nine), C(Hearts, Queen)});
  e.g.t.TrumpSuit = Clubs;
  EXPECT_TRUE(CzechCardFits(e.g, C(Clubs, Seven)));
  EXPECT_FALSE(CzechCardFits(e.g, C(Hearts, Seven)));
  EXPECT_TRUE(CzechCardFits(e.g, C(Diamonds, Queen))) << "a wild card on a wild card";
}

TEST(CzechCardEffect, EachSpecialRankForBothSides) {
  struct Case {
    int formg;
    TCard card;
    bool byPlayer;
    bool special;
    int opponentDraws;
    int whoseTurn;
  };
  const Case cases[] = {
      {4, C(Clubs, Six), true, true, 2, 1},    // take two, the player moves again
      {4, C(Clubs, Six), false, true, 2, 0},   // ... the computer moves again
      {4, C(Clubs, Seven), true, true, 1, 1},  // take one
      {4, C(Clubs, Seven), false, true, 1, 0},
      {5, C(Clubs, Seven), true, true, 2, 1},  // the 2nd variety: seven and eight
      {5, C(Clubs, Eight), false, true, 1, 0},
      {4, C(Clubs, Eight), true, false, 0, -1},
      {4, C(Clubs, Ace), true, true, 0, 1},    // the computer misses a turn
      {4, C(Clubs, Ace), false, true, 0, 0},   // the player misses a turn
      {4, C(Clubs, Queen), false, true, 0, 1}, // the computer's wild card: the player moves
      {9, C(Clubs, Queen), false, true, 0, 0}, // Pentagon: the computer moves again
      {6, C(Clubs, Queen), true, false, 0, -1},
      {4, C(Clubs, King), false, false, 0, -1},
  };
  for (const Case& c : cases) {
    CzechTable e(c.formg);
    e.Player({C(Hearts, King)}).Computer({C(Spades, King)});
    e.Stock({C(Diamonds, Nine), C(Diamonds, Ten), C(Diamonds, Jack)});
    e.g.t.WhoseTurn = c.byPlayer ? 1 : 0;
    EXPECT_EQ(e.LaidBy(c.byPlayer, c.card), c.special) << "form " << c.formg << " rank " << c.card.Rank;
    const int opponent = c.byPlayer ? 0 : 1;
    EXPECT_EQ(e.g.t.RowCount[opponent], 1 + c.opponentDraws) << "rank " << c.card.Rank;
    EXPECT_EQ(e.g.t.RowCount[5], 3 - c.opponentDraws);
    if (c.whoseTurn >= 0) {
      EXPECT_EQ(e.g.t.WhoseTurn, c.whoseTurn) << "rank " << c.card.Rank;
    }
  }
}

TEST(CzechCardEffect, ThePlayersWildCardOpensAnOrder) {
  struct Case {
    int formg;
    int comment;
    int caption;
  };
  for (const Case& c : {Case{4, 11, kCaptionPass}, Case{9, 12, kCaptionTakeCard}}) {
    CzechTable e(c.formg);
    e.Player({C(Hearts, King)}).Computer({C(Spades, King)}).Stock({C(Diamonds, Nine)});
    EXPECT_TRUE(e.LaidBy(true, C(Clubs, Queen)));
    EXPECT_TRUE(CzechSuitOrderOpen(e.g));
    EXPECT_EQ(e.out.Count("suit order on"), 1);
    EXPECT_EQ(e.g.t.CommentId, c.comment);
    EXPECT_EQ(e.g.t.ButtonCaptionId, c.caption);
  }
}

TEST(CzechCardEffect, OnlyThePlayersAceInTheEnglishFormLeavesAnOrderPending) {
  for (int formg : {4, 7}) {
    CzechTable e(formg);
    e.Player({C(Hearts, King)}).Computer({C(Spades, King)});
    e.LaidBy(true, C(Clubs, Ace));
    EXPECT_EQ(e.g.t.AceOrderPending, formg == 7 ? 1 : 0);
  }
}

TEST(CzechDraw, TakeTwoAcrossAnEmptyStockTurnsThePileOverInBetween) {
  CzechTable e(4);
  e.Player({C(Hearts, King)}).Computer({C(Spades, King)});
  e.Stock({C(Diamonds, Nine)});
  e.Pile({C(Clubs, Ten), C(Hearts, Ten), C(Hearts, Eight)});
  EXPECT_TRUE(e.LaidBy(true, C(Hearts, Six)));
  EXPECT_EQ(e.g.t.RowCount[0], 3);
  EXPECT_TRUE(e.Holds(0, C(Diamonds, Nine)));
  EXPECT_TRUE(e.Holds(0, C(Clubs, Ten))) << "the oldest discard is drawn next";
  // The rest of the pile lies in the stock in its order, the six alone on the pile.
  EXPECT_EQ(e.g.t.RowCount[5], 2);
  EXPECT_TRUE(SameCard(e.g.t.CardGrid[5][0], C(Hearts, Ten)));
  EXPECT_TRUE(SameCard(e.g.t.CardGrid[5][1], C(Hearts, Eight)));
  EXPECT_EQ(e.g.t.RowCount[2], 1);
  EXPECT_TRUE(SameCard(e.Top(), C(Hearts, Six)));
}

TEST(CzechDraw, NothingToDrawFromAnEmptyStockAndALoneTopCard) {
  CzechTable e(4);
  e.Player({C(Hearts, King)}).Pile({C(Clubs, Ten)});
  CzechDraw(e.g, 1, false);
  EXPECT_EQ(e.g.t.RowCount[1], 1);
  EXPECT_EQ(e.g.t.RowCount[2], 1);
  EXPECT_TRUE(CzechNothingToDraw(e.g));
}

TEST(CzechPlayerCard, ALegalCardIsLaidAndTheComputerAnswers) {
  CzechTable e(4);
  e.Player({C(Hearts, Nine), C(Clubs, King)})
      .Computer({C(Hearts, Ten), C(Spades, King)})
      .Stock({C(Diamonds, Nine)})
      .Pile({C(Hearts, Eight)});
  e.Click(C(Hearts, Nine));
  EXPECT_EQ(e.out.Count("undo point"), 1);
  EXPECT_TRUE(SameCard(e.Top(), C(Hearts, Ten))) << "the computer follows suit";
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
  EXPECT_EQ(e.g.t.CommentId, 0);
  EXPECT_EQ(e.g.t.ButtonCaptionId, kCaptionTakeCard);
}

TEST(CzechPlayerCard, IgnoredWhenIllegalOutOfTurnOrWhileAnOrderIsOpen) {
  for (int how : {0, 1, 2}) {
    CzechTable e(4);
    e.Player({C(Hearts, Nine), C(Clubs, King)})
        .Computer({C(Hearts, Ten), C(Spades, King)})
        .Pile({C(Hearts, Eight)});
    TCard card = C(Hearts, Nine);
    if (how == 0) card = C(Clubs, King);
    if (how == 1) e.g.t.WhoseTurn = 0;
    if (how == 2) Comment(e.g, 11, kCaptionPass);
    e.Click(card);
    EXPECT_EQ(e.g.t.RowCount[1], 2) << how;
    EXPECT_EQ(e.out.Count("undo point"), 0) << how;
  }
}

TEST(CzechMoveButton, TakeCardTurnsIntoPassExceptInTheSimpleForm) {
  for (int formg : {3, 4, 9}) {
    CzechTable e(formg);
    e.Player({C(Clubs, King)}).Computer({C(Spades, King)});
    e.Stock({C(Diamonds, Nine), C(Diamonds, Ten), C(Diamonds, Jack)}).Pile({C(Hearts, Eight)});
    Comment(e.g, 0, kCaptionTakeCard);
    PressMoveButton(e.g);
    EXPECT_EQ(e.g.t.RowCount[1], 2) << formg;
    EXPECT_EQ(e.g.t.ButtonCaptionId, formg == 3 ? kCaptionTakeCard : kCaptionPass) << formg;
    PressMoveButton(e.g);
    if (formg == 3) {
      EXPECT_EQ(e.g.t.RowCount[1], 3) << "the simple form draws on";
      EXPECT_EQ(e.g.t.ButtonCaptionId, kCaptionTakeCard);
    } else {
      EXPECT_EQ(e.g.t.RowCount[1], 2) << "the player passed";
      EXPECT_EQ(e.g.t.WhoseTurn, 1) << "the computer drew, passed and gave the turn back";
      EXPECT_EQ(e.g.t.RowCount[0], 2);
    }
    EXPECT_EQ(e.out.Count("side draw player"), 0) << "card movement is off";
  }
}

TEST(CzechMoveButton, TheSimpleFormsDeadEndIsAPass) {
  CzechTable e(3);
  // Nothing to draw, and neither side holds a heart, an eight or a queen.
  e.Player({C(Clubs, King)}).Computer({C(Spades, King)}).Pile({C(Hearts, Eight)});
  e.g.t.WhoseTurn = 0;
  CzechComputerTurn(e.g, false);
  EXPECT_EQ(e.g.t.WhoseTurn, 1) << "the computer passed instead of drawing for ever";
  EXPECT_EQ(e.g.t.ButtonCaptionId, kCaptionPass);
  PressMoveButton(e.g);
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
  EXPECT_EQ(e.g.t.RowCount[0], 1);
  EXPECT_EQ(e.g.t.RowCount[1], 1);
}

TEST(CzechMoveButton, TheSimpleFormShowsTakeCardWhileACardMayBeLaid) {
  CzechTable e(3);
  e.Player({C(Hearts, King)}).Computer({C(Spades, King)}).Pile({C(Hearts, Eight)});
  e.g.t.WhoseTurn = 0;
  CzechComputerTurn(e.g, false);
  EXPECT_EQ(e.g.t.ButtonCaptionId, kCaptionTakeCard);
}

TEST(CzechSuitOrder, PassingAfterAWildCardKeepsItsSuit) {
  CzechTable e(4);
  e.Player({C(Hearts, Queen), C(Clubs, King)})
      .Computer({C(Spades, King), C(Diamonds, Ten)})
      .Stock({C(Spades, Nine)})
      .Pile({C(Hearts, Eight)});
  e.Click(C(Hearts, Queen));
  EXPECT_TRUE(CzechSuitOrderOpen(e.g));
  EXPECT_EQ(e.g.t.RowCount[0], 2) << "the computer waits";
  PressMoveButton(e.g);
  EXPECT_EQ(e.g.t.TrumpSuit, Hearts);
  EXPECT_EQ(e.out.Count("blink suit"), 0);
  EXPECT_FALSE(CzechSuitOrderOpen(e.g));
  EXPECT_EQ(e.g.t.RowCount[0], 3) << "no heart, no queen: the computer drew and passed";
}

TEST(CzechSuitOrder, AnOrderedSuitFlashesAndTheComputerFollowsIt) {
  CzechTable e(4);
  e.Player({C(Hearts, Queen), C(Clubs, King)})
      .Computer({C(Spades, King), C(Diamonds, Ten)})
      .Pile({C(Hearts, Eight)});
  e.Click(C(Hearts, Queen));
  PressSuitButton(e.g, Diamonds);
  EXPECT_EQ(e.out.Count("blink suit"), 1);
  EXPECT_TRUE(SameCard(e.Top(), C(Diamonds, Ten)));
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
}

TEST(CzechSuitOrder, PentagonsQueenLetsThePlayerMoveAgainAfterTheOrder) {
  CzechTable e(9);
  e.Player({C(Hearts, Queen), C(Clubs, King), C(Clubs, Nine)})
      .Computer({C(Spades, King), C(Diamonds, Ten)})
      .Pile({C(Hearts, Eight)});
  e.Click(C(Hearts, Queen));
  PressSuitButton(e.g, Clubs);
  EXPECT_EQ(e.g.t.TrumpSuit, Clubs);
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
  EXPECT_EQ(e.g.t.RowCount[0], 2) << "the computer has not moved";
  e.Click(C(Clubs, King));
  EXPECT_EQ(e.g.t.RowCount[1], 1);
}

TEST(CzechSuitOrder, TheEnglishAceLetsThePlayerOrderAfterHisNextCard) {
  CzechTable e(7);
  e.Player({C(Hearts, Ace), C(Hearts, King), C(Clubs, Nine)})
      .Computer({C(Spades, King), C(Diamonds, Ten)})
      .Pile({C(Hearts, Eight)});
  e.Click(C(Hearts, Ace));
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
  EXPECT_EQ(e.g.t.AceOrderPending, 1);
  e.Click(C(Hearts, King));
  EXPECT_TRUE(CzechSuitOrderOpen(e.g));
  EXPECT_EQ(e.g.t.CommentId, 11);
  PressSuitButton(e.g, Diamonds);
  EXPECT_EQ(e.g.t.AceOrderPending, 0);
  EXPECT_TRUE(SameCard(e.Top(), C(Diamonds, Ten)));
}

TEST(CzechComputer, ScansItsHandInThePersonalitysDirection) {
  struct Case {
    int style;
    TCard laid;
  };
  // Hand order: king of hearts, jack of spades, ten and nine of hearts.
  // With nothing to draw the child's draw first changes nothing.
  for (const Case& c : {Case{0, C(Hearts, King)}, Case{3, C(Hearts, King)},
                        Case{1, C(Hearts, Nine)}, Case{5, C(Hearts, Nine)}}) {
    CzechTable e(4);
    e.g.t.Options.Style = c.style;
    e.Computer({C(Hearts, King), C(Hearts, Ten), C(Hearts, Nine), C(Spades, Jack)});
    e.Player({C(Clubs, Nine)}).Pile({C(Hearts, Eight)});
    e.g.t.WhoseTurn = 0;
    CzechComputerTurn(e.g, false);
    EXPECT_TRUE(SameCard(e.Top(), c.laid)) << "style " << c.style;
  }
}

TEST(CzechComputer, TheProfessionalAboveLowOrdersASuitThePlayerLacks) {
  for (int level : {0, 1}) {
    CzechTable e(4);
    e.g.t.Options.Level = level;
    e.Computer({C(Spades, Queen), C(Diamonds, King)});
    e.Player({C(Clubs, Nine), C(Spades, Nine)}).Pile({C(Hearts, Eight)});
    e.g.t.WhoseTurn = 0;
    CzechComputerTurn(e.g, false);
    EXPECT_TRUE(SameCard(e.Top(), C(Spades, Queen)));
    EXPECT_EQ(e.g.t.TrumpSuit, level == 0 ? Spades : Diamonds) << level;
    EXPECT_EQ(e.out.Count("blink suit"), level == 0 ? 0 : 1);
  }
}

TEST(CzechComputer, DrawsOnceAndPassesOutsideTheSimpleForm) {
  CzechTable e(4);
  e.Computer({C(Spades, King)}).Player({C(Clubs, Nine)});
  e.Stock({C(Diamonds, Nine), C(Diamonds, Ten)}).Pile({C(Hearts, Eight)});
  e.g.t.WhoseTurn = 0;
  EXPECT_TRUE(CzechComputerTurn(e.g, false));
  EXPECT_EQ(e.g.t.RowCount[0], 2);
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
}

TEST(CzechSwindle, TheSharperTakesAFittingCardFromTheStockAndDropsItsLowest) {
  CzechTable e(4);
  e.g.t.Options.Style = 4;
  e.Computer({C(Spades, King), C(Spades, Seven)}).Player({C(Clubs, Nine)});
  e.Stock({C(Diamonds, Nine), C(Hearts, Ten)}).Pile({C(Hearts, Eight)});
  const int slot = CzechSwindle(e.g, 2, 0);
  ASSERT_EQ(slot, 1);
  EXPECT_TRUE(SameCard(e.g.t.CardGrid[0][1], C(Hearts, Ten)));
  EXPECT_FALSE(e.Holds(0, C(Spades, Seven))) << "the lowest card left the hand";
  EXPECT_FALSE(e.g.t.IsPresent(5, 1)) << "the card is no longer in the stock";
  EXPECT_TRUE(SameCard(e.g.t.CardGrid[5][2], C(Spades, Seven))) << "... for under the stock";
  EXPECT_EQ(e.g.t.SwindleCount, 1);
  EXPECT_TRUE(SameCard(e.g.t.SwindleCards[0], C(Hearts, Ten)));
}

TEST(CzechSwindle, LeavesTheLastThreeDiscardsAndStopsAtItsLimit) {
  CzechTable e(4);
  e.Computer({C(Spades, King)}).Player({C(Clubs, Nine)});
  // Only the newest three discards would fit.
  e.Pile({C(Spades, Seven), C(Hearts, Nine), C(Hearts, Ten), C(Hearts, Eight)});
  EXPECT_EQ(CzechSwindle(e.g, 2, 3), -1);
  e.Stock({C(Hearts, Ace)});
  e.g.t.SwindleCount = SwindleLimit(e.g);
  EXPECT_EQ(CzechSwindle(e.g, 2, 3), -1);
}

TEST(CzechSwindle, NeverTakesACardOutsideThePackOrOneThatLiesInAHandToo) {
  // A damaged table: a six in the 2nd variety's stock, and a copy of the
  // player's ten of hearts.
  CzechTable e(5);
  e.Computer({C(Spades, King)}).Player({C(Hearts, Ten)});
  e.Stock({C(Hearts, Six), C(Hearts, Ten), C(Hearts, Jack)}).Pile({C(Hearts, Eight)});
  ASSERT_EQ(CzechSwindle(e.g, 2, 0), 0);
  EXPECT_TRUE(SameCard(e.g.t.CardGrid[0][0], C(Hearts, Jack)));
}

TEST(CzechSwindle, PentagonTakesOnlyTheSuitInForce) {
  CzechTable e(9);
  e.Computer({C(Spades, King)}).Player({C(Clubs, Nine)});
  e.Stock({C(Clubs, Queen), C(Spades, Eight), C(Hearts, Seven)}).Pile({C(Hearts, Eight)});
  ASSERT_EQ(CzechSwindle(e.g, 2, 0), 0);
  EXPECT_TRUE(SameCard(e.g.t.CardGrid[0][0], C(Hearts, Seven)));
}

TEST(CzechScoring, EachFormCountsTheLosersHand) {
  struct Case {
    int formg;
    std::initializer_list<TCard> hand;
    int points;
  };
  const Case cases[] = {
      {4, {C(Hearts, King), C(Hearts, Ten), C(Hearts, Six)}, 20},
      {4, {C(Hearts, Ace), C(Hearts, Jack), C(Hearts, Queen), C(Hearts, Nine)}, 25},
      {4, {C(Spades, Queen)}, 20},  // a lone queen
      {6, {C(Spades, Queen)}, 20},  // ... also where the jack is wild
      {8, {C(Spades, Queen)}, 30},  // Pharaoh
      {8, {C(Spades, Queen), C(Spades, Six)}, 9},
      {9, {C(Hearts, Six), C(Hearts, Seven), C(Hearts, Eight), C(Hearts, Nine)}, 0},
      {9, {C(Hearts, Ten), C(Hearts, Jack), C(Hearts, Queen), C(Hearts, King), C(Hearts, Ace)}, 47},
  };
  for (const Case& c : cases) {
    CzechTable e(c.formg);
    e.Player(c.hand);
    EXPECT_EQ(CzechHandPoints(e.g, 1), c.points) << "form " << c.formg;
  }
}

TEST(CzechScoring, PointsGoToTheLoserAndPharaohsFinalQueenTakes30OffTheWinner) {
  struct Case {
    int formg;
    TCard top;
    int player, computer;
  };
  for (const Case& c : {Case{4, C(Hearts, Queen), 10, 20}, Case{8, C(Hearts, Queen), 10, -10},
                        Case{8, C(Hearts, King), 10, 20}}) {
    CzechTable e(c.formg);
    e.g.t.CzechPointsComputer = 20;
    e.Player({C(Hearts, Ten)}).Pile({c.top});
    ScoreHand(e.g, 1);
    EXPECT_EQ(e.g.t.CzechPointsPlayer, c.player);
    EXPECT_EQ(e.g.t.CzechPointsComputer, c.computer) << "form " << c.formg;
  }
}

TEST(CzechScoring, ExactlyOneHundredEndsTheMatch) {
  struct Case {
    int before;
    int losses;
  };
  for (const Case& c : {Case{89, 0}, Case{90, 1}}) {
    CzechTable e(4);
    e.g.t.CzechPointsPlayer = c.before;
    e.g.t.CzechPointsComputer = 40;
    e.Player({C(Hearts, Ten)}).Pile({C(Hearts, Nine)});
    ScoreHand(e.g, 1);
    EXPECT_EQ(e.g.t.Stats[kCzech].Losses, c.losses) << c.before;
    EXPECT_EQ(e.g.t.CzechPointsPlayer, c.losses == 1 ? 0 : c.before + 10);
    EXPECT_EQ(e.g.t.CzechPointsComputer, c.losses == 1 ? 0 : 40);
  }
}

TEST(CzechScoring, AJackLeftInTheThirdVarietyLosesTheMatchAtOnce) {
  for (int row : {0, 1}) {
    CzechTable e(6);
    e.g.t.CzechPointsPlayer = 30;
    e.g.t.CzechPointsComputer = 50;
    e.Pile({C(Hearts, Nine)});
    if (row == 1) e.Player({C(Hearts, Jack)});
    if (row == 0) e.Computer({C(Hearts, Jack)});
    ScoreHand(e.g, row);
    EXPECT_EQ(e.g.t.Stats[kCzech].Losses, row == 1 ? 1 : 0);
    EXPECT_EQ(e.g.t.Stats[kCzech].Wins, row == 0 ? 1 : 0);
    EXPECT_EQ(e.g.t.CzechPointsPlayer, 0);
    EXPECT_EQ(e.g.t.CzechPointsComputer, 0);
  }
}

TEST(CzechEndOfDeal, ThePlayersLastCardWinsTheDealAndScoresTheComputersHand) {
  CzechTable e(4);
  e.Player({C(Hearts, Nine)}).Computer({C(Spades, King), C(Spades, Ten)}).Pile({C(Hearts, Eight)});
  e.Click(C(Hearts, Nine));
  ASSERT_EQ(e.out.messages.size(), 1u);
  EXPECT_EQ(e.out.messages[0].code, kMsgYouWin);
  EXPECT_EQ(e.g.t.CzechPointsComputer, 14);
  EXPECT_EQ(e.g.t.WhoseTurn, 1);
  EXPECT_TRUE(e.g.newGameDue);
}

TEST(CzechEndOfDeal, LosingToTheSharperStartsTheGuessingGame) {
  for (int checkS : {0, 1}) {
    CzechTable e(4);
    e.g.t.Options.Style = 4;
    e.g.t.Options.CheckS = checkS;
    e.Computer({C(Hearts, Ten)}).Player({C(Spades, King)}).Pile({C(Hearts, Eight)});
    e.g.t.WhoseTurn = 0;
    EXPECT_FALSE(CzechComputerTurn(e.g, false));
    EXPECT_EQ(e.g.t.CzechPointsPlayer, 4);
    EXPECT_EQ(e.g.t.GuessMode, checkS);
    EXPECT_EQ(e.g.newGameDue, checkS == 0);
  }
}

}  // namespace

// The stand-in that plays the player's seat (self-play, the headless network
// peer) sometimes holds a card back and draws instead; with nothing to draw
// in the simple form the button does nothing, so it must lay the card.
TEST(CzechStandIn, LaysAFittingCardWhenTheButtonCannotDraw) {
  for (int style = 0; style < 6; ++style) {
    for (int seed = 1; seed <= 50; ++seed) {
      CzechTable e(3);
      e.Player({C(Clubs, King), C(Hearts, King)}).Computer({C(Spades, King)}).Pile({C(Hearts, Eight)});
      e.g.t.WhoseTurn = 0;
      CzechComputerTurn(e.g, false);  // nothing fits: the computer passes
      ASSERT_EQ(e.g.t.WhoseTurn, 1);
      ASSERT_EQ(e.g.t.ButtonCaptionId, kCaptionTakeCard);
      e.g.random.Seed(seed);
      const CzechBotAction a = ChooseCzechAction(e.g, BotStyle{style, 3});
      EXPECT_EQ(a.type, CzechBotAction::Card) << "style " << style << " seed " << seed;
      EXPECT_EQ(a.value, 1) << "style " << style << " seed " << seed;
    }
  }
}
