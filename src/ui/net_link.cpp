#include "ui/net_link.h"

#include <QTcpServer>
#include <span>
#include <vector>

#include "network/net_session.h"

namespace {

constexpr int kFlushBeatMs = 20;

}  // namespace

NetLink::NetLink(NetSession& session, Hooks hooks, QObject* parent)
    : QObject(parent), session_(session), hooks_(std::move(hooks)) {
  firstDeal_.setSingleShot(true);
  connect(&firstDeal_, &QTimer::timeout, this, [this] {
    session_.DealFirstGame();
    Flush();
    if (hooks_.afterRead) hooks_.afterRead();
  });
  connect(&flushBeat_, &QTimer::timeout, this, [this] { Flush(); });
}

NetLink::~NetLink() {
  Close();
}

bool NetLink::Listen(const QHostAddress& address, quint16 port) {
  Close();
  server_ = new QTcpServer(this);
  if (!server_->listen(address, port)) {
    delete server_;
    server_ = nullptr;
    return false;
  }
  connect(server_, &QTcpServer::newConnection, this, [this] { Accept(); });
  flushBeat_.start(kFlushBeatMs);
  return true;
}

void NetLink::Connect(const QString& host, quint16 port) {
  Close();
  host_ = host;
  port_ = port;
  socket_ = new QTcpSocket(this);
  Wire(socket_);
  connect(socket_, &QTcpSocket::connected, this, [this] {
    session_.OnConnected();
    Flush();
  });
  flushBeat_.start(kFlushBeatMs);
  socket_->connectToHost(host, port);
}

void NetLink::Reconnect() {
  if (socket_ != nullptr && socket_->state() == QAbstractSocket::UnconnectedState)
    socket_->connectToHost(host_, port_);
}

// One partner only, and only while a session waits for him: anyone else is
// turned away at once.
void NetLink::Accept() {
  while (QTcpSocket* s = server_->nextPendingConnection()) {
    if (socket_ != nullptr || !session_.Running()) {
      s->abort();
      s->deleteLater();
      continue;
    }
    socket_ = s;
    Wire(socket_);
    // Bytes may have come with the connection itself.
    if (socket_->bytesAvailable() > 0) Read();
  }
}

void NetLink::Wire(QTcpSocket* socket) {
  connect(socket, &QTcpSocket::readyRead, this, [this] { Read(); });
  connect(socket, &QTcpSocket::disconnected, this, [this] { Gone(); });
  connect(socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
    if (e == QAbstractSocket::RemoteHostClosedError) return;  // the disconnect follows
    if (hooks_.error) hooks_.error(e);
  });
}

void NetLink::Read() {
  if (socket_ == nullptr) return;
  const QByteArray bytes = socket_->readAll();
  if (bytes.isEmpty()) return;
  session_.OnReceived(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                static_cast<size_t>(bytes.size())));
  if (session_.FirstDealDue() && !firstDeal_.isActive()) firstDeal_.start(kFirstDealDelayMs);
  Flush();
  if (hooks_.afterRead) hooks_.afterRead();
}

void NetLink::Gone() {
  // What the partner sent before leaving is still read.
  Read();
  if (hooks_.partnerGone) hooks_.partnerGone();
}

void NetLink::Flush() {
  if (socket_ == nullptr || socket_->state() != QAbstractSocket::ConnectedState) return;
  const std::vector<uint8_t> out = session_.TakeOutgoing();
  if (!out.empty())
    socket_->write(reinterpret_cast<const char*>(out.data()), static_cast<qint64>(out.size()));
}

void NetLink::FlushAndWait(int ms) {
  Flush();
  if (socket_ == nullptr || socket_->state() != QAbstractSocket::ConnectedState) return;
  socket_->flush();
  socket_->waitForBytesWritten(ms);
}

void NetLink::Close() {
  firstDeal_.stop();
  flushBeat_.stop();
  if (socket_ != nullptr) {
    QTcpSocket* s = socket_;
    socket_ = nullptr;
    // Our own closing is no event of the session.
    s->disconnect(this);
    if (s->state() == QAbstractSocket::ConnectedState) {
      s->disconnectFromHost();
    } else {
      s->abort();
    }
    s->deleteLater();
  }
  if (server_ != nullptr) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
}

bool NetLink::Listening() const {
  return server_ != nullptr && server_->isListening();
}

bool NetLink::PartnerConnected() const {
  return socket_ != nullptr && socket_->state() == QAbstractSocket::ConnectedState;
}

bool NetLink::Active() const {
  return Listening() || (socket_ != nullptr && socket_->state() != QAbstractSocket::UnconnectedState);
}

QString NetLink::ErrorText() const {
  if (socket_ != nullptr) return socket_->errorString();
  return server_ != nullptr ? server_->errorString() : QString();
}
