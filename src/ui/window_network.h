// The window's network session: the engine's NetSession joined to the
// sockets on port 1025, and the window's answers to what the connection
// does (messages 10 to 13, the computer taking the partner's seat).
//
// Nothing here waits on the network. Bytes are handed to the session as
// they come, whatever the partner does; an event that would change the
// table while the table is busy (cards flying, a message box up, a record
// half applied) waits until the window is at rest again.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "network/net_session.h"
#include "ui/net_link.h"

class TForm1;

class WindowNetwork final : public QObject {
 public:
  explicit WindowNetwork(TForm1& form);
  ~WindowNetwork() override;

  // StartSession of the network dialog: `name` is the player's, the
  // address the server's (the client only). False, with message 10 or 11,
  // when the socket cannot be opened; true at once when a socket is already
  // active.
  bool StartSession(bool asServer, const std::string& name, const QString& address);
  // The dialog's "Disconnect".
  void EndSession();

  // The engine's call-outs of a session.
  void SendMove(int value, int code);
  void RoundEnded();
  void RequestNewDeal();
  void SendChat(const QString& text);
  bool PartnerConnected() const;
  void CloseIdleServerSocket();

  bool Active() const { return link_.Active(); }
  const NetSession& Session() const { return session_; }
  // The window plays on 1025; tests take a free port.
  void SetPort(quint16 port) { port_ = port; }
  quint16 Port() const { return port_; }

 private:
  void AfterRead();
  void PartnerGone();
  void SocketError(QAbstractSocket::SocketError error);
  // Runs `action` once the window is at rest (no record half applied, no
  // cards flying, no box up), checking again every little while.
  void WhenAtRest(std::function<void()> action);
  bool AtRest() const;

  TForm1& form_;
  NetSession session_;
  NetLink link_;
  quint16 port_ = NetLink::kDefaultPort;
  bool asServer_ = false;
  bool reachedServer_ = false;  // the client's socket connected
};
