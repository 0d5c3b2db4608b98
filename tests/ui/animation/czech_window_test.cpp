// Czech durak played on the real main window: cards by the mouse, "Take
// card" and "Pass" on the Move button, the suit buttons after the player's
// wild card, and the points panel of the match.
#include <gtest/gtest.h>

#include <QLabel>

#include "games/czech_bot.h"
#include "games/czech_durak.h"
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

QLabel* Label(PlayWindow& w, const char* name) { return w.window->findChild<QLabel*>(name); }

TEST(CzechWindow, DealsArePlayedByMouseAndButtonsAndTheLosersPointsAreShown) {
  PlaySetup s;
  s.vidg = 5;
  s.formg = 4;
  s.seed = 2;
  PlayWindow w(s);
  w.Start();
  QWidget* points = w.window->findChild<QWidget*>("PointsPanel");
  ASSERT_NE(points, nullptr);
  EXPECT_TRUE(points->isVisible());
  EXPECT_TRUE(w.window->findChild<QWidget*>("TrumpPanel")->isVisible());
  int deals = 0, presses = 0;
  TPack dealt = w.t().Pack;
  for (int action = 0; action < 3000 && deals < 3; ++action) {
    Game& g = w.window->game();
    const CzechBotAction a = ChooseCzechAction(g, {});
    if (a.type == CzechBotAction::Card) {
      w.ClickHandCard(a.value);
    } else if (a.type == CzechBotAction::Suit) {
      // The panel's label is lit while an order is open.
      EXPECT_TRUE(w.window->findChild<QWidget*>("TrumpPanel")->findChild<QLabel*>()->isEnabled());
      Click(w.window->findChild<QPushButton*>(kSuitButtons[a.value]));
    } else {
      Click(w.moveButton());
      presses += 1;
    }
    QApplication::processEvents();
    if (w.t().Pack.Slots != dealt.Slots) {
      deals += 1;
      dealt = w.t().Pack;
    }
  }
  EXPECT_EQ(deals, 3) << "the deals got stuck";
  EXPECT_GT(presses, 0);
  const TTableState& t = w.t();
  EXPECT_GT(t.CzechPointsPlayer + t.CzechPointsComputer + t.Stats[5].Wins + t.Stats[5].Losses, 0);
  // The panel shows the points as the match keeps them.
  const QString comp = QString::number(t.CzechPointsComputer);
  const QString play = QString::number(t.CzechPointsPlayer);
  EXPECT_TRUE(Label(w, "CompLabel")->text().endsWith(comp)) << Label(w, "CompLabel")->text().toStdString();
  EXPECT_TRUE(Label(w, "PlayLabel")->text().endsWith(play)) << Label(w, "PlayLabel")->text().toStdString();
}

TEST(CzechWindow, ASuitButtonIsDeadUntilThePlayersWildCard) {
  PlaySetup s;
  s.vidg = 5;
  s.formg = 4;
  s.seed = 3;
  PlayWindow w(s);
  w.Start();
  ASSERT_EQ(w.t().WhoseTurn, 1);
  ASSERT_FALSE(CzechSuitOrderOpen(w.window->game()));
  const int suit = w.t().TrumpSuit == Hearts ? Clubs : Hearts;
  const auto before = w.t().CardGrid;
  QTest::mouseClick(w.window->findChild<QPushButton*>(kSuitButtons[suit]), Qt::LeftButton);
  EXPECT_EQ(w.t().CardGrid, before);
  EXPECT_NE(w.t().TrumpSuit, suit);
}

}  // namespace
