#include "play/keyboard_play.h"

#include <gtest/gtest.h>

#include "durak_table.h"
#include "patience/hit_test.h"
#include "play/shortcuts.h"
#include "table/layout.h"

namespace {

constexpr WindowGeometry kWindow{800, 600, 550};

void LayOut(Game& g) {
  LayoutTable(g, kWindow);
}

KeyResponse Press(Game& g, ShortcutKey key, int32_t pointerX = 0) {
  return KeyboardShortcut(g, key, KeyContext{pointerX, false});
}

// A hand of n different cards, none of them trumps (hearts).
void DealPlayer(TestGame& t, int n) {
  for (auto& c : t.g.t.CardGrid[1]) c.Present = 0;
  int s = 0;
  for (int rank = Two; rank <= Ace && s < n; ++rank)
    for (int suit = Clubs; suit <= Diamonds && s < n; ++suit) t.g.t.PutCard(1, s++, C(suit, rank));
  t.g.t.RowCount[1] = n;
}

// --- Walking the hand ------------------------------------------------------

TEST(KeyboardSelection, WithNothingSelectedLeftTakesTheFirstCardAndRightTheLast) {
  TestGame t;
  DealPlayer(t, 6);
  LayOut(t.g);
  t.g.t.HitIndex = -1;
  Press(t.g, ShortcutKey::Left);
  EXPECT_EQ(t.g.t.HitIndex, 0);
  t.g.t.HitIndex = -1;
  Press(t.g, ShortcutKey::Right);
  EXPECT_EQ(t.g.t.HitIndex, 5);
}

TEST(KeyboardSelection, TheArrowsWrapAroundTheHand) {
  TestGame t;
  DealPlayer(t, 6);
  LayOut(t.g);
  t.g.t.HitIndex = 0;
  Press(t.g, ShortcutKey::Left);
  EXPECT_EQ(t.g.t.HitIndex, 5);
  Press(t.g, ShortcutKey::Right);
  EXPECT_EQ(t.g.t.HitIndex, 0);
  Press(t.g, ShortcutKey::Right);
  Press(t.g, ShortcutKey::Right);
  EXPECT_EQ(t.g.t.HitIndex, 2);
  Press(t.g, ShortcutKey::Left);
  EXPECT_EQ(t.g.t.HitIndex, 1);
}

TEST(KeyboardSelection, ASelectionLeftBehindByAShrunkenHandStepsBackOntoTheHand) {
  TestGame t;
  DealPlayer(t, 4);
  LayOut(t.g);
  t.g.t.HitIndex = 9;
  Press(t.g, ShortcutKey::Left);
  EXPECT_EQ(t.g.t.HitIndex, 3);
  t.g.t.HitIndex = 9;
  Press(t.g, ShortcutKey::Right);
  EXPECT_EQ(t.g.t.HitIndex, 0);
}

TEST(KeyboardSelection, AnEmptyHandHasNothingToSelect) {
  TestGame t;
  DealPlayer(t, 0);
  LayOut(t.g);
  const KeyResponse r = Press(t.g, ShortcutKey::Right);
  EXPECT_EQ(t.g.t.HitIndex, -1);
  EXPECT_FALSE(r.play.pointer.has_value());
}

TEST(KeyboardSelection, ThePointerLandsOnTheSelectedCardForEveryHandSize) {
  // Whether the hand lies side by side or overlapped, the hit test must find
  // the selected card under the pointer the arrows placed. Starting with no
  // selection, n presses of Right visit every card (the last, then from the
  // first on).
  TestGame t;
  for (int n = 1; n <= 24; ++n) {
    DealPlayer(t, n);
    LayOut(t.g);
    t.g.t.HitIndex = -1;
    for (int press = 0; press < n; ++press) {
      const KeyResponse r = Press(t.g, ShortcutKey::Right);
      ASSERT_TRUE(r.play.pointer.has_value());
      const int selected = t.g.t.HitIndex;
      const HitResult hit = HitTest(t.g.t, t.g.kind(), r.play.pointer->x, r.play.pointer->y);
      EXPECT_EQ(hit.index, selected) << n << " cards, card " << selected;
      t.g.t.HitIndex = selected;  // the hit test wrote it; the walk goes on from here
    }
  }
}

TEST(KeyboardSelection, ArrowsTakeTheFocusOffTheButtonsExceptInTheGuessingGame) {
  TestGame t;
  DealPlayer(t, 6);
  LayOut(t.g);
  EXPECT_TRUE(Press(t.g, ShortcutKey::Left).play.focusStatusBar);
  t.g.t.GuessMode = 1;
  EXPECT_FALSE(Press(t.g, ShortcutKey::Left).play.focusStatusBar);
}

// --- Playing the selected card ----------------------------------------------

TEST(KeyboardPlay, UpLeadsTheSelectedCard) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Six), C(Diamonds, Ace)})
      .Player({C(Clubs, King), C(Diamonds, Seven), C(Clubs, Eight)})
      .TrumpCard(C(Hearts, Six))
      .Stock(10);
  LayOut(t.g);
  const int slot = t.SlotOf(1, C(Diamonds, Seven));
  t.g.t.HitIndex = slot;
  const KeyResponse r = Press(t.g, ShortcutKey::Up);
  EXPECT_TRUE(r.consumed);
  ASSERT_GE(t.g.t.RowCount[2], 1);
  EXPECT_TRUE(SameCard(t.At(2, 0), C(Diamonds, Seven)));
  EXPECT_EQ(t.SlotOf(1, C(Diamonds, Seven)), -1);
  EXPECT_GE(t.g.t.HitIndex, 0);
  EXPECT_LT(t.g.t.HitIndex, t.g.t.RowCount[1]) << "the selection stays on the hand";
}

