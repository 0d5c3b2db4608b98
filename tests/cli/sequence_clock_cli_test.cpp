// kalvenar-cli with the sequence games, Clock, Joker and Paganini: self-play
// of each with its checks, and moves made by clicks on their cards.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli_json.h"

namespace {

using json = nlohmann::ordered_json;

int Cards(const json& d, int row) {
  int n = 0;
  for (const auto& c : d["rows"][row]) n += c[2].get<int>();
  return n;
}

TEST(CliSequenceClock, SelfPlayOfEachGameKeepsEveryRuleInBothEditions) {
  for (const std::string game :
       {"--vidg 12", "--vidg 14", "--vidg 15", "--vidg 17", "--vidg 18", "--vidg 19", "--vidg 21",
        "--vidg 22", "--vidg 17 --edition 2.84", "--vidg 19 --edition 2.84"}) {
    SCOPED_TRACE(game);
    const json r = Cli("selfplay " + game + " --formg 0 --games 40 --seed 4");
    EXPECT_EQ(r["invariant_violations"], 0);
    EXPECT_EQ(r["games"], 40);
    EXPECT_EQ(r["wins"].get<int>() + r["losses"].get<int>(), 40);
  }
}

TEST(CliSequenceClock, TheStocksOfPrisonerAndFirTreesAnswerAClick) {
  const json prisoner = Cli("play --vidg 14 --formg 0 --seed 2 --do click:0:23");
  EXPECT_EQ(Cards(prisoner, 0), 21);
  EXPECT_EQ(Cards(prisoner, 1) + Cards(prisoner, 2) + Cards(prisoner, 3), 6);
  const json fir = Cli("play --vidg 21 --formg 0 --seed 2 --do click:0:0");
  EXPECT_EQ(Cards(fir, 0), 25);
  EXPECT_EQ(Cards(fir, 1), 1);
}

TEST(CliSequenceClock, ClocksFirstCardGoesToThePileOfItsRank) {
  const json deal = Cli("play --vidg 17 --formg 0 --seed 6");
  const int rank = deal["rows"][0][3][1].get<int>();
  const int pile = rank == 11 ? 0 : rank == 12 ? 1 : rank + 2;
  const int top = Cards(deal, pile) - 1;
  const json moved = Cli("play --vidg 17 --formg 0 --seed 6 --do click:0:3 --do click:" +
                         std::to_string(pile) + ":" + std::to_string(top));
  if (pile != 0) {
    EXPECT_EQ(Cards(moved, 0), 3);
    EXPECT_EQ(Cards(moved, pile), 5);
  } else {
    EXPECT_EQ(Cards(moved, 0), 4) << "a king goes back under the centre";
  }
}

}  // namespace
