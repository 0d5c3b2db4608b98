// kalvenar-cli net: the player's seat of a network game over the real
// protocol, the computer's choices standing in for the player. The server
// (--listen) deals game (V, F) every round; both sides print one line per
// finished round and a summary. A garbage or vanished partner, or no
// progress for --timeout seconds: one line on stderr, exit status 3.
#include <QCoreApplication>
#include <QHostAddress>
#include <QTimer>
#include <iostream>

#include "cli/commands.h"
#include "cli/headless_game.h"
#include "network/net_moves.h"
#include "network/net_session.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"
#include "play/net_player_bot.h"
#include "play/self_play.h"
#include "ui/net_link.h"

namespace {

constexpr int kExitPartnerFailed = 3;

// The window stand-in: nothing is shown; the session hears what the table
// sends and when a round has ended.
class PeerCallouts final : public ICallouts {
 public:
  NetSession* session = nullptr;
  void SendMove(int value, int code) override { session->SendMove(value, code); }
  void NetRoundEnded() override { session->RoundEnded(); }
  void RequestNewDeal() override { session->SendNewDeal(kNetNewGame); }
};

struct PeerOptions {
  bool server = false;
  QString host;
  quint16 port = 0;
  std::string name;
  int games = 1;
  int timeoutSeconds = 30;
  std::vector<std::string> chat;
};

class NetPeer {
 public:
  NetPeer(const Edition& edition, int64_t seed, const PeerOptions& o)
      : clock_(SelfPlaySecond(seed)),
        game_(edition, callouts_, clock_),
        session_(game_),
        o_(o),
        link_(session_, MakeHooks()) {
    game_.store = &store_;
    ApplyFirstStartValues(game_);
    BuildPack(game_.t.Pack);
    game_.random.Seed(seed);
    game_.t.WhoseTurn = 2;
    callouts_.session = &session_;
  }

  Game& game() { return game_; }

  void Begin() {
    game_.t.Options.Animation = 0;  // nothing to watch
    game_.t.Options.Sound = 0;
    stall_.setSingleShot(true);
    QObject::connect(&stall_, &QTimer::timeout, [this] {
      Fail("no progress for " + std::to_string(o_.timeoutSeconds) + " s");
    });
    Progress();
    if (o_.server) {
      if (!link_.Listen(QHostAddress::LocalHost, o_.port) &&
          !link_.Listen(QHostAddress::Any, o_.port))
        Fail("cannot listen on port " + std::to_string(o_.port));
      session_.Start(NetSide::Server, o_.name);
      return;
    }
    session_.Start(NetSide::Client, o_.name);
    link_.Connect(o_.host, o_.port);
  }

 private:
  NetLink::Hooks MakeHooks() {
    NetLink::Hooks h;
    h.afterRead = [this] { Read(); };
    h.partnerGone = [this] {
      if (!finished_) Fail("the partner has gone");
    };
    h.error = [this](QAbstractSocket::SocketError e) {
      // A server that is not listening yet: try again until the timeout.
      if (e == QAbstractSocket::ConnectionRefusedError && !o_.server && !session_.HandshakeDone()) {
        QTimer::singleShot(200, [this] { link_.Reconnect(); });
        return;
      }
      if (!finished_) Fail("connection error: " + link_.ErrorText().toStdString());
    };
    return h;
  }

  void Read() {
    if (finished_) return;
    Progress();
    if (session_.CloseWanted())
      Fail("refused the partner's message: " + NetFaultText(session_.Fault(), 1));
    Drive();
  }

  void Flush() { link_.Flush(); }

  // The chat lines go once the names are known; the player acts while it is
  // his turn; every finished round is printed.
  void Drive() {
    if (finished_) return;
    if (session_.HandshakeDone() && !chatSent_ && !session_.FirstDealDue()) {
      chatSent_ = true;
      for (const std::string& line : o_.chat) session_.SendChat(line);
    }
    for (int i = 0; i < 50 && !finished_; ++i) {
      PrintRounds();
      if (finished_ || !ReadyToAct()) break;
      clock_.Set(clock_.NowSeconds() + 1);
      if (!NetBotActs(game_, BotStyle{5, game_.t.Options.Level})) Fail("the player cannot act");
      Progress();
      Flush();
    }
    PrintRounds();
    Flush();
    if (!finished_ && ReadyToAct()) QTimer::singleShot(0, [this] { Drive(); });
  }

  // The player acts on its turn, and only on a whole move of the partner:
  // a read can end inside a record, after a card whose effect is still in
  // the rest.
  bool ReadyToAct() {
    return session_.Running() && !session_.AwaitingDeal() && !session_.RecordPartlyReceived() &&
           NetPlayerToAct(game_);
  }

