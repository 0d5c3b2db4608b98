// Feeds arbitrary bytes to a client and a server session as what arrived
// from the partner, cut into reads by the first byte: the name, records and
// garbage in any pieces. Nothing crashes; a refused stream ends the session
// and the computer takes the partner's seat.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/game.h"
#include "core/random.h"
#include "core/recording_callouts.h"
#include "network/net_message.h"
#include "network/net_session.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

class FuzzCallouts : public RecordingCallouts {
 public:
  NetSession* session = nullptr;
  void SendMove(int value, int code) override { session->SendMove(value, code); }
  void NetRoundEnded() override { session->RoundEnded(); }
};

void Feed(NetSide side, std::span<const uint8_t> bytes) {
  FixedClock clock(1);
  FuzzCallouts out;
  MemoryStore store;
  Game g(Edition285(), out, clock);
  g.store = &store;
  ApplyFirstStartValues(g);
  BuildPack(g.t.Pack);
  g.t.Options.Animation = 0;
  NetSession session(g);
  out.session = &session;
  session.Start(side, "Tarven");
  if (side == NetSide::Client) session.OnConnected();
  const size_t step = bytes.empty() ? 1 : 1 + bytes[0] % 64;
  for (size_t at = 0; at < bytes.size(); at += step) {
    session.OnReceived(bytes.subspan(at, std::min(step, bytes.size() - at)));
    if (session.FirstDealDue()) session.DealFirstGame();
    (void)session.TakeOutgoing();
  }
  if (session.CloseWanted()) Require(g.program.NetRole == -1);
  session.OnPartnerGone();
  Require(g.program.NetRole == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  Feed(NetSide::Client, bytes);
  Feed(NetSide::Server, bytes);
  return 0;
}
