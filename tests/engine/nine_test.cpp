// Nine: the opening, the cards that fit, the pass, the computer's order of
// preference, the start of play and the end of a deal.
#include "games/nine.h"

#include <gtest/gtest.h>

#include <string>

#include "core/game_message.h"
#include "persistence/save_record.h"
#include "play/buttons.h"
#include "play/pointer_routing.h"
#include "play/restore.h"
#include "shedding_table.h"

namespace {

constexpr int kNine = SheddingTable::kNine;

struct NineTable : SheddingTable {
  NineTable() : SheddingTable(kNine) {}
  void Click(const TCard& c) {
    const int slot = SlotOf(1, c);
    ASSERT_NE(slot, -1);
    RunCardMove(g, slot, PointerButton::Left);
  }
  int CardsOnRows() const {
    int n = 0;
    for (int row = 2; row <= 5; ++row)
      for (int s = 0; s < kSlots; ++s) n += g.t.IsPresent(row, s) ? 1 : 0;
    return n;
  }
};

TEST(NineOpening, NothingButTheNineOfDiamondsIsAcceptedFirst) {
  NineTable n;
  n.g.t.FirstDiscardDone = 0;
  n.Player({C(Clubs, Nine), C(Spades, Seven), C(Diamonds, Nine)})
      .Computer({C(Diamonds, Ten), C(Hearts, Ace)});
  n.Click(C(Clubs, Nine));
  n.Click(C(Spades, Seven));
  PressMoveButton(n.g);  // holding the nine of diamonds, nobody passes
  EXPECT_EQ(n.CardsOnRows(), 0);
  EXPECT_EQ(n.out.Count("undo point"), 0);
  EXPECT_EQ(n.g.t.RowCount[0], 2);

  n.Click(C(Diamonds, Nine));
  EXPECT_TRUE(n.OnNineRow(C(Diamonds, Nine)));
  EXPECT_TRUE(n.g.t.IsPresent(4, 3)) << "row 4 is diamonds, slot 3 the nine";
  EXPECT_EQ(n.g.t.FirstDiscardDone, 1);
  EXPECT_EQ(n.out.Count("undo point"), 1);
  EXPECT_TRUE(n.OnNineRow(C(Diamonds, Ten))) << "the computer answered";
  EXPECT_EQ(n.g.t.WhoseTurn, 1);
}

TEST(NineOpening, TheComputerHoldingTheNineOfDiamondsOpensAtOnce) {
  NineTable n;
  n.g.t.FirstDiscardDone = 0;
  n.Computer({C(Diamonds, Nine), C(Diamonds, Ten), C(Clubs, Nine)}).Player({C(Hearts, Six)});
  n.g.t.WhoseTurn = 0;
  StartNinePlay(n.g);
  EXPECT_TRUE(n.OnNineRow(C(Diamonds, Nine)));
  EXPECT_EQ(n.CardsOnRows(), 1) << "one card, then the player's turn";
  EXPECT_EQ(n.g.t.WhoseTurn, 1);
  EXPECT_EQ(n.g.t.ButtonCaptionId, 4);
  EXPECT_EQ(n.out.calls.back(), "repaint");
  EXPECT_EQ(n.out.Count("move button on"), 2) << "the player's six fits nowhere";
}

TEST(NineFitting, SixesOnSevensAcesOnKingsNinesAnyTimeNeighboursOnly) {
  struct Case {
    TCard card;
    int row, slot;  // -1: does not fit
  };
  const Case cases[] = {
      {C(Clubs, Six), 2, 0},                                 // its seven lies
      {C(Diamonds, Six), -1, -1},                            // no seven of diamonds
      {C(Spades, Ace), 3, 8},                                // its king lies
      {C(Diamonds, Ace), -1, -1},  {C(Hearts, Nine), 5, 3},  // a nine starts its row at any time
      {C(Clubs, Ten), 2, 4},       {C(Diamonds, Eight), 4, 2},
      {C(Diamonds, Jack), -1, -1},  // two places away from the nine
      {C(Hearts, Ten), -1, -1},     // its row has not begun
  };
  for (const Case& c : cases) {
    NineTable n;
    n.Laid({C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine), C(Spades, Nine), C(Spades, Ten),
            C(Spades, Jack), C(Spades, Queen), C(Spades, King), C(Diamonds, Nine)});
    const NinePlace p = NinePlaceOf(n.g.t, c.card);
    EXPECT_EQ(p.row, c.row) << "suit " << c.card.Suit << " rank " << c.card.Rank;
    EXPECT_EQ(p.slot, c.slot) << "suit " << c.card.Suit << " rank " << c.card.Rank;
  }
}

