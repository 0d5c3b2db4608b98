// Hearts played on the real main window: three cards chosen by the mouse,
// "Drop cards" and "OK" on the Move button, then the tricks by the mouse,
// the cards flying to the trick and to the hand that takes it, the four
// totals in the points panel.
//
// With KALVENAR_HEARTS_SCREENSHOT=FILE.png the mid-game table of the second
// test is also saved as a picture (the README's screenshot).
#include <gtest/gtest.h>

#include <QLabel>
#include <cstdlib>

#include "games/hearts.h"
#include "games/hearts_computer.h"
#include "games/hearts_rules.h"
#include "games/hearts_scoring.h"
#include "play/shortcuts.h"
#include "play_window.h"

namespace {

PlaySetup HeartsSetup() {
  PlaySetup s;
  s.vidg = 23;
  s.formg = 0;
  s.seed = 4;
  return s;
}

// A point on the part of card `slot` of the player's hand that shows: the
// middle of the last card, the left edge of one overlapped by the next.
QPoint HeartsCardPoint(PlayWindow& w, int slot) {
  const TTableState& t = w.t();
  const bool last = slot + 1 >= kHeartsHandSize || !t.IsPresent(0, slot + 1);
  return {t.CardX[0][slot] + (last ? 35 : 7), t.CardY[0][slot] + 48};
}

void ClickCard(PlayWindow& w, int slot) {
  QTest::mouseClick(w.table(), Qt::LeftButton, {}, HeartsCardPoint(w, slot));
  QApplication::processEvents();
}

void ClickButton(PlayWindow& w) {
  ASSERT_TRUE(w.moveButton()->isVisible());
  ASSERT_TRUE(w.moveButton()->isEnabled());
  QTest::mouseClick(w.moveButton(), Qt::LeftButton);
  QApplication::processEvents();
}

void PassThreeCards(PlayWindow& w) {
  for (const int slot : ChoosePassCards(w.t(), 0, 1)) ClickCard(w, slot);
  ClickButton(w);
  ClickButton(w);
}

TEST(HeartsWindow, TheOpeningIsPlayedByTheMouseAndTheMoveButton) {
  PlayWindow w(HeartsSetup());
  w.Start();
  QPushButton* button = w.moveButton();
  EXPECT_TRUE(button->isVisible());
  EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(button->text(), QString::fromUtf8("Cброс карт"));
  const int y = w.t().CardY[0][2];
  ClickCard(w, 2);
  EXPECT_EQ(w.t().CardY[0][2], y - 20);
  ClickCard(w, 5);
  EXPECT_FALSE(button->isEnabled());
  ClickCard(w, 11);
  EXPECT_TRUE(button->isEnabled());
  ClickButton(w);
  EXPECT_EQ(button->text(), QString::fromUtf8("ОК"));
  ClickButton(w);
  EXPECT_FALSE(button->isVisible());
  QWidget* points = w.window->findChild<QWidget*>("PointsPanel");
  ASSERT_NE(points, nullptr);
  EXPECT_TRUE(points->isVisible());
  EXPECT_TRUE(HeartsPlayersTurn(w.window->game()));
}

// Plays the player's card of every trick of the hand by the mouse; `shot`,
// when given, receives the table halfway through, in English.
void PlayHand(PlayWindow& w, const char* shot) {
  for (int trick = 0; trick < 13; ++trick) {
    ASSERT_TRUE(HeartsPlayersTurn(w.window->game())) << "trick " << trick;
    if (shot != nullptr && trick == 6) {
      SelectLanguage(w.window->game(), 1);
      QApplication::processEvents();
      w.window->grab().save(QString::fromLocal8Bit(shot));
    }
    const int frames = w.frames;
    ClickCard(w, ChooseHeartsCard(w.t(), 0, 3));
    EXPECT_GT(w.frames, frames) << "the card flies";
  }
}

TEST(HeartsWindow, AHandIsPlayedByTheMouseToTheNextDeal) {
  PlayWindow w(HeartsSetup());
  w.Start();
  // The second hand is dealt from the clock: this one has the player play
  // the last card of a hand of eleven.
  w.HoldClock(7919);
  PassThreeCards(w);
  PlayHand(w, nullptr);
  // The hand is scored and the next one dealt: its cards are chosen again.
  const HeartsScores s = ReadHeartsScores(w.t());
  EXPECT_EQ(s.handsDealt, 1);
  const int added = s.totals[0] + s.totals[1] + s.totals[2] + s.totals[3];
  EXPECT_TRUE(added == 26 || added == 78) << added;
  EXPECT_EQ(w.moveButton()->text(), QString::fromUtf8("Cброс карт"));
  // The panel's last line begins with the player's total.
  const QList<QLabel*> lines =
      w.window->findChild<QWidget*>("PointsPanel")->findChildren<QLabel*>();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[2]->text().startsWith(QString::fromUtf8("Игрок : ") +
                                          QString::number(s.totals[0]) + " "))
      << lines[2]->text().toStdString();
  // The second hand passes to the right and is played on the same way.
  PassThreeCards(w);
  PlayHand(w, std::getenv("KALVENAR_HEARTS_SCREENSHOT"));
  EXPECT_EQ(ReadHeartsScores(w.t()).handsDealt, 2);
}

}  // namespace
