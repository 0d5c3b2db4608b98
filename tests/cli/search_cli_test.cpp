// selfplay with the searching professional: its times are reported only
// when something searches, and the player's seat may search too.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "run_cli.h"

namespace {

using json = nlohmann::ordered_json;

json SelfPlay(const std::string& arguments) {
  const CliRun run = RunCli("selfplay --vidg 0 --formg 2 --games 12 --seed 4 " + arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

TEST(CliSearch, WithoutSearchTheReportKeepsItsFields) {
  const json r = SelfPlay("--set Style=5");
  EXPECT_FALSE(r.contains("search_ms_median"));
  EXPECT_EQ(r.size(), 8u);
}

TEST(CliSearch, EitherSeatSearchingAddsItsTimesPerChoice) {
  for (const char* who : {"--set Search=1", "--player-search 1", "--set Search=1 --player-search 1"}) {
    const json r = SelfPlay(std::string("--set Style=5 ") + who);
    EXPECT_EQ(r["invariant_violations"], 0) << who;
    ASSERT_TRUE(r.contains("search_choices")) << who;
    EXPECT_GT(r["search_choices"].get<int>(), 0) << who;
    EXPECT_LE(r["search_ms_median"].get<double>(), r["search_ms_p99"].get<double>());
    EXPECT_LE(r["search_ms_p99"].get<double>(), r["search_ms_max"].get<double>());
  }
}

TEST(CliSearch, TheSameSeedReplaysTheSearch) {
  const json a = SelfPlay("--set Search=1 --player-search 1");
  const json b = SelfPlay("--set Search=1 --player-search 1");
  EXPECT_EQ(a["wins"], b["wins"]);
  EXPECT_EQ(a["actions"], b["actions"]);
}

TEST(CliSearch, APlayerSearchOtherThanZeroOrOneIsRefused) {
  const CliRun run = RunCli("selfplay --vidg 0 --formg 1 --games 1 --seed 1 --player-search 2");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.err.find("--player-search"), std::string::npos) << run.err;
}

}  // namespace
