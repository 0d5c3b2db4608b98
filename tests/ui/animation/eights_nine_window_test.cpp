// Eights and Nine played on the real main window: cards by the mouse, the
// suit buttons of the trump panel after the player's eight, and Nine's
// "Pass" button lit only when none of the player's cards fits.
#include <gtest/gtest.h>

#include <QLabel>

#include "games/eights.h"
#include "games/eights_bot.h"
#include "games/nine.h"
#include "games/nine_bot.h"
#include "play_window.h"

namespace {

const char* const kSuitButtons[] = {"TrumpCrestButton", "TrumpPickButton", "TrumpBubButton",
                                    "TrumpChervButton"};

void Click(QPushButton* button) {
  ASSERT_TRUE(button->isVisible());
  ASSERT_TRUE(button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  QApplication::processEvents();
}

struct Outcome {
  bool ended = false;
  int suitOrders = 0;
};

// Plays one deal as the bot would, by the mouse, until the next deal lies on
// the table (every deal shuffles the pack anew).
Outcome PlayEightsDeal(PlayWindow& w) {
  Outcome o;
  const TPack dealt = w.t().Pack;
  for (int action = 0; action < 200 && !o.ended; ++action) {
    const EightsBotAction a = ChooseEightsAction(w.window->game(), {});
    if (a.type == EightsBotAction::Card) {
      w.ClickHandCard(a.value);
    } else if (a.type == EightsBotAction::Suit) {
      // The panel's label is lit while an order is open.
      QWidget* panel = w.window->findChild<QWidget*>("TrumpPanel");
      EXPECT_TRUE(panel->isVisible());
      EXPECT_TRUE(panel->findChild<QLabel*>()->isEnabled());
      Click(w.window->findChild<QPushButton*>(kSuitButtons[a.value]));
      o.suitOrders += 1;
    } else {
      Click(w.moveButton());
    }
    QApplication::processEvents();
    o.ended = w.t().Pack.Slots != dealt.Slots;
  }
  return o;
}

TEST(EightsNineWindow, EightsIsPlayedByMouseAndSuitButtonsToTheNextDeal) {
  PlaySetup s;
  s.vidg = 6;
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  int orders = 0;
  for (int deal = 0; deal < 4; ++deal) {
    const Outcome o = PlayEightsDeal(w);
    ASSERT_TRUE(o.ended) << "deal " << deal << " got stuck";
    orders += o.suitOrders;
  }
  EXPECT_GT(orders, 0) << "an eight was ordered with a suit button";
  EXPECT_EQ(w.t().Dealing, 0);
  EXPECT_GE(w.t().RowCount[1], 18);
  EXPECT_GT(w.frames, 100);
}

TEST(EightsNineWindow, ASuitButtonIsDeadUntilThePlayersEight) {
  PlaySetup s;
  s.vidg = 6;
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  ASSERT_EQ(w.t().WhoseTurn, 0);
  const int suit = w.t().TrumpSuit == Hearts ? Clubs : Hearts;
  const auto before = w.t().CardGrid;
  QTest::mouseClick(w.window->findChild<QPushButton*>(kSuitButtons[suit]), Qt::LeftButton);
  EXPECT_EQ(w.t().CardGrid, before);
  EXPECT_NE(w.t().TrumpSuit, suit);
}

TEST(EightsNineWindow, NineIsPlayedByMouseWithPassOnlyWhenNothingFits) {
  PlaySetup s;
  s.vidg = 7;
  s.formg = 0;
  s.seed = 3;
  PlayWindow w(s);
  w.Start();
  const TPack dealt = w.t().Pack;
  bool ended = false;
  int passes = 0;
  for (int action = 0; action < 200 && !ended; ++action) {
    Game& g = w.window->game();
    ASSERT_EQ(w.moveButton()->isEnabled(), !NineHandFits(g, 1)) << "action " << action;
    const NineBotAction a = ChooseNineAction(g, {});
    if (a.type == NineBotAction::Card) {
      w.ClickHandCard(a.slot);
    } else {
      Click(w.moveButton());
      passes += 1;
    }
    QApplication::processEvents();
    ended = w.t().Pack.Slots != dealt.Slots;
  }
  EXPECT_TRUE(ended) << "the deal got stuck";
  EXPECT_GT(passes, 0);
}

}  // namespace
