// The main window as the player meets it: started, dealt, and answering a
// click on a card of his hand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

#include "ui/main_window.h"

namespace {

StartOptions DurakOnSeed(int64_t seed) {
  StartOptions o;
  o.screenshot = true;  // nobody answers message boxes here
  o.file = "unused.png";
  o.game = std::make_pair(0, 1);
  o.seed = seed;
  o.size = std::make_pair(800, 600);
  return o;
}

void ReleaseMouse(QWidget* table, QPoint at, Qt::MouseButton button) {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), table->mapToGlobal(QPointF(at)),
                      button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(table, &release);
}

TEST(MainWindow, StartsWithTheTableLaidOutForItsSizeAndTheGameInTheCaption) {
  TForm1 window(Edition285(), DurakOnSeed(3));
  window.ShowAndStart();
  EXPECT_EQ(window.size(), QSize(800, 600));
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Подкидной дурак"));
  const TTableState& t = window.game().t;
  EXPECT_EQ(t.HandGeometry[6].step, 800 * 1000 / 8000);
  EXPECT_EQ(window.pictures().BackBuffer.size(), QSize(800, 600));
  EXPECT_EQ(t.Dealing, 0);
}

TEST(MainWindow, ResizingLaysTheTableOutAgainAndRemakesThePictures) {
  TForm1 window(Edition285(), DurakOnSeed(3));
  window.ShowAndStart();
  window.resize(1000, 700);
  QApplication::processEvents();
  EXPECT_EQ(window.game().t.HandGeometry[6].step, 1000 * 1000 / 8000);
  EXPECT_EQ(window.pictures().TableBackground.size(), QSize(1000, 700));
  EXPECT_EQ(window.pictures().LineStrip.size(), QSize(1000, 1));
}

TEST(MainWindow, AClickOnACardOfThePlayersHandLeadsIt) {
  // A deal in which the player leads.
  for (int64_t seed = 1; seed < 40; ++seed) {
    TForm1 window(Edition285(), DurakOnSeed(seed));
    window.ShowAndStart();
    const TTableState& t = window.game().t;
    if (t.WhoseTurn != 1 || t.RowCount[2] != 0) continue;
    const int n = t.RowCount[1];
    const TCard led = t.CardGrid[1][n - 1];
    // The right half of the last card: no other card lies there.
    ReleaseMouse(window.centralWidget(), QPoint(HandCardX(t, n, n - 1) + 50, t.PlayerHandY + 48),
                 Qt::LeftButton);
    ASSERT_GE(t.RowCount[2], 1) << "seed " << seed;
    EXPECT_EQ(t.CardGrid[2][0].Suit, led.Suit);
    EXPECT_EQ(t.CardGrid[2][0].Rank, led.Rank);
    return;
  }
  FAIL() << "no deal in which the player leads";
}

TEST(MainWindow, AClickBesideTheHandDoesNothing) {
  TForm1 window(Edition285(), DurakOnSeed(3));
  window.ShowAndStart();
  const TTableState& t = window.game().t;
  const auto before = t.CardGrid;
  ReleaseMouse(window.centralWidget(), QPoint(5, t.PlayerHandY + 48), Qt::LeftButton);
  ReleaseMouse(window.centralWidget(), QPoint(HandCardX(t, t.RowCount[1], 0) + 10, 5),
               Qt::LeftButton);
  EXPECT_EQ(t.CardGrid, before);
}

}  // namespace
