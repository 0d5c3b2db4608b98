#include <gtest/gtest.h>

#include <set>

#include "core/card.h"
#include "core/random.h"

namespace {

std::set<int> DrawAll(TPack& pack) {
  std::set<int> seen;
  for (int n = CountPresent(pack); n > 0; --n) {
    const TCard c = DrawCard(pack);
    EXPECT_EQ(c.Present, 0) << "a drawn copy reads as not present";
    EXPECT_TRUE(seen.insert(ImageIndex(c)).second) << "card drawn twice";
  }
  return seen;
}

TEST(Pack, BuildLaysSuitsOuterRanksInner) {
  TPack pack;
  BuildPack(pack);
  EXPECT_EQ(ImageIndex(pack.Slots[0]), 0);   // two of clubs
  EXPECT_EQ(pack.Slots[12].Rank, Ace);
  EXPECT_EQ(pack.Slots[13].Suit, Spades);
  EXPECT_EQ(pack.Slots[13].Rank, Two);
  EXPECT_EQ(pack.Slots[51].Suit, Hearts);
  for (int i = 0; i < kPackSlots; ++i) EXPECT_EQ(ImageIndex(pack.Slots[i]), i);
}

TEST(Pack, ShuffleKeepsEveryCardOnceAndDependsOnTheSeed) {
  TPack a, b;
  BuildPack(a);
  BuildPack(b);
  TRandom ra, rb;
  ra.Seed(7);
  rb.Seed(8);
  ShufflePack(a, ra);
  ShufflePack(b, rb);
  EXPECT_EQ(DrawAll(a).size(), 52u);
  bool differs = false;
  for (int i = 0; i < kPackSlots; ++i) differs |= !SameCard(a.Slots[i], b.Slots[i]);
  EXPECT_TRUE(differs);
}

TEST(Pack, StripsLeaveTheRightCards) {
  TRandom r;
  r.Seed(3);
  TPack pack;
  BuildPack(pack);

  ShufflePack(pack, r);
  StripTo36(pack);
  std::set<int> seen = DrawAll(pack);
  EXPECT_EQ(seen.size(), 36u);
  for (int i : seen) EXPECT_GE(i % 13, Six);

  ShufflePack(pack, r);
  StripTo32(pack);
  seen = DrawAll(pack);
  EXPECT_EQ(seen.size(), 32u);
  for (int i : seen) EXPECT_GE(i % 13, Seven);

  ShufflePack(pack, r);
  StripTo34(pack);
  seen = DrawAll(pack);
  EXPECT_EQ(seen.size(), 34u);
  EXPECT_TRUE(seen.count(Clubs * 13 + Six));
  EXPECT_TRUE(seen.count(Spades * 13 + Six));
  EXPECT_FALSE(seen.count(Diamonds * 13 + Six));
  EXPECT_FALSE(seen.count(Hearts * 13 + Six));
}

TEST(Pack, ShuffleBringsStrippedCardsBack) {
  TRandom r;
  TPack pack;
  BuildPack(pack);
  StripTo36(pack);
  ShufflePack(pack, r);
  EXPECT_EQ(CountPresent(pack), 52);
}

TEST(Pack, DrawTakesTheLowestPresentSlot) {
  TPack pack;
  BuildPack(pack);
  pack.Slots[0].Present = 0;
  pack.Slots[1].Present = 0;
  EXPECT_EQ(ImageIndex(DrawCard(pack)), 2);
  EXPECT_EQ(pack.Slots[2].Present, 0);
  EXPECT_EQ(ImageIndex(DrawCard(pack)), 3);
}

TEST(Random, BelowZeroDoesNotConsultTheGenerator) {
  TRandom a, b;
  a.Seed(11);
  b.Seed(11);
  EXPECT_EQ(a.Below(0), 0);
  EXPECT_EQ(a.Next(), b.Next());
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.Below(1), 0);
}

TEST(Random, OutputIsNonNegativeThirtyOneBitsAndCoversSmallRanges) {
  TRandom r;
  r.Seed(5);
  std::set<int> below52;
  for (int i = 0; i < 5000; ++i) {
    const int32_t v = r.Next();
    EXPECT_GE(v, 0);
    below52.insert(r.Below(52));
  }
  EXPECT_EQ(below52.size(), 52u);
}

TEST(Random, SameSeedSameSequence) {
  TRandom a, b;
  a.Seed(1700000000);
  b.Seed(1700000000);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(a.Next(), b.Next());
}

}  // namespace
