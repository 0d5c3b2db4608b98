// Saving, restoring and undoing through the mid end, on a save file held in
// memory: what comes back, what is refused, and that a refused record never
// touches the table.
#include "play/save_restore.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/catalogue.h"
#include "core/game_message.h"
#include "core/new_game.h"
#include "durak_table.h"
#include "persistence/save_file.h"
#include "persistence/save_record.h"
#include "persistence/statistics.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"

namespace {

// The window's side of the undo point: every card the player plays leaves
// the table in slot 0 first.
class SavingCallouts final : public RecordingCallouts {
 public:
  Game* game = nullptr;
  void SaveUndo() override {
    RecordingCallouts::SaveUndo();
    if (game != nullptr) ::SaveUndo(*game);
  }
};

struct SaveTable {
  explicit SaveTable(int64_t seed = 1, const Edition& edition = Edition285())
      : clock(seed), g(edition, out, clock) {
    g.store = &store;
    g.saveFile = &file;
    out.game = &g;
    ApplyFirstStartValues(g);
    BuildPack(g.t.Pack);
    g.random.Seed(seed);
  }
  void Deal(int vidg, int formg) {
    g.t.VidG = vidg;
    g.t.FormG = formg;
    NewGame(g);
  }
  std::vector<int> Messages() const {
    std::vector<int> codes;
    for (const GameMessageBox& m : out.messages) codes.push_back(m.code);
    return codes;
  }
  std::vector<uint8_t> Slot(int slot) const {
    const auto bytes = SlotBytes(*file.bytes, slot);
    return bytes ? std::vector<uint8_t>(bytes->begin(), bytes->end()) : std::vector<uint8_t>{};
  }

