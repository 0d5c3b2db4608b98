// Durak played with the mouse on the real main window: a click on a card of
// the hand lays it, the computer answers, the Move button takes or discards,
// and a game goes from its deal to its result and the next deal - with the
// cards moving and with movement off.
#include <gtest/gtest.h>

#include <array>

#include "durak/player_bot.h"
#include "play_window.h"

namespace {

int Results(const TTableState& t) {
  const TResult& r = t.Stats[t.VidG];
  return r.Wins + r.Losses + r.Draws;
}

// Seeds until one deals a game the player leads.
std::unique_ptr<PlayWindow> PlayerLeads(PlaySetup s) {
  for (; s.seed < 60; ++s.seed) {
    auto w = std::make_unique<PlayWindow>(s);
    w->Start();
    if (w->t().WhoseTurn == 1 && w->t().RowCount[2] == 0) return w;
  }
  return nullptr;
}

struct Snapshot {
  std::array<std::array<TCard, kSlots>, kRows> grid;
  std::array<int32_t, 6> counts;
  int cover, results, turn;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const TTableState& t) {
  return {t.CardGrid, t.RowCount, t.CoverIndex, Results(t), t.WhoseTurn};
}

bool PressMoveButton(PlayWindow& w) {
  QPushButton* button = w.moveButton();
  if (!button->isVisible() || !button->isEnabled()) return false;
  QTest::mouseClick(button, Qt::LeftButton);
  QApplication::processEvents();
  return true;
}

// One action as a person would make it: the move a fair player chooses; when
// the game does not take it, the Move button, then any card that it takes.
bool ActWithTheMouse(PlayWindow& w) {
  const Snapshot before = Take(w.t());
  const BotAction a = ChooseBotAction(w.window->game(), {});
  if (a.type == BotAction::Click && a.slot >= 0 && a.slot < w.t().RowCount[1]) {
    w.ClickHandCard(a.slot, a.button == MouseButton::Right ? Qt::RightButton : Qt::LeftButton);
  } else if (a.type == BotAction::Move) {
    // A person can only press what he sees.
    EXPECT_TRUE(w.moveButton()->isVisible());
    PressMoveButton(w);
  }
  QApplication::processEvents();
  if (!(Take(w.t()) == before)) return true;
  if (PressMoveButton(w) && !(Take(w.t()) == before)) return true;
  for (int s = 0; s < w.t().RowCount[1]; ++s) {
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
      w.ClickHandCard(s, b);
      QApplication::processEvents();
      if (!(Take(w.t()) == before)) return true;
    }
  }
  return false;
}

// Plays with the mouse until a result is counted. Returns the number of
// actions, or -1 when nothing the mouse can do moves the game on.
int PlayToResult(PlayWindow& w) {
  const int before = Results(w.t());
  for (int action = 1; action < 600; ++action) {
    if (!ActWithTheMouse(w)) return -1;
    if (Results(w.t()) != before) return action;
  }
  return -1;
}

TEST(MousePlay, AClickOnAHandCardFliesItToTheTableAndTheComputerAnswers) {
  auto w = PlayerLeads({});
  ASSERT_TRUE(w);
  const int n = w->t().RowCount[1];
  const TCard led = w->t().CardGrid[1][n - 1];
  const int framesBefore = w->frames;
  w->ClickHandCard(n - 1);
  ASSERT_EQ(w->t().RowCount[2], 1);
  EXPECT_EQ(w->t().CardGrid[2][0].Suit, led.Suit);
  EXPECT_EQ(w->t().CardGrid[2][0].Rank, led.Rank);
  EXPECT_EQ(w->t().RowCount[1], n - 1);
  // The computer covered, or says it takes: either way it answered.
  EXPECT_TRUE(w->t().RowCount[3] == 1 || w->t().RowCount[0] == 6) << w->t().RowCount[0];
  EXPECT_GT(w->frames, framesBefore) << "the card was shown on its way";
}

TEST(MousePlay, ClicksAndKeysWhileTheCardsFlyAreDropped) {
  auto w = PlayerLeads({});
  ASSERT_TRUE(w);
  const int n = w->t().RowCount[1];
  const int32_t animation = w->t().Options.Animation;
  int tries = 0;
  // At every frame of the flight the player clicks his hand again and
  // presses F8 (which would switch the movement off).
  w->window->callouts().Animator().Clock().SetFrameObserver([&] {
    if (tries >= 6) return;
    ++tries;
    w->ClickHandCard(0);
    w->ClickHandCard(w->t().RowCount[1] - 1, Qt::RightButton);
    QTest::keyClick(w->window.get(), Qt::Key_F8);
    QTest::keyClick(w->window.get(), Qt::Key_Up);
  });
  w->ClickHandCard(n - 1);
  QApplication::processEvents();
  ASSERT_GT(tries, 0) << "the flight was shown";
  EXPECT_EQ(w->t().Options.Animation, animation) << "F8 was taken during the flight";
  EXPECT_EQ(w->t().RowCount[1], n - 1) << "one card was played, no more";
  EXPECT_EQ(w->t().RowCount[2], 1);
  // Once the cards have stopped the keys work again.
  w->window->callouts().Animator().Clock().SetFrameObserver({});
  QTest::keyClick(w->window.get(), Qt::Key_F8);
  EXPECT_NE(w->t().Options.Animation, animation);
}

