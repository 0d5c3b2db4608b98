// The sequence games, Clock, Joker, Paganini and Memory played with the mouse
// on the real main window: moves the rules allow made by pointing at the
// cards, the table kept whole after each, and Memory's cards turned over
// with their animation.
#include <gtest/gtest.h>

#include <vector>

#include "patience/memory.h"
#include "patience/memory_invariants.h"
#include "patience/patience_invariants.h"
#include "patience/patience_rules.h"
#include "play/table_points.h"
#include "play_window.h"

namespace {

QPoint PointOf(PlayWindow& w, int row, int slot) {
  const auto p = FindPointNaming(w.window->game(), row, slot, false);
  if (p) return {p->x, p->y};
  return {w.t().CardX[row][0] + 35, w.t().CardY[row][0] + 48};
}

void Click(PlayWindow& w, QPoint p) {
  QTest::mouseMove(w.table(), p);
  QTest::mouseClick(w.table(), Qt::LeftButton, {}, p);
  QApplication::processEvents();
}

class SequenceWindow : public ::testing::TestWithParam<int> {};

TEST_P(SequenceWindow, MovesTheRulesAllowArePlayedByTheMouse) {
  PlaySetup s;
  s.vidg = GetParam();
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  const PatienceRules* rules = PatienceRulesFor(w.window->game().kind());
  ASSERT_NE(rules, nullptr);
  int changed = 0;
  for (int turn = 0; turn < 30; ++turn) {
    const PatienceActions moves = rules->legalMoves(w.t());
    if (moves.empty()) break;
    const PatienceAction& a = moves[turn % moves.size()];
    const auto grid = w.t().CardGrid;
    const auto opened = w.t().Opened;
    const int results = w.t().Stats[s.vidg].Wins + w.t().Stats[s.vidg].Losses;
    Click(w, PointOf(w, a.row, a.slot));
    if (a.type == PatienceAction::TwoClick) Click(w, PointOf(w, a.toRow, a.toSlot));
    ASSERT_EQ(CheckPatienceTable(w.window->game()), "") << "turn " << turn;
    changed += grid != w.t().CardGrid || opened != w.t().Opened;
    if (w.t().Stats[s.vidg].Wins + w.t().Stats[s.vidg].Losses != results) break;
  }
  EXPECT_GT(changed, 0);
  EXPECT_EQ(w.t().Picked, 0) << "every move ends its pick";
  EXPECT_EQ(w.Shown(), w.Composed());
}

INSTANTIATE_TEST_SUITE_P(EightGames, SequenceWindow,
                         ::testing::Values(12, 14, 15, 17, 18, 19, 21, 22));

TEST(MemoryWindow, TwoClicksTurnTwoCardsOverWithTheirAnimation) {
  PlaySetup s;
  s.vidg = 25;
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  const int frames = w.frames;
  Click(w, PointOf(w, 0, 10));
  EXPECT_EQ(w.t().Opened[0][10], 1);
  EXPECT_GT(w.frames, frames) << "the card turns over in steps";
  Click(w, PointOf(w, 0, 30));
  EXPECT_EQ(w.t().CoverIndex, 2);
  Click(w, PointOf(w, 0, 10));  // face up already: nothing
  EXPECT_EQ(w.t().CoverIndex, 2);
  EXPECT_EQ(CheckMemoryTable(w.window->game()), "");
  EXPECT_EQ(w.Shown(), w.Composed());
}

TEST(MemoryWindow, AWholeDealEndsWithANewDealAndTheRecord) {
  PlaySetup s;
  s.vidg = 24;
  s.formg = 0;
  s.animation = 0;
  PlayWindow w(s);
  w.Start();
  // Turn the cards rank by rank: every pair is found at the first try.
  std::vector<int> order;
  for (int rank = Six; rank <= Ace; ++rank) {
    for (int slot = 0; slot < 36; ++slot) {
      if (w.t().RankAt(0, slot) == rank) order.push_back(slot);
    }
  }
  ASSERT_EQ(order.size(), 36u);
  for (const int slot : order) Click(w, PointOf(w, 0, slot));
  EXPECT_EQ(w.t().Stats[24].Losses, 18 * kMemoryFindPoints) << "the record of a perfect game";
  EXPECT_EQ(w.t().Stats[24].Wins, 0) << "the next deal starts at 0";
  EXPECT_EQ(w.t().CoverIndex, 0);
}

}  // namespace