  FixedClock clock;
  SavingCallouts out;
  MemoryStore store;
  MemorySaveFile file;
  Game g;
};

std::vector<uint8_t> Bytes(const SaveRecord& r) {
  const SaveBytes b = EncodeSaveRecord(r);
  return {b.begin(), b.end()};
}

// The first seed whose deal of the game lets the player lead.
int64_t SeedWherePlayerLeads(int vidg, int formg) {
  for (int64_t seed = 1; seed < 200; ++seed) {
    SaveTable s(seed);
    s.Deal(vidg, formg);
    if (s.g.t.WhoseTurn == 1) return seed;
  }
  return -1;
}

int PresentIn(const TTableState& t, int row) {
  int n = 0;
  for (const TCard& c : t.CardGrid[row]) n += c.Present;
  return n;
}

// Every re-read of the settings sorts row 1 by the player's hand order; in
// Hearts that row is the left-hand computer's hidden hand, so only which
// cards it holds is compared there.
SaveRecord HeartsRowOneSorted(SaveRecord r) {
  std::sort(r.Cards[1].begin(), r.Cards[1].begin() + 13,
            [](const TCard& a, const TCard& b) { return ImageIndex(a) < ImageIndex(b); });
  return r;
}

TEST(SaveRestore, EveryGameOfBothEditionsComesBackAsItWasSaved) {
  for (const Edition* e : {&Edition285(), &Edition284()}) {
    for (int i = 0; i < e->catalogueSize; ++i) {
      const CatalogueEntry& entry = e->catalogue[i];
      SaveTable s(100 + i, *e);
      s.g.t.VidG = entry.VidG;
      s.g.t.FormG = entry.FormG;
      DealOnly(s.g);
      s.g.t.CommentId = 3;
      s.g.t.ButtonCaptionId = 1;
      s.g.t.CzechPointsPlayer = 40;
      s.g.t.CzechPointsComputer = 25;
      if (IsMemory(s.g.kind())) s.g.t.Stats[entry.VidG].Wins = 6;
      const SaveRecord saved = RecordFromTable(s.g);
      ASSERT_TRUE(SaveGame(s.g, kSavedGameSlot)) << entry.nameEn;

      // Another game is played meanwhile.
      const CatalogueEntry& other = e->catalogue[(i + 11) % e->catalogueSize];
      s.g.t.VidG = other.VidG;
      s.g.t.FormG = other.FormG;
      DealOnly(s.g);
      s.g.t.CzechPointsPlayer = 0;

      const RestoreOutcome r = RestoreGame(s.g, kSavedGameSlot);
      ASSERT_TRUE(r.restored) << entry.nameEn;
      if (s.g.kind() == Kind::Hearts) {
        EXPECT_EQ(HeartsRowOneSorted(RecordFromTable(s.g)), HeartsRowOneSorted(saved));
      } else {
        EXPECT_EQ(RecordFromTable(s.g), saved) << entry.nameEn;
      }
      EXPECT_EQ(s.Messages(), std::vector<int>{}) << entry.nameEn;
    }
  }
}

TEST(SaveRestore, UndoAfterADurakCardBringsBackTheTableBeforeItAndTheAnswerWithIt) {
  const int64_t seed = SeedWherePlayerLeads(0, 1);
  ASSERT_GT(seed, 0);
  SaveTable s(seed);
  s.Deal(0, 1);
  const SaveRecord before = RecordFromTable(s.g);

  RunCardMove(s.g, 0, PointerButton::Left);
  DealScheduledGame(s.g);
  ASSERT_EQ(s.out.Count("undo point"), 1);
  ASSERT_EQ(PresentIn(s.g.t, 2), 1) << "the lead lies on the table";
  ASSERT_EQ(PresentIn(s.g.t, 3), 1) << "and the computer covered it";

  const RestoreOutcome undone = UndoMove(s.g);
  ASSERT_TRUE(undone.restored);
  EXPECT_EQ(RecordFromTable(s.g), before);
  EXPECT_EQ(s.g.t.RowCount[1], 6);
  EXPECT_EQ(s.g.t.RowCount[2], 0);
  EXPECT_EQ(s.g.t.RowCount[3], 0);
  EXPECT_EQ(s.g.t.WhoseTurn, 1);

  // Undo once more: the same point again, for it is written only by a card.
  const std::vector<uint8_t> undoSlot = s.Slot(kUndoSlot);
  ASSERT_TRUE(UndoMove(s.g).restored);
  EXPECT_EQ(RecordFromTable(s.g), before);
  EXPECT_EQ(s.Slot(kUndoSlot), undoSlot);
}

TEST(SaveRestore, ARestoredDurakTableShowsItsCommentaryAndPlaysOn) {
  const int64_t seed = SeedWherePlayerLeads(0, 1);
  SaveTable s(seed);
  s.Deal(0, 1);
  RunCardMove(s.g, 0, PointerButton::Left);
  const SaveRecord afterLead = RecordFromTable(s.g);
  ASSERT_TRUE(SaveGame(s.g, kSavedGameSlot));

  s.Deal(3, 2);  // another game meanwhile
  s.out.calls.clear();
  ASSERT_TRUE(RestoreGameCommand(s.g).restored);
  EXPECT_EQ(s.g.t.CommentId, afterLead.CommentId);
  EXPECT_EQ(s.g.t.ButtonCaptionId, afterLead.ButtonCaptionId);
  EXPECT_EQ(s.out.Count("table controls"), 1) << "the Move button of the game taken back";
  EXPECT_EQ(s.out.Count("repaint"), 1);
  EXPECT_EQ(s.out.Count("layout"), 1);
  EXPECT_EQ(s.out.Count("caption Подкидной дурак"), 1);
  EXPECT_EQ(*s.store.Read("VidG"), 0);
  EXPECT_EQ(*s.store.Read("FormG"), 1);
}

TEST(SaveRestore, TheFirstUndoPointMakesAFileWithBothSlotsHoldingTheTable) {
  SaveTable s;
  s.Deal(8, 0);
  SaveUndo(s.g);
  ASSERT_TRUE(s.file.bytes);
  EXPECT_EQ(s.file.bytes->size(), 2 * kSaveRecordSize);
  EXPECT_EQ(s.Slot(kUndoSlot), Bytes(RecordFromTable(s.g)));
  EXPECT_EQ(s.Slot(kSavedGameSlot), s.Slot(kUndoSlot));
  // So Restore game brings back this very table.
  const SaveRecord now = RecordFromTable(s.g);
  s.Deal(0, 1);
  ASSERT_TRUE(RestoreGameCommand(s.g).restored);
  EXPECT_EQ(RecordFromTable(s.g), now);
}

TEST(SaveRestore, SaveGameWritesSlotOneOnlyAndUndoPointsSlotZeroOnly) {
  SaveTable s;
  s.Deal(0, 2);
  SaveUndo(s.g);
  const std::vector<uint8_t> firstUndo = s.Slot(kUndoSlot);

  s.Deal(5, 4);
  SaveGameCommand(s.g);
  EXPECT_EQ(s.Slot(kUndoSlot), firstUndo);
  EXPECT_EQ(s.Slot(kSavedGameSlot), Bytes(RecordFromTable(s.g)));

  s.Deal(9, 0);
  SaveGameCommand(s.g);  // a second save overwrites the first
  EXPECT_EQ(s.Slot(kUndoSlot), firstUndo);
  const std::vector<uint8_t> saved = s.Slot(kSavedGameSlot);
  EXPECT_EQ(saved, Bytes(RecordFromTable(s.g)));

  s.Deal(1, 1);
  SaveUndo(s.g);
  EXPECT_EQ(s.Slot(kSavedGameSlot), saved);
  EXPECT_EQ(s.Slot(kUndoSlot), Bytes(RecordFromTable(s.g)));
}

TEST(SaveRestore, RestoringAnotherKindSwitchesTheGameAndItsSettings) {
  SaveTable s;
  s.Deal(8, 0);  // Scarf
  SaveGameCommand(s.g);
  s.Deal(0, 1);
  s.out.calls.clear();
  ASSERT_TRUE(RestoreGameCommand(s.g).restored);
  EXPECT_EQ(s.g.t.VidG, 8);
  EXPECT_EQ(s.g.kind(), Kind::Scarf);
  EXPECT_EQ(s.out.Count("caption Косынка"), 1);
  EXPECT_EQ(*s.store.Read("VidG"), 8);
  EXPECT_EQ(*s.store.Read("FormG"), 0);
  EXPECT_EQ(s.g.t.PileCount[0], PresentIn(s.g.t, 0)) << "the piles are counted for the kind";
  EXPECT_EQ(s.g.t.Picked, 0);
}

// ---- Refusals: the message, and a table left exactly as it was ----------------

struct Refusal {
  const char* what;
  int slot;
  int message;
  void (*damage)(MemorySaveFile&);
};

void WriteRecord(MemorySaveFile& f, int slot, const SaveRecord& r) {
  const std::vector<uint8_t> bytes = Bytes(r);
  f.bytes = ContentsWithSlot(f.bytes.value_or(std::vector<uint8_t>{}), slot, bytes);
}

SaveRecord DealtRecord(int vidg, int formg) {
  SaveTable s(77);
  s.Deal(vidg, formg);
  return RecordFromTable(s.g);
}

// The first present card of the row (slot, or -1).
int FirstCard(const SaveRecord& r, int row) {
  for (int s = 0; s < kSlots; ++s)
    if (r.Cards[row][s].Present == 1) return s;
  return -1;
}

const Refusal kRefusals[] = {
    {"no file", 1, kMsgCannotOpenFile, [](MemorySaveFile& f) { f.bytes.reset(); }},
    {"a file that cannot be read", 1, kMsgCannotOpenFile,
     [](MemorySaveFile& f) { f.unreadable = true; }},
    {"an empty file", 0, kMsgCannotReadFile, [](MemorySaveFile& f) { f.bytes->clear(); }},
    {"a file one record long, slot 1", 1, kMsgCannotReadFile,
     [](MemorySaveFile& f) { f.bytes->resize(kSaveRecordSize); }},
    {"a file cut inside slot 0", 0, kMsgCannotReadFile,
     [](MemorySaveFile& f) { f.bytes->resize(kSaveRecordSize - 1); }},
    {"a Suit of 9", 1, kMsgCannotReadFile,
     [](MemorySaveFile& f) { (*f.bytes)[kSaveRecordSize + kCardsOffset] = 9; }},
    {"VidG beyond the catalogue", 1, kMsgCannotReadFile,
     [](MemorySaveFile& f) { (*f.bytes)[kSaveRecordSize + 24] = 30; }},
    {"a card in two places", 1, kMsgCannotReadFile,
     [](MemorySaveFile& f) {
       SaveRecord r = DealtRecord(0, 1);
       r.Cards[5][FirstCard(r, 5)] = r.Cards[1][0];
       WriteRecord(f, 1, r);
     }},
    {"a two in a 36-card game", 1, kMsgCannotReadFile,
     [](MemorySaveFile& f) {
       SaveRecord r = DealtRecord(11, 0);  // Pairs: six to ace
       r.Cards[0][0] = C(Clubs, Two);
       WriteRecord(f, 1, r);
     }},
    {"a red six in Joker", 1, kMsgCannotReadFile,
     [](MemorySaveFile& f) {
       SaveRecord r = DealtRecord(18, 0);
       for (auto& row : r.Cards)
         for (TCard& c : row)
           if (c.Present == 1 && c.Suit == Spades && c.Rank == Six) c.Suit = Hearts;
       WriteRecord(f, 1, r);
     }},
    {"a durak cover beyond the trick", 0, kMsgCannotReadFile,
     [](MemorySaveFile& f) {
       SaveRecord r = DealtRecord(0, 2);
       r.CoverIndex = 40;
       WriteRecord(f, 0, r);
     }},
};

TEST(SaveRestore, EveryRefusalShowsItsMessageAndLeavesTheTableUntouched) {
  for (const Refusal& c : kRefusals) {
    SaveTable s(9);
    s.Deal(3, 1);
    SaveUndo(s.g);
    SaveGameCommand(s.g);
    s.Deal(0, 2);  // the table in play, which must stay as it is
    c.damage(s.file);
    const TTableState before = s.g.t;
    s.out.calls.clear();

    const RestoreOutcome r = RestoreGame(s.g, c.slot);
    EXPECT_FALSE(r.restored) << c.what;
    EXPECT_EQ(s.Messages(), std::vector<int>{c.message}) << c.what;
    EXPECT_EQ(s.g.t.CardGrid, before.CardGrid) << c.what;
    EXPECT_EQ(s.g.t.Opened, before.Opened) << c.what;
    EXPECT_EQ(s.g.t.VidG, 0) << c.what;
    EXPECT_EQ(s.g.t.FormG, 2) << c.what;
    EXPECT_EQ(s.g.t.RowCount, before.RowCount) << c.what;
    EXPECT_EQ(s.out.calls,
              (std::vector<std::string>{"process events", "message", "process events"}))
        << "nothing but the message box: " << c.what;
  }
}

TEST(SaveRestore, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
  SaveTable s;
  s.Deal(0, 1);
  SaveUndo(s.g);
  const std::vector<uint8_t> old = *s.file.bytes;

  s.file.refuseWriting = true;  // a full disk
  s.Deal(8, 0);
  EXPECT_FALSE(SaveGame(s.g, kSavedGameSlot));
  EXPECT_EQ(s.Messages(), std::vector<int>{kMsgCannotCreateSave});
  EXPECT_EQ(*s.file.bytes, old);

  // A file that is there but cannot be read is not written over: its other
  // slot would be lost.
  s.file.refuseWriting = false;
  s.file.unreadable = true;
  EXPECT_FALSE(SaveGame(s.g, kUndoSlot));
  EXPECT_EQ(s.file.writes, 1);
  EXPECT_EQ(s.Messages(), (std::vector<int>{kMsgCannotCreateSave, kMsgCannotCreateSave}));
}

TEST(SaveRestore, TheCommandsDoNothingDuringTheGuessingGameOrANetworkGame) {
  for (const bool guessing : {true, false}) {
    SaveTable s;
    s.Deal(0, 1);
    SaveGameCommand(s.g);
    s.Deal(8, 0);
    const std::vector<uint8_t> file = *s.file.bytes;
    if (guessing) {
      s.g.t.GuessMode = 1;
    } else {
      s.g.program.NetRole = 1;
    }
    SaveGameCommand(s.g);
    EXPECT_EQ(*s.file.bytes, file);
    EXPECT_FALSE(UndoMove(s.g).restored);
    EXPECT_FALSE(RestoreGameCommand(s.g).restored);
    EXPECT_EQ(s.g.t.VidG, 8);
    EXPECT_TRUE(s.out.messages.empty());
  }
}

TEST(SaveRestore, AFullPackDurakGameComesBackWithTheFullPack) {
  SaveTable s(4);
  s.g.program.PackSize = 52;
  s.store.Write("Pack", 52);
  s.Deal(0, 1);
  ASSERT_EQ(s.g.t.RowCount[5], 39);
  SaveGameCommand(s.g);

  s.store.Write("Pack", 36);  // the player chose 36 cards meanwhile
  s.g.program.PackSize = 36;
  s.Deal(0, 1);
  ASSERT_TRUE(RestoreGameCommand(s.g).restored);
  EXPECT_EQ(s.g.program.PackSize, 52);
  EXPECT_EQ(*s.store.Read("Pack"), 52);
  EXPECT_EQ(s.g.t.RowCount[5], 39) << "every card of the stock is counted";
}

TEST(SaveRestore, MemoryGetsItsRunningScoreBackOtherGamesKeepTheirStatistics) {
  SaveTable s;
  s.Deal(24, 0);
  s.g.t.Stats[24].Wins = 14;  // the score of the Memory game in progress
  SaveGameCommand(s.g);
  s.Deal(0, 1);
  ASSERT_TRUE(RestoreGameCommand(s.g).restored);
  EXPECT_EQ(s.g.t.Stats[24].Wins, 14);

  // A durak game saved with 3 wins, restored when the statistics say 5:
  // the statistics are what was played, not part of the position.
  s.Deal(0, 1);
  s.g.t.Stats[0].Wins = 3;
  SaveGameCommand(s.g);
  s.g.t.Stats[0].Wins = 5;
  WriteStatistics(s.g);
  ASSERT_TRUE(RestoreGameCommand(s.g).restored);
  EXPECT_EQ(s.g.t.Stats[0].Wins, 5);
}

TEST(SaveRestore, TheSelectedHandCardBringsThePointerBack) {
  const int64_t seed = SeedWherePlayerLeads(0, 1);
  SaveTable s(seed);
  s.Deal(0, 1);
  s.g.t.HitIndex = 2;
  SaveGameCommand(s.g);
  // No card selected now: the pointer is left where it is.
  s.g.t.HitIndex = -1;
  EXPECT_FALSE(RestoreGameCommand(s.g).pointer);
  EXPECT_EQ(s.g.t.HitIndex, -1);
  // A card selected now: the saved selection comes back with the pointer on it.
  s.g.t.HitIndex = 0;
  const RestoreOutcome r = RestoreGameCommand(s.g);
  EXPECT_EQ(s.g.t.HitIndex, 2);
  ASSERT_TRUE(r.pointer);
  EXPECT_EQ(*r.pointer, HandCardPointer(s.g.t, 2));
}

TEST(SaveRestore, ACzechTableComesBackWithItsSuitOrderAndNoStaleAceOrder) {
  for (const int comment : {0, 11}) {
    SaveTable s(3);
    s.Deal(5, 7);
    s.g.t.WhoseTurn = 1;
    s.g.t.CommentId = comment;  // 11: the player is to order a suit or pass
    s.g.t.ButtonCaptionId = 4;
    ASSERT_TRUE(SaveGame(s.g, kSavedGameSlot));
    s.g.t.AceOrderPending = 1;  // left over from the table before the restore
    s.out.calls.clear();
    ASSERT_TRUE(RestoreGameCommand(s.g).restored);
    EXPECT_EQ(s.g.t.AceOrderPending, 0);
    EXPECT_EQ(s.out.Count(comment == 11 ? "suit order on" : "suit order off"), 1) << comment;
  }
}

}  // namespace
