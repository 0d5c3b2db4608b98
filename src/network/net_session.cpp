#include "network/net_session.h"

#include <algorithm>

#include "commentary/comment.h"
#include "commentary/comment_texts.h"
#include "commentary/sound.h"
#include "core/game_message.h"
#include "core/hand_order.h"
#include "network/cp1251.h"
#include "network/net_moves.h"
#include "play/game_switch.h"
#include "play/new_game.h"
#include "play/start_of_play.h"

namespace {

constexpr int kNameProbeBytes = 36;  // a name's bytes are followed by a record's Code at +32

int32_t IntAt(const std::vector<uint8_t>& b, std::size_t at) {
  return static_cast<int32_t>(static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
                              static_cast<uint32_t>(b[at + 2]) << 16 |
                              static_cast<uint32_t>(b[at + 3]) << 24);
}

// Only the bytes a name can hold, and no more characters than the dialog
// takes.
std::string CleanName(const std::string& bytes) {
  std::string name;
  for (char c : bytes) {
    if (IsTextByteCp1251(static_cast<unsigned char>(c))) name += c;
    if (static_cast<int>(name.size()) == kMaxNameChars) break;
  }
  return name;
}

bool AllTextBytes(const std::vector<uint8_t>& b, std::size_t n) {
  return std::all_of(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n),
                     [](uint8_t c) { return IsTextByteCp1251(c); });
}

// Leading and trailing blanks and control characters go.
std::string TrimChat(const std::string& text) {
  auto blank = [](unsigned char c) { return c <= 0x20 || c == 0x7F; };
  std::size_t a = 0, b = text.size();
  while (a < b && blank(static_cast<unsigned char>(text[a]))) ++a;
  while (b > a && blank(static_cast<unsigned char>(text[b - 1]))) --b;
  return text.substr(a, b - a);
}

// What every record carries from its sender's table.
NetMessage MessageFromTable(const Game& g, int code) {
  const TTableState& t = g.t;
  NetMessage m;
  m.Code = code;
  m.TrumpSuit = t.TrumpSuit;
  m.WhoseTurn = t.WhoseTurn;
  m.PackSize = g.program.PackSize;
  m.LastCards = t.Options.LastCards;
  m.DiscardTransfer1 = t.Options.DiscardTransfer1;
  m.ThrowUpMore6Cards = t.Options.ThrowUpMore6Cards;
  m.LastCardGame = t.Options.LastCardGame;
  return m;
}

NetMessage TurnMessage(const Game& g, int value, int code) {
  NetMessage m = MessageFromTable(g, code);
  m.Value = value;
  m.CoverIndex = g.t.CoverIndex;
  m.LeadInProgress = g.t.LeadInProgress;
  m.DefendByCover = g.t.DefendByCover;
  return m;
}

NetMessage DealMessage(const Game& g, int code) {
  NetMessage m = MessageFromTable(g, code);
  m.VidG = g.t.VidG;
  m.FormG = g.t.FormG;
  m.FirstMove = g.t.Options.FirstMove;
  m.ChangeTr = g.t.Options.ChangeTr;
  for (int r = 0; r < kNetRows; ++r) {
    m.Rows[r] = g.t.CardGrid[r];
    for (TCard& c : m.Rows[r]) c.Padding = {};
  }
  return m;
}

// The options that name a side read the other way round on the client.
int MirrorFirstMove(int v) {
  return v == 2 ? 3 : v == 3 ? 2 : v;
}
int MirrorChangeTr(int v) {
  return v == 1 ? 2 : v == 2 ? 1 : v;
}

void PlayMessageSound(Game& g) {
  if (g.t.Options.Mess != 0) SoundAndVoice(g, 7, -1);
}

}  // namespace

const std::string& NetSession::PartnerName() const {
  return g_.program.NetNames[side_ == NetSide::Server ? 0 : 1];
}