TEST(MousePlay, AFlightEndsWithTheTableAsTheGameHasIt) {
  auto w = PlayerLeads({});
  ASSERT_TRUE(w);
  w->ClickHandCard(0);
  const QImage shown = w->Shown();
  const QImage composed = w->Composed();
  EXPECT_EQ(shown, composed);
}

TEST(MousePlay, AClickBesideTheHandLaysNothing) {
  auto w = PlayerLeads({});
  ASSERT_TRUE(w);
  const auto before = w->t().CardGrid;
  QTest::mouseClick(w->table(), Qt::LeftButton, {}, QPoint(3, w->t().PlayerHandY + 48));
  QTest::mouseClick(w->table(), Qt::LeftButton, {}, QPoint(w->HandCardPoint(0).x(), 3));
  EXPECT_EQ(w->t().CardGrid, before);
}

TEST(MousePlay, ThePointerOverAHandCardShowsTheHandAndLightsTheCard) {
  auto w = PlayerLeads({});
  ASSERT_TRUE(w);
  const QPoint over = w->HandCardPoint(1);
  QTest::mouseMove(w->table(), over);
  QApplication::processEvents();
  EXPECT_EQ(w->t().HitIndex, 1);
  EXPECT_EQ(w->table()->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(w->table(), QPoint(3, 3));
  EXPECT_EQ(w->t().HitIndex, -1);
  EXPECT_EQ(w->table()->cursor().shape(), Qt::ArrowCursor);
}

struct KindCase {
  int vidg, formg;
};

class MouseGame : public ::testing::TestWithParam<KindCase> {};

TEST_P(MouseGame, IsPlayedFromTheDealToTheResultAndTheNextDeal) {
  PlaySetup s;
  s.vidg = GetParam().vidg;
  s.formg = GetParam().formg;
  s.seed = 7;
  PlayWindow w(s);
  w.Start();
  const int actions = PlayToResult(w);
  ASSERT_GT(actions, 0) << "play got stuck";
  // The next deal lies on the table, ready for play.
  EXPECT_EQ(w.t().Dealing, 0);
  EXPECT_GE(w.t().RowCount[1], 5);
  EXPECT_TRUE(w.t().IsPresent(4, 0) || s.vidg == 3 || s.vidg == 4);
  EXPECT_GT(w.frames, 100);
}

INSTANTIATE_TEST_SUITE_P(EveryDurakKind, MouseGame,
                         ::testing::Values(KindCase{0, 0}, KindCase{0, 1}, KindCase{0, 2},
                                           KindCase{1, 1}, KindCase{2, 1}, KindCase{3, 1},
                                           KindCase{4, 1}, KindCase{4, 2}));

// Cards that grow with the window: the flights are drawn in table units on
// the magnified pictures, and the mouse is mapped back onto the table.
PlaySetup ScaledCards() {
  PlaySetup s;
  s.width = 1600;
  s.height = 1000;
  s.scaleCards = 1;
  return s;
}

TEST(MousePlayScaled, AClickOnAMagnifiedHandCardFliesItAndTheFlightEndsWithTheTable) {
  auto w = PlayerLeads(ScaledCards());
  ASSERT_TRUE(w);
  ASSERT_GT(w->window->tableScale().factor, 2.0);
  const int n = w->t().RowCount[1];
  const int framesBefore = w->frames;
  w->ClickHandCard(n - 1);
  EXPECT_EQ(w->t().RowCount[1], n - 1);
  ASSERT_EQ(w->t().RowCount[2], 1);
  EXPECT_GT(w->frames, framesBefore) << "the card was shown on its way";
  const QImage shown = w->Shown();
  const QImage composed = w->Composed();
  EXPECT_EQ(shown, composed);
}

TEST(MousePlayScaled, AGameIsPlayedToItsResultWithTheCardsScaled) {
  PlaySetup s = ScaledCards();
  s.seed = 7;
  PlayWindow w(s);
  w.Start();
  ASSERT_GT(PlayToResult(w), 0) << "play got stuck";
  EXPECT_EQ(w.t().Dealing, 0);
  EXPECT_GE(w.t().RowCount[1], 5);
}

TEST(MousePlay, AGameIsPlayedWithMovementOffAndNothingMoves) {
  PlaySetup s;
  s.animation = 0;
  s.seed = 11;
  PlayWindow w(s);
  w.Start();
  const int actions = PlayToResult(w);
  ASSERT_GT(actions, 0) << "play got stuck";
  EXPECT_EQ(w.t().Dealing, 0);
  EXPECT_GE(w.t().RowCount[1], 5);
  // Without movement only the trump exchange and the glimpse of the lowest
  // trump are shown; a whole game would otherwise make hundreds of frames.
  EXPECT_LT(w.frames, 60);
}

}  // namespace
