// kalvenar-cli with Hearts (VidG 23): the opening played by clicks and the
// Move button, a position saved and taken back, and self-play with its
// checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "cli_json.h"

namespace {

using json = nlohmann::ordered_json;

const std::string kOpening =
    "play --vidg 23 --formg 0 --seed 5 --do click:0:0 --do click:0:4 --do click:0:9";

TEST(CliHearts, ThreeClicksAndDropCardsShowTheReceivedCardsRaised) {
  const json chosen = Cli(kOpening);
  EXPECT_EQ(chosen["ButtonCaptionId"], 7);
  EXPECT_EQ(chosen["Hearts"]["passSlots"], json::array({0, 4, 9}));
  const json exchanged = Cli(kOpening + " --do button");
  EXPECT_EQ(exchanged["ButtonCaptionId"], 8);
  for (const auto& slot : exchanged["Hearts"]["passSlots"]) EXPECT_GE(slot.get<int>(), 0);
  for (int row = 0; row < 4; ++row) EXPECT_EQ(CardsInRow(exchanged, row), 13) << row;
  const json confirmed = Cli(kOpening + " --do button --do button");
  EXPECT_EQ(confirmed["TrumpSuit"], -1);
  EXPECT_EQ(confirmed["Hearts"]["seatToPlay"], 0);
  EXPECT_EQ(confirmed["Hearts"]["passSlots"], json::array({-1, -1, -1}));
}

// Clicks on every card of a hand of n from the last to the first: the
// cards the rules let him play go, the others stay, and each click still
// names a card.
std::string ClicksDown(int n) {
  std::string clicks;
  for (int s = n - 1; s >= 0; --s) clicks += " --do click:0:" + std::to_string(s);
  return clicks;
}

TEST(CliHearts, APositionSavedAndTakenBackPlaysOnAlike) {
  const std::string file = "hearts_position_" + std::to_string(::getpid()) + ".dat";
  const std::string played = kOpening + " --do button --do button" + ClicksDown(13);
  const json saved = Cli(played + " --save " + file);
  const std::string more = ClicksDown(CardsInRow(saved, 0));
  const json straight = Cli(played + more);
  const json restored = Cli("play --state " + file + more);
  std::remove(file.c_str());
  EXPECT_LT(CardsInRow(straight, 0), CardsInRow(saved, 0));
  EXPECT_EQ(restored["VidG"], 23);
  EXPECT_EQ(restored["rows"], straight["rows"]);
  EXPECT_EQ(restored["Hearts"], straight["Hearts"]);
}

TEST(CliHearts, SelfPlayEndsEveryGameWithNoViolation) {
  const json r = Cli("selfplay --vidg 23 --formg 0 --games 100 --seed 1");
  EXPECT_EQ(r["invariant_violations"], 0);
  EXPECT_EQ(r["games"], 100);
  EXPECT_EQ(r["wins"].get<int>() + r["losses"].get<int>() + r["draws"].get<int>(), 100);
}

TEST(CliHearts, TheSuperLevelBeatsThreeLowHandsMoreOftenThanAQuarter) {
  const json r =
      Cli("selfplay --vidg 23 --formg 0 --games 300 --seed 2 --set Level=0 --player-level 3");
  EXPECT_EQ(r["invariant_violations"], 0);
  EXPECT_GT(r["wins"].get<int>() * 100 / 300, 33);
}

}  // namespace
