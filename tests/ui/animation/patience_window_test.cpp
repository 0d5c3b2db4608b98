// The patience games played with the mouse on the real main window: moves
// the rules allow, made by pointing at the cards (Scarf by dragging, the
// others by clicks, double clicks to the foundations), the picked card shown
// lit, and a won deal counted and dealt anew.
#include <gtest/gtest.h>

#include "patience/patience_framework.h"
#include "patience/patience_invariants.h"
#include "patience/patience_rules.h"
#include "play/table_points.h"
#include "play_window.h"

namespace {

QPoint PointOf(PlayWindow& w, int row, int slot) {
  const auto p = FindPointNaming(w.window->game(), row, slot, false);
  if (p) return {p->x, p->y};
  // An empty column or foundation: its place.
  return {w.t().CardX[row][0] + 35, w.t().CardY[row][0] + 48};
}

void Click(PlayWindow& w, QPoint p) {
  QTest::mouseMove(w.table(), p);
  QTest::mouseClick(w.table(), Qt::LeftButton, {}, p);
  QApplication::processEvents();
}

void Make(PlayWindow& w, const PatienceAction& a) {
  const QPoint from = PointOf(w, a.row, a.slot);
  switch (a.type) {
    case PatienceAction::Press:
      return Click(w, from);
    case PatienceAction::TwoClick: {
      Click(w, from);
      return Click(w, PointOf(w, a.toRow, a.toSlot));
    }
    case PatienceAction::Drag: {
      const QPoint to = PointOf(w, a.toRow, a.toSlot);
      QTest::mouseMove(w.table(), from);
      QTest::mousePress(w.table(), Qt::LeftButton, {}, from);
      QTest::mouseMove(w.table(), (from + to) / 2);
      QTest::mouseMove(w.table(), to);
      QTest::mouseRelease(w.table(), Qt::LeftButton, {}, to);
      QApplication::processEvents();
      return;
    }
    case PatienceAction::DoubleClick:
      QTest::mouseMove(w.table(), from);
      QTest::mouseDClick(w.table(), Qt::LeftButton, {}, from);
      QApplication::processEvents();
      return;
  }
}

// A move that makes progress when there is one, else the first allowed.
PatienceAction Choose(const PatienceActions& moves, int turn) {
  for (size_t i = 0; i < moves.size(); ++i) {
    const PatienceAction& a = moves[(i + turn) % moves.size()];
    if (a.progress) return a;
  }
  return moves[turn % moves.size()];
}

class PatienceWindow : public ::testing::TestWithParam<int> {};

TEST_P(PatienceWindow, MovesTheRulesAllowArePlayedByTheMouse) {
  PlaySetup s;
  s.vidg = GetParam();
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  const PatienceRules* rules = PatienceRulesFor(w.window->game().kind());
  ASSERT_NE(rules, nullptr);
  int changed = 0;
  for (int turn = 0; turn < 40; ++turn) {
    const PatienceActions moves = rules->legalMoves(w.t());
    if (moves.empty()) break;
    const auto grid = w.t().CardGrid;
    const auto opened = w.t().Opened;
    const int results = w.t().Stats[s.vidg].Wins + w.t().Stats[s.vidg].Losses;
    Make(w, Choose(moves, turn));
    ASSERT_EQ(CheckPatienceTable(w.window->game()), "") << "turn " << turn;
    changed += grid != w.t().CardGrid || opened != w.t().Opened;
    if (w.t().Stats[s.vidg].Wins + w.t().Stats[s.vidg].Losses != results) break;
  }
  EXPECT_GT(changed, 0);
  EXPECT_EQ(w.t().Picked, 0) << "every move ends its pick";
  // What the window shows is the table as the game has it.
  EXPECT_EQ(w.Shown(), w.Composed());
}

INSTANTIATE_TEST_SUITE_P(SevenGames, PatienceWindow, ::testing::Values(8, 9, 10, 11, 13, 16, 20));

TEST(PatienceWindowPick, ThePickedCardIsShownLitUntilItIsLetGo) {
  PlaySetup s;
  s.vidg = 10;  // Kerchief: every top card may be picked
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  const int top = TopSlot(w.t(), 0);
  const QPoint p = PointOf(w, 0, top);
  const QRect card(w.t().CardX[0][top], w.t().CardY[0][top], 71, 96);
  const QImage before = w.Shown().copy(card);
  Click(w, p);
  ASSERT_EQ(w.t().Picked, 1);
  EXPECT_NE(w.Shown().copy(card), before);
  Click(w, p);  // the picked card again: let go
  EXPECT_EQ(w.t().Picked, 0);
  EXPECT_EQ(w.Shown().copy(card), before);
}

TEST(PatienceWindowWin, AWonDealIsCountedAndTheNextOneDealt) {
  PlaySetup s;
  s.vidg = 20;  // Cross-roads: the simplest to win by pairing whatever pairs
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  const PatienceRules* rules = PatienceRulesFor(w.window->game().kind());
  int deals = 0;
  for (int turn = 0; turn < 3000 && w.t().Stats[20].Wins == 0; ++turn) {
    const PatienceActions moves = rules->legalMoves(w.t());
    if (moves.empty()) {
      QTest::keyClick(w.window.get(), Qt::Key_F2);  // a new deal: the stuck one is lost
      QApplication::processEvents();
      ++deals;
      continue;
    }
    Make(w, Choose(moves, turn));
  }
  EXPECT_EQ(w.t().Stats[20].Wins, 1);
  EXPECT_EQ(w.t().Stats[20].Losses, deals);
  EXPECT_EQ(w.t().PatienceResult, 0) << "the next deal lies on the table";
  EXPECT_EQ(w.t().PileCount[0], 47);
}

}  // namespace
