// Two copies of the program joined by a session each, with the stream
// between them held in memory: what one side sends reaches the other in
// the pieces the test chooses.
#pragma once

#include <functional>
#include <set>

#include "core/recording_callouts.h"
#include "network/net_moves.h"
#include "network/net_session.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"
#include "play/net_player_bot.h"

class PeerCallouts : public RecordingCallouts {
 public:
  NetSession* session = nullptr;
  void SendMove(int value, int code) override { session->SendMove(value, code); }
  void NetRoundEnded() override { session->RoundEnded(); }
  void RequestNewDeal() override { session->SendNewDeal(-2); }
  void ShowChatLine(const std::string& text) override { chatField = text; }
  std::string chatField;
};

struct Peer {
  explicit Peer(int64_t seed, const Edition& e = Edition285())
      : clock(seed * 1000), g(e, out, clock), session(g) {
    g.store = &store;
    ApplyFirstStartValues(g);
    BuildPack(g.t.Pack);
    g.random.Seed(seed);
    g.t.Options.Animation = 0;
    out.session = &session;
  }
  FixedClock clock;
  PeerCallouts out;
  MemoryStore store;
  Game g;
  NetSession session;
};

// How the stream cuts what one side wrote: the sizes of the reads.
using Cutter = std::function<std::vector<size_t>(size_t total)>;
inline Cutter WholeReads() {
  return [](size_t total) { return std::vector<size_t>{total}; };
}
inline Cutter ByteByByte() {
  return [](size_t total) { return std::vector<size_t>(total, 1); };
}

struct NetPair {
  explicit NetPair(int64_t seed, const Edition& serverEdition = Edition285(),
                   const Edition& clientEdition = Edition285())
      : server(seed, serverEdition), client(seed + 7, clientEdition) {}

  void Connect(const std::string& serverName = "Tarven", const std::string& clientName = "bob") {
    server.session.Start(NetSide::Server, serverName);
    client.session.Start(NetSide::Client, clientName);
    client.session.OnConnected();
    Pump();
  }

  static void Deliver(Peer& from, Peer& to, const Cutter& cut) {
    const std::vector<uint8_t> bytes = from.session.TakeOutgoing();
    if (bytes.empty()) return;
    size_t at = 0;
    for (size_t n : cut(bytes.size())) {
      to.session.OnReceived(std::span(bytes).subspan(at, n));
      at += n;
    }
  }

  void Pump() { PumpOnce(); }

  // One action of whichever player may act. False when neither may.
  bool Step(const BotStyle& bot = {}) {
    for (Peer* p : {&server, &client}) {
      if (!p->session.Running() || p->session.AwaitingDeal() || !NetPlayerToAct(p->g)) continue;
      p->clock.Set(p->clock.NowSeconds() + 1);
      if (!NetBotActs(p->g, bot)) return false;
      PumpOnce();
      return true;
    }
    return false;
  }

  void PumpOnce() {
    for (int i = 0; i < 4; ++i) {
      Deliver(client, server, cut);
      if (server.session.FirstDealDue()) server.session.DealFirstGame();
      Deliver(server, client, cut);
    }
  }

  Peer server, client;
  Cutter cut = WholeReads();
};

// The cards of a row as a set of image indexes.
inline std::multiset<int> CardsOf(const TTableState& t, int row) {
  std::multiset<int> cards;
  for (const TCard& c : t.CardGrid[row]) {
    if (c.Present == 1) cards.insert(ImageIndex(c));
  }
  return cards;
}
