// "save.dat" on disk: the two slots, and a save that is cut short (a full
// disk, a crash between writing and replacing) never spoiling the file that
// was there.
#include "persistence/save_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/game_message.h"
#include "persistence/save_record.h"
#include "play/new_game.h"
#include "play/save_restore.h"
#include "test_game.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Filled(std::size_t n, uint8_t value) {
  return std::vector<uint8_t>(n, value);
}

std::vector<uint8_t> Part(const std::vector<uint8_t>& v, std::size_t from, std::size_t n) {
  return {v.begin() + static_cast<std::ptrdiff_t>(from),
          v.begin() + static_cast<std::ptrdiff_t>(from + n)};
}

constexpr std::size_t R = kSaveRecordSize;

TEST(SaveFileSlots, ANewFileGetsTheRecordInBothSlots) {
  for (const int slot : {kUndoSlot, kSavedGameSlot}) {
    const std::vector<uint8_t> out = ContentsWithSlot({}, slot, Filled(R, 7));
    ASSERT_EQ(out.size(), 2 * R);
    EXPECT_EQ(out, Filled(2 * R, 7)) << "slot " << slot;
  }
}

TEST(SaveFileSlots, TheOtherSlotKeepsItsBytesWhenItIsWhole) {
  std::vector<uint8_t> old = Filled(2 * R, 1);
  old.push_back(99);  // something after the two slots stays too
  const std::vector<uint8_t> out = ContentsWithSlot(old, kSavedGameSlot, Filled(R, 2));
  ASSERT_EQ(out.size(), 2 * R + 1);
  EXPECT_EQ(Part(out, 0, R), Filled(R, 1));
  EXPECT_EQ(Part(out, R, R), Filled(R, 2));
  EXPECT_EQ(out.back(), 99);

  const std::vector<uint8_t> undo = ContentsWithSlot(old, kUndoSlot, Filled(R, 3));
  EXPECT_EQ(Part(undo, 0, R), Filled(R, 3));
  EXPECT_EQ(Part(undo, R, R), Filled(R, 1));
}

TEST(SaveFileSlots, AFileTooShortForTheOtherSlotGetsTheRecordThereToo) {
  // Slot 0 whole, slot 1 missing: the undo point fills the saved game.
  const std::vector<uint8_t> one = ContentsWithSlot(Filled(R, 1), kUndoSlot, Filled(R, 4));
  EXPECT_EQ(one, Filled(2 * R, 4));
  // A stump of slot 0: no half record is kept beside a whole one.
  const std::vector<uint8_t> stump = ContentsWithSlot(Filled(100, 1), kSavedGameSlot, Filled(R, 5));
  EXPECT_EQ(stump, Filled(2 * R, 5));
}

TEST(SaveFileSlots, ASlotIsOnlyReadWhenTheFileHoldsItWhole) {
  const std::vector<uint8_t> file = Filled(2 * R - 1, 0);
  EXPECT_TRUE(SlotBytes(file, 0));
  EXPECT_FALSE(SlotBytes(file, 1));
  EXPECT_FALSE(SlotBytes(file, 2));
  EXPECT_FALSE(SlotBytes({}, 0));
}

class DiskSave : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kalvenar_save_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path Path(const char* name = "save.dat") const { return dir_ / name; }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
};

TEST_F(DiskSave, WhatIsWrittenIsReadBackAndAMissingFileIsMissing) {
  DiskSaveFile file(Path());
  EXPECT_EQ(file.Read().state, SaveFileState::Missing);
  ASSERT_TRUE(file.Replace(Filled(2 * R, 6)));
  const SaveFileContents c = file.Read();
  EXPECT_EQ(c.state, SaveFileState::Read);
  EXPECT_EQ(c.bytes, Filled(2 * R, 6));
  EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file is left behind";
}

TEST_F(DiskSave, AFolderInThePlaceOfTheFileCannotBeRead) {
  fs::create_directory(Path());
  EXPECT_EQ(DiskSaveFile(Path()).Read().state, SaveFileState::Unreadable);
  EXPECT_FALSE(DiskSaveFile(Path()).Replace(Filled(2 * R, 1)));
  EXPECT_TRUE(fs::is_directory(Path()));
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DiskSave, ASaveCutOffBetweenWritingAndReplacingLeavesTheOldFileWhole) {
  TestGame tg(3);
  tg.Select(0, 1);
  DiskSaveFile file(Path());
  tg.g.saveFile = &file;
  NewGame(tg.g);
  ASSERT_TRUE(SaveGame(tg.g, kSavedGameSlot));
  const SaveRecord saved = RecordFromTable(tg.g);
  const std::vector<uint8_t> old = file.Read().bytes;

  // The next save gets as far as its temporary file, then the program dies.
  tg.Select(8, 0);
  NewGame(tg.g);
  const auto temporary = file.WriteBeside(
      ContentsWithSlot(old, kSavedGameSlot, EncodeSaveRecord(RecordFromTable(tg.g))));
  ASSERT_TRUE(temporary);
  EXPECT_EQ(file.Read().bytes, old);

  // Started again, the player restores the game saved before.
  ASSERT_TRUE(RestoreGame(tg.g, kSavedGameSlot).restored);
  EXPECT_EQ(RecordFromTable(tg.g), saved);
  EXPECT_TRUE(tg.out.messages.empty());

  // The left-over temporary file does not stand in the way of the next save.
  ASSERT_TRUE(SaveGame(tg.g, kUndoSlot));
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DiskSave, AFullDiskKeepsTheOldFileAndSaysTheSaveFailed) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to stand for a full disk";
  TestGame tg(3);
  tg.Select(0, 2);
  DiskSaveFile file(Path());
  tg.g.saveFile = &file;
  NewGame(tg.g);
  ASSERT_TRUE(SaveGame(tg.g, kUndoSlot));
  const std::vector<uint8_t> old = file.Read().bytes;

  fs::create_symlink("/dev/full", file.TemporaryPath());  // every write fails: no space
  tg.Select(9, 0);
  NewGame(tg.g);
  EXPECT_FALSE(SaveGame(tg.g, kSavedGameSlot));
  ASSERT_EQ(tg.out.messages.size(), 1u);
  EXPECT_EQ(tg.out.messages[0].code, kMsgCannotCreateSave);
  EXPECT_EQ(file.Read().bytes, old);
  EXPECT_FALSE(fs::exists(fs::symlink_status(file.TemporaryPath())));
}

TEST_F(DiskSave, ALinkedSaveFileIsReplacedWhereItLiesAndTheLinkStays) {
  fs::create_directory(dir_ / "games");
  fs::create_symlink("games/kept.dat", Path());
  DiskSaveFile file(Path());
  ASSERT_TRUE(file.Replace(Filled(2 * R, 8)));
  EXPECT_TRUE(fs::is_symlink(Path()));
  EXPECT_EQ(fs::file_size(dir_ / "games" / "kept.dat"), 2 * R);
  EXPECT_EQ(file.Read().bytes, Filled(2 * R, 8));
}

}  // namespace
