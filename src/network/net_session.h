// A network session between two copies, with no sockets in it: the window
// and the headless tool hand it what arrived and what happened to the
// connection, and take from it the bytes to send. Everything the partner
// does reaches the table through here.
//
// The exchange: the client sends its player's name as bare Windows-1251
// bytes as soon as it is connected; the server answers with its own name
// and, a moment later, the first deal. From then on only NetMessage records
// travel, back to back. The server deals every game; the client plays the
// deal with the hands exchanged, so that each side sees its own hand in row
// 1 and the partner sits in row 0, the computer's seat, while the computer
// stays idle.
//
// What arrives is checked whole before it touches the table: a record the
// rules cannot take ends the session with a message, and the computer
// takes the partner's seat again.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/game.h"
#include "network/net_message.h"

enum class NetSide { Client = 0, Server = 1 };

// A name takes at most what the network dialog lets one type.
constexpr int kMaxNameChars = 20;

struct NetRoundResult {
  int VidG = 0, FormG = 0;
  enum Result { Win, Loss, Draw } result = Draw;
};

class NetSession {
 public:
  explicit NetSession(Game& g) : g_(g) {}

  // StartSession, once the front end has opened its socket: `ownName` is
  // the name from the dialog (UTF-8), kept with its first letter upper-cased.
  void Start(NetSide side, const std::string& ownName);
  // Connection events.
  void OnConnected();  // the client reached the server: its name goes out
  void OnReceived(std::span<const uint8_t> bytes);
  void OnPartnerGone();   // the partner disconnected: message 12, the computer plays
  void OnConnectError();  // the client could not reach the server: message 13
  // The dialog's "Disconnect": the server's seat goes back to the computer
  // at once; the client's front end closes its socket and the disconnect
  // event follows.
  void End();
  // The client gives up a server that never answered (the dialog's
  // "Disconnect" while still connecting): the session ends and the table
  // stays as it is, as after a connection error, without a message.
  void Cancel();

  // From the table.
  void SendMove(int value, int code);
  void SendChat(const std::string& utf8);
  // The server deals a game (code -2 a new game, -1 the next deal) and
  // sends it; with no partner yet the deal is only played locally.
  void SendNewDeal(int code);
  // A round has ended on this side (the result is already counted).
  void RoundEnded();
  // The server, the short pause after its name: the first game.
  void DealFirstGame();

  // For the front end.
  std::vector<uint8_t> TakeOutgoing();
  bool Running() const { return g_.program.NetRole != -1; }
  bool HandshakeDone() const { return nameReceived_; }
  // A received record is being applied (an animation or a box of it may be
  // letting window events through): the front end waits before it acts on
  // the connection.
  bool Busy() const { return processing_; }
  bool FirstDealDue() const { return firstDealDue_; }
  // A received record was refused: the front end closes the connection.
  bool CloseWanted() const { return closeWanted_; }
  NetFault Fault() const { return fault_; }
  // The client waits for the server's next deal.
  bool AwaitingDeal() const { return awaitingDeal_; }
  // Part of a record has come and the rest is on its way: the partner's
  // move may not be whole yet (a card and the effect that follows it), so
  // this side waits before it acts.
  bool RecordPartlyReceived() const { return nameReceived_ && !in_.empty(); }
  const std::string& PartnerName() const;

  int MessagesSent() const { return sent_; }
  int MessagesReceived() const { return received_; }
  const std::vector<std::string>& ChatReceived() const { return chat_; }
  const std::vector<NetRoundResult>& Rounds() const { return rounds_; }

 private:
  void TakeName();
  void TakeRestOfName();
  bool TakeRecords();
  void Apply(const NetMessage& m);
  void ReceiveDeal(const NetMessage& m);
  void ApplyPendingDeal();
  void ReceiveChat(const NetMessage& m);
  void Refuse(NetFault fault);
  void Queue(const NetMessage& m);
  void ReturnToComputer();
  void FinishRoundIfOver();
  void RefreshIdentity();

  Game& g_;
  NetSide side_ = NetSide::Client;
  std::vector<uint8_t> in_, out_;
  bool nameReceived_ = false;
  bool firstDealDue_ = false;
  bool closeWanted_ = false;
  bool processing_ = false;
  bool awaitingDeal_ = false;
  // A game of the session is on the table, with the partner in row 0.
  bool partnerSeated_ = false;
  NetFault fault_ = NetFault::None;
  NetMessage pendingDeal_{};
  int sent_ = 0, received_ = 0;
  std::vector<std::string> chat_;
  std::vector<NetRoundResult> rounds_;
  std::array<int, 3> lastCounts_{};  // NetWins, NetLosses, NetDraws at the last round end
};
