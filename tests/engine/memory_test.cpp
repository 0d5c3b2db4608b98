// Memory: turning cards two at a time, the score of finds and misses, the
// record, the end of a deal, keyboard play of the older edition, the table
// kept in a save, and the checks self-play makes after every turn.
#include "patience/memory.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/game_message.h"
#include "core/new_game.h"
#include "patience/memory_invariants.h"
#include "persistence/save_file.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"
#include "play/save_restore.h"
#include "play/saved_table_checks.h"
#include "persistence/save_record.h"
#include "play/self_play_memory.h"
#include "play/shortcuts.h"
#include "table/layout.h"
#include "test_game.h"

namespace {

constexpr int kMemory36 = 24;
constexpr int kMemory52 = 25;

// A small table of two pairs: slots 0 and 2 are sixes, 1 and 3 sevens.
struct SmallMemory : TestGame {
  SmallMemory() {
    Select(kMemory36, 0);
    SetRow(0, {C(Clubs, Six), C(Clubs, Seven), C(Spades, Six), C(Spades, Seven)});
    g.t.CoverIndex = 0;
  }
  int Score() const { return g.t.Stats[g.t.VidG].Wins; }
  int Record() const { return g.t.Stats[g.t.VidG].Losses; }
  bool Up(int slot) const { return g.t.Opened[0][slot] != 0; }
  int Count(const std::string& call) const {
    return static_cast<int>(std::count(out.calls.begin(), out.calls.end(), call));
  }
};

TEST(MemoryTurn, TheFirstCardOfTheDealNeverScores) {
  SmallMemory m;
  MemoryTurn(m.g, 2);
  EXPECT_TRUE(m.Up(2));
  EXPECT_EQ(m.g.t.CoverIndex, 1);
  EXPECT_EQ(m.g.t.SourceSlot, 2);
  EXPECT_EQ(m.Score(), 0);
  EXPECT_EQ(m.g.t.FirstDiscardDone, 1);
  EXPECT_EQ(m.out.calls.front(), "undo point") << "the undo point comes before the card turns";
}

TEST(MemoryTurn, APairScoresSixAtOnceAndStaysUp) {
  SmallMemory m;
  MemoryTurn(m.g, 0);
  MemoryTurn(m.g, 2);
  EXPECT_EQ(m.Score(), kMemoryFindPoints);
  EXPECT_EQ(m.g.t.CoverIndex, 2);
  EXPECT_EQ(m.g.t.SecondSlot, 2);
  MemoryTurn(m.g, 1);
  EXPECT_TRUE(m.Up(0) && m.Up(2)) << "a found pair stays face up";
  EXPECT_EQ(m.Score(), kMemoryFindPoints) << "turning on after a find costs nothing";
  EXPECT_EQ(m.g.t.CoverIndex, 1);
  EXPECT_EQ(m.g.t.SourceSlot, 1);
}

TEST(MemoryTurn, AMissCostsTwoOnlyWhenTheNextCardTurns) {
  SmallMemory m;
  m.g.t.Stats[kMemory36].Wins = 6;
  MemoryTurn(m.g, 0);
  MemoryTurn(m.g, 1);
  EXPECT_EQ(m.Score(), 6) << "the two different cards are still showing";
  EXPECT_TRUE(m.Up(0) && m.Up(1));
  m.out.calls.clear();
  MemoryTurn(m.g, 2);
  EXPECT_EQ(m.Score(), 6 - kMemoryMissPoints);
  EXPECT_FALSE(m.Up(0));
  EXPECT_FALSE(m.Up(1));
  EXPECT_TRUE(m.Up(2));
  EXPECT_EQ(m.g.t.SourceSlot, 2);
  EXPECT_EQ(m.g.t.CoverIndex, 1);
  EXPECT_EQ(m.Count("turn 0") + m.Count("turn 1") + m.Count("turn 2"), 3)
      << "both cards turn back, then the new one turns up";
}

TEST(MemoryTurn, TheScoreNeverDropsBelowZero) {
  SmallMemory m;
  MemoryTurn(m.g, 0);
  MemoryTurn(m.g, 1);
  MemoryTurn(m.g, 3);
  EXPECT_EQ(m.Score(), 0);
}

TEST(MemoryTurn, AFaceUpCardAnEmptySlotOrASlotOffTheRowChangeNothing) {
  SmallMemory m;
  MemoryTurn(m.g, 0);
  const TTableState before = m.g.t;
  m.out.calls.clear();
  for (const int slot : {0, 4, 51, -1, 52, 1000}) MemoryTurn(m.g, slot);
  EXPECT_TRUE(m.out.calls.empty()) << "not even an undo point";
  EXPECT_EQ(m.g.t.CoverIndex, before.CoverIndex);
  EXPECT_EQ(m.g.t.Opened, before.Opened);
  EXPECT_EQ(m.g.t.FirstDiscardDone, 1);
}

TEST(MemoryTurn, PairSlotsFromAFileThatNameNoCardTurnNothingBack) {
  SmallMemory m;
  m.g.t.CoverIndex = 2;
  m.g.t.SourceSlot = 4000;
  m.g.t.SecondSlot = -7;
  MemoryTurn(m.g, 1);
  EXPECT_TRUE(m.Up(1));
  EXPECT_EQ(m.g.t.CoverIndex, 1);
  EXPECT_EQ(m.g.t.SourceSlot, 1);
}

// --- The end of a deal ------------------------------------------------------

// Finds both pairs of the small table without a miss: 12 points.
void PlayThrough(SmallMemory& m) {
  for (const int slot : {0, 2, 1, 3}) MemoryTurn(m.g, slot);
}

TEST(MemoryEnd, TheLastPairEndsTheDealWithGameOverAndANewDealDue) {
  SmallMemory m;
  PlayThrough(m);
  ASSERT_EQ(m.out.messages.size(), 1u);
  EXPECT_EQ(m.out.messages[0].code, kMsgGameOver);
  EXPECT_TRUE(m.g.newGameDue);
}

TEST(MemoryEnd, AHigherScoreBecomesTheRecordInTheStore) {
  struct Case {
    int record, wantRecord;
  };
  for (const Case c : {Case{0, 12}, Case{10, 12}, Case{12, 12}, Case{20, 20}}) {
    SmallMemory m;
    m.g.t.Stats[kMemory36].Losses = c.record;
    PlayThrough(m);
    EXPECT_EQ(m.Record(), c.wantRecord) << "old record " << c.record;
    if (c.wantRecord > c.record) EXPECT_EQ(*m.store.Read("R_Memory36"), c.wantRecord);
    else EXPECT_FALSE(m.store.Read("R_Memory36").has_value()) << "nothing to write";
  }
}

TEST(MemoryEnd, TheRecordOfMemory52HasItsOwnName) {
  SmallMemory m;
  m.Select(kMemory52, 0);
  PlayThrough(m);
  EXPECT_EQ(*m.store.Read("R_Memory52"), 12);
  EXPECT_EQ(m.store.Read("R_Memory36").value_or(0), 0);
}

TEST(MemoryEnd, CancelInTheQuestionBoxDealsNothing) {
  SmallMemory m;
  m.g.t.Options.ConfNewgame = 1;
  m.out.messageAnswer = false;
  PlayThrough(m);
  EXPECT_FALSE(m.g.newGameDue);
  EXPECT_EQ(m.Record(), 12) << "the record was taken before the box";
}

TEST(MemoryDeal, ANewDealStartsAtNoPointsFaceDownAndCountsNoResult) {
  for (const int vidg : {kMemory36, kMemory52}) {
    TestGame t;
    t.Select(vidg, 0);
    t.g.t.Stats[vidg] = {30, 40, 0};
    NewGame(t.g);
    int cards = 0;
    for (int s = 0; s < kSlots; ++s) {
      cards += t.g.t.IsPresent(0, s);
      EXPECT_EQ(t.g.t.Opened[0][s], 0);
    }
    EXPECT_EQ(cards, vidg == kMemory36 ? 36 : 52);
    EXPECT_EQ(t.g.t.CoverIndex, 0);
    EXPECT_EQ(t.g.t.Stats[vidg].Wins, 0);
    EXPECT_EQ(t.g.t.Stats[vidg].Losses, 40) << "the record stays";
    EXPECT_EQ(CheckMemoryTable(t.g), "");
  }
}

// --- Played as the window plays it ------------------------------------------

TEST(MemoryPlay, TheReleaseOverACardTurnsIt) {
  TestGame t;
  t.Select(kMemory52, 0);
  NewGame(t.g);
  LayoutTable(t.g, WindowGeometry{800, 600, 550});
  const int x = t.g.t.CardX[0][7] + 30, y = t.g.t.CardY[0][7] + 40;
  FormMouseMove(t.g, x, y);
  FormMouseDown(t.g, PointerButton::Left, x, y);
  EXPECT_EQ(t.g.t.Opened[0][7], 0) << "the press alone turns nothing";
  FormMouseUp(t.g, PointerButton::Left, x, y);
  EXPECT_EQ(t.g.t.Opened[0][7], 1);
  EXPECT_EQ(t.g.t.SourceSlot, 7);
}

TEST(MemoryPlay, CtrlTurnsTheSelectedCardInTheOlderEdition) {
  TestGame t(1, Edition284());
  t.Select(21, 0);
  NewGame(t.g);
  LayoutTable(t.g, WindowGeometry{800, 600, 550});
  const KeyContext context{0, false};
  KeyboardShortcut(t.g, ShortcutKey::Right, context);
  KeyboardShortcut(t.g, ShortcutKey::Right, context);
  KeyboardShortcut(t.g, ShortcutKey::Ctrl, context);
  EXPECT_EQ(t.g.t.Opened[0][1], 1);
  EXPECT_EQ(t.g.t.CoverIndex, 1);
}

TEST(MemoryPlay, ASavedDealComesBackWithItsPairScoreAndTurns) {
  TestGame t;
  MemorySaveFile file;
  t.g.saveFile = &file;
  t.Select(kMemory36, 0);
  NewGame(t.g);
  MemoryTurn(t.g, 3);
  MemoryTurn(t.g, 9);
  t.g.t.Stats[kMemory36].Wins = 18;
  const TTableState saved = t.g.t;
  SaveGameCommand(t.g);
  NewGame(t.g);
  ASSERT_TRUE(RestoreGameCommand(t.g).restored);
  EXPECT_EQ(t.g.t.CoverIndex, 2);
  EXPECT_EQ(t.g.t.SourceSlot, 3);
  EXPECT_EQ(t.g.t.SecondSlot, 9);
  EXPECT_EQ(t.g.t.FirstDiscardDone, 2);
  EXPECT_EQ(t.g.t.Stats[kMemory36].Wins, 18);
  EXPECT_EQ(t.g.t.Opened, saved.Opened);
  EXPECT_EQ(t.g.t.CardGrid, saved.CardGrid);
}

TEST(MemoryPlay, ASaveWhosePairSlotsNameNoFaceUpCardIsRefused) {
  struct Case {
    const char* what;
    int phase, first, second;
    bool taken;
  };
  const Case cases[] = {
      {"a pair showing", 2, 3, 9, true},
      {"the first card only", 1, 3, -1, true},
      {"the first card face down", 1, 4, -1, false},
      {"the second card face down", 2, 3, 4, false},
      {"a slot off the row", 2, 3, 400, false},
      {"a negative phase", -1, 3, 9, false},
  };
  for (const Case& c : cases) {
    TestGame t;
    t.Select(kMemory36, 0);
    NewGame(t.g);
    t.g.t.Opened[0][3] = t.g.t.Opened[0][9] = 1;
    t.g.t.CoverIndex = c.phase;
    t.g.t.SourceSlot = c.first;
    t.g.t.SecondSlot = c.second;
    EXPECT_EQ(SavedTableProblem(RecordFromTable(t.g), Edition285()).empty(), c.taken) << c.what;
  }
}

// --- Self-play and its checks -----------------------------------------------

TEST(MemorySelfPlay, WholeDealsOfBothSizesPassEveryCheck) {
  for (const int vidg : {kMemory36, kMemory52}) {
    TestGame t;
    t.Select(vidg, 0);
    SelfPlayConfig config;
    config.games = 30;
    config.seed = 5;
    const SelfPlayReport r = RunSelfPlay(t.g, t.clock, config);
    EXPECT_EQ(r.violations, 0) << r.violation;
    EXPECT_EQ(r.games, 30);
    EXPECT_GT(t.g.t.Stats[vidg].Losses, 0) << "a record was set";
  }
}

// Each broken table must be caught by the check of the table or of the score.
TEST(MemoryChecks, EachBrokenTurnIsCaught) {
  struct Case {
    const char* what;
    void (*breakIt)(TTableState&);
  };
  const Case cases[] = {
      {"a found pair scores 4", [](TTableState& t) { t.Stats[t.VidG].Wins -= 2; }},
      {"the record falls", [](TTableState& t) { t.Stats[t.VidG].Losses -= 1; }},
      {"a card turned back too many", [](TTableState& t) { t.Opened[0][t.SourceSlot] = 0; }},
      {"a card twice", [](TTableState& t) { t.CardGrid[0][5] = t.CardGrid[0][6]; }},
      {"a card in another row", [](TTableState& t) { t.PutCard(3, 0, C(Hearts, Two)); }},
      {"phase 3", [](TTableState& t) { t.CoverIndex = 3; }},
  };
  for (const Case& c : cases) {
    SmallMemory m;
    m.Select(kMemory52, 0);
    for (int s = 0; s < 52; ++s) m.g.t.PutCard(0, s, C(s % 4, s / 4));
    m.g.t.Stats[kMemory52].Losses = 10;
    MemoryTurn(m.g, 0);
    MemoryScoreWatch watch;
    watch.Reset(m.g);
    MemoryTurn(m.g, 1);  // the two of spades finds the two of clubs
    MemoryScoreWatch untouched = watch;
    ASSERT_EQ(CheckMemoryTable(m.g) + untouched.Check(m.g, false), "");
    c.breakIt(m.g.t);
    EXPECT_NE(CheckMemoryTable(m.g) + watch.Check(m.g, false), "") << c.what;
  }
}

TEST(MemorySelfPlay, TheBotOnlyEverTurnsAFaceDownCard) {
  SmallMemory m;
  m.g.t.Opened[0][0] = m.g.t.Opened[0][1] = m.g.t.Opened[0][3] = 1;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(RandomFaceDownMemoryCard(m.g), 2);
  m.g.t.Opened[0][2] = 1;
  EXPECT_EQ(RandomFaceDownMemoryCard(m.g), -1);
}

}  // namespace
