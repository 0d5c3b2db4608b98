#include <gtest/gtest.h>

#include "network/cp1251.h"
#include "net_pair.h"

namespace {

NetRoundResult::Result Mirrored(NetRoundResult::Result r) {
  if (r == NetRoundResult::Win) return NetRoundResult::Loss;
  if (r == NetRoundResult::Loss) return NetRoundResult::Win;
  return NetRoundResult::Draw;
}

// Both tables hold the same cards, each side's hand in its own row 1.
void ExpectSameTable(const NetPair& p) {
  const TTableState& s = p.server.g.t;
  const TTableState& c = p.client.g.t;
  EXPECT_EQ(CardsOf(s, 0), CardsOf(c, 1));
  EXPECT_EQ(CardsOf(s, 1), CardsOf(c, 0));
  for (int row : {2, 3, 4, 5}) EXPECT_EQ(CardsOf(s, row), CardsOf(c, row)) << "row " << row;
}

// Plays until `rounds` rounds have ended on both sides.
void PlayRounds(NetPair& p, size_t rounds, int maxSteps = 40000) {
  int steps = 0;
  while ((p.server.session.Rounds().size() < rounds || p.client.session.Rounds().size() < rounds) &&
         steps < maxSteps) {
    ASSERT_TRUE(p.Step()) << "nobody can act: step " << steps << ", round "
                          << p.server.session.Rounds().size() << ", VidG " << p.server.g.t.VidG
                          << ", server caption " << p.server.g.t.ButtonCaptionId
                          << ", client caption " << p.client.g.t.ButtonCaptionId;
    ASSERT_EQ(p.server.session.Fault(), NetFault::None);
    ASSERT_EQ(p.client.session.Fault(), NetFault::None);
    if (p.server.session.Rounds().size() == p.client.session.Rounds().size() &&
        !p.client.session.AwaitingDeal()) {
      ExpectSameTable(p);
      if (::testing::Test::HasFailure()) return;
    }
    ++steps;
  }
  ASSERT_LT(steps, maxSteps) << "the rounds do not end";
}

void ExpectAgreedResults(const NetPair& p, size_t rounds) {
  const auto& s = p.server.session.Rounds();
  const auto& c = p.client.session.Rounds();
  ASSERT_GE(s.size(), rounds);
  ASSERT_GE(c.size(), rounds);
  for (size_t i = 0; i < rounds; ++i) {
    EXPECT_EQ(s[i].VidG, c[i].VidG) << i;
    EXPECT_EQ(s[i].FormG, c[i].FormG) << i;
    EXPECT_EQ(s[i].result, Mirrored(c[i].result)) << "round " << i;
  }
}

struct GameCase {
  int vidg, formg;
};

TEST(NetSession, BothSidesAgreeOnEveryRoundOfEachGame) {
  const GameCase games[] = {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {6, 0}, {7, 0}};
  for (const GameCase& gc : games) {
    for (int seed = 1; seed <= 3; ++seed) {
      NetPair p(seed * 31 + gc.vidg);
      p.server.g.t.VidG = gc.vidg;
      p.server.g.t.FormG = gc.formg;
      p.Connect();
      PlayRounds(p, 6);
      ExpectAgreedResults(p, 6);
      if (::testing::Test::HasFailure()) {
        ADD_FAILURE() << "VidG " << gc.vidg << " FormG " << gc.formg << " seed " << seed;
        return;
      }
    }
  }
}

TEST(NetSession, ByteByByteDeliveryPlaysTheSameRounds) {
  NetPair whole(77), bytes(77);
  bytes.cut = ByteByByte();
  for (NetPair* p : {&whole, &bytes}) {
    p->server.g.t.FormG = 2;
    p->Connect();
    PlayRounds(*p, 3);
  }
  ExpectAgreedResults(bytes, 3);
  for (size_t i = 0; i < 3; ++i)
    EXPECT_EQ(whole.server.session.Rounds()[i].result, bytes.server.session.Rounds()[i].result);
}

TEST(NetSession, EditionsPlayEachOther) {
  NetPair p(12, Edition284(), Edition285());
  p.server.g.t.VidG = 6;
  p.Connect();
  PlayRounds(p, 4);
  ExpectAgreedResults(p, 4);
}

}  // namespace
