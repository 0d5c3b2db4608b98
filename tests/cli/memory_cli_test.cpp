// kalvenar-cli with Memory: cards turned by clicks and by the keys of the
// older edition, and self-play of both sizes with its checks.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli_json.h"

namespace {

using json = nlohmann::ordered_json;

int FaceUp(const json& d) {
  int n = 0;
  for (const auto& up : d["opened"][0]) n += up.get<int>() != 0;
  return n;
}

TEST(CliMemory, SelfPlayOfEverySizeEndsEveryDealWithNoViolation) {
  for (const std::string game : {"--vidg 24", "--vidg 25", "--vidg 21 --edition 2.84"}) {
    const json r = Cli("selfplay " + game + " --formg 0 --games 200 --seed 3");
    EXPECT_EQ(r["invariant_violations"], 0) << game;
    EXPECT_EQ(r["games"], 200) << game;
    EXPECT_GT(r["actions"].get<int>(), 200 * 18) << "at least one turn a card";
  }
}

TEST(CliMemory, TwoClicksTurnTwoCardsAndAThirdTurnsANewPair) {
  const json two = Cli("play --vidg 24 --formg 0 --seed 1 --do click:0:3 --do click:0:7");
  EXPECT_EQ(two["CoverIndex"], 2);
  EXPECT_EQ(two["FirstDiscardDone"], 2);
  EXPECT_EQ(two["opened"][0][3], 1);
  EXPECT_EQ(two["opened"][0][7], 1);
  const json again = Cli("play --vidg 24 --formg 0 --seed 1 --do click:0:3 --do click:0:3");
  EXPECT_EQ(again["CoverIndex"], 1) << "a face-up card does not turn again";
  const json three =
      Cli("play --vidg 24 --formg 0 --seed 1 --do click:0:3 --do click:0:7 --do click:0:11");
  const bool pair = two["rows"][0][3][1] == two["rows"][0][7][1];
  EXPECT_EQ(FaceUp(three), pair ? 3 : 1);
  EXPECT_EQ(three["CoverIndex"], 1);
}

TEST(CliMemory, TheArrowsAndCtrlTurnACardInTheOlderEdition) {
  const json d = Cli(
      "play --edition 2.84 --vidg 21 --formg 0 --seed 2 --do key:Right --do key:Down "
      "--do key:Ctrl");
  EXPECT_EQ(d["opened"][0][9], 1) << "the first key selects slot 0, Down goes to the next row";
  EXPECT_EQ(FaceUp(d), 1);
}

}  // namespace
