// The rules of the play of the tricks in Hearts, one table per rule.
#include <gtest/gtest.h>

#include "games/hearts_scoring.h"
#include "hearts_table.h"

namespace {

// ---- Following suit --------------------------------------------------------

struct FollowCase {
  const char* what;
  TCard led;
  TCard tried;
  bool allowed;
};

TEST(HeartsFollowingSuit, AHandThatHoldsTheSuitLedMustPlayIt) {
  const FollowCase cases[] = {
      {"the suit led", C(Diamonds, Ten), C(Diamonds, Three), true},
      {"another suit while holding the one led", C(Diamonds, Ten), C(Clubs, Ace), false},
      {"a heart while holding the suit led", C(Diamonds, Ten), C(Hearts, Two), false},
      {"void in the suit led: any card", C(Spades, Ten), C(Clubs, Ace), true},
      {"void in the suit led: a heart", C(Spades, Ten), C(Hearts, King), true},
  };
  for (const FollowCase& c : cases) {
    HeartsTable h;
    h.PastFirstTrick();
    h.Hand(0, {C(Diamonds, Three), C(Clubs, Ace), C(Hearts, Two), C(Hearts, King)});
    h.Trick(3, {c.led});
    EXPECT_EQ(MayPlay(h.g.t, 0, h.SlotOf(0, c.tried)), c.allowed) << c.what;
  }
}

TEST(HeartsFollowingSuit, OnlyTheSeatWhoseTurnItIsMayPlay) {
  HeartsTable h;
  h.PastFirstTrick();
  h.Hand(0, {C(Diamonds, Three)}).Hand(2, {C(Diamonds, Four)});
  h.Trick(3, {C(Diamonds, Ten)});
  EXPECT_EQ(SeatToPlay(h.g.t), 0);
  EXPECT_TRUE(MayPlay(h.g.t, 0, 0));
  EXPECT_FALSE(MayPlay(h.g.t, 2, 0));
}

// ---- The first trick -------------------------------------------------------

struct FirstTrickCase {
  const char* what;
  std::initializer_list<TCard> hand;
  TCard tried;
  bool allowed;
};

TEST(HeartsFirstTrick, NoPointsUnlessTheHandHoldsNothingElse) {
  const FirstTrickCase cases[] = {
      {"a heart while holding a diamond",
       {C(Hearts, Ace), C(Diamonds, Two)},
       C(Hearts, Ace),
       false},
      {"the queen of spades while holding a diamond",
       {C(Spades, Queen), C(Diamonds, Two)},
       C(Spades, Queen),
       false},
      {"a spade other than the queen", {C(Spades, King), C(Hearts, Two)}, C(Spades, King), true},
      {"a heart with only points in hand",
       {C(Hearts, Ace), C(Spades, Queen)},
       C(Hearts, Ace),
       true},
      {"the queen with only points in hand",
       {C(Hearts, Ace), C(Spades, Queen)},
       C(Spades, Queen),
       true},
  };
  for (const FirstTrickCase& c : cases) {
    HeartsTable h;
    h.SetRow(0, c.hand);
    CloseUpHands(h.g.t);
    h.Trick(1, {C(Clubs, Two), C(Clubs, Nine), C(Clubs, King)});
    ASSERT_TRUE(FirstTrick(h.g.t));
    EXPECT_EQ(MayPlay(h.g.t, 0, h.SlotOf(0, c.tried)), c.allowed) << c.what;
  }
}

TEST(HeartsFirstTrick, TheTwoOfClubsLeadsIt) {
  HeartsTable h;
  h.Hand(0, {C(Clubs, Two), C(Clubs, Ace), C(Diamonds, Five)});
  h.g.t.CoverIndex = 0;
  EXPECT_EQ(PlayableSlots(h.g.t, 0), std::vector<int>{h.SlotOf(0, C(Clubs, Two))});
}

// ---- Hearts broken ---------------------------------------------------------

struct LeadCase {
  const char* what;
  bool broken;
  std::initializer_list<TCard> hand;
  TCard tried;
  bool allowed;
};

TEST(HeartsLeading, NoHeartIsLedBeforeHeartsAreBroken) {
  const LeadCase cases[] = {
      {"a heart before they are broken",
       false,
       {C(Hearts, Two), C(Clubs, Ten)},
       C(Hearts, Two),
       false},
      {"another suit before they are broken",
       false,
       {C(Hearts, Two), C(Clubs, Ten)},
       C(Clubs, Ten),
       true},
      {"a heart once they are broken", true, {C(Hearts, Two), C(Clubs, Ten)}, C(Hearts, Two), true},
      {"a heart from a hand of hearts only",
       false,
       {C(Hearts, Two), C(Hearts, Ace)},
       C(Hearts, Ace),
       true},
      {"the queen of spades before hearts are broken",
       false,
       {C(Spades, Queen), C(Hearts, Ace)},
       C(Spades, Queen),
       true},
  };
  for (const LeadCase& c : cases) {
    HeartsTable h;
    h.Taken(2, {C(Diamonds, Two), C(Diamonds, Three), C(Diamonds, Four),
                c.broken ? C(Hearts, Three) : C(Diamonds, Five)});
    h.SetRow(0, c.hand);
    CloseUpHands(h.g.t);
    h.g.t.CoverIndex = 0;
    EXPECT_EQ(HeartsBroken(h.g.t), c.broken) << c.what;
    EXPECT_EQ(MayPlay(h.g.t, 0, h.SlotOf(0, c.tried)), c.allowed) << c.what;
  }
}

TEST(HeartsLeading, AHeartOnTheTrickBreaksThem) {
  HeartsTable h;
  h.PastFirstTrick();
  EXPECT_FALSE(HeartsBroken(h.g.t));
  h.Trick(1, {C(Clubs, Four), C(Hearts, Nine)});
  EXPECT_TRUE(HeartsBroken(h.g.t));
}

// ---- Who takes a trick -----------------------------------------------------

struct TrickCase {
  const char* what;
  int leader;
  std::initializer_list<TCard> cards;  // from the leader on
  int winner;
};

TEST(HeartsTrick, TheHighestCardOfTheSuitLedTakesIt) {
  const TrickCase cases[] = {
      {"the leader's card stays highest",
       0,
       {C(Clubs, Ace), C(Clubs, Two), C(Clubs, Ten), C(Clubs, Three)},
       0},
      {"a higher card of the suit led",
       2,
       {C(Clubs, Five), C(Clubs, Two), C(Clubs, Ten), C(Clubs, Three)},
       0},
      {"an ace of another suit takes nothing",
       1,
       {C(Diamonds, Five), C(Spades, Ace), C(Hearts, Ace), C(Diamonds, Six)},
       0},
      {"the last card", 3, {C(Spades, Two), C(Spades, Three), C(Spades, Four), C(Spades, King)}, 2},
  };
  for (const TrickCase& c : cases) {
    HeartsTable h;
    h.Trick(c.leader, c.cards);
    EXPECT_EQ(TrickWinner(h.g.t), c.winner) << c.what;
  }
}

// ---- Passing ---------------------------------------------------------------

TEST(HeartsPassing, LeftRightAcrossAndNoneHandAfterHand) {
  const struct {
    int hand;
    int targetOfPlayer;
  } cases[] = {{0, 1}, {1, 3}, {2, 2}, {3, 0}, {4, 1}, {7, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(PassTarget(0, PassDirectionOfHand(c.hand)), c.targetOfPlayer) << "hand " << c.hand;
}

// ---- Scoring ---------------------------------------------------------------

TEST(HeartsScoring, HeartsAndTheQueenOfSpadesCarryThePoints) {
  EXPECT_EQ(CardPoints(C(Hearts, Two)), 1);
  EXPECT_EQ(CardPoints(C(Hearts, Ace)), 1);
  EXPECT_EQ(CardPoints(C(Spades, Queen)), 13);
  EXPECT_EQ(CardPoints(C(Spades, King)), 0);
  EXPECT_EQ(CardPoints(C(Diamonds, Queen)), 0);
}

TEST(HeartsScoring, AHandAddsWhatWasTakenOrTheMoonShotToTheOthers) {
  const struct {
    const char* what;
    std::array<int, 4> taken, score;
  } cases[] = {
      {"points as taken", {13, 5, 8, 0}, {13, 5, 8, 0}},
      {"the player shoots the moon", {26, 0, 0, 0}, {0, 26, 26, 26}},
      {"the top hand shoots the moon", {0, 0, 26, 0}, {26, 26, 0, 26}},
      {"all but one heart is no moon", {25, 1, 0, 0}, {25, 1, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(HandScore(c.taken), c.score) << c.what;
}

TEST(HeartsScoring, PointsTakenCountTheTakenRows) {
  HeartsTable h;
  h.Taken(1, {C(Hearts, Two), C(Spades, Queen), C(Clubs, Four), C(Hearts, Nine)});
  h.Taken(3, {C(Hearts, Ten), C(Clubs, Two), C(Clubs, Five), C(Clubs, Six)});
  EXPECT_EQ(PointsTaken(h.g.t), (std::array<int, 4>{0, 15, 0, 1}));
}

TEST(HeartsScoring, TheGameEndsWhenATotalReachesOneHundred) {
  EXPECT_FALSE(GameOver(HeartsScores{{99, 0, 50, 98}, 5}));
  EXPECT_TRUE(GameOver(HeartsScores{{10, 100, 50, 98}, 5}));
  EXPECT_TRUE(GameOver(HeartsScores{{10, 20, 30, 125}, 5}));
}

TEST(HeartsScoring, TheLowestTotalWins) {
  const struct {
    std::array<int, 4> totals;
    HeartsOutcome outcome;
  } cases[] = {
      {{10, 100, 50, 98}, HeartsOutcome::Win},
      {{60, 100, 50, 98}, HeartsOutcome::Loss},
      {{50, 100, 50, 98}, HeartsOutcome::Draw},
  };
  for (const auto& c : cases) EXPECT_EQ(PlayerOutcome(HeartsScores{c.totals, 4}), c.outcome);
}

TEST(HeartsScoring, TotalsAndHandsSurviveTheTwoCounters) {
  TTableState t;
  const HeartsScores s{{125, 0, 99, 26}, 11};
  WriteHeartsScores(t, s);
  const HeartsScores back = ReadHeartsScores(t);
  EXPECT_EQ(back.totals, s.totals);
  EXPECT_EQ(back.handsDealt, s.handsDealt);
  EXPECT_TRUE(HeartsScoresPlausible(t.CzechPointsPlayer, t.CzechPointsComputer));
}

TEST(HeartsScoring, CountersNoGameCanReachAreRefused) {
  EXPECT_FALSE(HeartsScoresPlausible(-1, 0));
  EXPECT_FALSE(HeartsScoresPlausible(126, 0));         // a total beyond 99 + 26
  EXPECT_FALSE(HeartsScoresPlausible(0, 1000000000));  // a fourth computer total
  EXPECT_FALSE(HeartsScoresPlausible(0, 126 * 1000));  // the top hand's total
  EXPECT_TRUE(HeartsScoresPlausible(3 * 1000 + 40, 30 + 1000 * 12));
}

}  // namespace
