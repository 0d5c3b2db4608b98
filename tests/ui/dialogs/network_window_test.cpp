// Network play on the real window, offscreen: the network dialog's checks,
// the About dialog, and a session between two windows of one process over
// the loopback on a free port (not the window's 1025).
#include "ui/network_form.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <vector>

#include "core/game_message.h"
#include "network/net_message.h"
#include "dialog_window.h"
#include "ui/about_form.h"
#include "ui/window_network.h"
#include "ui/window_shell.h"

namespace {

constexpr int kSessionWaitMs = 15000;

// A port nobody listens on now.
quint16 FreePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  const quint16 port = probe.serverPort();
  probe.close();
  return port;
}

// The coded messages a window showed (nobody is there to answer them).
std::vector<int>& WatchMessages(TForm1& w, std::vector<int>& into) {
  w.callouts().SetMessageObserver([&into](const GameMessageBox& box) { into.push_back(box.code); });
  return into;
}

template <typename T>
T* Child(QWidget& parent, const char* name) {
  return parent.findChild<T*>(QString::fromLatin1(name));
}

QString ChatText(TForm1& w) {
  return Child<QLineEdit>(w, "ChatEdit")->text();
}

TEST(NetworkDialog, OpensWithTheDefaultNameAndAddressAndServerChosen) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  for (const int lang : {0, 1}) {
    w.game().program.Lang = lang;
    TNetworkForm form(w.game(), w.network(), &w);
    EXPECT_EQ(Child<QLineEdit>(form, "NameEdit")->text(),
              QString::fromUtf8(lang == 1 ? "Tarven" : "Тарвен"));
    EXPECT_EQ(Child<QLineEdit>(form, "NameEdit")->maxLength(), 20);
    EXPECT_EQ(Child<QLineEdit>(form, "PortEdit")->text(), QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(Child<QRadioButton>(form, "ServerRadioButton")->isChecked());
    EXPECT_FALSE(Child<QLineEdit>(form, "PortEdit")->isEnabled());
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(lang == 1 ? "Network game" : "Сетевая игра"));
    // "Connect" opens the address; "Server" closes it again.
    Child<QRadioButton>(form, "ConnectRadioButton")->click();
    EXPECT_TRUE(Child<QLineEdit>(form, "PortEdit")->isEnabled());
    EXPECT_TRUE(Child<QLabel>(form, "PortLabel")->isEnabled());
    Child<QRadioButton>(form, "ServerRadioButton")->click();
    EXPECT_FALSE(Child<QLineEdit>(form, "PortEdit")->isEnabled());
  }
}

TEST(NetworkDialog, AMissingNameOrAddressIsToldAndTheDialogStaysOpen) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  w.network().SetPort(FreePort());
  struct Case {
    const char* button;
    QString name, address;
    int message;
  };
  const Case cases[] = {
      {"ServerRadioButton", QString(), QString(), kMsgNoName},
      {"ConnectRadioButton", QString(), QStringLiteral("127.0.0.1"), kMsgNoName},
      {"ConnectRadioButton", QStringLiteral("Ann"), QString(), kMsgNoAddress},
  };
  for (const Case& c : cases) {
    std::vector<int> messages;
    WatchMessages(w, messages);
    TNetworkForm form(w.game(), w.network(), &w);
    form.show();
    Child<QRadioButton>(form, c.button)->click();
    Child<QLineEdit>(form, "NameEdit")->setText(c.name);
    Child<QLineEdit>(form, "PortEdit")->setText(c.address);
    Child<QPushButton>(form, "OKButton")->click();
    EXPECT_EQ(messages, std::vector<int>{c.message}) << c.button;
    EXPECT_TRUE(form.isVisible()) << c.button;
    EXPECT_EQ(w.game().program.NetRole, -1);
    EXPECT_FALSE(w.network().Active());
  }
}

