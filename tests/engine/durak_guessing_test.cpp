#include <gtest/gtest.h>

#include "durak/guessing_game.h"
#include "durak_table.h"
#include "play/new_game.h"

namespace {

struct Guessing : DurakTable {
  Guessing() {
    g.t.Options.Style = 4;
    g.t.Options.CheckS = 1;
    g.t.Options.Animation = 0;
  }
  int PlayerSlotOf(const TCard& c) const { return SlotOf(1, c); }
};

TEST(GuessingGame, LaysTheWholePackFaceUpInThePlayersRowByRank) {
  Guessing t;
  StartGuessing(t.g);
  EXPECT_EQ(t.g.t.GuessMode, 1);
  EXPECT_EQ(t.g.t.RowCount[1], 36);
  EXPECT_EQ(t.g.t.CommentId, 9);
  EXPECT_EQ(t.g.t.ButtonCaptionId, 5);
  for (int s = 0; s + 1 < 36; ++s) {
    const TCard& a = t.At(1, s);
    const TCard& b = t.At(1, s + 1);
    EXPECT_TRUE(a.Rank > b.Rank || (a.Rank == b.Rank && a.Suit < b.Suit));
  }
}

TEST(GuessingGame, AFirstRightGuessCountsOneWinAndNoLoss) {
  Guessing t;
  t.g.t.SwindleCards[0] = C(Spades, Queen);
  t.g.t.SwindleCount = 1;
  StartGuessing(t.g);
  GuessClick(t.g, t.PlayerSlotOf(C(Spades, Queen)));
  DealScheduledGame(t.g);
  EXPECT_EQ(t.g.t.Stats[0].Wins, 1);
  EXPECT_EQ(t.g.t.Stats[0].Losses, 0);
  EXPECT_EQ(t.g.t.GuessMode, 0) << "a new game follows";
  ASSERT_FALSE(t.out.messages.empty());
  EXPECT_EQ(t.out.messages[0].text, "Вы угадали, вам засчитывается победа !");
  EXPECT_EQ(t.out.Count("animate deal"), 1);
  EXPECT_EQ(*t.store.Read("S_My"), 1);
}

TEST(GuessingGame, WithoutASwindleEveryGuessFailsAndTheLastCountsALoss) {
  for (int levelS : {0, 1}) {
    Guessing t;
    t.g.t.Options.LevelS = levelS;
    StartGuessing(t.g);
    const int guesses = levelS == 0 ? 5 : 3;
    for (int i = 0; i < guesses; ++i) {
      EXPECT_EQ(t.g.t.Stats[0].Losses, 0) << "not before the last guess";
      GuessClick(t.g, 0);
    }
    EXPECT_EQ(t.g.t.Stats[0].Losses, 1);
    EXPECT_EQ(t.g.t.Stats[0].Wins, 0);
    ASSERT_EQ(t.out.messages.size(), 1u);
    EXPECT_EQ(t.out.messages[0].text, "Вы не угадали, поэтому вам засчитывается поражение !");
  }
}

TEST(GuessingGame, ASwindledCardBeyondTheLimitDoesNotCount) {
  Guessing t;
  t.g.t.Options.LevelS = 1;  // three swindles at most are looked at
  t.g.t.SwindleCards[3] = C(Hearts, Ace);
  StartGuessing(t.g);
  GuessClick(t.g, t.PlayerSlotOf(C(Hearts, Ace)));
  EXPECT_EQ(t.g.t.Stats[0].Wins, 0);
  EXPECT_EQ(t.g.t.GuessMode, 1);
}

TEST(GuessingGame, ClosingTheProgramAtTheMessageDealsNoMore) {
  Guessing t;
  t.g.t.Options.ConfNewgame = 1;
  t.out.messageAnswer = false;
  t.g.t.SwindleCards[0] = C(Clubs, Nine);
  StartGuessing(t.g);
  GuessClick(t.g, t.PlayerSlotOf(C(Clubs, Nine)));
  DealScheduledGame(t.g);
  EXPECT_EQ(t.out.Count("close window"), 1);
  EXPECT_EQ(t.out.Count("animate deal"), 0);
}

}  // namespace
