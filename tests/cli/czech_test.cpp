// kalvenar-cli with Czech durak (VidG 5): positions played from a fresh deal
// and from a save file, and self-play of every form with its checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "cli_json.h"

namespace {

using json = nlohmann::ordered_json;

json TopOfPile(const json& d) {
  const int n = d["RowCount"][2].get<int>();
  return d["rows"][2][n - 1];
}

// The first card of the player's hand that may (or may not) be laid on the
// pile: the suit in force, the top card's rank or the queen.
int PlayerCard(const json& d, bool fits) {
  const json top = TopOfPile(d);
  const auto& hand = d["rows"][1];
  for (size_t s = 0; s < hand.size(); ++s) {
    if (hand[s][2] != 1) continue;
    const bool legal = hand[s][0] == d["TrumpSuit"] || hand[s][1] == top[1] || hand[s][1] == 10;
    if (legal == fits) return static_cast<int>(s);
  }
  return -1;
}

TEST(CliCzech, SelfPlayOfEveryFormEndsEveryDealWithNoViolation) {
  for (int formg = 3; formg <= 9; ++formg) {
    // Pentagon's deals run long: fewer of them.
    const int games = formg == 9 ? 20 : 300;
    const json r = Cli("selfplay --vidg 5 --formg " + std::to_string(formg) + " --games " +
                       std::to_string(games) + " --seed 1");
    EXPECT_EQ(r["invariant_violations"], 0) << formg;
    EXPECT_EQ(r["games"], games) << formg;
  }
}

TEST(CliCzech, TheSharpersSwindlesAndTheGuessingGameKeepTheTableWhole) {
  for (const std::string formg : {"4", "9"}) {
    const json r = Cli("selfplay --vidg 5 --formg " + formg +
                       " --games 40 --seed 2 --set Style=4 --set Level=2");
    EXPECT_EQ(r["invariant_violations"], 0) << formg;
  }
}

TEST(CliCzech, TheFirstMoveIsMadeAndThePlayerHasTheTurn) {
  const json d = Cli("play --vidg 5 --formg 7 --seed 3");
  EXPECT_EQ(d["WhoseTurn"], 1);
  EXPECT_EQ(d["FirstDiscardDone"], 1);
  EXPECT_GE(d["RowCount"][2].get<int>(), 1) << "the computer opened";
  EXPECT_EQ(d["TrumpSuit"], TopOfPile(d)[0]);
  EXPECT_EQ(d["CommentId"], 0);
  EXPECT_EQ(d["CzechPoints"], json::array({0, 0}));
}

TEST(CliCzech, ALegalCardGoesOnThePileAndAnIllegalOneStaysInTheHand) {
  const json d = Cli("play --vidg 5 --formg 7 --seed 3");
  const int legal = PlayerCard(d, true);
  const int illegal = PlayerCard(d, false);
  ASSERT_NE(legal, -1);
  ASSERT_NE(illegal, -1);
  const json refused = Cli("play --vidg 5 --formg 7 --seed 3 --do click:1:" + std::to_string(illegal));
  EXPECT_EQ(refused["rows"], d["rows"]);
  EXPECT_EQ(refused["actions"], 1);
  const json laid = Cli("play --vidg 5 --formg 7 --seed 3 --do click:1:" + std::to_string(legal));
  const json card = d["rows"][1][legal];
  bool onPile = false;
  for (const auto& c : laid["rows"][2]) onPile = onPile || (c[0] == card[0] && c[1] == card[1] && c[2] == 1);
  EXPECT_TRUE(onPile);
  EXPECT_EQ(laid["WhoseTurn"], 1);
}

TEST(CliCzech, TakeCardTurnsIntoPassOutsideTheSimpleForm) {
  for (const std::string formg : {"3", "7"}) {
    const json d = Cli("play --vidg 5 --formg " + formg + " --seed 3");
    const json drew = Cli("play --vidg 5 --formg " + formg + " --seed 3 --do button");
    EXPECT_EQ(CardsInRow(drew, 1), CardsInRow(d, 1) + 1) << formg;
    EXPECT_EQ(drew["ButtonCaptionId"], formg == "3" ? 3 : 4) << formg;
  }
  // The second press passes: the computer plays and the turn comes back.
  const json passed = Cli("play --vidg 5 --formg 7 --seed 3 --do button --do button");
  EXPECT_EQ(passed["WhoseTurn"], 1);
  EXPECT_EQ(passed["actions"], 2);
}

TEST(CliCzech, ASuitButtonWithNoOrderOpenChangesNothing) {
  const json d = Cli("play --vidg 5 --formg 4 --seed 5");
  const json pressed = Cli("play --vidg 5 --formg 4 --seed 5 --do suit:2");
  EXPECT_EQ(pressed["rows"], d["rows"]);
  EXPECT_EQ(pressed["TrumpSuit"], d["TrumpSuit"]);
}

TEST(CliCzech, APositionFromASaveFilePlaysOnAsStraightPlay) {
  const std::string file = TempFile("czech_position");
  // Seed 5: the player draws, passes, and the deal goes on.
  const json straight = Cli("play --vidg 5 --formg 8 --seed 5 --do button --do button");
  ASSERT_TRUE(straight["messages"].empty());
  Cli("play --vidg 5 --formg 8 --seed 5 --do button --save " + file);
  const json restored = Cli("play --state " + file + " --do button");
  std::remove(file.c_str());
  EXPECT_EQ(restored["VidG"], 5);
  EXPECT_EQ(restored["FormG"], 8);
  EXPECT_EQ(restored["rows"], straight["rows"]);
  EXPECT_EQ(restored["TrumpSuit"], straight["TrumpSuit"]);
  EXPECT_EQ(restored["CommentId"], straight["CommentId"]);
  EXPECT_EQ(restored["ButtonCaptionId"], straight["ButtonCaptionId"]);
  EXPECT_EQ(restored["CzechPoints"], straight["CzechPoints"]);
}

}  // namespace
