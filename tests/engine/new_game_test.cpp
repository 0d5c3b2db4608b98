#include "core/new_game.h"

#include <gtest/gtest.h>

#include <set>

#include "core/catalogue.h"
#include "core/hand_order.h"
#include "play/new_game.h"
#include "test_game.h"

namespace {

int Present(const Game& g, int row) {
  int n = 0;
  for (const TCard& c : g.t.CardGrid[row]) n += c.Present;
  return n;
}

// Every present card of the grid, each must occur once.
std::set<int> CardsOnTable(const Game& g) {
  std::set<int> seen;
  for (int r = 0; r < kRows; ++r)
    for (const TCard& c : g.t.CardGrid[r])
      if (c.Present == 1) {
        EXPECT_TRUE(seen.insert(ImageIndex(c)).second) << "row " << r;
      }
  return seen;
}

int SuitCount(const Game& g, int row, int suit, int firstSlots) {
  int n = 0;
  for (int s = 0; s < firstSlots; ++s)
    n += g.t.IsPresent(row, s) && g.t.SuitAt(row, s) == suit;
  return n;
}

TEST(Deal, DurakKindsDealSixEachATrumpCardAndTheStock) {
  for (int pack : {36, 52}) {
    for (int vidg : {0, 2}) {
      TestGame tg(pack + vidg);
      tg.g.program.PackSize = pack;
      tg.Select(vidg, 1);
      DealOnly(tg.g);
      const Game& g = tg.g;
      EXPECT_EQ(g.t.RowCount[0], 6);
      EXPECT_EQ(g.t.RowCount[1], 6);
      EXPECT_EQ(g.t.RowCount[5], pack - 13);
      ASSERT_TRUE(g.t.IsPresent(4, 0));
      EXPECT_EQ(g.t.TrumpSuit, g.t.SuitAt(4, 0));
      EXPECT_EQ(CardsOnTable(g).size(), static_cast<size_t>(pack));
      EXPECT_EQ(g.t.PatienceResult, -1);
    }
  }
}

TEST(Deal, JapaneseAlwaysPlaysDiamondsWithTheStocksFirstDiamondUnderIt) {
  for (int seed = 0; seed < 60; ++seed) {
    TestGame tg(seed);
    tg.Select(1, 0);
    DealOnly(tg.g);
    const Game& g = tg.g;
    EXPECT_EQ(g.t.TrumpSuit, Diamonds);
    const int diamondsInStock = SuitCount(g, 5, Diamonds, g.t.RowCount[5]);
    if (g.t.IsPresent(4, 0)) {
      EXPECT_EQ(g.t.SuitAt(4, 0), Diamonds);
      EXPECT_EQ(g.t.RowCount[5], 36 - 13);
    } else {
      EXPECT_EQ(diamondsInStock, 0) << "no trump card only when the stock has no diamond";
      EXPECT_EQ(g.t.RowCount[5], 36 - 12);
    }
  }
}

TEST(Deal, PiledDurakHalvesThePackAndTakesTheComputersFirstCardsSuit) {
  TestGame tg(4);
  tg.g.program.PackSize = 52;
  tg.Select(3, 0);
  DealOnly(tg.g);
  EXPECT_EQ(tg.g.t.RowCount[0], 26);
  EXPECT_EQ(tg.g.t.RowCount[1], 26);
  EXPECT_EQ(tg.g.t.RowCount[5], 0);
  EXPECT_FALSE(tg.g.t.IsPresent(4, 0));
  // The computer's first dealt card is a trump, so its hand, sorted, starts with one.
  EXPECT_EQ(tg.g.t.SuitAt(0, 0), tg.g.t.TrumpSuit);
}

TEST(Deal, CzechEightsAndNine) {
  const struct {
    int vidg, formg, hand, stock;
  } cases[] = {{5, 3, 5, 26}, {5, 4, 5, 26}, {5, 5, 5, 22}, {5, 6, 6, 24},
               {5, 7, 5, 26}, {5, 8, 4, 28}, {5, 9, 5, 26}, {6, 0, 18, 0}, {7, 0, 18, 0}};
  for (const auto& c : cases) {
    TestGame tg(c.formg * 10 + c.vidg);
    tg.g.program.PackSize = 52;  // these games strip whatever the option says
    tg.Select(c.vidg, c.formg);
    DealOnly(tg.g);
    const Game& g = tg.g;
    EXPECT_EQ(g.t.RowCount[0], c.hand);
    EXPECT_EQ(g.t.RowCount[1], c.hand);
    EXPECT_EQ(g.t.RowCount[5], c.stock);
    for (int r : {0, 1, 5})
      for (int s = 0; s < g.t.RowCount[r]; ++s)
        EXPECT_GE(g.t.RankAt(r, s), c.formg == 5 ? Seven : Six);
    EXPECT_EQ(g.t.TrumpSuit, c.vidg == 6 ? -1 : Clubs);
  }
}

TEST(Deal, NineIsOpenedByTheHolderOfTheNineOfDiamonds) {
  for (int seed = 0; seed < 20; ++seed) {
    TestGame tg(seed);
    tg.Select(7, 0);
    tg.g.t.Options.FirstMove = 3;  // not consulted in Nine
    DealOnly(tg.g);
    bool computerHasIt = false;
    for (int s = 0; s < 18; ++s)
      computerHasIt |= tg.g.t.SuitAt(0, s) == Diamonds && tg.g.t.RankAt(0, s) == Nine;
    EXPECT_EQ(tg.g.t.WhoseTurn, computerHasIt ? 0 : 1);
  }
}

TEST(FirstMover, TheLowerTrumpOpensAndDealsAreCheckedTraditionally) {
  for (int seed = 0; seed < 200; ++seed) {
    TestGame tg(seed);
    tg.Select(0, 1);
    DealOnly(tg.g);
    const Game& g = tg.g;
    EXPECT_TRUE(DealCheck(g)) << "a hand with four of a suit is dealt again";
    const int c = LowestTrumpIndex(g, 0), p = LowestTrumpIndex(g, 1);
    ASSERT_TRUE(c >= 0 || p >= 0) << "a deal without trumps in hand is dealt again";
    const bool computerLower = p < 0 || (c >= 0 && g.t.RankAt(0, c) < g.t.RankAt(1, p));
    EXPECT_EQ(g.t.WhoseTurn, computerLower ? 0 : 1);
  }
}

TEST(FirstMover, AlwaysThePlayerOrComputerPlaysEveryDealAsItFalls) {
  bool sawUncheckedHand = false;
  for (int seed = 0; seed < 400; ++seed) {
    for (int firstMove : {2, 3}) {
      TestGame tg(seed);
      tg.Select(0, 0);
      tg.g.t.Options.FirstMove = firstMove;
      DealOnly(tg.g);
      EXPECT_EQ(tg.g.t.WhoseTurn, firstMove == 2 ? 1 : 0);
      sawUncheckedHand |= !DealCheck(tg.g);
    }
  }
  EXPECT_TRUE(sawUncheckedHand) << "four of a suit is played, not dealt again";
}

TEST(FirstMover, TheWinnerOfADecidedGameAttacksTraditionally) {
  TestGame tg(12);
  tg.Select(0, 0);
  tg.g.t.GameDecided = 1;
  tg.g.t.WhoseTurn = 0;
  DealOnly(tg.g);
  EXPECT_EQ(tg.g.t.WhoseTurn, 0);
  tg.g.t.Options.FirstMove = 1;  // by the lower trump every time
  DealOnly(tg.g);
  const int c = LowestTrumpIndex(tg.g, 0), p = LowestTrumpIndex(tg.g, 1);
  const bool computerLower = p < 0 || (c >= 0 && tg.g.t.RankAt(0, c) < tg.g.t.RankAt(1, p));
  EXPECT_EQ(tg.g.t.WhoseTurn, computerLower ? 0 : 1);
}

TEST(FirstMover, PiledAndCzechAreNotCheckedForSuits) {
  bool sawFourOfASuit = false;
  for (int seed = 0; seed < 200; ++seed) {
    TestGame tg(seed);
    tg.Select(3, 1);
    DealOnly(tg.g);
    sawFourOfASuit |= !DealCheck(tg.g);
  }
  EXPECT_TRUE(sawFourOfASuit);
}

TEST(Deal, ResetClearsTheTrickStateAndTheGrid) {
  TestGame tg(3);
  Game& g = tg.g;
  tg.Select(0, 2);
  g.t.CoverIndex = 5;
  g.t.FirstDiscardDone = 1;
  g.t.GuessMode = 1;
  g.t.DefendByCover = 0;
  g.t.SwindleCount = 3;
  g.t.PassSlots = {1, 2, 3};
  g.t.Opened[9][9] = 1;
  g.t.PutCard(12, 40, C(Hearts, Ace));
  g.program.ModalFlag = -1;
  DealOnly(g);
  EXPECT_EQ(g.t.CoverIndex, 0);
  EXPECT_EQ(g.t.FirstDiscardDone, 0);
  EXPECT_EQ(g.t.GuessMode, 0);
  EXPECT_EQ(g.t.DefendByCover, 1);
  EXPECT_EQ(g.t.SwindleCount, 0);
  EXPECT_EQ(g.t.PassSlots[2], -1);
  EXPECT_EQ(g.t.Opened[9][9], 0);
  EXPECT_FALSE(g.t.IsPresent(12, 40));
  EXPECT_EQ(g.program.ModalFlag, 1);
}

TEST(Deal, NewGameHandsOverToTheStartOfPlayUnlessInANetworkGame) {
  TestGame tg(3);
  tg.Select(0, 0);
  NewGame(tg.g);
  EXPECT_EQ(tg.out.Count("animate deal"), 1);
  tg.g.program.NetRole = 1;
  NewGame(tg.g);
  EXPECT_EQ(tg.out.Count("animate deal"), 1);
}

TEST(Deal, PatienceLayouts) {
  const struct {
    int vidg;
    std::vector<int> rowCounts;  // present cards per row 0..13
    int cards;
  } cases[] = {
      {8, {24, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7}, 52},
      {9, {0, 0, 0, 0, 0, 7, 7, 7, 7, 6, 6, 6, 6, 0}, 52},
      {10, {6, 6, 5, 5, 5, 5, 5, 5, 5, 5, 0, 0, 0, 0}, 52},
      {11, {4, 4, 4, 4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0}, 36},
      {12, {52, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 52},
      {13, {24, 0, 0, 28, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 52},
      {14, {24, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}, 36},
      {15, {48, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 52},
      {16, {32, 0, 0, 0, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0}, 52},
      {17, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 0}, 52},
      {18, {1, 1, 1, 1, 5, 5, 5, 5, 5, 5, 0, 0, 0, 0}, 34},
      {20, {47, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 52},
      {21, {26, 0, 13, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 52},
      {22, {0, 0, 0, 0, 7, 7, 7, 7, 6, 6, 6, 6, 0, 0}, 52},
      {23, {13, 13, 13, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 52},
      {24, {36, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 36},
      {25, {52, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 52},
  };
  for (const auto& c : cases) {
    TestGame tg(c.vidg);
    tg.Select(c.vidg, 0);
    DealOnly(tg.g);
    for (int r = 0; r < kRows; ++r) EXPECT_EQ(Present(tg.g, r), c.rowCounts[r]) << c.vidg << " row " << r;
    EXPECT_EQ(CardsOnTable(tg.g).size(), static_cast<size_t>(c.cards)) << c.vidg;
  }
}

TEST(Deal, OpenedFlagsOfTheLayouts) {
  TestGame tg(5);
  Game& g = tg.g;
  tg.Select(8, 0);
  DealOnly(g);
  for (int r = 7; r <= 13; ++r) {
    EXPECT_EQ(g.t.Opened[r][r - 7], 1);
    if (r > 7) {
      EXPECT_EQ(g.t.Opened[r][r - 8], 0);
    }
  }
  tg.Select(13, 0);
  DealOnly(g);
  for (int s = 0; s < 28; ++s) EXPECT_EQ(g.t.Opened[3][s], s >= 21 ? 1 : 0);
  tg.Select(18, 0);
  DealOnly(g);
  for (int r = 4; r <= 9; ++r) EXPECT_EQ(g.t.Opened[r][4], 1);
  EXPECT_EQ(g.t.Opened[10][0], 1);
  EXPECT_EQ(g.t.Opened[11][0], 1);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(g.t.RankAt(r, 0), Ace) << "Joker's aces start the foundations";
}

TEST(Deal, PaganiniLaysAcesFirstAndFourGapsAmongNinePerRow) {
  TestGame tg(21);
  tg.Select(19, 0);
  DealOnly(tg.g);
  int gaps = 0;
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(tg.g.t.RankAt(r, 0), Ace);
    EXPECT_TRUE(tg.g.t.IsPresent(r, 0));
    for (int s = 1; s <= 9; ++s) gaps += !tg.g.t.IsPresent(r, s);
  }
  EXPECT_EQ(gaps, 4);
  EXPECT_EQ(CardsOnTable(tg.g).size(), 36u);
}

TEST(Deal, HeartsGivesTheComputerTheSuitSortedHandWithHeartsRight) {
  TestGame tg(8);
  tg.Select(23, 0);
  tg.g.t.Options.TrLeftRight = 0;
  tg.g.t.Options.TrSuitOld = 1;
  DealOnly(tg.g);
  const Game& g = tg.g;
  EXPECT_EQ(g.t.TrumpSuit, Hearts);
  EXPECT_EQ(g.t.Options.TrLeftRight, 0) << "options restored";
  EXPECT_EQ(g.t.Options.TrSuitOld, 1);
  // Row 0 is sorted: hearts low to high at the right end, other suits before.
  int lastSuitOrder = -1;
  for (int s = 0; s < 13; ++s) {
    const int suit = g.t.SuitAt(0, s);
    const int order = suit == Hearts ? 4 : 3 - suit;  // hearts rightmost
    EXPECT_GE(order, lastSuitOrder);
    lastSuitOrder = order;
  }
}

TEST(Deal, MemoryStartsFaceDownWithAZeroScoreAndKeepsTheRecord) {
  TestGame tg(2);
  tg.Select(25, 0);
  tg.g.t.Stats[25] = {30, 44, 0};
  tg.g.t.PatienceResult = 0;
  DealOnly(tg.g);
  EXPECT_EQ(tg.g.t.Stats[25].Wins, 0);
  EXPECT_EQ(tg.g.t.Stats[25].Losses, 44) << "a new Memory deal never touches the record";
  for (int s = 0; s < 52; ++s) EXPECT_EQ(tg.g.t.Opened[0][s], 0);
}

TEST(Deal, Edition284HasItsMemoryAsVidG21) {
  TestGame tg(2, Edition284());
  tg.Select(21, 0);
  DealOnly(tg.g);
  EXPECT_EQ(Present(tg.g, 0), 36);
  EXPECT_EQ(CardsOnTable(tg.g).size(), 36u);
}

TEST(PatienceResult, AWonDealCountsAWinAnAbandonedOneALossASwitchNothing) {
  TestGame tg(2);
  Game& g = tg.g;
  tg.Select(12, 0);
  g.t.PatienceResult = -1;  // just switched here
  NewGame(g);
  EXPECT_EQ(g.t.Stats[12].Wins + g.t.Stats[12].Losses, 0);
  EXPECT_EQ(g.t.PatienceResult, 0);
  NewGame(g);  // abandoned
  EXPECT_EQ(g.t.Stats[12].Losses, 1);
  g.t.PatienceResult = 1;  // won
  NewGame(g);
  EXPECT_EQ(g.t.Stats[12].Wins, 1);
  EXPECT_EQ(g.t.Stats[12].Losses, 1);
  EXPECT_EQ(*tg.store.Read("S_My_bard"), 1);
  EXPECT_EQ(*tg.store.Read("S_Comp_bard"), 1);
  EXPECT_EQ(g.t.PileCount[0], 52);
}

TEST(PatienceResult, HeartsRedealsAreNotCounted) {
  TestGame tg(2);
  tg.Select(23, 0);
  tg.g.t.PatienceResult = 0;
  DealOnly(tg.g);
  DealOnly(tg.g);
  EXPECT_EQ(tg.g.t.Stats[23].Losses, 0);
}

}  // namespace
