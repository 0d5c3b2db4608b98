#include <gtest/gtest.h>

#include "durak/beats.h"
#include "durak/trick_end.h"
#include "durak/trick_moves.h"
#include "durak_table.h"

namespace {

TEST(DurakBeats, AHigherCardOfTheSameSuitBeats) {
  DurakTable d;
  EXPECT_TRUE(Beats(d.g, C(Clubs, Ten), C(Clubs, Nine)));
  EXPECT_FALSE(Beats(d.g, C(Clubs, Eight), C(Clubs, Nine)));
  EXPECT_FALSE(Beats(d.g, C(Clubs, Nine), C(Clubs, Nine)));
  EXPECT_FALSE(Beats(d.g, C(Spades, Ace), C(Clubs, Six)));
}

TEST(DurakBeats, AnyTrumpBeatsAPlainCardButNotAHigherTrump) {
  DurakTable d(0, 1, Hearts);
  EXPECT_TRUE(Beats(d.g, C(Hearts, Six), C(Clubs, Ace)));
  EXPECT_FALSE(Beats(d.g, C(Clubs, Ace), C(Hearts, Six)));
  EXPECT_FALSE(Beats(d.g, C(Hearts, Six), C(Hearts, Seven)));
  EXPECT_TRUE(Beats(d.g, C(Hearts, Eight), C(Hearts, Seven)));
}

TEST(DurakJapaneseSpades, ATrumpCannotBeatASpadeButAHigherSpadeCan) {
  DurakTable d(1, 1, Diamonds);
  EXPECT_FALSE(Beats(d.g, C(Diamonds, Ace), C(Spades, Six)));
  EXPECT_TRUE(Beats(d.g, C(Spades, Seven), C(Spades, Six)));
  // Other suits still fall to trumps.
  EXPECT_TRUE(Beats(d.g, C(Diamonds, Six), C(Clubs, Ace)));
}

TEST(DurakJapaneseSpades, TheEndOfGameJudgementIgnoresTheSpadeRule) {
  DurakTable d(1, 1, Diamonds);
  EXPECT_TRUE(BeatsIgnoringSpadeRule(d.g, C(Diamonds, Ace), C(Spades, Six)));
}

TEST(DurakJapaneseSpades, OnlyJapaneseDurakHasTheSpadeRule) {
  DurakTable d(0, 1, Diamonds);
  EXPECT_TRUE(Beats(d.g, C(Diamonds, Six), C(Spades, Ace)));
}

TEST(DurakTrickLimit, TheFirstTrickHoldsFiveCardsEvenWhenMoreMayBeThrownUp) {
  DurakTable d;
  d.g.t.Options.ThrowUpMore6Cards = 1;
  EXPECT_EQ(MaxTrick(d.g), 5);
  d.Player({C(Clubs, Six), C(Spades, Seven)})
      .Computer({C(Hearts, Ace), C(Hearts, King), C(Hearts, Queen), C(Hearts, Jack), C(Hearts, Ten),
                 C(Hearts, Nine), C(Spades, Ace)})
      .Attacks({C(Clubs, Seven), C(Diamonds, Seven), C(Hearts, Seven), C(Clubs, Eight),
                C(Spades, Eight)})
      .Covers({C(Clubs, Nine), C(Diamonds, Nine), C(Hearts, Eight), C(Clubs, Ten), C(Spades, Ten)});
  // The sixth card matches a rank on the table but the trick is full.
  EXPECT_FALSE(MayAddToTrick(d.g, 1, d.SlotOf(1, C(Spades, Seven))));
}

TEST(DurakTrickLimit, ATakenFirstTrickDoesNotLiftTheLimit) {
  DurakTable d;
  d.Player({C(Clubs, Six)}).Computer({C(Spades, Six), C(Spades, Nine)});
  d.Attacks({C(Clubs, Seven)});
  TakeTrick(d.g, 0);
  EXPECT_EQ(d.g.t.FirstDiscardDone, 0);
  EXPECT_EQ(MaxTrick(d.g), 5);
}

TEST(DurakTrickLimit, TheFirstDiscardLiftsTheLimitToSixOrHalfThePack) {
  DurakTable d;
  d.Attacks({C(Clubs, Seven)}).Covers({C(Clubs, Eight)});
  DiscardTrick(d.g);
  EXPECT_EQ(MaxTrick(d.g), 6);
  d.g.t.Options.ThrowUpMore6Cards = 1;
  EXPECT_EQ(MaxTrick(d.g), 18);
  d.g.program.PackSize = 52;
  EXPECT_EQ(MaxTrick(d.g), 26);
}

TEST(DurakMayAdd, ACardMayJoinByTheRankOfAnAttackCard) {
  DurakTable d(0, 1);
  d.Attacks({C(Clubs, Seven)}).Covers({C(Clubs, Nine)});
  EXPECT_TRUE(MayAdd(d.g, C(Spades, Seven)));
  EXPECT_FALSE(MayAdd(d.g, C(Spades, Eight)));
}

TEST(DurakMayAdd, CoverRanksCountInTheThrowUpAndTransferFormsOnly) {
  for (int form : {0, 1, 2}) {
    DurakTable d(0, form);
    d.Attacks({C(Clubs, Seven), C(Spades, Seven)}).Covers({C(Clubs, Nine), C(Spades, Ten)});
    EXPECT_EQ(MayAdd(d.g, C(Diamonds, Nine)), form != 0) << "form " << form;
  }
}

TEST(DurakRoad, AnAddedCardMustBeatTheLastCoverEvenWhenItsRankLiesOnTheTable) {
  DurakTable d(4, 1, Hearts);
  d.Attacks({C(Clubs, Seven), C(Clubs, Nine)}).Covers({C(Clubs, Eight), C(Clubs, Ten)});
  EXPECT_FALSE(MayAdd(d.g, C(Spades, Seven)));  // the rank of an attack card
  EXPECT_FALSE(MayAdd(d.g, C(Clubs, Eight)));   // and of a cover, but below
  EXPECT_TRUE(MayAdd(d.g, C(Clubs, Jack)));     // climbs above the clubs ten
  EXPECT_TRUE(MayAdd(d.g, C(Hearts, Six)));     // any trump climbs over a plain card
  EXPECT_FALSE(MayAdd(d.g, C(Diamonds, Ace)));
}

TEST(DurakRoad, BeforeAnyCoverThePlayerMayAddCardsOfTheLeadsRank) {
  DurakTable d(4, 1, Hearts);
  d.Attacks({C(Clubs, Seven)});
  EXPECT_TRUE(MayAdd(d.g, C(Spades, Seven)));
  EXPECT_FALSE(MayAdd(d.g, C(Clubs, Eight)));
  d.g.t.WhoseTurn = 0;  // the computer attacking adds nothing before a cover
  EXPECT_FALSE(MayAdd(d.g, C(Spades, Seven)));
}

TEST(DurakRoad, TheRoadIgnoresTheSpadeRuleOfTrumps) {
  DurakTable d(4, 1, Hearts);
  d.Attacks({C(Clubs, Seven)}).Covers({C(Spades, Eight)});
  EXPECT_TRUE(MayAdd(d.g, C(Hearts, Six)));
}

}  // namespace