TEST(NineFitting, ACardThatDoesNotFitIsIgnored) {
  NineTable n;
  n.Laid({C(Diamonds, Nine)}).Player({C(Diamonds, Six), C(Clubs, Nine)}).Computer({C(Hearts, Ace)});
  n.Click(C(Diamonds, Six));
  EXPECT_EQ(n.CardsOnRows(), 1);
  EXPECT_EQ(n.out.Count("undo point"), 0);
  n.Click(C(Clubs, Nine));
  EXPECT_TRUE(n.OnNineRow(C(Clubs, Nine)));
}

TEST(NinePass, RefusedWhileACardFitsAllowedWhenNoneDoes) {
  NineTable n;
  n.Laid({C(Diamonds, Nine)})
      .Player({C(Diamonds, Ten), C(Hearts, King)})
      .Computer({C(Diamonds, Eight), C(Clubs, Ace)});
  EXPECT_FALSE(NinePassAllowed(n.g));
  PressMoveButton(n.g);
  EXPECT_EQ(n.g.t.RowCount[0], 2) << "the computer did not play";
  EXPECT_EQ(n.g.t.WhoseTurn, 1);

  n.Click(C(Diamonds, Ten));  // the computer answers with the eight
  EXPECT_TRUE(n.OnNineRow(C(Diamonds, Eight)));
  EXPECT_EQ(n.out.calls.back(), "repaint");
  EXPECT_EQ(n.out.Count("move button on"), 1) << "the king fits nowhere: the button wakes";
  EXPECT_TRUE(NinePassAllowed(n.g));
  PressMoveButton(n.g);  // the computer has nothing either and passes back
  EXPECT_EQ(n.g.t.WhoseTurn, 1);
  EXPECT_EQ(n.g.t.RowCount[0], 1);
}

TEST(NineComputer, OrderOfPreference) {
  struct Case {
    const char* rule;
    std::initializer_list<TCard> laid, computer, player;
    TCard expected;
  };
  const Case cases[] = {
      {"a row's end first",
       {C(Clubs, Nine), C(Clubs, Eight), C(Clubs, Seven)},
       {C(Clubs, Ten), C(Hearts, Nine), C(Clubs, Six)},
       {},
       C(Clubs, Six)},
      {"an ace on its king",
       {C(Spades, Nine), C(Spades, Ten), C(Spades, Jack), C(Spades, Queen), C(Spades, King)},
       {C(Hearts, Nine), C(Spades, Ace)},
       {},
       C(Spades, Ace)},
      {"follow-up downward",
       {C(Diamonds, Nine)},
       {C(Hearts, Nine), C(Diamonds, Eight), C(Diamonds, Seven)},
       {},
       C(Diamonds, Eight)},
      {"follow-up upward",
       {C(Diamonds, Nine)},
       {C(Hearts, Nine), C(Diamonds, Ten), C(Diamonds, Jack)},
       {},
       C(Diamonds, Ten)},
      {"a harmless card before a nine",
       {C(Hearts, Nine)},
       {C(Clubs, Nine), C(Hearts, Ten)},
       {C(Hearts, Eight)},
       C(Hearts, Ten)},
      {"a card that helps the player waits for a nine",
       {C(Hearts, Nine)},
       {C(Clubs, Nine), C(Hearts, Ten)},
       {C(Hearts, Jack)},
       C(Clubs, Nine)},
      {"the first helping card ends the search for harmless ones",
       {C(Clubs, Nine), C(Hearts, Nine)},
       {C(Clubs, Eight), C(Hearts, Ten), C(Spades, Nine)},
       {C(Clubs, Seven)},
       C(Spades, Nine)},
      {"any fitting card by place from the six up",
       {C(Clubs, Nine), C(Hearts, Nine)},
       {C(Hearts, Ten), C(Clubs, Eight)},
       {C(Hearts, Jack), C(Clubs, Seven)},
       C(Clubs, Eight)},
  };
  for (const Case& c : cases) {
    NineTable n;
    n.Laid(c.laid).Computer(c.computer).Player(c.player);
    n.g.t.WhoseTurn = 0;
    NineComputerTurn(n.g);
    EXPECT_TRUE(n.OnNineRow(c.expected)) << c.rule;
    EXPECT_FALSE(n.Holds(0, c.expected)) << c.rule;
    EXPECT_EQ(n.g.t.RowCount[0], static_cast<int>(c.computer.size()) - 1) << c.rule;
    EXPECT_EQ(n.g.t.WhoseTurn, 1) << c.rule;
  }
}