void NetSession::Start(NetSide side, const std::string& ownName) {
  side_ = side;
  in_.clear();
  out_.clear();
  nameReceived_ = firstDealDue_ = closeWanted_ = partnerSeated_ = false;
  awaitingDeal_ = side == NetSide::Client;
  fault_ = NetFault::None;
  sent_ = received_ = 0;
  chat_.clear();
  rounds_.clear();
  lastCounts_ = {0, 0, 0};
  TTableState& t = g_.t;
  t.NetWins = t.NetLosses = t.NetDraws = 0;
  t.DealLatch = -1;
  g_.program.NetRole = side == NetSide::Server ? 1 : 0;
  g_.program.NetNames[side == NetSide::Server ? 1 : 0] =
      Cp1251ToUtf8(UpperFirstCp1251(Utf8ToCp1251(ownName)));
  RefreshIdentity();
}

void NetSession::RefreshIdentity() {
  g_.out->SetCaption(GameCaption(g_));
  g_.out->UpdateStatusBar();
}

void NetSession::OnConnected() {
  if (side_ != NetSide::Client) return;
  const std::string name = Utf8ToCp1251(g_.program.NetNames[0]);
  out_.insert(out_.end(), name.begin(), name.end());
}

void NetSession::OnReceived(std::span<const uint8_t> bytes) {
  if (!Running() || closeWanted_) return;
  in_.insert(in_.end(), bytes.begin(), bytes.end());
  // A message box or an animation lets window events through: what arrives
  // meanwhile waits until the record being applied is done.
  if (processing_) return;
  processing_ = true;
  if (!nameReceived_) {
    TakeName();
  } else if (side_ == NetSide::Server && firstDealDue_) {
    TakeRestOfName();
  }
  while (nameReceived_ && Running() && !closeWanted_ && TakeRecords()) {
  }
  processing_ = false;
}

void NetSession::TakeName() {
  std::size_t n = in_.size();
  // The client's name of the server ends where the first record begins: the
  // stream may run the two together or cut either anywhere, so the name is
  // known once a record's Code is seen behind it.
  if (side_ == NetSide::Client) {
    n = 0;
    bool canTell = true;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(kMaxNameChars) && n == 0; ++k) {
      if (k > in_.size() || !AllTextBytes(in_, k)) break;
      if (in_.size() < k + kNameProbeBytes) {
        canTell = false;
        break;
      }
      const int32_t code = IntAt(in_, k + 32);
      if (code == kNetNewGame || code == kNetNextDeal || code == kNetChat) n = k;
    }
    if (n == 0 && !canTell) return;  // wait for more bytes
    if (n == 0) {
      Refuse(NetFault::BadName);
      return;
    }
  }
  const std::string raw(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(n));
  in_.erase(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(n));
  const std::string name = CleanName(raw);
  g_.program.NetNames[side_ == NetSide::Server ? 0 : 1] = Cp1251ToUtf8(name);
  nameReceived_ = true;
  PlayMessageSound(g_);
  if (side_ == NetSide::Client) {
    g_.out->UpdateStatusBar();
    return;
  }
  // Only the two-player card games can be played with a partner.
  if (g_.t.VidG > static_cast<int>(Kind::Nine)) {
    g_.t.VidG = 0;
    g_.out->ApplyBackground(g_.t.Options.BackGr);
    g_.out->LayoutTable();
  }
  RefreshIdentity();
  const std::string own = Utf8ToCp1251(g_.program.NetNames[1]);
  out_.insert(out_.end(), own.begin(), own.end());
  firstDealDue_ = true;
}

// The client's name may come in more than one read; what follows it before
// the first deal has gone out is more of the name, as long as it reads as one.
void NetSession::TakeRestOfName() {
  std::string& name = g_.program.NetNames[0];
  const std::string bytes = Utf8ToCp1251(name);
  if (bytes.size() + in_.size() > static_cast<std::size_t>(kMaxNameChars)) return;
  if (!AllTextBytes(in_, in_.size())) return;
  name = Cp1251ToUtf8(bytes + std::string(in_.begin(), in_.end()));
  in_.clear();
  RefreshIdentity();
}

bool NetSession::TakeRecords() {
  if (in_.size() < kNetMessageSize) return false;
  const NetMessage m = DecodeNetMessage(std::span(in_).first(kNetMessageSize));
  in_.erase(in_.begin(), in_.begin() + kNetMessageSize);
  received_ += 1;
  const NetFault fault = CheckNetMessage(m, *g_.edition);
  if (fault != NetFault::None) {
    Refuse(fault);
    return false;
  }
  Apply(m);
  return true;
}