TEST(NetworkDialog, ANameOfBlanksServesAndTheMenuDialogOpens) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  w.network().SetPort(FreePort());
  const bool opened = WithDialogOf(w, "MMNet", [&](QDialog& d) {
    Child<QLineEdit>(d, "NameEdit")->setText(QStringLiteral("   "));
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(w.game().program.NetRole, 1);
  EXPECT_TRUE(w.network().Active());
  EXPECT_TRUE(w.windowTitle().endsWith(QString::fromUtf8(" - сетевая игра"))) << w.windowTitle().toStdString();
  // No partner yet: the client's games are out of reach, the table refuses
  // play with message 16, and "Disconnect" ends it all.
  EXPECT_FALSE(MenuItem(w, "MMScarf")->isEnabled());
  std::vector<int> messages;
  WatchMessages(w, messages);
  const bool closed = WithDialogOf(w, "MMNet", [&](QDialog& d) {
    Child<QRadioButton>(d, "DisconnectRadioButton")->click();
    Child<QPushButton>(d, "OKButton")->click();
  });
  EXPECT_TRUE(closed);
  EXPECT_EQ(w.game().program.NetRole, -1);
  EXPECT_FALSE(w.network().Active());
  EXPECT_EQ(messages, std::vector<int>{kMsgPartnerLeft});
  EXPECT_FALSE(w.windowTitle().endsWith(QString::fromUtf8(" - сетевая игра")));
}

TEST(NetworkDialog, AServerNobodyAnswersIsToldWithMessageThirteen) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  w.network().SetPort(FreePort());
  std::vector<int> messages;
  WatchMessages(w, messages);
  ASSERT_TRUE(w.network().StartSession(false, "Ann", QStringLiteral("127.0.0.1")));
  EXPECT_EQ(w.game().program.NetRole, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.game().program.NetRole == -1; }, kSessionWaitMs));
  EXPECT_EQ(messages, std::vector<int>{kMsgServerSilent});
}

// A port another program holds: the server cannot open, says so with
// message 10, and no session starts; the dialog stays open.
TEST(NetworkDialog, AServerThatCannotListenIsToldWithMessageTen) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  QTcpServer holder;
  ASSERT_TRUE(holder.listen(QHostAddress::Any, 0));
  w.network().SetPort(holder.serverPort());
  std::vector<int> messages;
  WatchMessages(w, messages);
  TNetworkForm form(w.game(), w.network(), &w);
  form.show();
  Child<QPushButton>(form, "OKButton")->click();
  EXPECT_EQ(messages, std::vector<int>{kMsgServerError});
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(w.game().program.NetRole, -1);
  EXPECT_FALSE(w.network().Active());
  EXPECT_FALSE(w.windowTitle().endsWith(QString::fromUtf8(" - сетевая игра")));
}

TEST(AboutDialog, ThePictureGrowsToItsPlaceAndTheTextsFollowTheLanguage) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  for (const int lang : {0, 1}) {
    w.game().program.Lang = lang;
    TAboutForm form(w.game(), w.artwork(), w.shell(), &w);
    EXPECT_EQ(form.PictureRect(), QRect(47, 35, 0, 0));
    for (int v = 0; v < TAboutForm::kGrowSteps; ++v) form.GrowStep(v);
    EXPECT_EQ(form.PictureRect(), QRect(25, 11, 44, 48));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(lang == 1 ? "About the game" : "О программе"));
    EXPECT_EQ(Child<QLabel>(form, "InternetLabel")->text(),
              QString::fromUtf8(lang == 1 ? "Game Home Page" : "Страница в интернет"));
    EXPECT_EQ(form.size(), QSize(343, 192));
  }
  // Opened from the menu, it grows by itself.
  const bool opened = WithDialogOf(w, "MAbout1", [&](QDialog& d) {
    auto& about = static_cast<TAboutForm&>(d);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !about.Growing(); }, 5000));
    EXPECT_EQ(about.PictureRect(), QRect(25, 11, 44, 48));
  });
  EXPECT_TRUE(opened);
}

