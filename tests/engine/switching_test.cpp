#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/hand_order.h"
#include "core/new_game.h"
#include "persistence/settings.h"
#include "play/game_switch.h"
#include "play/new_game.h"
#include "test_game.h"

namespace {

int Item(const Edition& e, int formg, int vidg) {
  return CatalogueIndex(e, formg, vidg);
}
int Item(int formg, int vidg) {
  return Item(Edition285(), formg, vidg);
}

// A game as the program has it after start-up: the key written, the settings
// loaded, the chosen game current and the options given written to the store.
struct SwitchingGame : TestGame {
  explicit SwitchingGame(int vidg, int formg, const Edition& e = Edition285()) : TestGame(3, e) {
    EnsureSettingsKey(g, 0, 0);
    WriteSetting(g, "VidG", vidg);
    WriteSetting(g, "FormG", formg);
    LoadSettings(g);
  }
  void SetOption(const char* name, int32_t value) {
    WriteSetting(g, name, value);
    LoadSettings(g);
  }
};

bool Has(const RecordingCallouts& out, const std::string& call) {
  return out.Count(call) > 0;
}

std::vector<TCard> PresentCards(const Game& g, int row) {
  std::vector<TCard> cards;
  for (int s = 0; s < kSlots; ++s) {
    if (g.t.IsPresent(row, s)) cards.push_back(g.t.CardGrid[row][s]);
  }
  return cards;
}

bool Holds(const Game& g, int row, int suit, int rank) {
  for (const TCard& c : PresentCards(g, row)) {
    if (c.Suit == suit && c.Rank == rank) return true;
  }
  return false;
}

// A Simple durak table in the middle of a game: spades are trumps.
void LaySimpleDurakTable(SwitchingGame& t) {
  t.g.t.TrumpSuit = Spades;
  t.SetRow(0, {C(Clubs, King), C(Diamonds, Eight), C(Hearts, Seven)});
  t.SetRow(1, {C(Diamonds, Ace), C(Clubs, Six), C(Hearts, Jack)});
  t.SetRow(2, {C(Clubs, Ten)});
  t.SetRow(4, {C(Spades, Six)});
  t.SetRow(5, {C(Hearts, Nine), C(Diamonds, Seven), C(Clubs, Eight), C(Diamonds, Queen),
               C(Hearts, Ace)});
}

// ---------------------------------------------------------------- the same game

TEST(GameSwitching, ChoosingTheGameAlreadyPlayedChangesNothing) {
  SwitchingGame t(0, 1);
  LaySimpleDurakTable(t);
  const TTableState before = t.g.t;
  const MemoryStore storeBefore = t.store;
  t.out.calls.clear();

  const GameMenuState s = MMGameClick(t.g, Item(1, 0));

  EXPECT_EQ(s.outcome, SwitchOutcome::SameGame);
  EXPECT_TRUE(t.out.calls.empty());
  EXPECT_EQ(t.store.Values(), storeBefore.Values());
  EXPECT_EQ(t.g.t.TrumpSuit, before.TrumpSuit);
  for (int row = 0; row < 6; ++row) {
    for (int slot = 0; slot < kSlots; ++slot) {
      EXPECT_EQ(t.g.t.IsPresent(row, slot), before.IsPresent(row, slot));
      EXPECT_EQ(t.g.t.ImageIndexAt(row, slot), before.ImageIndexAt(row, slot));
    }
  }
}

TEST(GameSwitching, ChoosingThePatienceAlreadyPlayedKeepsItCounting) {
  SwitchingGame t(8, 0);
  NewGame(t.g);
  ASSERT_EQ(t.g.t.PatienceResult, 0);
  MMGameClick(t.g, Item(0, 8));
  EXPECT_EQ(t.g.t.PatienceResult, 0);
}

// ---------------------------------------------------------------- keeping the cards

TEST(GameSwitching, SimpleToJapaneseWithoutNewDealKeepsTheCardsAndMakesDiamondsTrumps) {
  SwitchingGame t(0, 0);
  t.SetOption("CallNewGame", 0);
  LaySimpleDurakTable(t);
  CountRows(t.g);
  const auto computer = PresentCards(t.g, 0);
  const auto player = PresentCards(t.g, 1);
  t.out.calls.clear();

  const GameMenuState s = MMGameClick(t.g, Item(0, 1));

  EXPECT_EQ(s.outcome, SwitchOutcome::Continued);
  EXPECT_FALSE(Has(t.out, "animate deal"));
  EXPECT_EQ(t.g.t.VidG, 1);
  EXPECT_EQ(t.g.t.TrumpSuit, Diamonds);
  // The stock is searched from its last card: the queen, not the seven.
  EXPECT_EQ(t.g.t.SuitAt(4, 0), Diamonds);
  EXPECT_EQ(t.g.t.RankAt(4, 0), Queen);
  EXPECT_TRUE(Holds(t.g, 5, Spades, Six));
  EXPECT_TRUE(Holds(t.g, 5, Diamonds, Seven));
  EXPECT_EQ(PresentCards(t.g, 5).size(), 5u);
  // Nobody's hand changed.
  EXPECT_EQ(PresentCards(t.g, 0).size(), computer.size());
  EXPECT_EQ(PresentCards(t.g, 1).size(), player.size());
  EXPECT_TRUE(Holds(t.g, 0, Diamonds, Eight));
  EXPECT_TRUE(Holds(t.g, 1, Diamonds, Ace));
  EXPECT_EQ(s.checkedItem, Item(0, 1));
}

TEST(MakeDiamondsTrump, WithoutADiamondInTheStockTakesTheComputersLastDiamond) {
  SwitchingGame t(0, 0);
  t.g.t.TrumpSuit = Spades;
  t.SetRow(0, {C(Diamonds, King), C(Diamonds, Three), C(Clubs, Five)});
  t.SetRow(1, {C(Diamonds, Ace)});
  t.SetRow(4, {C(Spades, Six)});
  t.SetRow(5, {C(Hearts, Nine), C(Clubs, Eight)});
  CountRows(t.g);
  // The computer's hand runs high to low: king, five, three.
  ASSERT_EQ(t.g.t.RankAt(0, 2), Three);

  MakeDiamondsTrump(t.g);

  EXPECT_EQ(t.g.t.TrumpSuit, Diamonds);
  EXPECT_EQ(t.g.t.RankAt(4, 0), Three);
  EXPECT_TRUE(Holds(t.g, 0, Spades, Six));
  EXPECT_TRUE(Holds(t.g, 1, Diamonds, Ace));
}

TEST(MakeDiamondsTrump, ThenThePlayersHandThenTheAttackCards) {
  SwitchingGame t(0, 0);
  t.g.t.TrumpSuit = Spades;
  t.SetRow(0, {C(Clubs, Five)});
  t.SetRow(1, {C(Hearts, Four), C(Diamonds, Jack)});
  t.SetRow(2, {C(Diamonds, Two)});
  t.SetRow(4, {C(Spades, Six)});
  MakeDiamondsTrump(t.g);
  EXPECT_EQ(t.g.t.RankAt(4, 0), Jack);
  EXPECT_TRUE(Holds(t.g, 1, Spades, Six));
  EXPECT_TRUE(Holds(t.g, 2, Diamonds, Two));

  SwitchingGame u(0, 0);
  u.g.t.TrumpSuit = Spades;
  u.SetRow(0, {C(Clubs, Five)});
  u.SetRow(2, {C(Hearts, Ten), C(Diamonds, Two)});
  u.SetRow(4, {C(Spades, Six)});
  MakeDiamondsTrump(u.g);
  EXPECT_EQ(u.g.t.TrumpSuit, Diamonds);
  EXPECT_EQ(u.g.t.RankAt(4, 0), Two);
  EXPECT_TRUE(Holds(u.g, 2, Spades, Six));
}

TEST(MakeDiamondsTrump, WithNoDiamondAnywhereTheTrumpStays) {
  SwitchingGame t(0, 0);
  t.g.t.TrumpSuit = Spades;
  t.SetRow(0, {C(Clubs, Five)});
  t.SetRow(1, {C(Hearts, Four)});
  t.SetRow(4, {C(Spades, Six)});
  MakeDiamondsTrump(t.g);
  EXPECT_EQ(t.g.t.TrumpSuit, Spades);
  EXPECT_EQ(t.g.t.RankAt(4, 0), Six);
}

TEST(MakeDiamondsTrump, WithoutATrumpCardDiamondsSimplyBecomeTrumps) {
  SwitchingGame t(3, 0);
  t.g.t.TrumpSuit = Clubs;
  t.SetRow(0, {C(Diamonds, Five)});
  MakeDiamondsTrump(t.g);
  EXPECT_EQ(t.g.t.TrumpSuit, Diamonds);
  EXPECT_FALSE(t.g.t.IsPresent(4, 0));
  EXPECT_TRUE(Holds(t.g, 0, Diamonds, Five));
}

TEST(MakeDiamondsTrump, DiamondsAlreadyTrumpsLeaveEverythingAlone) {
  SwitchingGame t(0, 0);
  t.g.t.TrumpSuit = Diamonds;
  t.SetRow(4, {C(Diamonds, Six)});
  t.out.calls.clear();
  MakeDiamondsTrump(t.g);
  EXPECT_TRUE(t.out.calls.empty());
}

TEST(GameSwitching, EnteringReverseDurakTurnsThePlayersHandFirst) {
  SwitchingGame t(0, 0);
  t.SetOption("CallNewGame", 0);
  t.out.calls.clear();
  MMGameClick(t.g, Item(0, 2));
  const auto& c = t.out.calls;
  const auto p = std::find(c.begin(), c.end(), "flip 1");
  ASSERT_NE(p, c.end());
  EXPECT_TRUE(p + 1 != c.end() && *(p + 1) == "flip 0");

  t.out.calls.clear();
  MMGameClick(t.g, Item(0, 3));  // leaving it: the computer's hand first
  const auto q = std::find(c.begin(), c.end(), "flip 0");
  ASSERT_NE(q, c.end());
  EXPECT_TRUE(q + 1 != c.end() && *(q + 1) == "flip 1");
}

TEST(GameSwitching, WithoutAnimationTheKeptTableIsRepaintedInstead) {
  SwitchingGame t(0, 0);
  t.SetOption("CallNewGame", 0);
  t.SetOption("Animation", 0);
  t.out.calls.clear();
  EXPECT_EQ(MMGameClick(t.g, Item(0, 2)).outcome, SwitchOutcome::Continued);
  EXPECT_EQ(t.out.Count("flip 0") + t.out.Count("flip 1"), 0);
  EXPECT_TRUE(Has(t.out, "repaint"));
  EXPECT_TRUE(Has(t.out, "current comment"));
}

// ---------------------------------------------------------------- dealing anew

TEST(GameSwitching, PiledToRoadDealsAnew) {
  SwitchingGame t(3, 1);
  t.SetOption("CallNewGame", 0);
  t.out.calls.clear();
  const GameMenuState s = MMGameClick(t.g, Item(1, 4));
  EXPECT_EQ(s.outcome, SwitchOutcome::DealtAnew);
  EXPECT_TRUE(Has(t.out, "animate deal"));
  EXPECT_EQ(t.g.t.VidG, 4);
  // Road deals half the pack to each; the computer may already have led.
  EXPECT_EQ(PresentCards(t.g, 0).size() + PresentCards(t.g, 2).size(), 18u);
}

TEST(GameSwitching, CallNewGameDealsAnewEvenBetweenDurakKinds) {
  SwitchingGame t(0, 0);
  ASSERT_EQ(t.g.t.Options.CallNewGame, 1);
  EXPECT_EQ(MMGameClick(t.g, Item(0, 3)).outcome, SwitchOutcome::DealtAnew);
}

TEST(GameSwitching, TheChoiceIsStoredAndTheSettingsReadAgain) {
  SwitchingGame t(0, 0);
  t.store.Write("Speed", 70);  // written elsewhere, not yet loaded
  t.out.calls.clear();
  MMGameClick(t.g, Item(0, 7));
  EXPECT_EQ(t.store.Read("VidG"), 7);
  EXPECT_EQ(t.store.Read("FormG"), 0);
  EXPECT_EQ(t.store.Read("Lang"), 0);
  EXPECT_EQ(t.g.t.Options.Speed, 70);
  EXPECT_TRUE(Has(t.out, "caption Девятка"));
  const auto& c = t.out.calls;
  EXPECT_LT(std::find(c.begin(), c.end(), "layout"),
            std::find(c.begin(), c.end(), "place controls"));
}

TEST(GameSwitching, AnotherFormOfCzechDurakStartsTheMatchAgain) {
  SwitchingGame t(5, 3);
  t.g.t.CzechPointsComputer = 40;
  t.g.t.CzechPointsPlayer = 55;
  MMGameClick(t.g, Item(4, 5));
  EXPECT_EQ(t.g.t.CzechPointsComputer, 0);
  EXPECT_EQ(t.g.t.CzechPointsPlayer, 0);
}

// ---------------------------------------------------------------- patience results

TEST(GameSwitching, LeavingAPatienceGameNeverCountsALoss) {
  for (const int target : {12, 0, 24}) {
    SwitchingGame t(8, 0);
    NewGame(t.g);
    ASSERT_EQ(t.g.t.PatienceResult, 0);  // Scarf in progress
    MMGameClick(t.g, Item(0, target));
    EXPECT_EQ(t.g.t.Stats[8].Losses, 0) << target;
    EXPECT_EQ(t.g.t.Stats[target].Losses, 0) << target;
    EXPECT_EQ(t.store.Read("S_Comp_solitaire"), 0) << target;
  }
}

TEST(GameSwitching, AbandoningAPatienceByANewDealStillCountsALoss) {
  SwitchingGame t(8, 0);
  NewGame(t.g);
  NewGame(t.g);
  EXPECT_EQ(t.g.t.Stats[8].Losses, 1);
}

// ---------------------------------------------------------------- menus and network

TEST(GameMenus, TheCurrentGameAndLanguageAreChecked) {
  SwitchingGame t(5, 7);
  t.g.program.Lang = 1;
  const GameMenuState s = RefreshMenuState(t.g);
  EXPECT_EQ(s.checkedItem, Item(7, 5));
  EXPECT_EQ(s.checkedLanguage, 1);
  for (int i = 0; i < Edition285().catalogueSize; ++i) EXPECT_TRUE(s.itemEnabled[i]);
}

TEST(GameMenus, TheGuessingGameBlocksUndoSavingAndTheDialogs) {
  SwitchingGame t(0, 0);
  t.g.t.GuessMode = 1;
  const GameMenuState s = RefreshMenuState(t.g);
  EXPECT_FALSE(s.undoEnabled || s.saveEnabled || s.restoreEnabled || s.cardBackEnabled ||
               s.backgroundEnabled || s.optionsEnabled);
  EXPECT_TRUE(s.newGameEnabled);
}

TEST(GameMenus, ANetworkGameOffersOnlyTheGamesForTwo) {
  for (const Edition* e : {&Edition285(), &Edition284()}) {
    SwitchingGame t(0, 0, *e);
    t.g.program.NetRole = 1;
    const GameMenuState s = RefreshMenuState(t.g);
    for (int i = 0; i < e->catalogueSize; ++i) {
      EXPECT_EQ(s.itemEnabled[i], e->catalogue[i].VidG <= 7) << e->version << " item " << i;
    }
    EXPECT_FALSE(s.undoEnabled || s.saveEnabled || s.restoreEnabled);
    EXPECT_TRUE(s.optionsEnabled);
    EXPECT_TRUE(s.newGameEnabled);
  }
}

TEST(GameMenus, TheServerCannotChooseAGameForOne) {
  SwitchingGame t(0, 0);
  t.g.program.NetRole = 1;
  t.out.calls.clear();
  EXPECT_EQ(MMGameClick(t.g, Item(0, 8)).outcome, SwitchOutcome::Refused);
  EXPECT_EQ(t.g.t.VidG, 0);
  EXPECT_TRUE(t.out.calls.empty());
}

TEST(GameMenus, TheServersSwitchAsksForANewDealWhateverTheOptions) {
  SwitchingGame t(0, 0);
  t.SetOption("CallNewGame", 0);
  t.g.program.NetRole = 1;
  t.out.calls.clear();
  EXPECT_EQ(MMGameClick(t.g, Item(0, 1)).outcome, SwitchOutcome::NewDealRequested);
  EXPECT_TRUE(Has(t.out, "request new deal"));
  EXPECT_FALSE(Has(t.out, "animate deal"));
  EXPECT_TRUE(Has(t.out, "caption Японский дурак - простой - сетевая игра"));
}

TEST(GameMenus, TheClientCannotSwitchOrDeal) {
  SwitchingGame t(0, 0);
  t.g.program.NetRole = 0;
  const GameMenuState s = MMGameClick(t.g, Item(1, 0));
  EXPECT_EQ(s.outcome, SwitchOutcome::Refused);
  EXPECT_FALSE(s.newGameEnabled);
  EXPECT_EQ(t.g.t.FormG, 0);
  // Opening a menu is not a choice.
  EXPECT_EQ(MMGameClick(t.g, kNoGameItem).outcome, SwitchOutcome::MenuOnly);
}

TEST(GameMenus, AnIndexOutsideTheCatalogueIsNotAChoice) {
  SwitchingGame t(0, 0, Edition284());
  EXPECT_EQ(MMGameClick(t.g, 37).outcome, SwitchOutcome::MenuOnly);
  EXPECT_EQ(MMGameClick(t.g, 1000).outcome, SwitchOutcome::MenuOnly);
  EXPECT_EQ(t.g.t.VidG, 0);
}

// ---------------------------------------------------------------- SetGame

TEST(SetGame, CaptionInEitherLanguage) {
  SwitchingGame t(0, 0);
  t.out.calls.clear();
  SetGame(t.g, 2, 3, 1, false);
  EXPECT_TRUE(Has(t.out, "caption Piled fool - transfer"));
  EXPECT_TRUE(Has(t.out, "title Piled fool - transfer"));
  EXPECT_TRUE(Has(t.out, "help kalvenor_eng.hlp"));
  EXPECT_FALSE(Has(t.out, "menu 1"));
  EXPECT_EQ(t.store.Read("Lang"), 1);
  EXPECT_EQ(t.store.Read("FormG"), 2);
  EXPECT_EQ(t.store.Read("VidG"), 3);

  t.g.program.NetRole = 0;
  t.out.calls.clear();
  SetGame(t.g, 0, 6, 0, true);
  EXPECT_TRUE(Has(t.out, "caption Восьмерки - сетевая игра"));
  EXPECT_TRUE(Has(t.out, "help kalvenor_rus.hlp"));
  EXPECT_TRUE(Has(t.out, "menu 0"));
  EXPECT_TRUE(Has(t.out, "status bar"));
  EXPECT_TRUE(Has(t.out, "current comment"));
}

TEST(SetGame, Edition284KeepsItsOwnNameAsTheApplicationTitle) {
  SwitchingGame t(0, 0, Edition284());
  SetGame(t.g, 0, 21, 1, false);
  EXPECT_TRUE(Has(t.out, "caption Memory"));
  EXPECT_TRUE(Has(t.out, "title Fool"));
  SetGame(t.g, 0, 21, 0, false);
  EXPECT_TRUE(Has(t.out, "title Дурак"));
}

TEST(SetGame, APairOutsideTheCatalogueChangesNothing) {
  SwitchingGame t(0, 0, Edition284());
  t.out.calls.clear();
  SetGame(t.g, 0, 23, 0, true);  // Hearts is not in 2.84
  SetGame(t.g, 0, 4, 0, true);   // Road durak has no simple form
  SetGame(t.g, 0, 0, 2, true);   // no third language
  EXPECT_TRUE(t.out.calls.empty());
  EXPECT_EQ(t.store.Read("VidG"), 0);
}

}  // namespace
