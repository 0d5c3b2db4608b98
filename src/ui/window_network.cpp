#include "ui/window_network.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QTimer>

#include "core/game_message.h"
#include "ui/main_window.h"

namespace {

constexpr int kRestCheckMs = 50;

// An IPv4 or IPv6 address, or a host name the system can look up.
bool PlausibleAddress(const QString& address) {
  if (!QHostAddress(address).isNull()) return true;
  static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?$"));
  return hostName.match(address).hasMatch();
}

}  // namespace

WindowNetwork::WindowNetwork(TForm1& form)
    : QObject(&form),
      form_(form),
      session_(form.game()),
      link_(session_,
            NetLink::Hooks{[this] { AfterRead(); }, [this] { PartnerGone(); },
                           [this](QAbstractSocket::SocketError e) { SocketError(e); }},
            this) {}

WindowNetwork::~WindowNetwork() {
  link_.Close();
}

bool WindowNetwork::StartSession(bool asServer, const std::string& name, const QString& address) {
  if (link_.Active()) return true;
  Game& g = form_.game();
  asServer_ = asServer;
  reachedServer_ = false;
  if (asServer) {
    // Every interface; where the system has no IPv6, every IPv4 one.
    if (!link_.Listen(QHostAddress::Any, port_) && !link_.Listen(QHostAddress::AnyIPv4, port_)) {
      ShowGameMessage(g, kMsgServerError, -1);
      link_.Close();
      return false;
    }
    session_.Start(NetSide::Server, name);
    return true;
  }
  if (!PlausibleAddress(address)) {
    ShowGameMessage(g, kMsgClientError, -1);
    return false;
  }
  session_.Start(NetSide::Client, name);
  link_.Connect(address, port_);
  return true;
}

void WindowNetwork::EndSession() {
  if (!asServer_ && link_.Active()) {
    // The client: its socket closes and the session ends as if the server
    // had gone; a server never reached is simply given up.
    const bool reached = reachedServer_;
    link_.Close();
    if (reached) {
      session_.OnPartnerGone();
    } else {
      session_.Cancel();
    }
    return;
  }
  if (link_.Active()) {
    link_.Close();
    session_.End();
  }
}

void WindowNetwork::SendMove(int value, int code) {
  session_.SendMove(value, code);
  link_.Flush();
}

void WindowNetwork::RoundEnded() {
  session_.RoundEnded();
  link_.Flush();
}

void WindowNetwork::RequestNewDeal() {
  session_.SendNewDeal(kNetNewGame);
  link_.Flush();
}

void WindowNetwork::SendChat(const QString& text) {
  session_.SendChat(text.toStdString());
  link_.Flush();
}

bool WindowNetwork::PartnerConnected() const {
  return link_.PartnerConnected() && session_.HandshakeDone();
}

void WindowNetwork::CloseIdleServerSocket() {
  if (asServer_ && !session_.Running()) link_.Close();
}

void WindowNetwork::AfterRead() {
  if (!reachedServer_ && !asServer_ && session_.Running()) reachedServer_ = true;
  if (!session_.CloseWanted()) return;
  // The session refused what came and has already handed the seat back to
  // the computer: the connection goes too.
  WhenAtRest([this] { link_.Close(); });
}

void WindowNetwork::PartnerGone() {
  WhenAtRest([this] {
    link_.Close();
    session_.OnPartnerGone();
  });
}

void WindowNetwork::SocketError(QAbstractSocket::SocketError /*error*/) {
  if (asServer_) return;  // the partner's socket: its disconnect follows
  if (reachedServer_) return;
  WhenAtRest([this] {
    link_.Close();
    if (session_.Running()) session_.OnConnectError();
  });
}

bool WindowNetwork::AtRest() const {
  return !session_.Busy() && form_.AtRest();
}

void WindowNetwork::WhenAtRest(std::function<void()> action) {
  if (AtRest()) {
    action();
    return;
  }
  QTimer::singleShot(kRestCheckMs, this, [this, action = std::move(action)]() mutable {
    WhenAtRest(std::move(action));
  });
}