// Two windows of one process play each other: the server's dialog, then
// the client's; the captions gain the network suffix, each side shows the
// other's name, and a chat line crosses with its first letter upper-cased.
TEST(NetworkSession, TwoWindowsMeetShowEachOthersNameAndChat) {
  StartFrom({});
  TForm1 server(Edition285(), QuietStart(0, 1, 5));
  TForm1 client(Edition285(), QuietStart(0, 1, 6));
  server.ShowAndStart();
  client.ShowAndStart();
  const quint16 port = FreePort();
  server.network().SetPort(port);
  client.network().SetPort(port);

  TNetworkForm serverForm(server.game(), server.network(), &server);
  Child<QLineEdit>(serverForm, "NameEdit")->setText(QStringLiteral("tarven"));
  serverForm.OKButtonClick();
  ASSERT_EQ(serverForm.result(), QDialog::Accepted);
  TNetworkForm clientForm(client.game(), client.network(), &client);
  Child<QRadioButton>(clientForm, "ConnectRadioButton")->click();
  Child<QLineEdit>(clientForm, "NameEdit")->setText(QStringLiteral("bob"));
  clientForm.OKButtonClick();
  ASSERT_EQ(clientForm.result(), QDialog::Accepted);

  const QString suffix = QString::fromUtf8(" - сетевая игра");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        return !client.network().Session().AwaitingDeal() &&
               client.network().Session().HandshakeDone() && server.AtRest() && client.AtRest();
      },
      kSessionWaitMs))
      << "the first deal did not arrive";
  EXPECT_TRUE(server.windowTitle().endsWith(suffix)) << server.windowTitle().toStdString();
  EXPECT_TRUE(client.windowTitle().endsWith(suffix)) << client.windowTitle().toStdString();
  EXPECT_EQ(server.game().program.NetNames[0], "Bob");
  EXPECT_EQ(client.game().program.NetNames[1], "Tarven");
  EXPECT_TRUE(ChatText(server).contains("Bob")) << ChatText(server).toStdString();
  EXPECT_TRUE(ChatText(client).contains("Tarven")) << ChatText(client).toStdString();
  EXPECT_TRUE(Child<QLineEdit>(client, "ChatEdit")->isVisible());
  // The client's hand is the server's computer seat.
  EXPECT_EQ(server.game().t.RowCount[0], client.game().t.RowCount[1]);
  // On the client "New game" is out of reach while the session runs.
  client.shell().RefreshMenus();
  EXPECT_FALSE(MenuItem(client, "MNewGame")->isEnabled());

  // A line being typed survives the status bar's refresh at the next move.
  QLineEdit* chat = Child<QLineEdit>(client, "ChatEdit");
  chat->clear();
  QTest::keyClicks(chat, QStringLiteral("  hello there "));
  client.callouts().UpdateStatusBar();
  EXPECT_EQ(chat->text(), QStringLiteral("  hello there "));
  Child<QPushButton>(client, "ChatButton")->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ChatText(server) == QStringLiteral("Hello there"); },
                              kSessionWaitMs))
      << ChatText(server).toStdString();
  client.callouts().UpdateStatusBar();  // once sent, the field shows the partner again
  EXPECT_TRUE(ChatText(client).contains("Tarven")) << ChatText(client).toStdString();
  // KALVENAR_NETWORK_SCREENSHOT=FILE keeps a picture of the server's window.
  if (const QByteArray file = qgetenv("KALVENAR_NETWORK_SCREENSHOT"); !file.isEmpty()) {
    EXPECT_TRUE(server.grab().save(QString::fromLocal8Bit(file), "PNG"));
  }

  // The client leaves: the server tells its player and the computer sits
  // down again.
  std::vector<int> messages;
  WatchMessages(server, messages);
  client.network().EndSession();
  EXPECT_EQ(client.game().program.NetRole, -1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return server.game().program.NetRole == -1; }, kSessionWaitMs));
  EXPECT_EQ(messages, std::vector<int>{kMsgPartnerLeft});
  EXPECT_FALSE(server.windowTitle().endsWith(suffix));
}

