// The sockets of a network session: a listening server that takes its
// first partner only, or a client socket. What arrives goes to the
// session, what the session has to send goes out, and the server's first
// deal follows its name after a short pause. Qt Core and Network only: the
// window and the headless peer share it, each with its own answer to the
// partner leaving and to socket errors.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>
#include <functional>

class NetSession;
class QTcpServer;

class NetLink final : public QObject {
 public:
  struct Hooks {
    // The session has taken what arrived, or has dealt the first game.
    std::function<void()> afterRead;
    // The partner's connection has closed.
    std::function<void()> partnerGone;
    // Anything else that went wrong with the socket (the closing of the
    // partner's side is not reported here: partnerGone follows).
    std::function<void(QAbstractSocket::SocketError)> error;
  };

  // The window's port; the headless peer and the tests take any.
  static constexpr quint16 kDefaultPort = 1025;
  // The pause that keeps the server's name apart from the first deal, for
  // a partner that takes its whole first read as the name.
  static constexpr int kFirstDealDelayMs = 300;

  NetLink(NetSession& session, Hooks hooks, QObject* parent = nullptr);
  ~NetLink() override;

  // The server: listens on `port` of `address`. False when it cannot.
  bool Listen(const QHostAddress& address, quint16 port);
  // The client: starts connecting; the outcome arrives as an event.
  void Connect(const QString& host, quint16 port);
  // Tries the last Connect again (a server that is not listening yet).
  void Reconnect();
  // Sends what the session has queued.
  void Flush();
  // Sends what is queued and waits up to `ms` for it to leave.
  void FlushAndWait(int ms);
  // Closes every socket without reporting anything through the hooks.
  void Close();

  bool Listening() const;
  bool PartnerConnected() const;
  // A socket is listening, connecting or connected.
  bool Active() const;
  QString ErrorText() const;

 private:
  void Accept();
  void Wire(QTcpSocket* socket);
  void Read();
  void Gone();
  void DealFirstGameLater();

  NetSession& session_;
  Hooks hooks_;
  QTcpServer* server_ = nullptr;
  QTcpSocket* socket_ = nullptr;
  QString host_;
  quint16 port_ = 0;
  QTimer firstDeal_;
  // Whatever the engine queued while no read was running (a move, a chat
  // line, a deal shown card by card) goes out on this beat too.
  QTimer flushBeat_;
};
