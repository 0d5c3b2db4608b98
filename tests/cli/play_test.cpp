#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_json.h"

namespace {

using json = nlohmann::ordered_json;

json Play(const std::string& arguments) {
  const CliRun run = RunCli("play " + arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

TEST(CliPlay, AFreshDealIsTheDealOfTheSameSeedWithPlayOpened) {
  const CliRun deal = RunCli("deal --vidg 0 --formg 1 --seed 5");
  ASSERT_EQ(deal.status, 0) << deal.err;
  const json dealt = json::parse(deal.out);
  const json played = Play("--vidg 0 --formg 1 --seed 5");
  // Nobody has moved yet when the player leads: the table is the deal's.
  ASSERT_EQ(played["WhoseTurn"], 1);
  EXPECT_EQ(played["rows"], dealt["rows"]);
  EXPECT_EQ(played["actions"], 0);
  EXPECT_EQ(played["Stats"], json::array({0, 0, 0}));
  EXPECT_EQ(played["messages"], json::array());
}

TEST(CliPlay, ACardClickedIsLedAndAnsweredAndTheSameInputsGiveTheSameOutput) {
  const json before = Play("--vidg 0 --formg 1 --seed 5");
  const std::string args = "--vidg 0 --formg 1 --seed 5 --do click:1:0";
  const json after = Play(args);
  EXPECT_EQ(after["actions"], 1);
  EXPECT_EQ(CardsInRow(after, 2), 1) << "the lead lies on the table";
  EXPECT_EQ(CardsInRow(after, 1), CardsInRow(before, 1) - 1);
  EXPECT_EQ(Play(args).dump(), after.dump());
}

TEST(CliPlay, TheKeyboardPlaysAsTheMouseDoes) {
  // Right from no selection picks the last card; Up plays it.
  const json n = Play("--vidg 0 --formg 1 --seed 5");
  const int last = CardsInRow(n, 1) - 1;
  const json byMouse = Play("--vidg 0 --formg 1 --seed 5 --do click:1:" + std::to_string(last));
  const json byKeys = Play("--vidg 0 --formg 1 --seed 5 --do key:Right --do key:Up");
  EXPECT_EQ(byKeys["rows"], byMouse["rows"]);
}

TEST(CliPlay, APositionSavedAndTakenBackPlaysOnAlike) {
  const std::string file = "play_test_" + std::to_string(::getpid()) + ".dat";
  const json straight = Play("--vidg 0 --formg 1 --seed 5 --do click:1:0 --do button");
  Play("--vidg 0 --formg 1 --seed 5 --do click:1:0 --save " + file);
  const json restored = Play("--state " + file + " --do button");
  std::remove(file.c_str());
  EXPECT_EQ(restored["rows"], straight["rows"]);
  EXPECT_EQ(restored["WhoseTurn"], straight["WhoseTurn"]);
  EXPECT_EQ(restored["CommentId"], straight["CommentId"]);
}

TEST(CliPlay, BadInputIsRefusedWithOneLineAndStatus2) {
  const std::string file = "play_short_" + std::to_string(::getpid()) + ".dat";
  if (FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fputs("not a save file", f);
    std::fclose(f);
  }
  for (const std::string& args : std::vector<std::string>{
           "--vidg 0 --formg 1 --seed 5 --do click:1:30",  // no such card in the hand
           "--vidg 0 --formg 1 --seed 5 --do drag:1:0",    // half an action
           "--vidg 0 --formg 1 --seed 5 --do key:F2",      // not a key of play
           "--vidg 0 --formg 1 --seed 5 --answer maybe", "--vidg 0 --formg 9 --seed 5",
           "--state " + file, "--state missing.dat", "--state x.dat --vidg 0 --formg 1"}) {
    const CliRun run = RunCli("play " + args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
    EXPECT_NE(run.err.find('\n'), std::string::npos) << args;
  }
  std::remove(file.c_str());
}

}  // namespace