TEST(NineComputer, PassesWhenNothingFitsAndTheSameRuleServesThePlayersSeat) {
  NineTable n;
  n.Laid({C(Diamonds, Nine)})
      .Computer({C(Clubs, King)})
      .Player({C(Diamonds, Ten), C(Diamonds, Jack)});
  n.g.t.WhoseTurn = 0;
  NineComputerTurn(n.g);
  EXPECT_EQ(n.CardsOnRows(), 1);
  EXPECT_EQ(n.g.t.WhoseTurn, 1);
  EXPECT_EQ(n.out.Count("move button off"), 1);
  const NineMove m = NineChoice(n.g, 1);
  ASSERT_NE(m.handSlot, -1);
  EXPECT_TRUE(SameCard(n.g.t.CardGrid[1][m.handSlot], C(Diamonds, Ten))) << "follow-up upward";
  EXPECT_EQ(m.place.row, 4);
  EXPECT_EQ(m.place.slot, 4);
}

TEST(NineEndOfDeal, TheLastCardWinsOrLosesAndIsCounted) {
  {
    NineTable n;
    n.Laid({C(Diamonds, Nine)})
        .Player({C(Diamonds, Ten)})
        .Computer({C(Clubs, King), C(Clubs, Ace)});
    n.Click(C(Diamonds, Ten));
    ASSERT_EQ(n.out.messages.size(), 1u);
    EXPECT_EQ(n.out.messages[0].code, kMsgYouWin);
    EXPECT_EQ(n.g.t.Stats[kNine].Wins, 1);
    EXPECT_EQ(n.g.t.Stats[kNine].Losses, 0);
    EXPECT_TRUE(n.g.newGameDue);
  }
  {
    NineTable n;
    n.Laid({C(Diamonds, Nine)}).Player({C(Clubs, King)}).Computer({C(Diamonds, Ten)});
    PressMoveButton(n.g);
    ASSERT_EQ(n.out.messages.size(), 1u);
    EXPECT_EQ(n.out.messages[0].code, kMsgYouLost);
    EXPECT_EQ(n.g.t.Stats[kNine].Losses, 1);
    EXPECT_EQ(n.g.t.RowCount[0] + n.g.t.RowCount[1], 36) << "dealt anew";
  }
}

TEST(NineRestore, TheMoveButtonFollowsTheRestoredTable) {
  for (bool fits : {true, false}) {
    NineTable n;
    n.Laid({C(Diamonds, Nine)}).Computer({C(Clubs, Ace)});
    if (fits) {
      n.Player({C(Diamonds, Ten)});
    } else {
      n.Player({C(Hearts, Ten)});
    }
    const SaveRecord record = RecordFromTable(n.g);
    n.out.calls.clear();
    TakeInRecord(n.g, record);
    EXPECT_EQ(n.out.Count(fits ? "move button off" : "move button on"), 1) << fits;
    EXPECT_EQ(n.g.t.RowCount[1], 1);
    EXPECT_TRUE(n.OnNineRow(C(Diamonds, Nine)));
  }
}

}  // namespace
