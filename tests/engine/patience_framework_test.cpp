// What every patience game shares: closing up a row, the win table, the
// celebration of a win and the counting of each deal.
#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "core/game_message.h"
#include "patience/patience_invariants.h"
#include "patience_table.h"
#include "play/game_switch.h"

namespace {

// --- Closing up a row ------------------------------------------------------------

struct CloseUpCase {
  const char* name;
  std::vector<int> present;  // slots holding a card before
  int cards;                 // how many cards there are
};

TEST(CloseUpRow, OneOrTwoGapsCloseFully) {
  const CloseUpCase cases[] = {
      {"no gap", {0, 1, 2}, 3},
      {"one gap at the front", {1, 2, 3}, 3},
      {"one gap in the middle", {0, 2, 3}, 3},
      {"two gaps", {0, 2, 4, 5}, 4},
      {"two gaps at the front", {2, 3}, 2},
  };
  for (const CloseUpCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestGame t;
    for (const int s : c.present) t.g.t.PutCard(0, s, C(0, s));
    CloseUpRow(t.g.t, 0);
    for (int s = 0; s < c.cards; ++s) {
      ASSERT_TRUE(t.g.t.IsPresent(0, s)) << s;
      EXPECT_EQ(t.g.t.RankAt(0, s), c.present[s]) << "the cards keep their order";
    }
    EXPECT_EQ(TopSlot(t.g.t, 0), c.cards - 1);
  }
}

// --- The win table -----------------------------------------------------------------

struct WinRowsCase {
  int vidg;
  std::vector<int> rows;
};

TEST(PatienceWinTest, EachGameIsWonWhenSlotZeroOfItsRowsIsEmpty) {
  const WinRowsCase cases[] = {
      {8, {7, 8, 9, 10, 11, 12, 13}},
      {9, {0, 5, 6, 7, 8, 9, 10, 11, 12}},
      {10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {11, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {12, {0}},
      {13, {3}},
      {14, {4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {15, {0}},
      {16, {0, 1, 4, 5, 6, 7}},
      {20, {0, 1, 2, 3, 4, 5}},
      {21, {2, 3}},
      {22, {4, 5, 6, 7, 8, 9, 10, 11}},
  };
  for (const WinRowsCase& c : cases) {
    SCOPED_TRACE(c.vidg);
    const Kind kind = static_cast<Kind>(c.vidg);
    TTableState t;
    EXPECT_TRUE(PatienceWon(t, kind));
    for (int r = 0; r < kRows; ++r) {
      const bool counts = std::find(c.rows.begin(), c.rows.end(), r) != c.rows.end();
      t.PutCard(r, 0, C(0, 0));
      EXPECT_EQ(PatienceWon(t, kind), !counts) << "a card in slot 0 of row " << r;
      t.CardGrid[r][0].Present = 0;
      // Only slot 0 is looked at.
      t.PutCard(r, 1, C(0, 1));
      EXPECT_TRUE(PatienceWon(t, kind)) << "a card in slot 1 of row " << r;
      t.CardGrid[r][1].Present = 0;
    }
  }
}

TEST(PatienceWinTest, ClockJokerAndPaganiniTestTheirOwnEnd) {
  const TTableState empty;
  for (const int vidg : {17, 18, 19}) EXPECT_FALSE(PatienceWon(empty, static_cast<Kind>(vidg)));
}

// --- A won deal --------------------------------------------------------------------

TEST(WinPatience, TheWinIsCelebratedAnnouncedAndTheNextDealFollows) {
  PatienceTable t(8);
  ASSERT_TRUE(CheckPatienceWon(t.g));
  const auto celebrate = std::find(t.out.calls.begin(), t.out.calls.end(), "celebrate");
  const auto message = std::find(t.out.calls.begin(), t.out.calls.end(), "message");
  EXPECT_TRUE(celebrate < message) << "the cards fly before the box";
  ASSERT_EQ(t.out.messages.size(), 1u);
  EXPECT_EQ(t.out.messages[0].code, kMsgYouWin);
  EXPECT_EQ(t.g.t.PatienceResult, 1);
  EXPECT_TRUE(t.g.newGameDue);
  DealScheduledGame(t.g);
  EXPECT_EQ(t.g.t.Stats[8].Wins, 1);
  EXPECT_EQ(t.g.t.Stats[8].Losses, 0);
  EXPECT_EQ(t.g.t.PatienceResult, 0) << "the new deal is under way";
}

TEST(WinPatience, CancelAtTheQuestionClosesTheProgramWithTheWinCounted) {
  PatienceTable t(8);
  t.g.t.Options.ConfNewgame = 1;
  t.out.messageAnswer = false;
  ASSERT_TRUE(CheckPatienceWon(t.g));
  ASSERT_EQ(t.out.messages.size(), 1u);
  EXPECT_TRUE(t.out.messages[0].question);
  EXPECT_FALSE(t.g.newGameDue);
  EXPECT_EQ(t.g.t.Stats[8].Wins, 1);
  EXPECT_EQ(t.g.t.PatienceResult, -1) << "nothing is left to count";
  EXPECT_NE(std::find(t.out.calls.begin(), t.out.calls.end(), "close window"), t.out.calls.end());
}

TEST(WinPatience, ATableStillHoldingCardsIsNotWon) {
  PatienceTable t(8);
  t.Row(13, {C(0, King)}, true);
  EXPECT_FALSE(CheckPatienceWon(t.g));
  EXPECT_TRUE(t.out.messages.empty());
}

// --- Counting the previous deal -----------------------------------------------------

TEST(PatienceCounting, AWonDealCountsOneWinAnAbandonedOneALossASwitchNothing) {
  PatienceTable t(8);
  t.g.t.PatienceResult = -1;  // as after start
  NewGame(t.g);  // the first deal after start counts nothing
  EXPECT_EQ(t.g.t.Stats[8].Wins + t.g.t.Stats[8].Losses, 0);
  NewGame(t.g);  // given up
  EXPECT_EQ(t.g.t.Stats[8].Losses, 1);
  t.g.t.PatienceResult = 1;
  NewGame(t.g);
  EXPECT_EQ(t.g.t.Stats[8].Wins, 1);
  EXPECT_EQ(t.g.t.Stats[8].Losses, 1);
  // Switching to another patience game leaves the half-played deal uncounted.
  MMGameClick(t.g, CatalogueIndex(*t.g.edition, 0, 9));
  DealScheduledGame(t.g);
  EXPECT_EQ(t.g.t.VidG, 9);
  EXPECT_EQ(t.g.t.Stats[8].Wins + t.g.t.Stats[8].Losses, 2);
  EXPECT_EQ(t.g.t.Stats[9].Wins + t.g.t.Stats[9].Losses, 0);
}

// --- Picking ----------------------------------------------------------------------------

TEST(ShowPicked, RemembersTheCardUnderThePointerAndShowsItLit) {
  PatienceTable t(10);
  t.g.t.HitRow = 3;
  t.g.t.HitSlot = 4;
  ShowPicked(t.g);
  EXPECT_EQ(t.g.t.Picked, 1);
  EXPECT_EQ(t.g.t.SourceRow, 3);
  EXPECT_EQ(t.g.t.SourceSlot, 4);
  EXPECT_EQ(t.out.calls.back(), "repaint");
  DropPick(t.g);
  EXPECT_EQ(t.g.t.Picked, 0);
}

// --- The table checks ------------------------------------------------------------------

TEST(PatienceInvariants, ALostCardADoubledCardAStaleCountAndAStrayFlagAreFound) {
  PatienceTable t(8);
  DealOnly(t.g);
  EXPECT_EQ(CheckPatienceTable(t.g), "");
  {
    TTableState saved = t.g.t;
    t.g.t.CardGrid[13][6].Present = 0;
    RecountPiles(t.g);
    EXPECT_NE(CheckPatienceTable(t.g).find("lost"), std::string::npos);
    t.g.t.CardGrid[13][6] = t.g.t.CardGrid[0][0];
    t.g.t.CardGrid[13][6].Present = 1;
    RecountPiles(t.g);
    EXPECT_NE(CheckPatienceTable(t.g).find("twice"), std::string::npos);
    t.g.t = saved;
  }
  t.g.t.PileCount[7] = 3;
  EXPECT_NE(CheckPatienceTable(t.g).find("PileCount"), std::string::npos);
  RecountPiles(t.g);
  t.g.t.Opened[7][5] = 1;
  EXPECT_NE(CheckPatienceTable(t.g).find("open"), std::string::npos);
  t.g.t.Opened[7][5] = 0;
  t.g.t.SwapSlots(9, 1, 5);  // row 9 holds three cards
  RecountPiles(t.g);
  EXPECT_NE(CheckPatienceTable(t.g).find("gap"), std::string::npos);
}

}  // namespace