void NetSession::Apply(const NetMessage& m) {
  if (m.IsChat()) {
    ReceiveChat(m);
    return;
  }
  if (m.IsDeal()) {
    // Only the server deals; a client that sends a deal is not playing by
    // the rules of the exchange.
    if (side_ == NetSide::Server) {
      Refuse(NetFault::UnknownCode);
      return;
    }
    ReceiveDeal(m);
    return;
  }
  // A move between rounds has nothing to act on.
  if (awaitingDeal_) {
    Refuse(NetFault::CardNotInHand);
    return;
  }
  if (const NetFault f = ApplyPartnerMove(g_, m); f != NetFault::None) {
    Refuse(f);
    return;
  }
  FinishRoundIfOver();
}

void NetSession::FinishRoundIfOver() {
  if (!g_.newGameDue) return;
  g_.newGameDue = false;
  RoundEnded();
}

void NetSession::ReceiveDeal(const NetMessage& m) {
  pendingDeal_ = m;
  g_.out->ProcessPendingEvents();
  // A next deal that arrives while this side is still finishing its round
  // waits for the round's end; the table of that round stays untouched.
  if (m.Code == kNetNextDeal && !awaitingDeal_) {
    g_.t.DealLatch = 0;
    return;
  }
  ApplyPendingDeal();
}

void NetSession::ApplyPendingDeal() {
  TTableState& t = g_.t;
  const NetMessage& m = pendingDeal_;
  t.SwindleCount = 0;
  t.GuessMode = 0;
  t.LeadInProgress = 0;
  t.AceOrderPending = 0;
  t.CoverIndex = 0;
  t.FirstDiscardDone = 0;
  t.GameDecided = 0;
  t.NineRowEnd = 6;
  g_.program.ModalFlag = 1;
  t.DefendByCover = 1;
  t.TrumpSuit = m.TrumpSuit;
  g_.program.PackSize = m.PackSize;
  t.VidG = m.VidG;
  t.FormG = m.FormG;
  // The server's rules replace this side's for the rest of the run (the
  // settings store keeps this side's own); those that name a side turn round.
  t.Options.FirstMove = MirrorFirstMove(m.FirstMove);
  t.Options.ChangeTr = MirrorChangeTr(m.ChangeTr);
  t.Options.LastCards = m.LastCards;
  t.Options.DiscardTransfer1 = m.DiscardTransfer1;
  t.Options.ThrowUpMore6Cards = m.ThrowUpMore6Cards;
  t.Options.LastCardGame = m.LastCardGame;
  t.WhoseTurn = m.WhoseTurn == 0 ? 1 : 0;
  for (int r = 0; r < kNetRows; ++r) t.CardGrid[r] = m.Rows[r];
  // Each side sees its own hand in row 1.
  std::swap(t.CardGrid[0], t.CardGrid[1]);
  for (int r = kNetRows; r < kRows; ++r) {
    for (TCard& c : t.CardGrid[r]) c.Present = 0;
  }
  CountRows(g_);
  awaitingDeal_ = false;
  partnerSeated_ = true;
  t.DealLatch = -1;
  g_.out->LayoutTable();
  g_.out->PlaceControls();
  g_.out->ApplyBackground(t.Options.BackGr);
  RefreshIdentity();
  DealAndStart(g_);
  FinishRoundIfOver();
}

void NetSession::ReceiveChat(const NetMessage& m) {
  PlayMessageSound(g_);
  std::string bytes;
  for (int i = 0; i < m.ChatLength; ++i) {
    const auto c = m.ChatText[static_cast<std::size_t>(i)];
    if (IsTextByteCp1251(c)) bytes += static_cast<char>(c);
  }
  const std::string text = Cp1251ToUtf8(UpperFirstCp1251(bytes));
  chat_.push_back(text);
  g_.t.ChatLine = text;
  if (g_.t.Options.Chat == 1 && g_.kind() != Kind::Nine) {
    Comment(g_, kChatComment, g_.t.ButtonCaptionId);
  } else {
    g_.out->ShowChatLine(text);
  }
}

