// The controls each game brings up on the table after its deal.
#include <gtest/gtest.h>

#include "commentary/table_controls.h"
#include "games/hearts_scoring.h"
#include "test_game.h"

namespace {

TableControlsView ControlsOf(int vidg, int lang = 0) {
  TestGame t;
  t.Select(vidg, 0);
  t.g.program.Lang = lang;
  t.g.t.CzechPointsComputer = 12;
  t.g.t.CzechPointsPlayer = 40;
  ShowTableControls(t.g);
  EXPECT_EQ(t.out.Count("apply table controls"), 1);
  return t.out.tableControls.back();
}

TEST(TableControls, CzechDurakShowsTheSuitOrderAndThePoints) {
  const TableControlsView v = ControlsOf(5, 1);
  EXPECT_TRUE(v.trumpPanelVisible);
  EXPECT_FALSE(v.trumpLabelEnabled) << "no suit may be ordered yet";
  EXPECT_TRUE(v.pointsPanelVisible);
  ASSERT_TRUE(v.panels.has_value());
  EXPECT_EQ(v.panels->pointsLabel, "Game is playing up to 100 pts");
  EXPECT_EQ(v.panels->compLabel, "Computer :    12");
  EXPECT_EQ(v.panels->playLabel, "Player :         40");
  EXPECT_TRUE(v.moveButtonVisible);
  EXPECT_FALSE(v.hideCommentary);
}

TEST(TableControls, EightsHasTheSuitOrderButNoPoints) {
  const TableControlsView v = ControlsOf(6);
  EXPECT_TRUE(v.trumpPanelVisible);
  EXPECT_FALSE(v.trumpLabelEnabled);
  EXPECT_FALSE(v.pointsPanelVisible);
  EXPECT_TRUE(v.moveButtonVisible);
}

TEST(TableControls, NineSilencesTheCommentary) {
  const TableControlsView v = ControlsOf(7);
  EXPECT_TRUE(v.hideCommentary);
  EXPECT_TRUE(v.zeroCommentaryWidth);
  EXPECT_FALSE(v.trumpPanelVisible);
  EXPECT_FALSE(v.pointsPanelVisible);
  EXPECT_TRUE(v.moveButtonVisible);
}

TEST(TableControls, DurakHasOnlyTheMoveButton) {
  for (int vidg : {0, 1, 2, 3, 4}) {
    const TableControlsView v = ControlsOf(vidg);
    EXPECT_TRUE(v.moveButtonVisible) << vidg;
    EXPECT_FALSE(v.trumpPanelVisible) << vidg;
    EXPECT_FALSE(v.pointsPanelVisible) << vidg;
    EXPECT_FALSE(v.hideCommentary) << vidg;
  }
}

TEST(TableControls, HeartsShowsTheMoveButtonOnlyWhileCardsArePassedAndAlwaysItsPoints) {
  const struct {
    int caption;
    bool button;
  } cases[] = {{7, true}, {8, true}, {5, false}, {-1, false}};
  for (const auto& c : cases) {
    TestGame t;
    t.Select(23, 0);
    t.g.t.ButtonCaptionId = c.caption;
    WriteHeartsScores(t.g.t, HeartsScores{{7, 12, 30, 4}, 2});
    const TableControlsView v = TableControlsFor(t.g);
    EXPECT_EQ(v.moveButtonVisible, c.button) << c.caption;
    EXPECT_TRUE(v.pointsPanelVisible);
    EXPECT_FALSE(v.trumpPanelVisible);
    ASSERT_TRUE(v.panels.has_value());
    EXPECT_EQ(v.panels->playLabel, "Игрок :             7");
    EXPECT_EQ(v.panels->compLabel, "Слева 12   Напротив 30   Справа 4");
  }
}

TEST(TableControls, PatienceGamesAndMemoryClearTheTable) {
  for (int vidg : {8, 14, 22, 24, 25}) {
    const TableControlsView v = ControlsOf(vidg);
    EXPECT_FALSE(v.moveButtonVisible) << vidg;
    EXPECT_FALSE(v.trumpPanelVisible) << vidg;
    EXPECT_FALSE(v.pointsPanelVisible) << vidg;
    EXPECT_TRUE(v.hideCommentary) << vidg;
  }
}

}  // namespace
