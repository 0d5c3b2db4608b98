// kalvenar-cli with Eights (VidG 6) and Nine (VidG 7): positions played from
// a save file, and self-play with its checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "cli_json.h"

namespace {

using json = nlohmann::ordered_json;

// The slot of a card of the row, or -1.
int SlotOf(const json& d, int row, int suit, int rank) {
  const auto& cards = d["rows"][row];
  for (size_t s = 0; s < cards.size(); ++s) {
    if (cards[s][0] == suit && cards[s][1] == rank && cards[s][2] == 1) return static_cast<int>(s);
  }
  return -1;
}

TEST(CliEightsNine, SelfPlayEndsEveryDealWithNoViolation) {
  for (const std::string vidg : {"6", "7"}) {
    const json r = Cli("selfplay --vidg " + vidg + " --formg 0 --games 300 --seed 1");
    EXPECT_EQ(r["invariant_violations"], 0) << vidg;
    EXPECT_EQ(r["games"], 300);
    EXPECT_EQ(r["wins"].get<int>() + r["losses"].get<int>() + r["draws"].get<int>(), 300);
    if (vidg == "7") {
      EXPECT_EQ(r["draws"], 0);
    }
  }
}

TEST(CliEightsNine, AnEightsPositionFromASaveFilePlaysOnAsStraightPlay) {
  const std::string file = TempFile("eights_position");
  const json straight = Cli("play --vidg 6 --formg 0 --seed 3 --do button --do button");
  Cli("play --vidg 6 --formg 0 --seed 3 --do button --save " + file);
  const json restored = Cli("play --state " + file + " --do button");
  std::remove(file.c_str());
  EXPECT_EQ(restored["VidG"], 6);
  EXPECT_EQ(restored["rows"], straight["rows"]);
  EXPECT_EQ(restored["TrumpSuit"], straight["TrumpSuit"]);
  EXPECT_EQ(restored["CommentId"], straight["CommentId"]);
  EXPECT_EQ(restored["ButtonCaptionId"], straight["ButtonCaptionId"]);
}

TEST(CliEightsNine, ANinePositionFromASaveFileOpensWithTheNineOfDiamondsOnly) {
  const std::string file = TempFile("nine_position");
  // Seed 1 deals the nine of diamonds to the player.
  const json dealt = Cli("play --vidg 7 --formg 0 --seed 1 --save " + file);
  const int nine = SlotOf(dealt, 1, 2, 7);
  ASSERT_NE(nine, -1);
  const int other = nine == 0 ? 1 : 0;
  const json refused =
      Cli("play --state " + file + " --do button --do click:1:" + std::to_string(other));
  EXPECT_EQ(refused["rows"], dealt["rows"]) << "no pass and no other card before the nine";
  const json opened = Cli("play --state " + file + " --do click:1:" + std::to_string(nine));
  std::remove(file.c_str());
  EXPECT_EQ(opened["rows"][4][3], json::array({2, 7, 1}));
  EXPECT_EQ(opened["FirstDiscardDone"], 1);
  EXPECT_EQ(CardsInRow(opened, 1), 17);
  EXPECT_EQ(CardsInRow(opened, 0), 17) << "the computer answered with one card";
  EXPECT_EQ(opened["WhoseTurn"], 1);
}

TEST(CliEightsNine, TheKeysPlayAsTheMouseDoes) {
  // Seed 3: the computer has opened Eights with the six of hearts, and the
  // player's last card is the six of diamonds, which fits by rank.
  const json byMouse = Cli("play --vidg 6 --formg 0 --seed 3 --do click:1:17");
  const json byKeys = Cli("play --vidg 6 --formg 0 --seed 3 --do key:Right --do key:Up");
  EXPECT_EQ(CardsInRow(byMouse, 2), 3) << "laid and answered";
  EXPECT_EQ(byKeys["rows"], byMouse["rows"]);
  // Down is the Move button: in Nine it does nothing while a card fits.
  const json dealt = Cli("play --vidg 7 --formg 0 --seed 1");
  EXPECT_EQ(Cli("play --vidg 7 --formg 0 --seed 1 --do key:Down")["rows"], dealt["rows"]);
}

}  // namespace
