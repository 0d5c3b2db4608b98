// kalvenar-cli with the patience games: clicks, drags and double clicks on
// positions from a save file, and self-play of every playable patience game.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "core/game.h"
#include "persistence/save_file.h"
#include "persistence/save_record.h"
#include "cli_json.h"

namespace {

using json = nlohmann::ordered_json;

json Card(int suit, int rank) { return json::array({suit, rank, 1}); }

// A table of the game laid out card by card: (row, slot, suit, rank, face up).
struct Placed {
  int row, slot, suit, rank;
  bool up;
};

std::string SaveTable(const std::string& name, int vidg, std::initializer_list<Placed> cards) {
  NullCallouts out;
  FixedClock clock(1);
  Game g(Edition285(), out, clock);
  g.t.VidG = vidg;
  g.t.FormG = 0;
  g.t.PatienceResult = 0;
  for (const Placed& p : cards) {
    g.t.PutCard(p.row, p.slot, TCard{p.suit, p.rank, 1, {}});
    g.t.Opened[p.row][p.slot] = p.up ? 1 : 0;
  }
  const std::string file = name + "_" + std::to_string(::getpid()) + ".dat";
  const SaveBytes record = EncodeSaveRecord(RecordFromTable(g));
  EXPECT_TRUE(DiskSaveFile(file).Replace(ContentsWithSlot({}, kSavedGameSlot, record)));
  return file;
}

TEST(CliPatience, ScarfPlaysByDragDoubleClickAndClick) {
  const std::string file = SaveTable("scarf", 8,
                                     {{0, 0, 0, 3, false},
                                      {0, 1, 0, 4, false},
                                      {8, 0, 3, 11, true},   // the king of hearts
                                      {9, 0, 1, 12, true},   // the ace of spades
                                      {10, 0, 2, 5, false},  // a face-down seven
                                      {11, 0, 0, 9, true}});
  // A drag onto the empty column names its place.
  const json dragged = Cli("play --state " + file + " --do drag:8:0:7:0");
  EXPECT_EQ(dragged["rows"][7][0], Card(3, 11));
  EXPECT_EQ(CardsInRow(dragged, 8), 0);
  const json sentUp = Cli("play --state " + file + " --do dblclick:9:0");
  EXPECT_EQ(sentUp["rows"][3][0], Card(1, 12));
  const json turned = Cli("play --state " + file + " --do click:10:0 --do click:0:0");
  EXPECT_EQ(turned["opened"][10][0], 1);
  EXPECT_EQ(CardsInRow(turned, 1), 2) << "the two stock cards are shown";
  std::remove(file.c_str());
}

TEST(CliPatience, SolitaireAndKerchiefPlayByTwoClicks) {
  const std::string file = SaveTable("solitaire", 9,
                                     {{5, 0, 3, 7, true},  // the nine of hearts
                                      {6, 0, 1, 8, true},  // the ten of spades
                                      {7, 0, 0, 2, true}});
  const json moved = Cli("play --state " + file + " --do click:5:0 --do click:6:0");
  EXPECT_EQ(moved["rows"][6][1], Card(3, 7));
  const json celled = Cli("play --state " + file + " --do click:7:0 --do click:0:2");
  EXPECT_EQ(celled["rows"][0][2], Card(0, 2));
  const json emptied = Cli("play --state " + file + " --do click:7:0 --do click:8:0");
  EXPECT_EQ(emptied["rows"][8][0], Card(0, 2)) << "slot 0 names the empty column";
  std::remove(file.c_str());

  const std::string kerchief = SaveTable("kerchief", 10,
                                         {{0, 0, 0, 5, false},
                                          {1, 0, 2, 5, false},
                                          {2, 0, 3, 9, false}});
  const json paired = Cli("play --state " + kerchief + " --do click:0:0 --do click:1:0");
  EXPECT_EQ(CardsInRow(paired, 0) + CardsInRow(paired, 1), 0);
  EXPECT_EQ(CardsInRow(paired, 2), 1);
  std::remove(kerchief.c_str());
}

TEST(CliPatience, SelfPlayOfEachGameKeepsEveryRule) {
  for (const std::string vidg : {"8", "9", "10", "11", "13", "16", "20"}) {
    SCOPED_TRACE(vidg);
    const json r = Cli("selfplay --vidg " + vidg + " --formg 0 --games 60 --seed 3");
    EXPECT_EQ(r["invariant_violations"], 0);
    EXPECT_EQ(r["games"], 60);
    EXPECT_EQ(r["wins"].get<int>() + r["losses"].get<int>(), 60);
    EXPECT_EQ(r["draws"], 0);
  }
}

TEST(CliPatience, AWonDealIsCountedAndTheNextOneDealt) {
  // The last card of the last column goes up: Scarf is won.
  const std::string file = SaveTable("scarf_won", 8, {{3, 0, 2, 12, true}, {13, 0, 2, 0, true}});
  const json won = Cli("play --state " + file + " --do dblclick:13:0");
  std::remove(file.c_str());
  EXPECT_EQ(won["messages"], json::array({4}));
  EXPECT_EQ(won["Stats"][0], 1);
  EXPECT_EQ(won["PatienceResult"], 0) << "a new deal is under way";
  EXPECT_EQ(CardsInRow(won, 0), 24);
}

}  // namespace
