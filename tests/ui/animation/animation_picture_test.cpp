// What the moving cards leave on the table: every animation ends with the
// picture the game state gives, so nothing jumps when the window is painted
// again, and the deal ends with the dealt table.
#include <gtest/gtest.h>

#include "core/new_game.h"
#include "play/new_game.h"
#include "play_window.h"

namespace {

TEST(DealPicture, EachOfTheThreeDealStylesEndsWithTheDealtTable) {
  PlaySetup s;
  s.seed = 5;
  PlayWindow w(s);
  w.Start();
  for (int deal = 0; deal < 3; ++deal) {
    const int before = w.frames;
    NewGame(w.window->game());
    EXPECT_GT(w.frames, before + 10) << "deal " << deal;
    QApplication::processEvents();
    EXPECT_EQ(w.Shown(), w.Composed()) << "deal " << deal;
  }
}

TEST(DealPicture, APatienceDealFliesItsCardsIntoTheLayout) {
  PlaySetup s;
  s.vidg = 10;  // Kerchief
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  EXPECT_GT(w.frames, 52);
  EXPECT_EQ(w.Shown(), w.Composed());
}

TEST(TrumpExchange, TheSixFliesUnderThePackAndTheTrumpCardIntoTheHand) {
  for (int64_t seed = 1; seed < 200; ++seed) {
    PlaySetup s;
    s.seed = seed;
    PlayWindow w(s);
    w.window->game().t.Options.ChangeTr = 3;
    w.Start();
    const TTableState& t = w.t();
    // The deal is made before the exchange; look for one that exchanged.
    if (t.CardGrid[4][0].Rank != Six) continue;
    const TCard trump = t.CardGrid[4][0];
    EXPECT_EQ(trump.Suit, t.TrumpSuit);
    EXPECT_GT(w.frames, 30);
    QApplication::processEvents();
    EXPECT_EQ(w.Shown(), w.Composed());
    return;
  }
  GTEST_SKIP() << "no deal with the trump six in a hand";
}

TEST(Celebration, EndsWithTheTableRepaintedAndAlternatesItsShows) {
  PlaySetup s;
  s.vidg = 12;
  s.formg = 0;
  PlayWindow w(s);
  w.Start();
  for (int show = 0; show < 2; ++show) {
    const int before = w.frames;
    w.window->callouts().WinCelebration();
    EXPECT_GT(w.frames, before + 100);
    EXPECT_EQ(w.Shown(), w.Composed());
  }
}

}  // namespace