void NetSession::Refuse(NetFault fault) {
  fault_ = fault;
  closeWanted_ = true;
  in_.clear();
  GameMessageBox box = BuildGameMessage(g_, kMsgPartnerLeft, -1);
  box.code = -1;
  box.text = NetFaultText(fault, g_.program.Lang);
  box.question = false;
  g_.out->ShowGameMessage(box);
  ReturnToComputer();
}

void NetSession::Queue(const NetMessage& m) {
  const NetBytes b = EncodeNetMessage(m);
  out_.insert(out_.end(), b.begin(), b.end());
  sent_ += 1;
}

void NetSession::SendMove(int value, int code) {
  if (!Running() || !nameReceived_) return;
  Queue(TurnMessage(g_, value, code));
}

void NetSession::SendChat(const std::string& utf8) {
  if (!Running() || !nameReceived_) return;
  std::string bytes = Utf8ToCp1251(TrimChat(utf8));
  if (bytes.size() > static_cast<std::size_t>(kNetChatCapacity)) bytes.resize(kNetChatCapacity);
  NetMessage m = TurnMessage(g_, -1, kNetChat);
  m.ChatLength = static_cast<int32_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), m.ChatText.begin());
  Queue(m);
}

void NetSession::SendNewDeal(int code) {
  if (side_ != NetSide::Server || !Running()) return;
  g_.newGameDue = false;
  NewGame(g_);  // the deal alone: the session shows it once it is sent
  if (nameReceived_) {
    Queue(DealMessage(g_, code));
    partnerSeated_ = true;
  }
  DealAndStart(g_);
  FinishRoundIfOver();
}

void NetSession::DealFirstGame() {
  if (!firstDealDue_) return;
  firstDealDue_ = false;
  SendNewDeal(kNetNewGame);
}

void NetSession::RoundEnded() {
  TTableState& t = g_.t;
  NetRoundResult r;
  r.VidG = t.VidG;
  r.FormG = t.FormG;
  // Which counter moved tells the result.
  if (t.NetWins > lastCounts_[0]) r.result = NetRoundResult::Win;
  if (t.NetLosses > lastCounts_[1]) r.result = NetRoundResult::Loss;
  lastCounts_ = {t.NetWins, t.NetLosses, t.NetDraws};
  rounds_.push_back(r);
  if (side_ == NetSide::Server) {
    SendNewDeal(kNetNextDeal);
    return;
  }
  t.RowCount.fill(0);
  t.NineRowEnd = 0;
  g_.out->RepaintTable(true);
  awaitingDeal_ = true;
  if (t.DealLatch == 0) {
    ApplyPendingDeal();
    return;
  }
  t.DealLatch = 0;
}

void NetSession::End() {
  if (!Running()) return;
  if (side_ == NetSide::Server) {
    ShowGameMessage(g_, kMsgPartnerLeft, 0);
    ReturnToComputer();
  }
}

void NetSession::OnPartnerGone() {
  if (!Running()) return;
  if (!closeWanted_) ShowGameMessage(g_, kMsgPartnerLeft, side_ == NetSide::Server ? 0 : 1);
  ReturnToComputer();
}

void NetSession::OnConnectError() {
  ShowGameMessage(g_, kMsgServerSilent, -1);
  g_.program.NetRole = -1;
  RefreshIdentity();
}

void NetSession::Cancel() {
  if (!Running()) return;
  nameReceived_ = firstDealDue_ = awaitingDeal_ = partnerSeated_ = false;
  g_.program.NetRole = -1;
  g_.t.DealLatch = -1;
  RefreshIdentity();
}

void NetSession::ReturnToComputer() {
  if (!Running()) return;
  nameReceived_ = firstDealDue_ = false;
  g_.program.NetRole = -1;
  awaitingDeal_ = false;
  g_.t.DealLatch = -1;
  g_.out->UpdateStatusBar();
  g_.out->PlaceControls();
  RefreshIdentity();
  // A partner who leaves before the first deal of the session never sat at
  // this table: the game on it is the computer's own, at rest, and must not
  // be played on as if the partner had left it half-way.
  if (!partnerSeated_) return;
  partnerSeated_ = false;
  ComputerTakesPartnersSeat(g_);
  DealScheduledGame(g_);
}

std::vector<uint8_t> NetSession::TakeOutgoing() {
  std::vector<uint8_t> bytes;
  bytes.swap(out_);
  return bytes;
}