// The window as the client of the headless peer: the tool's deal and its
// chat line arrive, and the window shows the tool's name.
TEST(NetworkSession, TheWindowPlaysTheHeadlessPeer) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart(0, 1, 7));
  w.ShowAndStart();
  const quint16 port = FreePort();
  QProcess tool;
  tool.start(QStringLiteral(KALVENAR_CLI),
             {"net", "--listen", QString::number(port), "--name", "robot", "--timeout", "20",
              "--vidg", "6", "--formg", "0", "--chat", "hi from the tool"});
  ASSERT_TRUE(tool.waitForStarted(5000));
  w.network().SetPort(port);
  // The tool may not listen yet: the window tries until it does.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        if (w.game().program.NetRole == -1)
          w.network().StartSession(false, "ann", QStringLiteral("127.0.0.1"));
        return w.network().Session().ChatReceived().size() == 1;
      },
      kSessionWaitMs))
      << tool.readAllStandardError().toStdString();
  EXPECT_EQ(w.network().Session().ChatReceived()[0], "Hi from the tool");
  EXPECT_EQ(w.game().program.NetNames[1], "Robot");
  EXPECT_EQ(w.game().t.VidG, 6);  // the tool deals Eights
  EXPECT_TRUE(w.windowTitle().endsWith(QString::fromUtf8(" - сетевая игра")));
  w.network().EndSession();
  // The tool sees its partner go and leaves with status 3.
  // It may have gone already, while the window was still closing the session.
  if (tool.state() != QProcess::NotRunning) {
    ASSERT_TRUE(tool.waitForFinished(kSessionWaitMs));
  }
  EXPECT_EQ(tool.exitCode(), 3) << tool.readAllStandardOutput().toStdString()
                                << tool.readAllStandardError().toStdString();
}

// A partner that says its name and then stops half-way through a record:
// the window goes on answering, and "Disconnect" in the dialog ends the
// session, the computer taking the partner's seat.
TEST(NetworkSession, AStalledPartnerNeverFreezesTheWindowAndIsEndedFromTheDialog) {
  StartFrom({});
  TForm1 w(Edition285(), QuietStart());
  w.ShowAndStart();
  const quint16 port = FreePort();
  w.network().SetPort(port);
  ASSERT_TRUE(w.network().StartSession(true, "Tarven", QString()));
  QTcpSocket partner;
  partner.connectToHost(QHostAddress::LocalHost, port);
  ASSERT_TRUE(partner.waitForConnected(5000));
  partner.write("bob");
  partner.flush();
  // The server's name and its first deal come back.
  QByteArray heard;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        heard += partner.readAll();
        return heard.size() >= static_cast<qsizetype>(6 + kNetMessageSize);
      },
      kSessionWaitMs));
  EXPECT_TRUE(heard.startsWith("Tarven"));
  partner.write(QByteArray(static_cast<qsizetype>(kNetMessageSize / 2), '\0'));
  partner.flush();
  // The window's own timers still run while the record stays unfinished.
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
  tick.start(10);
  QTest::qWait(300);
  EXPECT_GT(ticks, 5);
  EXPECT_EQ(w.game().program.NetRole, 1);
  EXPECT_TRUE(w.AtRest());

  std::vector<int> messages;
  WatchMessages(w, messages);
  const bool opened = WithDialogOf(w, "MMNet", [&](QDialog& d) {
    Child<QRadioButton>(d, "DisconnectRadioButton")->click();
    Child<QPushButton>(d, "OKButton")->click();
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(w.game().program.NetRole, -1);
  EXPECT_EQ(messages, std::vector<int>{kMsgPartnerLeft});
  EXPECT_TRUE(QTest::qWaitFor([&] { return partner.state() == QAbstractSocket::UnconnectedState; },
                              kSessionWaitMs));
}

}  // namespace
