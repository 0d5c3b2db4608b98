#include <gtest/gtest.h>

#include "commentary/comment.h"
#include "net_pair.h"
#include "network/cp1251.h"
#include "play/new_game.h"

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
  const GameCase games[] = {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3},
                            {5, 4}, {5, 5}, {5, 6}, {5, 7}, {5, 8}, {6, 0}, {7, 0}};
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

// Pentagon's deals between two stand-ins can run for tens of thousands of
// actions (each side draws and passes while the other sheds, and the pile
// keeps coming back as the stock), so they are not played to their end
// here; what is checked is that the two tables never part and that every
// code of the form crosses.
TEST(NetSession, PentagonKeepsBothTablesTheSameAndSendsEveryCode) {
  NetPair p(36);
  p.server.g.t.VidG = 5;
  p.server.g.t.FormG = 9;
  p.Connect();
  for (int step = 0; step < 3000; ++step) {
    ASSERT_TRUE(p.Step()) << "nobody can act at step " << step;
    ASSERT_EQ(p.server.session.Fault(), NetFault::None);
    ASSERT_EQ(p.client.session.Fault(), NetFault::None);
    if (p.server.session.Rounds().size() == p.client.session.Rounds().size() &&
        !p.client.session.AwaitingDeal()) {
      ExpectSameTable(p);
      EXPECT_EQ(p.server.g.t.TrumpSuit, p.client.g.t.TrumpSuit) << "step " << step;
      if (::testing::Test::HasFailure()) return;
    }
  }
  std::set<int> seen = p.server.out.codesSent;
  seen.insert(p.client.out.codesSent.begin(), p.client.out.codesSent.end());
  EXPECT_EQ(seen, (std::set<int>{0, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(NetSession, EveryMoveCodeIsSentAndApplied) {
  struct Case {
    GameCase game;
    std::set<int> codes;
  };
  const Case cases[] = {
      {{0, 1}, {0, 1, 2, 3, 4, 5}}, {{0, 2}, {0, 3, 4, 5, 6}}, {{0, 0}, {0, 3, 5}},
      {{6, 0}, {0, 1, 2}},          {{7, 0}, {0, 1}},          {{5, 4}, {0, 2, 3, 4, 5, 6, 7}},
  };
  for (const Case& c : cases) {
    std::set<int> seen;
    for (int seed = 1; seed <= 6 && seen != c.codes; ++seed) {
      NetPair p(seed * 13);
      p.server.g.t.VidG = c.game.vidg;
      p.server.g.t.FormG = c.game.formg;
      p.Connect();
      PlayRounds(p, 8);
      ExpectAgreedResults(p, 8);
      for (const Peer* peer : {&p.server, &p.client})
        seen.insert(peer->out.codesSent.begin(), peer->out.codesSent.end());
    }
    for (int code : c.codes)
      EXPECT_TRUE(seen.count(code))
          << "VidG " << c.game.vidg << " FormG " << c.game.formg << " code " << code;
  }
}

TEST(NetSession, TheNamesAreExchangedWithTheirFirstLetterUpperCased) {
  NetPair p(3);
  p.server.g.t.VidG = 9;  // a patience game on the server's table
  p.server.g.t.FormG = 0;
  p.Connect("тарвен", "bob");
  EXPECT_TRUE(p.server.session.HandshakeDone());
  EXPECT_TRUE(p.client.session.HandshakeDone());
  EXPECT_EQ(p.server.session.PartnerName(), "Bob");
  EXPECT_EQ(p.client.session.PartnerName(), "Тарвен");
  EXPECT_EQ(p.server.g.t.VidG, 0) << "the server switches to Simple durak";
  EXPECT_EQ(p.client.g.t.VidG, 0);
  bool suffix = false;
  for (const std::string& call : p.client.out.calls)
    suffix = suffix || call.find(" - сетевая игра") != std::string::npos;
  EXPECT_TRUE(suffix) << "the caption carries the network suffix";
}

TEST(NetSession, TheServersNameAndFirstDealInOneReadAreTakenApart) {
  NetPair p(4);
  p.server.session.Start(NetSide::Server, "Tarven");
  p.client.session.Start(NetSide::Client, "Ann");
  p.client.session.OnConnected();
  NetPair::Deliver(p.client, p.server, WholeReads());
  p.server.session.DealFirstGame();  // the deal is written before the client reads anything
  NetPair::Deliver(p.server, p.client, WholeReads());
  EXPECT_EQ(p.client.session.PartnerName(), "Tarven");
  EXPECT_FALSE(p.client.session.AwaitingDeal());
  ExpectSameTable(p);
}

TEST(NetSession, TheClientTakesTheServersRulesWithTheSidesTurnedRound) {
  struct Case {
    int firstMove, changeTr, firstMoveSeen, changeTrSeen;
  };
  const Case cases[] = {{2, 1, 3, 2}, {3, 2, 2, 1}, {0, 0, 0, 0}, {1, 3, 1, 3}};
  for (const Case& c : cases) {
    NetPair p(5);
    p.server.g.t.Options.FirstMove = c.firstMove;
    p.server.g.t.Options.ChangeTr = c.changeTr;
    p.server.g.t.Options.LastCards = 1;
    p.server.g.t.Options.ThrowUpMore6Cards = 1;
    p.Connect();
    EXPECT_EQ(p.client.g.t.Options.FirstMove, c.firstMoveSeen);
    EXPECT_EQ(p.client.g.t.Options.ChangeTr, c.changeTrSeen);
    EXPECT_EQ(p.client.g.t.Options.LastCards, 1);
    EXPECT_EQ(p.client.g.t.Options.ThrowUpMore6Cards, 1);
    EXPECT_EQ(p.client.store.Values().count("1_Move"), 0u) << "the store is not written";
  }
}

TEST(NetSession, EachSideSeesItsOwnHandInRowOneAndTheTurnTurnsRound) {
  NetPair p(6);
  p.Connect();
  ExpectSameTable(p);
  const int s = p.server.g.t.WhoseTurn, c = p.client.g.t.WhoseTurn;
  EXPECT_TRUE((s == 1 && c == 0) || (s == 0 && c == 1)) << s << " " << c;
}

TEST(NetSession, ANextDealThatArrivesDuringTheRoundWaitsForItsEnd) {
  NetPair p(8);
  p.Connect();
  TTableState& t = p.client.g.t;
  const auto row1 = CardsOf(t, 1);
  p.server.session.SendNewDeal(kNetNextDeal);
  NetPair::Deliver(p.server, p.client, WholeReads());
  EXPECT_EQ(t.DealLatch, 0);
  EXPECT_EQ(CardsOf(t, 1), row1) << "the round being played is left alone";
  p.client.session.RoundEnded();
  EXPECT_EQ(t.DealLatch, -1);
  ExpectSameTable(p);
}

TEST(NetSession, ANewGameIsDealtAtOnce) {
  NetPair p(9);
  p.Connect();
  p.server.g.t.VidG = 7;
  p.server.session.SendNewDeal(kNetNewGame);
  p.Pump();
  EXPECT_EQ(p.client.g.t.VidG, 7);
  EXPECT_EQ(p.client.g.t.DealLatch, -1);
  ExpectSameTable(p);
}

TEST(NetSession, AChatLineArrivesWithItsFirstLetterUpperCased) {
  struct Case {
    int vidg, chat;
    bool inCommentary;
  };
  const Case cases[] = {{0, 1, true}, {6, 1, true}, {7, 1, false}, {0, 0, false}};
  for (const Case& c : cases) {
    NetPair p(10);
    p.server.g.t.VidG = c.vidg;
    p.client.g.t.Options.Chat = c.chat;
    p.Connect();
    p.server.session.SendChat("  привет, bob \t");
    p.Pump();
    ASSERT_EQ(p.client.session.ChatReceived().size(), 1u);
    EXPECT_EQ(p.client.session.ChatReceived()[0], "Привет, bob");
    EXPECT_EQ(p.client.g.t.CommentId == 14, c.inCommentary) << c.vidg;
    EXPECT_EQ(p.client.out.chatField == "Привет, bob", !c.inCommentary) << c.vidg;
  }
}

TEST(NetSession, WhenThePartnerLeavesTheComputerTakesHisSeatInEachGame) {
  for (const GameCase gc : {GameCase{0, 1}, GameCase{0, 2}, GameCase{6, 0}, GameCase{7, 0}}) {
    for (int steps = 0; steps < 12; steps += 3) {
      NetPair p(11 + steps);
      p.server.g.t.VidG = gc.vidg;
      p.server.g.t.FormG = gc.formg;
      p.Connect();
      for (int i = 0; i < steps; ++i) p.Step();
      p.client.session.OnPartnerGone();
      Game& g = p.client.g;
      EXPECT_EQ(g.program.NetRole, -1);
      ASSERT_FALSE(p.client.out.messages.empty());
      EXPECT_EQ(p.client.out.messages.back().code, 12);
      EXPECT_EQ(p.client.out.messages.back().text.rfind("Tarven", 0), 0u);
      EXPECT_NE(g.t.ButtonCaptionId, kCaptionWait) << "VidG " << gc.vidg << " after " << steps;
    }
  }
}

// Before the first deal of the session the partner never sat at the table:
// his leaving, or the client giving up a silent server, leaves the game on
// it to the player and the computer as it stood.
TEST(NetSession, LeavingBeforeTheFirstDealLeavesTheTableAsItStands) {
  struct Case {
    const char* what;
    std::function<void(NetPair&)> end;
    int messages;
  };
  const Case cases[] = {
      {"the server's partner leaves after his name",
       [](NetPair& p) {
         p.client.session.OnConnected();
         NetPair::Deliver(p.client, p.server, WholeReads());
         p.server.session.OnPartnerGone();
       },
       1},
      {"the client gives up connecting", [](NetPair& p) { p.client.session.Cancel(); }, 0},
  };
  for (const Case& c : cases) {
    NetPair p(21);
    Peer& side = std::string(c.what).find("server") != std::string::npos ? p.server : p.client;
    // A durak game at rest: the computer has led and the player is to beat.
    NewGame(side.g);
    const TTableState before = side.g.t;
    p.server.session.Start(NetSide::Server, "Tarven");
    p.client.session.Start(NetSide::Client, "bob");
    const size_t shown = side.out.messages.size();
    c.end(p);
    EXPECT_EQ(side.g.program.NetRole, -1) << c.what;
    EXPECT_EQ(side.out.messages.size() - shown, static_cast<size_t>(c.messages)) << c.what;
    for (int row = 0; row < 6; ++row)
      EXPECT_EQ(CardsOf(side.g.t, row), CardsOf(before, row)) << c.what << ", row " << row;
    EXPECT_EQ(side.g.t.WhoseTurn, before.WhoseTurn) << c.what;
  }
}

TEST(NetSession, ABadRecordIsRefusedBeforeItTouchesTheTable) {
  struct Case {
    const char* what;
    std::function<void(NetBytes&)> spoil;
    NetFault fault;
  };
  auto setInt = [](NetBytes& b, size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i)
      b[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
  };
  const Case cases[] = {
      {"unknown code", [&](NetBytes& b) { setInt(b, 32, 42); }, NetFault::UnknownCode},
      {"card not held", [&](NetBytes& b) { setInt(b, 32, 0), setInt(b, 0, 51); },
       NetFault::CardNotInHand},
      {"chat too long", [&](NetBytes& b) { setInt(b, 32, -3), setInt(b, 40, 101); },
       NetFault::BadChatLength},
      {"a deal from the client", [&](NetBytes& b) { setInt(b, 32, -2); }, NetFault::UnknownCode},
  };
  for (const Case& c : cases) {
    NetPair p(14);
    p.Connect();
    Game& server = p.server.g;
    // The client's partner holds no ace of hearts: take it out of his hand.
    for (TCard& card : server.t.CardGrid[0]) {
      if (card.Present == 1 && ImageIndex(card) == 51) card.Present = 0;
    }
    const auto before = server.t.CardGrid;
    NetMessage m;
    m.PackSize = 36;
    m.DefendByCover = 1;
    NetBytes b = EncodeNetMessage(m);
    c.spoil(b);
    p.server.session.OnReceived(b);
    EXPECT_EQ(p.server.session.Fault(), c.fault) << c.what;
    EXPECT_TRUE(p.server.session.CloseWanted()) << c.what;
    EXPECT_EQ(server.program.NetRole, -1) << c.what;
    ASSERT_FALSE(p.server.out.messages.empty());
    EXPECT_EQ(p.server.out.messages.back().text, NetFaultText(c.fault, 0)) << c.what;
    if (c.fault != NetFault::CardNotInHand) {
      EXPECT_EQ(server.t.CardGrid, before) << c.what;
    }
  }
}

TEST(NetSession, RandomBytesTruncatedRecordsAndTrickleNeverCrash) {
  for (int seed = 0; seed < 40; ++seed) {
    NetPair p(20 + seed);
    p.Connect();
    TRandom r;
    r.Seed(seed);
    std::vector<uint8_t> noise(static_cast<size_t>(1 + r.Below(3 * 4536)));
    for (uint8_t& b : noise) b = static_cast<uint8_t>(r.Below(256));
    if (seed % 3 == 0) {
      // A sound record cut short, then the partner is gone.
      NetMessage m;
      m.Code = kNetChat;
      m.PackSize = 36;
      const NetBytes b = EncodeNetMessage(m);
      noise.assign(b.begin(), b.begin() + r.Below(4536));
    }
    Peer& target = seed % 2 ? p.client : p.server;
    for (size_t at = 0; at < noise.size();) {
      const size_t n = std::min<size_t>(noise.size() - at, 1 + r.Below(seed % 4 == 1 ? 1 : 700));
      target.session.OnReceived(std::span(noise).subspan(at, n));
      at += n;
    }
    target.session.OnPartnerGone();
    EXPECT_EQ(target.g.program.NetRole, -1);
    if (noise.size() >= kNetMessageSize && seed % 3 != 0) {
      EXPECT_NE(target.session.Fault(), NetFault::None) << "random records are refused";
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

namespace {

// A read may end inside a record: the session says so until the rest has
// come, so that a player does not act on half of the partner's move.
TEST(NetSession, ARecordCutInTwoIsKnownToBeOnItsWay) {
  NetPair p(6);
  p.Connect();
  ASSERT_FALSE(p.client.session.RecordPartlyReceived());
  // The server's first move, read in two pieces.
  ASSERT_TRUE(p.Step());
  for (int i = 0; i < 50 && !NetPlayerToAct(p.server.g); ++i) ASSERT_TRUE(p.Step());
  ASSERT_TRUE(NetPlayerToAct(p.server.g));
  p.server.clock.Set(p.server.clock.NowSeconds() + 1);
  ASSERT_TRUE(NetBotActs(p.server.g, BotStyle{}));
  const std::vector<uint8_t> bytes = p.server.session.TakeOutgoing();
  ASSERT_GE(bytes.size(), kNetMessageSize);
  const size_t cut = kNetMessageSize / 2;
  p.client.session.OnReceived(std::span(bytes).first(cut));
  EXPECT_TRUE(p.client.session.RecordPartlyReceived());
  p.client.session.OnReceived(std::span(bytes).subspan(cut));
  EXPECT_FALSE(p.client.session.RecordPartlyReceived());
  EXPECT_EQ(p.client.session.Fault(), NetFault::None);
}

}  // namespace
