// Cards that grow with the window: with "ScaleCards" 1 the table is laid out
// for the smallest window and shown magnified, and the mouse is mapped back
// through the magnification; with 0 nothing changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "persistence/settings.h"
#include "play/options_dialog.h"
#include "table/layout.h"
#include "ui/artwork/artwork.h"
#include "ui/main_window.h"
#include "ui/table_scale.h"

namespace {

StartOptions DurakAt(int64_t seed, int width, int height, int scaleCards) {
  StartOptions o;
  o.screenshot = true;  // nobody answers message boxes here
  o.file = "unused.png";
  o.game = std::make_pair(0, 1);
  o.seed = seed;
  o.size = std::make_pair(width, height);
  o.sets.emplace_back("ScaleCards", scaleCards);
  return o;
}

void ReleaseMouse(QWidget* table, QPoint at) {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), table->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(table, &release);
}

struct FitCase {
  QSize view;
  QSize table;
  qreal factor;
  QPoint offset;
};

TEST(TableScale, TheTableTakesTheLargestFactorThatFitsAndIsCentred) {
  const FitCase cases[] = {
      {{635, 400}, {635, 400}, 1.0, {0, 0}},     {{1270, 800}, {635, 400}, 2.0, {0, 0}},
      {{1600, 800}, {635, 400}, 2.0, {165, 0}},   // wide: bands left and right
      {{1270, 1000}, {635, 400}, 2.0, {0, 100}},  // tall: bands above and below
      {{600, 300}, {635, 400}, 1.0, {0, 0}},      // never smaller than itself
  };
  for (const FitCase& c : cases) {
    const TableScale s = FitTable(c.view, c.table);
    EXPECT_DOUBLE_EQ(s.factor, c.factor) << c.view.width() << "x" << c.view.height();
    EXPECT_EQ(s.offset, c.offset) << c.view.width() << "x" << c.view.height();
  }
}

TEST(TableScale, APointOfTheTableMapsBackToItselfThroughTheView) {
  const TableScale s = FitTable(QSize(1600, 937), QSize(635, 412));
  for (const QPoint p : {QPoint(0, 0), QPoint(100, 50), QPoint(634, 411), QPoint(317, 200)}) {
    EXPECT_EQ(s.ToTable(QPointF(s.ToView(p)) + QPointF(0.5, 0.5)), p);
    EXPECT_TRUE(s.ToView(QRect(p, QSize(1, 1))).contains(s.ToView(p)));
  }
}

TEST(ScaleCards, OffKeepsTheTableLaidOutForTheWholeWindow) {
  TForm1 window(Edition285(), DurakAt(3, 1600, 1000, 0));
  window.ShowAndStart();
  const TTableState& t = window.game().t;
  EXPECT_TRUE(window.tableScale().Identity());
  EXPECT_EQ(t.HandGeometry[6].step, 1600 * 1000 / 8000);
  EXPECT_EQ(window.pictures().BackBuffer.deviceIndependentSize().toSize(), QSize(1600, 1000));
}

TEST(ScaleCards, OnLaysTheTableOutForTheSmallestWindowAndMagnifiesIt) {
  TForm1 window(Edition285(), DurakAt(3, 1600, 1000, 1));
  window.ShowAndStart();
  const TTableState& t = window.game().t;
  const TableScale& s = window.tableScale();
  EXPECT_EQ(t.HandGeometry[6].step, kMinOuterWidth * 1000 / 8000);
  EXPECT_GT(s.factor, 2.0);
  // The whole table fits the view.
  const QRect table = s.ToView(QRect(0, 0, kMinOuterWidth, t.PlayerHandY + kCardHeight));
  EXPECT_TRUE(window.centralWidget()->rect().contains(table));
  // The pictures are painted at the magnified size, not enlarged, and reach
  // from the table's corner to the view's far edges.
  const QImage& back = window.pictures().BackBuffer;
  const QSize units = back.deviceIndependentSize().toSize();
  EXPECT_GE(units.width(), kMinOuterWidth);
  EXPECT_GE(units.height(), kMinOuterHeight);
  const QRect covered = s.ToView(QRect(QPoint(0, 0), units));
  EXPECT_GE(covered.right(), window.centralWidget()->rect().right());
  EXPECT_GE(covered.bottom(), window.centralWidget()->rect().bottom());
  EXPECT_DOUBLE_EQ(back.devicePixelRatio(), window.devicePixelRatioF() * s.factor);
  EXPECT_DOUBLE_EQ(window.artwork().DevicePixelRatio(), back.devicePixelRatio());
}

TEST(ScaleCards, AClickAtTheMagnifiedCentreOfAHandCardPlaysThatCard) {
  for (int64_t seed = 1; seed < 40; ++seed) {
    TForm1 window(Edition285(), DurakAt(seed, 1600, 1000, 1));
    window.ShowAndStart();
    const TTableState& t = window.game().t;
    if (t.WhoseTurn != 1 || t.RowCount[2] != 0) continue;
    const int n = t.RowCount[1];
    const TCard led = t.CardGrid[1][n - 1];
    const QPoint centre(HandCardX(t, n, n - 1) + kCardWidth / 2, t.PlayerHandY + kCardHeight / 2);
    // Where the card would lie unmagnified is now empty table.
    const auto before = t.CardGrid;
    ReleaseMouse(window.centralWidget(), centre);
    EXPECT_EQ(t.CardGrid, before) << "seed " << seed;
    ReleaseMouse(window.centralWidget(), window.TableToView(centre));
    ASSERT_GE(t.RowCount[2], 1) << "seed " << seed;
    EXPECT_EQ(t.CardGrid[2][0].Suit, led.Suit);
    EXPECT_EQ(t.CardGrid[2][0].Rank, led.Rank);
    return;
  }
  FAIL() << "no deal in which the player leads";
}

TEST(ScaleCards, TheOptionTakesEffectAtOnceBothWays) {
  TForm1 window(Edition285(), DurakAt(3, 1600, 1000, 0));
  window.ShowAndStart();
  Game& g = window.game();
  WriteSetting(g, "ScaleCards", 1);
  TakeStoredOptions(g);
  EXPECT_GT(window.tableScale().factor, 2.0);
  EXPECT_EQ(g.t.HandGeometry[6].step, kMinOuterWidth * 1000 / 8000);
  WriteSetting(g, "ScaleCards", 0);
  TakeStoredOptions(g);
  EXPECT_TRUE(window.tableScale().Identity());
  EXPECT_EQ(g.t.HandGeometry[6].step, 1600 * 1000 / 8000);
  EXPECT_EQ(window.pictures().BackBuffer.deviceIndependentSize().toSize(), QSize(1600, 1000));
}

}  // namespace
