#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using json = nlohmann::ordered_json;

json Layout(const std::string& arguments) {
  const CliRun run = RunCli("layout " + arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);
}

TEST(CliLayout, PrintsEveryPlaceUnderItsOwnName) {
  const json d = Layout("--vidg 0 --formg 1 --outer 635x475 --client-height 429 --seed 3");
  std::vector<std::string> keys;
  for (auto it = d.begin(); it != d.end(); ++it) keys.push_back(it.key());
  EXPECT_EQ(keys, (std::vector<std::string>{
                      "VidG",        "FormG",       "HandGeometry",  "TableStep",   "RoadStep",
                      "TopLineY",    "BottomLineY", "ComputerHandY", "PlayerHandY", "AttackX",
                      "AttackY",     "DefenceX",    "DefenceY",      "PackX",       "PackY",
                      "SidePackX",   "TrumpX",      "TrumpY",        "TrumpIconX",  "TrumpIconY",
                      "NineCenterX", "NineLeftX",   "NineRightX",    "NineRowY",    "NineRowStep",
                      "LabelPack",   "MoveButton",  "TrumpPanel",    "CardX",       "CardY"}));
  EXPECT_EQ(d["HandGeometry"].size(), 53u);
  EXPECT_EQ(d["TableStep"].size(), 27u);
  EXPECT_EQ(d["RoadStep"].size(), 27u);
  EXPECT_EQ(d["CardX"].size(), 14u);
  EXPECT_EQ(d["CardY"][13].size(), 52u);
}

TEST(CliLayout, DurakAtTheSmallestWindow) {
  const json d = Layout("--vidg 0 --formg 1 --outer 635x475 --client-height 429");
  EXPECT_EQ(d["AttackX"], 10);
  EXPECT_EQ(d["PackX"], 499);
  EXPECT_EQ(d["TopLineY"], 110);
  EXPECT_EQ(d["BottomLineY"], 292);
  EXPECT_EQ(d["HandGeometry"][6], json({76, 79}));
  EXPECT_EQ(d["LabelPack"], json({594, 124}));
  EXPECT_EQ(d["MoveButton"], json({499, 260, 91, 27}));
  EXPECT_EQ(d["TrumpPanel"], json({453, 180}));
  // Durak has no Nine places and no grid places.
  EXPECT_TRUE(d["NineRowY"].is_null());
  EXPECT_TRUE(d["CardX"][0][0].is_null());
}

TEST(CliLayout, SmallerWindowIsTakenAsTheMinimum) {
  const json small = Layout("--vidg 0 --formg 1 --outer 400x300 --client-height 254");
  const json minimum = Layout("--vidg 0 --formg 1 --outer 635x475 --client-height 429");
  EXPECT_EQ(small, minimum);
}

TEST(CliLayout, NineWritesItsSuitRows) {
  const json d = Layout("--vidg 7 --formg 0 --outer 1600x1000 --client-height 954 --seed 5");
  EXPECT_EQ(d["NineRowY"], 278);
  EXPECT_EQ(d["NineRowStep"], 98);
  EXPECT_EQ(d["NineCenterX"], 480);
  EXPECT_EQ(d["PlayerHandY"], 833);
}

TEST(CliLayout, HeartsRaisesTheChosenCards) {
  const json d = Layout(
      "--vidg 23 --formg 0 --outer 635x475 --client-height 429 --seed 7 --pass-slots 2,-1,9");
  EXPECT_EQ(d["CardY"][0][0], 310);
  EXPECT_EQ(d["CardY"][0][2], 290);
  EXPECT_EQ(d["CardY"][0][9], 290);
  // The button stands over the sixth card of the player's hand.
  EXPECT_EQ(d["MoveButton"], json({263, 250, 120, 30}));
  EXPECT_TRUE(d["LabelPack"].is_null());
  EXPECT_TRUE(d["AttackX"].is_null());
  EXPECT_TRUE(d["CardX"][0][13].is_null());
  EXPECT_EQ(d["CardX"][4][3], 378);
}

TEST(CliLayout, PatienceWritesOnlyItsPlaces) {
  const json d = Layout("--vidg 18 --formg 0 --outer 635x475 --client-height 429");
  EXPECT_EQ(d["CardX"][11][0], 538);
  EXPECT_EQ(d["CardY"][11][0], 216);
  EXPECT_TRUE(d["CardX"][12][0].is_null());
  EXPECT_TRUE(d["HandGeometry"].is_null());
}

TEST(CliLayout, OlderEditionUsesItsOwnNumbers) {
  const json d = Layout("--vidg 21 --formg 0 --edition 2.84 --outer 1600x1000 --client-height 954");
  EXPECT_EQ(d["CardX"][0][35], 1208);  // Memory 36: 320 + 8*111
  EXPECT_TRUE(d["CardX"][0][36].is_null());
}

TEST(CliLayout, BadInputIsAUsageError) {
  const char* bad[] = {
      "--vidg 0 --formg 1 --outer 635x --client-height 429",
      "--vidg 0 --formg 1 --outer 635*475 --client-height 429",
      "--vidg 0 --formg 1 --outer -635x475 --client-height 429",
      "--vidg 0 --formg 1 --outer 99999999999x475 --client-height 429",
      "--vidg 0 --formg 1 --outer 635x475",
      "--vidg 0 --formg 0 --outer 635x475 --client-height x",
      "--vidg 4 --formg 0 --outer 635x475 --client-height 429",
      "--vidg 26 --formg 0 --outer 635x475 --client-height 429",
      "--vidg 23 --formg 0 --outer 635x475 --client-height 429 --pass-slots 1,2",
      "--vidg 23 --formg 0 --outer 635x475 --client-height 429 --pass-slots 1,2,3,4",
      "--vidg 23 --formg 0 --outer 635x475 --client-height 429 --pass-slots 1,2,",
      "--vidg 23 --formg 0 --outer 635x475 --client-height 429 --pass-slots 1,2,52",
      "--vidg 0 --formg 1 --outer 635x475 --client-height 429 --width 3",
  };
  for (const char* arguments : bad) {
    const CliRun run = RunCli(std::string("layout ") + arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_TRUE(run.out.empty()) << arguments;
    EXPECT_NE(run.err.find('\n'), std::string::npos) << arguments;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << arguments;
  }
}

}  // namespace
