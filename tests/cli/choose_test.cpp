#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "persistence/save_record.h"
#include "run_cli.h"

namespace {

using json = nlohmann::ordered_json;

std::vector<char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A dealt Simple durak table saved in both slots of a file.
struct SavedDeal {
  explicit SavedDeal(const std::string& name, const std::string& dealArgs)
      : path("choose_" + name + "_" + std::to_string(::getpid()) + ".dat") {
    const CliRun deal = RunCli("deal " + dealArgs + " --save " + path);
    EXPECT_EQ(deal.status, 0) << deal.err;
    dealt = json::parse(deal.out);
  }
  ~SavedDeal() { std::remove(path.c_str()); }
  std::string path;
  json dealt;
};

// The computer's lowest card: the last present slot of its sorted hand.
int LastSlot(const json& dealt) {
  return dealt["RowCount"][0].get<int>() - 1;
}

TEST(CliChoose, TheProfessionalLeadsTheLastCardOfItsHand) {
  SavedDeal s("lead", "--vidg 0 --formg 1 --seed 5");
  const CliRun run = RunCli("choose --state " + s.path + " --ask lead");
  ASSERT_EQ(run.status, 0) << run.err;
  const json out = json::parse(run.out);
  std::vector<std::string> keys;
  for (auto it = out.begin(); it != out.end(); ++it) keys.push_back(it.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"ask", "slot", "suit", "rank"}));
  EXPECT_EQ(out["ask"], "lead");
  const int slot = LastSlot(s.dealt);
  EXPECT_EQ(out["slot"], slot);
  EXPECT_EQ(out["suit"], s.dealt["rows"][0][slot][0]);
  EXPECT_EQ(out["rank"], s.dealt["rows"][0][slot][1]);
}

TEST(CliChoose, TheFileIsNeverChanged) {
  SavedDeal s("unchanged", "--vidg 0 --formg 2 --seed 9");
  const std::vector<char> before = ReadAll(s.path);
  for (const char* ask : {"lead", "add", "transfer", "endgame"}) {
    const CliRun run = RunCli("choose --state " + s.path + " --ask " + ask + " --slot 0");
    EXPECT_EQ(run.status, 0) << ask << ": " << run.err;
  }
  EXPECT_EQ(ReadAll(s.path), before);
}

TEST(CliChoose, NothingToAddGivesSlotMinusOneAndNullCard) {
  SavedDeal s("add", "--vidg 0 --formg 1 --seed 5");
  const CliRun run = RunCli("choose --state " + s.path + " --ask add");
  ASSERT_EQ(run.status, 0) << run.err;
  const json out = json::parse(run.out);
  EXPECT_EQ(out["slot"], -1);
  EXPECT_TRUE(out["suit"].is_null());
  EXPECT_TRUE(out["rank"].is_null());
}

TEST(CliChoose, SettingsChangeThePersonality) {
  SavedDeal s("style", "--vidg 0 --formg 1 --seed 5");
  // The child leads at random: over a few seeds more than one card comes.
  std::set<int> slots;
  for (int seed = 0; seed < 12; ++seed) {
    const CliRun run = RunCli("choose --state " + s.path + " --ask lead --set Style=0 --seed " +
                              std::to_string(seed));
    ASSERT_EQ(run.status, 0) << run.err;
    slots.insert(json::parse(run.out)["slot"].get<int>());
  }
  EXPECT_GT(slots.size(), 1u);
  const CliRun same1 = RunCli("choose --state " + s.path + " --ask lead --set Style=0 --seed 3");
  const CliRun same2 = RunCli("choose --state " + s.path + " --ask lead --set Style=0 --seed 3");
  EXPECT_EQ(same1.out, same2.out) << "the same seed gives the same choice";
}

TEST(CliChoose, CoveringAsksForAnAttackCard) {
  SavedDeal s("cover", "--vidg 0 --formg 1 --seed 5");
  const CliRun run = RunCli("choose --state " + s.path + " --ask cover");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("attack card"), std::string::npos);

  // Put the player's first card on the table as the attack, in slot 1.
  std::vector<char> bytes = ReadAll(s.path);
  const std::size_t record = kSaveRecordSize;
  auto card = [&](int row, int slot) { return record + kCardsOffset + (row * 52 + slot) * 12; };
  for (int b = 0; b < 9; ++b) bytes[card(2, 0) + b] = bytes[card(1, 0) + b];
  bytes[card(1, 0) + 8] = 0;
  WriteAll(s.path, bytes);
  const CliRun cover = RunCli("choose --state " + s.path + " --ask cover --at 0");
  ASSERT_EQ(cover.status, 0) << cover.err;
  const json out = json::parse(cover.out);
  EXPECT_EQ(out["ask"], "cover");
  const int slot = out["slot"].get<int>();
  if (slot >= 0) {  // whatever it chose must beat the attack card
    const json& attack = s.dealt["rows"][1][0];
    const int trump = s.dealt["TrumpSuit"].get<int>();
    const bool sameSuitHigher = out["suit"] == attack[0] && out["rank"] > attack[1];
    const bool trumped = out["suit"] == trump && attack[0] != trump;
    EXPECT_TRUE(sameSuitHigher || trumped) << cover.out;
  }
}

TEST(CliChoose, BadInputEndsWithStatusTwoAndOneLine) {
  SavedDeal s("bad", "--vidg 0 --formg 1 --seed 5");
  const std::vector<std::string> bad = {
      "choose --state " + s.path + " --ask fish",
      "choose --state " + s.path + " --ask lead --slot 2",
      "choose --state " + s.path + " --ask lead --colour red",
      "choose --state " + s.path + " --ask lead --set Style=9",
      "choose --state " + s.path + " --ask lead --set Nonsense=1",
      "choose --state " + s.path + " --ask cover --at 52",
      "choose --state no_such_file.dat --ask lead",
      "choose --ask lead",
  };
  for (const std::string& args : bad) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
  }
}

TEST(CliChoose, AShortOrDamagedRecordIsRefused) {
  SavedDeal s("damaged", "--vidg 0 --formg 1 --seed 5");
  std::vector<char> bytes = ReadAll(s.path);
  bytes.resize(kSaveRecordSize + 100);
  WriteAll(s.path, bytes);
  EXPECT_EQ(RunCli("choose --state " + s.path + " --ask lead").status, 2) << "slot 1 is cut short";
  EXPECT_EQ(RunCli("choose --state " + s.path + " --ask lead --slot 0").status, 0);
  bytes[kCardsOffset + 4] = 77;  // a Rank far outside 0..12 in slot 0
  WriteAll(s.path, bytes);
  const CliRun run = RunCli("choose --state " + s.path + " --ask lead --slot 0");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Rank"), std::string::npos) << run.err;
}

}  // namespace
