#include <gtest/gtest.h>
#include <unistd.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "run_cli.h"

namespace {

std::vector<nlohmann::json> JsonLines(const std::string& out) {
  std::vector<nlohmann::json> lines;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty()) lines.push_back(nlohmann::json::parse(line));
  }
  return lines;
}

int FreshPort() {
  static int next = 0;
  return 20000 + static_cast<int>(::getpid() % 20000) + 7 * next++;
}

struct Match {
  CliRun server, client;
};

// A server and a client on the loopback, side by side.
Match PlayMatch(const std::string& serverArgs, const std::string& clientArgs) {
  const std::string port = std::to_string(FreshPort());
  Match m;
  std::thread server(
      [&] { m.server = RunCli("net --listen " + port + " --timeout 20 " + serverArgs); });
  m.client = RunCli("net --connect 127.0.0.1:" + port + " --timeout 20 " + clientArgs);
  server.join();
  return m;
}

void ExpectAgreedMatch(const Match& m, int games, int vidg, int formg) {
  ASSERT_EQ(m.server.status, 0) << "server: " << m.server.err << "client: " << m.client.err;
  ASSERT_EQ(m.client.status, 0) << "client: " << m.client.err << "server: " << m.server.err;
  const auto s = JsonLines(m.server.out);
  const auto c = JsonLines(m.client.out);
  ASSERT_EQ(s.size(), static_cast<size_t>(games + 1));
  ASSERT_EQ(c.size(), static_cast<size_t>(games + 1));
  const std::map<std::string, std::string> mirrored = {
      {"win", "loss"}, {"loss", "win"}, {"draw", "draw"}};
  for (int i = 0; i < games; ++i) {
    EXPECT_EQ(s[i]["round"], i + 1);
    EXPECT_EQ(s[i]["VidG"], vidg);
    EXPECT_EQ(s[i]["FormG"], formg);
    EXPECT_EQ(c[i]["VidG"], vidg);
    EXPECT_EQ(mirrored.at(s[i]["result"]), c[i]["result"]) << "round " << i + 1;
  }
  const auto& ss = s.back();
  const auto& cs = c.back();
  EXPECT_EQ(ss["games"], games);
  EXPECT_EQ(ss["wins"], cs["losses"]);
  EXPECT_EQ(ss["losses"], cs["wins"]);
  EXPECT_EQ(ss["draws"], cs["draws"]);
  // The server may have dealt the round after the last before the client left.
  const int unread = ss["messages_sent"].get<int>() - cs["messages_received"].get<int>();
  EXPECT_TRUE(unread == 0 || unread == 1) << unread;
  EXPECT_EQ(cs["messages_sent"], ss["messages_received"]);
}

TEST(CliNet, TwoPeersAgreeOnTwentyRoundsOfEachGame) {
  struct Case {
    int vidg, formg;
  };
  for (const Case& c : {Case{0, 0}, Case{0, 2}, Case{5, 3}, Case{5, 7}, Case{6, 0}, Case{7, 0}}) {
    const std::string game =
        "--vidg " + std::to_string(c.vidg) + " --formg " + std::to_string(c.formg);
    const Match m =
        PlayMatch("--name Tarven --games 20 --seed 5 --chat 'hello from the server' " + game,
                  "--name bob --games 20 --seed 6 --chat 'ну, поехали'");
    ExpectAgreedMatch(m, 20, c.vidg, c.formg);
    // A failed match prints no closing line to read the chat from.
    if (HasFailure()) return;
    const auto s = JsonLines(m.server.out);
    const auto cl = JsonLines(m.client.out);
    ASSERT_FALSE(s.empty());
    ASSERT_FALSE(cl.empty());
    EXPECT_EQ(s.back()["chat_received"], nlohmann::json::array({"Ну, поехали"}));
    EXPECT_EQ(cl.back()["chat_received"], nlohmann::json::array({"Hello from the server"}));
  }
}

TEST(CliNet, Edition284PlaysEdition285) {
  const Match m = PlayMatch("--name Tarven --games 10 --seed 8 --edition 2.84 --vidg 0 --formg 1",
                            "--name Ann --games 10 --seed 9 --edition 2.85");
  ExpectAgreedMatch(m, 10, 0, 1);
}

TEST(CliNet, APeerThatSendsGarbageEndsWithStatusThree) {
  const std::string port = std::to_string(FreshPort());
  CliRun server;
  std::thread t([&] { server = RunCli("net --listen " + port + " --name Tarven --timeout 10"); });
  ::usleep(300000);
  // A client that says its name and then sends nonsense instead of records.
  const std::string cmd =
      "exec 3<>/dev/tcp/127.0.0.1/" + port +
      " && printf 'bob' >&3 && sleep 1 && head -c 5000 /dev/zero | tr '\\\\0' '\\\\377' >&3 "
      "&& sleep 1";
  const int rc = std::system(("bash -c \"" + cmd + "\"").c_str());
  t.join();
  (void)rc;
  EXPECT_EQ(server.status, 3);
  EXPECT_NE(server.err.find("kalvenar-cli:"), std::string::npos) << server.err;
}

TEST(CliNet, NoPartnerWithinTheTimeoutEndsWithStatusThree) {
  const CliRun run =
      RunCli("net --listen " + std::to_string(FreshPort()) + " --name Tarven --timeout 1");
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("no progress"), std::string::npos) << run.err;
}

TEST(CliNet, ItsOptionsAreChecked) {
  for (const char* args : {"net --name x", "net --listen 0 --name x", "net --connect host --name x",
                           "net --listen 4000 --connect a:1 --name x",
                           "net --listen 4000 --name x --vidg 9 --formg 0"}) {
    EXPECT_EQ(RunCli(args).status, 2) << args;
  }
}

}  // namespace