TEST(KeyboardPlay, ACardTheRulesRefuseLeavesTheHandAndThePointerAlone) {
  // The simple form: one card is led and covered, nothing may be added.
  DurakTable t(0, 0, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Six)})
      .Player({C(Clubs, Nine), C(Diamonds, Seven)})
      .Attacks({C(Clubs, Six)})
      .TrumpCard(C(Hearts, Six))
      .Stock(10);
  LayOut(t.g);
  t.g.t.HitIndex = t.SlotOf(1, C(Clubs, Nine));
  t.g.t.CtrlLatch = 1;
  const KeyResponse r = Press(t.g, ShortcutKey::Up);
  EXPECT_EQ(t.g.t.RowCount[1], 2);
  EXPECT_EQ(t.g.t.RowCount[2], 1);
  EXPECT_FALSE(r.play.pointer.has_value());
  EXPECT_FALSE(r.play.focusStatusBar);
  EXPECT_EQ(t.g.t.CtrlLatch, 0) << "the Ctrl mark is spent on the try";
}

TEST(KeyboardPlay, NothingSelectedPlaysNothing) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Ten)}).Player({C(Clubs, King)}).TrumpCard(C(Hearts, Six)).Stock(10);
  LayOut(t.g);
  t.g.t.HitIndex = -1;
  Press(t.g, ShortcutKey::Up);
  EXPECT_EQ(t.g.t.RowCount[1], 1);
  EXPECT_EQ(t.g.t.RowCount[2], 0);
}

// The computer led the seven of clubs in the transfer form; the player holds
// the seven of hearts (trumps), which can transfer the attack or cover it.
struct SevenToTransfer : DurakTable {
  SevenToTransfer() : DurakTable(0, 2, Hearts) {
    Computer({C(Spades, Ten), C(Spades, Six), C(Diamonds, Nine)});
    Player({C(Hearts, Seven), C(Diamonds, King), C(Spades, Eight)});
    Attacks({C(Clubs, Seven)});
    TrumpCard(C(Hearts, Ace));
    Stock(10);
    g.t.WhoseTurn = 0;
    g.t.FirstDiscardDone = 1;
    LayOut(g);
    g.t.HitIndex = SlotOf(1, C(Hearts, Seven));
  }
  int FirstFlightRow() const { return out.flights.empty() ? -1 : out.flights[0].toRow; }
};

TEST(KeyboardPlay, ACardOfTheLeadsRankTransfersTheAttack) {
  SevenToTransfer t;
  Press(t.g, ShortcutKey::Up);
  EXPECT_EQ(t.FirstFlightRow(), 2) << "the seven joins the attack";
}

