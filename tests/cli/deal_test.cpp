#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "core/catalogue.h"
#include "persistence/save_record.h"
#include "run_cli.h"

namespace {

using json = nlohmann::ordered_json;

std::string DealArgs(const CatalogueEntry& e, int seed, const char* edition) {
  return "deal --vidg " + std::to_string(e.VidG) + " --formg " + std::to_string(e.FormG) +
         " --seed " + std::to_string(seed) + " --edition " + edition;
}

void ExpectCardsAtMostOnce(const json& d) {
  std::set<int> seen;
  for (const auto& row : d["rows"]) {
    for (const auto& c : row) {
      if (c[2] == 1) {
        EXPECT_TRUE(seen.insert(c[0].get<int>() * 13 + c[1].get<int>()).second);
      }
    }
  }
}

TEST(CliDeal, EveryGameOfBothEditionsDealsTheSameForTheSameSeed) {
  for (const Edition* e : {&Edition285(), &Edition284()}) {
    const char* name = e == &Edition285() ? "2.85" : "2.84";
    for (int i = 0; i < e->catalogueSize; ++i) {
      const CatalogueEntry& entry = e->catalogue[i];
      const CliRun a = RunCli(DealArgs(entry, 42, name));
      ASSERT_EQ(a.status, 0) << a.err;
      const CliRun b = RunCli(DealArgs(entry, 42, name));
      EXPECT_EQ(a.out, b.out) << "same seed, same deal";
      const json d = json::parse(a.out);
      std::vector<std::string> keys;
      for (auto it = d.begin(); it != d.end(); ++it) keys.push_back(it.key());
      EXPECT_EQ(keys, (std::vector<std::string>{"VidG", "FormG", "PackSize", "TrumpSuit",
                                                "WhoseTurn", "GameDecided", "CoverIndex",
                                                "FirstDiscardDone", "RowCount", "rows", "opened"}));
      EXPECT_EQ(d["VidG"], entry.VidG);
      EXPECT_EQ(d["FormG"], entry.FormG);
      EXPECT_EQ(d["rows"].size(), 14u);
      EXPECT_EQ(d["rows"][0].size(), 52u);
      EXPECT_EQ(d["opened"][13].size(), 52u);
      ExpectCardsAtMostOnce(d);
    }
  }
}

TEST(CliDeal, DifferentSeedsGiveDifferentDeals) {
  const CliRun a = RunCli("deal --vidg 0 --formg 1 --seed 1");
  const CliRun b = RunCli("deal --vidg 0 --formg 1 --seed 2");
  ASSERT_EQ(a.status, 0);
  EXPECT_NE(a.out, b.out);
}

TEST(CliDeal, OptionsFromSetChangeTheDeal) {
  const json d = json::parse(RunCli("deal --vidg 3 --formg 0 --seed 9 --set Pack=52").out);
  EXPECT_EQ(d["PackSize"], 52);
  EXPECT_EQ(d["RowCount"][0], 26);
  EXPECT_EQ(d["RowCount"][1], 26);
  EXPECT_EQ(d["RowCount"][4], 0) << "Piled durak has no stock";
  const json p = json::parse(RunCli("deal --vidg 0 --formg 0 --seed 9 --set 1_Move=3").out);
  EXPECT_EQ(p["WhoseTurn"], 0) << "always the computer";
}

TEST(CliDeal, BadInputIsOneLineAndStatusTwo) {
  for (const char* args : {"deal --vidg 0 --formg 7 --seed 1", "deal --vidg 21 --formg 0 --seed 1 --edition 2.84 --set Pack=40",
                           "deal --vidg 0 --formg 0", "deal --vidg 0 --formg 0 --seed x",
                           "deal --vidg 0 --formg 0 --seed 1 --bogus 3",
                           "deal --vidg 0 --formg 0 --seed 1 --set NoSuch=1",
                           "deal --vidg 0 --formg 0 --seed 1 --set Style=9",
                           "deal --vidg 23 --formg 0 --seed 1 --edition 2.84",
                           "deal --vidg 0 --formg 0 --seed 1 --edition 3.0", "shuffle"}) {
    const CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
  }
}

TEST(CliDeal, SaveWritesTwoEqualSlotsOfTheDealtTable) {
  const std::string path = "cli_deal_save_test.dat";
  const CliRun r = RunCli("deal --vidg 1 --formg 2 --seed 77 --save " + path);
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  std::remove(path.c_str());
  ASSERT_EQ(bytes.size(), 2 * kSaveRecordSize);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + kSaveRecordSize,
                         bytes.begin() + kSaveRecordSize));
  const DecodedRecord decoded = DecodeSaveRecord(bytes, Edition285());
  ASSERT_TRUE(decoded.record) << decoded.error;
  const json d = json::parse(r.out);
  EXPECT_EQ(decoded.record->VidG, 1);
  EXPECT_EQ(decoded.record->FormG, 2);
  EXPECT_EQ(decoded.record->TrumpSuit, d["TrumpSuit"]);
  for (int s = 0; s < 52; ++s) {
    EXPECT_EQ(decoded.record->Cards[1][s].Suit, d["rows"][1][s][0]);
    EXPECT_EQ(decoded.record->Cards[1][s].Present, d["rows"][1][s][2]);
  }
}

}  // namespace