  void PrintRounds() {
    const auto& rounds = session_.Rounds();
    while (printed_ < rounds.size() && printed_ < static_cast<size_t>(o_.games)) {
      const NetRoundResult& r = rounds[printed_];
      nlohmann::ordered_json line;
      line["round"] = printed_ + 1;
      line["VidG"] = r.VidG;
      line["FormG"] = r.FormG;
      line["result"] = r.result == NetRoundResult::Win    ? "win"
                       : r.result == NetRoundResult::Loss ? "loss"
                                                          : "draw";
      std::cout << line.dump() << '\n';
      ++printed_;
      if (r.result == NetRoundResult::Win) ++wins_;
      if (r.result == NetRoundResult::Loss) ++losses_;
      if (r.result == NetRoundResult::Draw) ++draws_;
    }
    if (printed_ == static_cast<size_t>(o_.games) && !finished_) Finish();
  }

  void Finish() {
    finished_ = true;
    stall_.stop();
    Flush();
    nlohmann::ordered_json out;
    out["games"] = o_.games;
    out["wins"] = wins_;
    out["losses"] = losses_;
    out["draws"] = draws_;
    out["messages_sent"] = session_.MessagesSent();
    out["messages_received"] = session_.MessagesReceived();
    out["chat_received"] = session_.ChatReceived();
    std::cout << out.dump() << std::endl;
    link_.FlushAndWait(2000);
    link_.Close();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  }

  void Fail(const std::string& why) {
    if (finished_) return;
    finished_ = true;
    std::cerr << "kalvenar-cli: " << why << std::endl;
    QTimer::singleShot(0, [] { QCoreApplication::exit(kExitPartnerFailed); });
  }

  void Progress() { stall_.start(o_.timeoutSeconds * 1000); }

  FixedClock clock_;
  PeerCallouts callouts_;
  MemoryStore store_;
  Game game_;
  NetSession session_;
  PeerOptions o_;
  NetLink link_;
  QTimer stall_;
  bool chatSent_ = false;
  bool finished_ = false;
  size_t printed_ = 0;
  int wins_ = 0, losses_ = 0, draws_ = 0;
};

quint16 ParsePort(const std::string& text) {
  const auto port = ParseInteger(text);
  if (!port || *port < 1 || *port > 65535) FailUsage("bad port '" + text + "'");
  return static_cast<quint16>(*port);
}

}  // namespace

int RunNet(int argc, char** argv) {
  const CliArgs args(argc, argv, 2,
                     {"listen", "connect", "name", "games", "seed", "edition", "set", "vidg",
                      "formg", "chat", "timeout"},
                     {"set", "chat"});
  PeerOptions o;
  const auto listen = args.Get("listen");
  const auto connect = args.Get("connect");
  if (listen.has_value() == connect.has_value())
    FailUsage("net needs --listen PORT or --connect HOST:PORT");
  if (listen) {
    o.server = true;
    o.port = ParsePort(*listen);
  } else {
    const auto colon = connect->rfind(':');
    if (colon == std::string::npos || colon == 0) FailUsage("--connect needs HOST:PORT");
    o.host = QString::fromStdString(connect->substr(0, colon));
    o.port = ParsePort(connect->substr(colon + 1));
  }
  o.name = args.Required("name");
  if (o.name.empty()) FailUsage("--name must not be empty");
  const int64_t games = args.OptionalInt("games").value_or(1);
  if (games < 1) FailUsage("--games must be at least 1");
  o.games = static_cast<int>(games);
  const int64_t timeout = args.OptionalInt("timeout").value_or(30);
  if (timeout < 1) FailUsage("--timeout must be at least 1");
  o.timeoutSeconds = static_cast<int>(timeout);
  o.chat = args.All("chat");
  const int64_t seed = args.OptionalInt("seed").value_or(1);

  int qtArgc = 1;
  QCoreApplication app(qtArgc, argv);
  NetPeer peer(EditionFromArgs(args), seed, o);
  Game& g = peer.game();
  ApplySetOptions(g, args.All("set"));
  const auto vidg = args.OptionalInt("vidg");
  const auto formg = args.OptionalInt("formg");
  if (vidg.has_value() != formg.has_value()) FailUsage("--vidg and --formg go together");
  SelectGame(g, vidg.value_or(0), formg.value_or(0));
  if (g.t.VidG > static_cast<int>(Kind::Nine))
    FailUsage("only the two-player card games are played over the network");
  peer.Begin();
  return app.exec();
}