TEST(KeyboardPlay, AfterCtrlTheSameCardCoversInstead) {
  SevenToTransfer t;
  Press(t.g, ShortcutKey::Ctrl);
  EXPECT_EQ(t.g.t.CtrlLatch, 1);
  Press(t.g, ShortcutKey::Up);
  EXPECT_EQ(t.FirstFlightRow(), 3) << "the trump seven covers the seven of clubs";
  EXPECT_EQ(t.g.t.CtrlLatch, 0);
}

TEST(KeyboardPlay, EndTakesTheCtrlMarkBack) {
  SevenToTransfer t;
  Press(t.g, ShortcutKey::Ctrl);
  Press(t.g, ShortcutKey::End);
  EXPECT_EQ(t.g.t.CtrlLatch, 0);
  Press(t.g, ShortcutKey::Up);
  EXPECT_EQ(t.FirstFlightRow(), 2);
}

TEST(KeyboardPlay, TheFirstRoundIsNotTransferredFromTheKeyboardWhenTheOptionForbidsIt) {
  SevenToTransfer t;
  t.g.t.Options.DiscardTransfer1 = 1;
  t.g.t.FirstDiscardDone = 0;
  Press(t.g, ShortcutKey::Up);
  EXPECT_EQ(t.FirstFlightRow(), 3) << "the seven can only cover";
}

TEST(KeyboardPlay, DownPressesTheMoveButtonAndThePlayerTakes) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Six), C(Diamonds, Nine)})
      .Player({C(Clubs, Six), C(Diamonds, Seven)})
      .Attacks({C(Clubs, King)})
      .TrumpCard(C(Hearts, Ace))
      .Stock(10);
  t.g.t.WhoseTurn = 0;
  LayOut(t.g);
  const KeyResponse r = Press(t.g, ShortcutKey::Down);
  EXPECT_TRUE(r.consumed);
  EXPECT_NE(t.SlotOf(1, C(Clubs, King)), -1) << "the king went into the player's hand";
}

TEST(KeyboardPlay, DownDoesNothingDuringTheGuessingGame) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Ten)}).Player({C(Clubs, Six)}).Attacks({C(Clubs, King)});
  t.g.t.WhoseTurn = 0;
  t.g.t.GuessMode = 1;
  LayOut(t.g);
  Press(t.g, ShortcutKey::Down);
  EXPECT_EQ(t.g.t.RowCount[2], 1);
  EXPECT_EQ(t.g.t.RowCount[1], 1);
}

TEST(KeyboardPlay, AfterACardLeavesThePointerStaysOnTheCardUnderIt) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Six), C(Diamonds, Ace)})
      .Player({C(Clubs, King), C(Diamonds, Seven), C(Clubs, Eight), C(Spades, Queen)})
      .TrumpCard(C(Hearts, Six))
      .Stock(10);
  LayOut(t.g);
  t.g.t.HitIndex = 1;
  const int32_t pointerX = HandCardPointer(t.g.t, 1).x;
  const KeyResponse r = Press(t.g, ShortcutKey::Up, pointerX);
  ASSERT_TRUE(r.play.pointer.has_value());
  const HitResult hit = HitTest(t.g.t, t.g.kind(), r.play.pointer->x, r.play.pointer->y);
  EXPECT_EQ(hit.index, t.g.t.HitIndex);
  EXPECT_TRUE(r.play.focusStatusBar);
}

TEST(KeyboardPlay, PlayingTheLastCardOfTheHandKeepsTheSelectionOnTheNewLastCard) {
  DurakTable t(0, 1, Hearts);
  t.Computer({C(Spades, Ten), C(Spades, Six), C(Diamonds, Ace)})
      .Player({C(Clubs, King), C(Diamonds, Seven), C(Clubs, Eight)})
      .TrumpCard(C(Hearts, Six));
  LayOut(t.g);
  t.g.t.HitIndex = 2;
  const KeyResponse r = Press(t.g, ShortcutKey::Up);
  ASSERT_EQ(t.g.t.RowCount[1], 2);
  EXPECT_EQ(t.g.t.HitIndex, 1);
  ASSERT_TRUE(r.play.pointer.has_value());
  EXPECT_EQ(*r.play.pointer, HandCardPointer(t.g.t, 1));
}

