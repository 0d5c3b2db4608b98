// `kalvenar-cli play` with the Game menu's undo, save and restore, on
// "save.dat" in the directory it runs in: each test runs in a folder of its
// own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "run_cli.h"

namespace fs = std::filesystem;

namespace {

using json = nlohmann::ordered_json;

class PlaySave : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kalvenar_cli_save_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  json Play(const std::string& arguments) const {
    const CliRun run = RunCli("play " + arguments, dir_.string());
    EXPECT_EQ(run.status, 0) << run.err;
    return run.status == 0 ? json::parse(run.out) : json{};
  }
  fs::path SaveDat() const { return dir_ / "save.dat"; }

  fs::path dir_;
};

// What a player sees of a table: the cards, the turn, the words. (The row
// counts of the card games mean nothing to a patience game, which counts
// its piles; they are compared for the card games only.)
void ExpectSameTable(const json& a, const json& b, const std::string& what) {
  for (const char* field : {"VidG", "FormG", "rows", "opened", "WhoseTurn", "CoverIndex",
                            "CommentId", "ButtonCaptionId"}) {
    EXPECT_EQ(a[field], b[field]) << field << ": " << what;
  }
  if (a["VidG"].get<int>() <= 7) {
    EXPECT_EQ(a["RowCount"], b["RowCount"]) << what;
  }
}

TEST_F(PlaySave, UndoAfterTheFirstCardShowsTheDealAgain) {
  const json dealt = Play("--vidg 0 --formg 1 --seed 5");
  const json led = Play("--vidg 0 --formg 1 --seed 5 --do click:1:0");
  ASSERT_NE(led["rows"], dealt["rows"]);
  ASSERT_TRUE(fs::exists(SaveDat())) << "the card wrote the undo point";
  EXPECT_EQ(fs::file_size(SaveDat()), 19056u) << "a new file holds both slots";

  const json undone = Play("--vidg 0 --formg 1 --seed 5 --do click:1:0 --do undo");
  ExpectSameTable(undone, dealt, "undo");
  EXPECT_EQ(undone["messages"], json::array());
  EXPECT_EQ(undone["actions"], 2);
  // Undo twice: the same point again.
  ExpectSameTable(Play("--vidg 0 --formg 1 --seed 5 --do click:1:0 --do undo --do undo"), dealt,
                  "undo twice");
}

TEST_F(PlaySave, AGameSavedInOneRunIsRestoredInAnother) {
  const json scarf = Play("--vidg 8 --formg 0 --seed 3 --do save");
  EXPECT_EQ(scarf["messages"], json::array());
  const json restored = Play("--vidg 0 --formg 1 --seed 5 --do restore");
  EXPECT_EQ(restored["VidG"], 8);
  ExpectSameTable(restored, scarf, "restore");
  // The saved game is what --state reads from slot 1, and the undo point
  // (the same table, a new file holding both) from slot 0.
  ExpectSameTable(Play("--state save.dat"), scarf, "--state");
  ExpectSameTable(Play("--state save.dat --slot 0"), scarf, "--state --slot 0");
}

TEST_F(PlaySave, SavingAgainKeepsTheUndoPoint) {
  const json dealt = Play("--vidg 0 --formg 2 --seed 7");
  Play("--vidg 0 --formg 2 --seed 7 --do click:1:0 --do save");
  Play("--vidg 8 --formg 0 --seed 1 --do save");
  ExpectSameTable(Play("--state save.dat --slot 0"), dealt, "the undo point of the durak card");
  EXPECT_EQ(Play("--state save.dat")["VidG"], 8);
}

TEST_F(PlaySave, NoFileOrADamagedFileIsRefusedWithItsMessageAndTheTableStays) {
  const json dealt = Play("--vidg 0 --formg 1 --seed 5");
  const json missing = Play("--vidg 0 --formg 1 --seed 5 --do restore");
  EXPECT_EQ(missing["messages"], json::array({8}));
  ExpectSameTable(missing, dealt, "no file");

  {
    std::ofstream f(SaveDat(), std::ios::binary);
    f << std::string(9528 + 100, '\x01');  // slot 1 cut short
  }
  const json shortSlot = Play("--vidg 0 --formg 1 --seed 5 --do restore");
  EXPECT_EQ(shortSlot["messages"], json::array({9}));
  ExpectSameTable(shortSlot, dealt, "short file");
  const json damaged = Play("--vidg 0 --formg 1 --seed 5 --do undo");
  EXPECT_EQ(damaged["messages"], json::array({9})) << "slot 0 is whole but not a record";
  ExpectSameTable(damaged, dealt, "damaged record");
}

}  // namespace
