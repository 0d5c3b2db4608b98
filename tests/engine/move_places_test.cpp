// Where the moving cards of durak start and end: a played card lands where
// the repaint will draw it, the trick is swept in the order the table shows
// it, and a drawing hand spreads to the fan it will hold.
#include "table/move_places.h"

#include <gtest/gtest.h>

#include "table/layout.h"
#include "test_game.h"

namespace {

struct MoveTable : TestGame {
  explicit MoveTable(int vidg = 0, int formg = 1) {
    Select(vidg, formg);
    LayoutTable(g, WindowGeometry{1000, 700, 654});
  }
};

TEST(PlayTarget, AnAttackCardLandsOnItsPlaceInTheAttackRow) {
  MoveTable m;
  m.SetRow(1, {C(0, 3), C(1, 5)});
  m.g.t.RowCount[1] = 2;
  m.SetRow(2, {C(2, 4)});
  m.g.t.RowCount[2] = 1;
  const CardPoint p = PlayTarget(m.g, {1, 0, 2, 1}, 1);
  EXPECT_EQ(p.x, AttackCardX(m.g.t, 1, 1));
  EXPECT_EQ(p.y, m.g.t.AttackY);
}

TEST(PlayTarget, ADefenceCardLandsOnItsPlaceInTheDefenceRow) {
  MoveTable m;
  m.g.t.RowCount[2] = 2;
  const CardPoint p = PlayTarget(m.g, {0, 0, 3, 1}, 2);
  EXPECT_EQ(p.x, DefenceCardX(m.g.t, 2, 1));
  EXPECT_EQ(p.y, m.g.t.DefenceY);
}

TEST(PlayTarget, WithMoreThanSixCardsThrownUpTheTableClosesUpForTheCardOnItsWay) {
  MoveTable m;
  m.g.t.Options.ThrowUpMore6Cards = 1;
  m.g.t.RowCount[2] = 7;
  const CardFlight f{1, 0, 2, 7};
  ASSERT_TRUE(TableClosesUpForPlay(m.g, f));
  EXPECT_EQ(PlayTarget(m.g, f, 8).x, AttackCardX(m.g.t, 8, 7));
  m.g.t.Options.ThrowUpMore6Cards = 0;
  EXPECT_FALSE(TableClosesUpForPlay(m.g, f));
}

TEST(PlayTarget, RoadDurakLaysACoverWhereTheRoadWillShowIt) {
  MoveTable m(4, 1);
  TTableState& t = m.g.t;
  m.SetRow(2, {C(0, 3)});
  t.RowCount[2] = 1;
  t.WhoseTurn = 0;
  const CardPoint cover = PlayTarget(m.g, {1, 0, 3, 0}, 1);
  m.SetRow(3, {C(0, 9)});
  t.RowCount[3] = 1;
  const auto road = TrickPlaces(t, Kind::RoadDurak);
  ASSERT_EQ(road.size(), 2u);
  EXPECT_EQ(cover.x, road[1].at.x);
  EXPECT_EQ(cover.y, road[1].at.y);
}

TEST(TrickPlaces, AttackCardsComeFirstThenTheirCoversWhereTheRepaintDrawsThem) {
  MoveTable m;
  TTableState& t = m.g.t;
  m.SetRow(2, {C(0, 3), C(1, 3)});
  m.SetRow(3, {C(0, 8)});
  t.RowCount[2] = 2;
  t.RowCount[3] = 1;
  const auto places = TrickPlaces(t, Kind::SimpleDurak);
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(places[0].row, 2);
  EXPECT_EQ(places[1].at.x, AttackCardX(t, 2, 1));
  EXPECT_EQ(places[2].row, 3);
  EXPECT_EQ(places[2].at.x, DefenceCardX(t, 2, 0));
  EXPECT_EQ(places[2].at.y, t.DefenceY);
}

TEST(TrickPlaces, RoadDurakListsItsLineInOrderOfTheRoad) {
  MoveTable m(4, 1);
  TTableState& t = m.g.t;
  m.SetRow(2, {C(0, 3), C(1, 3)});
  m.SetRow(3, {C(0, 8)});
  t.RowCount[2] = 2;
  t.RowCount[3] = 1;
  const auto places = TrickPlaces(t, Kind::RoadDurak);
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(places[0].row, 2);
  EXPECT_EQ(places[1].row, 3);
  EXPECT_EQ(places[2].row, 2);
  EXPECT_LT(places[0].at.x, places[1].at.x);
  EXPECT_LT(places[1].at.x, places[2].at.x);
}

TEST(DrawFanSize, AHandSpreadsForWhatItWillDrawUpToSix) {
  MoveTable m;
  TTableState& t = m.g.t;
  t.RowCount[1] = 3;
  t.RowCount[5] = 10;
  m.SetRow(4, {C(0, 4)});
  EXPECT_EQ(DrawFanSize(t, 1, -1), 6);
  t.RowCount[5] = 1;  // one card in the stock and the trump card
  EXPECT_EQ(DrawFanSize(t, 1, -1), 5);
  t.Options.LastCards = 1;
  EXPECT_EQ(DrawFanSize(t, 1, 4), 4);
  t.Options.LastCards = 0;
  EXPECT_EQ(DrawFanSize(t, 1, 4), 5);
}

}  // namespace