// --- Which games take keyboard play -----------------------------------------

// Hearts is played from the keyboard like the other card games (its own tests).
TEST(KeyboardPlay, NeverRunsInThePatienceGamesOrMemory) {
  for (int vidg : {8, 9, 15, 22, 24, 25}) {
    TestGame t;
    t.Select(vidg, 0);
    DealPlayer(t, 6);
    LayOut(t.g);
    t.g.t.HitIndex = 3;
    for (ShortcutKey key : {ShortcutKey::Left, ShortcutKey::Right, ShortcutKey::Up,
                            ShortcutKey::Down, ShortcutKey::Ctrl}) {
      const KeyResponse r = Press(t.g, key);
      EXPECT_FALSE(r.consumed) << vidg;
      EXPECT_FALSE(r.play.focusStatusBar) << vidg;
    }
    EXPECT_EQ(t.g.t.HitIndex, 3) << vidg;
    EXPECT_EQ(t.g.t.CtrlLatch, 0) << vidg;
  }
}

TEST(KeyboardPlay, AnyOtherKeyOnlyTakesTheFocusOffTheButtons) {
  TestGame t;
  DealPlayer(t, 6);
  LayOut(t.g);
  t.g.t.HitIndex = 2;
  const KeyResponse r = Press(t.g, ShortcutKey::Other);
  EXPECT_FALSE(r.consumed);
  EXPECT_TRUE(r.play.focusStatusBar);
  EXPECT_EQ(t.g.t.HitIndex, 2);
}

// --- Edition 2.84's Memory ----------------------------------------------------

struct Memory284 : TestGame {
  Memory284() : TestGame(1, Edition284()) {
    Select(21, 0);
    for (int s = 0; s < 36; ++s) g.t.PutCard(0, s, C(s % 4, Six + s / 4));
    LayOut(g);
  }
  int After(int from, ShortcutKey key) {
    g.t.HitIndex = from;
    Press(g, key);
    return g.t.HitIndex;
  }
};

TEST(KeyboardMemory, TheArrowsWalkTheGridWrappingWithinARow) {
  Memory284 m;
  EXPECT_EQ(m.After(-1, ShortcutKey::Right), 0) << "the first key selects the first card";
  EXPECT_EQ(m.After(0, ShortcutKey::Right), 1);
  EXPECT_EQ(m.After(8, ShortcutKey::Right), 0) << "from the end of the first row to its start";
  EXPECT_EQ(m.After(0, ShortcutKey::Left), 8);
  EXPECT_EQ(m.After(27, ShortcutKey::Left), 35);
}

TEST(KeyboardMemory, UpAndDownWrapBetweenTheFirstAndTheLastRow) {
  Memory284 m;
  EXPECT_EQ(m.After(4, ShortcutKey::Down), 13);
  EXPECT_EQ(m.After(31, ShortcutKey::Down), 4);
  EXPECT_EQ(m.After(4, ShortcutKey::Up), 31);
}

TEST(KeyboardMemory, ThePointerGoesOntoTheSelectedCard) {
  Memory284 m;
  for (int from = 0; from < 36; ++from) {
    m.g.t.HitIndex = from;
    const KeyResponse r = Press(m.g, ShortcutKey::Right);
    ASSERT_TRUE(r.play.pointer.has_value());
    const HitResult hit = HitTest(m.g.t, m.g.kind(), r.play.pointer->x, r.play.pointer->y);
    EXPECT_EQ(hit.index, m.g.t.HitIndex);
  }
}

TEST(KeyboardMemory, Edition285DoesNotPlayMemoryFromTheKeyboard) {
  TestGame t;
  t.Select(24, 0);
  t.g.t.HitIndex = 4;
  EXPECT_FALSE(Press(t.g, ShortcutKey::Down).consumed);
  EXPECT_EQ(t.g.t.HitIndex, 4);
}

}  // namespace
