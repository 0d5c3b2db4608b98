#include "play/game_switch.h"

#include <algorithm>
#include <utility>

#include "core/catalogue.h"
#include "core/hand_order.h"
#include "core/new_game.h"
#include "durak/guessing_game.h"
#include "games/hearts.h"
#include "persistence/settings.h"
#include "play/menu_commands.h"
#include "play/new_game.h"

namespace {

constexpr int kJapaneseVidG = 1;
constexpr int kReverseVidG = 2;
constexpr int kLastKeptDealVidG = 3;  // Simple .. Piled durak may keep the cards
constexpr int kCzechVidG = 5;
constexpr int kLastCardGameVidG = 7;  // beyond it the games are played alone
constexpr int kTrumpRow = 4;
constexpr int kStockRow = 5;
constexpr int kComputerRow = 0;
constexpr int kPlayerRow = 1;
constexpr int kAttackRow = 2;

const char* HelpFile(int lang) {
  return lang == 1 ? "kalvenor_eng.hlp" : "kalvenor_rus.hlp";
}

int SlotLimit(const Game& g) {
  return std::min(g.program.PackSize, kSlots);
}

bool IsDiamondAt(const Game& g, int row, int slot) {
  return g.t.IsPresent(row, slot) && g.t.SuitAt(row, slot) == Diamonds;
}

// Exchanges a diamond of the row with the trump card; the row is searched
// from its last slot down, or from slot 0 up.
bool SwapDiamondUnderStock(Game& g, int row, bool fromLast) {
  const int n = SlotLimit(g);
  for (int i = 0; i < n; ++i) {
    const int slot = fromLast ? n - 1 - i : i;
    if (!IsDiamondAt(g, row, slot)) continue;
    std::swap(g.t.CardGrid[row][slot], g.t.CardGrid[kTrumpRow][0]);
    return true;
  }
  return false;
}

void BringDiamondUnderStock(Game& g) {
  for (int row : {kStockRow, kComputerRow, kPlayerRow}) {
    if (SwapDiamondUnderStock(g, row, true)) break;
  }
  g.t.TrumpSuit = g.t.SuitAt(kTrumpRow, 0);
  // Last resort: a diamond already lying on the table as an attack card.
  if (g.t.TrumpSuit == Diamonds) return;
  SwapDiamondUnderStock(g, kAttackRow, false);
  g.t.TrumpSuit = g.t.SuitAt(kTrumpRow, 0);
}

bool ItemEnabled(const Game& g, const CatalogueEntry& entry) {
  // The solo games cannot be played against a network partner.
  return entry.VidG <= kLastCardGameVidG || !g.NetworkGame();
}

bool DealsAnew(const Game& g, int oldVidG, int newVidG) {
  return g.t.Options.CallNewGame == 1 || g.NetworkGame() || oldVidG > kLastKeptDealVidG ||
         newVidG > kLastKeptDealVidG;
}

// The cards stay; in Reverse durak the hands lie the other way up, so they
// are turned over when it is left or entered.
void ContinueWithTheseCards(Game& g, int oldVidG, int newVidG) {
  const bool leavingReverse = oldVidG == kReverseVidG && newVidG != kReverseVidG;
  const bool enteringReverse = oldVidG != kReverseVidG && newVidG == kReverseVidG;
  if (g.t.Options.Animation == 1 && leavingReverse) {
    g.out->FlipHand(kComputerRow);
    g.out->FlipHand(kPlayerRow);
  } else if (g.t.Options.Animation == 1 && enteringReverse) {
    g.out->FlipHand(kPlayerRow);
    g.out->FlipHand(kComputerRow);
  } else {
    g.out->RepaintTable(true);
    g.out->ShowCurrentComment();
  }
}

SwitchOutcome SwitchGame(Game& g, const CatalogueEntry& chosen) {
  const int oldFormG = g.t.FormG;
  const int oldVidG = g.t.VidG;
  const int newFormG = chosen.FormG;
  const int newVidG = chosen.VidG;
  if (newFormG == oldFormG && newVidG == oldVidG) return SwitchOutcome::SameGame;

  // Leaving the guessing game counts its loss for the game that was lost;
  // its table of guesses cannot be played on, so a new deal follows.
  const bool leftGuessing = g.t.GuessMode == 1;
  AbandonGuessing(g);

  // Leaving a game half played never counts it as lost.
  if (newVidG > kLastCardGameVidG) g.t.PatienceResult = -1;
  // Another form of Czech durak is another match to 100 points.
  if (newVidG == kCzechVidG && newFormG != oldFormG) {
    g.t.CzechPointsComputer = 0;
    g.t.CzechPointsPlayer = 0;
  }
  if (newVidG == kJapaneseVidG && !leftGuessing) MakeDiamondsTrump(g);
  // Coming to Hearts begins a game of it from 0 points.
  if (g.edition->KindOf(newVidG) == Kind::Hearts) ResetHeartsGame(g);

  SetGame(g, newFormG, newVidG, g.program.Lang, false);
  g.out->LayoutTable();
  LoadSettings(g);
  g.out->PlaceControls();
  g.out->UpdateStatusBar();

  if (!leftGuessing && !DealsAnew(g, oldVidG, newVidG)) {
    ContinueWithTheseCards(g, oldVidG, newVidG);
    return SwitchOutcome::Continued;
  }
  if (!g.NetworkGame()) {
    NewGame(g);
    return SwitchOutcome::DealtAnew;
  }
  g.out->RequestNewDeal();
  return SwitchOutcome::NewDealRequested;
}

}  // namespace

std::string GameCaption(const Game& g) {
  const int lang = g.program.Lang;
  std::string caption = GameName(*g.edition, g.t.VidG, lang, g.t.FormG);
  if (g.NetworkGame()) caption += lang == 1 ? " - network game" : " - сетевая игра";
  return caption;
}

std::string ApplicationTitle(const Game& g) {
  // Edition 2.84 keeps the program's own name as the application title.
  if (g.edition->id == EditionId::Kalvenor284) return g.program.Lang == 1 ? "Fool" : "Дурак";
  return GameCaption(g);
}

void SetGame(Game& g, int formg, int vidg, int lang, bool refresh) {
  if (!g.edition->HasPair(formg, vidg) || (lang != 0 && lang != 1)) return;
  g.t.FormG = formg;
  g.t.VidG = vidg;
  g.program.Lang = lang;
  const std::string caption = GameCaption(g);
  g.out->SetCaption(caption);
  g.out->SetApplicationTitle(ApplicationTitle(g));
  g.out->SetHelpFile(HelpFile(lang));
  WriteSetting(g, "FormG", formg);
  WriteSetting(g, "VidG", vidg);
  WriteSetting(g, "Lang", lang);
  if (!refresh) return;
  g.out->AttachMenu(lang);
  g.out->UpdateStatusBar();
  g.out->ShowCurrentComment();
}

GameMenuState RefreshMenuState(const Game& g) {
  GameMenuState s;
  const Edition& e = *g.edition;
  for (int i = 0; i < e.catalogueSize && i < kMaxCatalogueItems; ++i) {
    s.itemEnabled[i] = ItemEnabled(g, e.catalogue[i]);
  }
  s.checkedItem = CatalogueIndex(e, g.t.FormG, g.t.VidG);
  s.checkedLanguage = g.program.Lang == 1 ? 1 : 0;

  // The same rule the commands' handlers follow.
  s.undoEnabled = CommandMayRun(g, TableCommand::Undo);
  s.saveEnabled = CommandMayRun(g, TableCommand::SaveGame);
  s.restoreEnabled = CommandMayRun(g, TableCommand::RestoreGame);
  s.cardBackEnabled = CommandMayRun(g, TableCommand::CardBack);
  s.backgroundEnabled = CommandMayRun(g, TableCommand::Background);
  s.optionsEnabled = CommandMayRun(g, TableCommand::Options);
  // Only the server deals in a network game.
  s.newGameEnabled = g.program.NetRole != 0;
  return s;
}

GameMenuState MMGameClick(Game& g, int chosen) {
  const GameMenuState before = RefreshMenuState(g);
  const Edition& e = *g.edition;
  if (chosen < 0 || chosen >= e.catalogueSize) return before;
  GameMenuState after = before;
  // The client plays whatever the server deals.
  if (g.program.NetRole == 0 || !before.itemEnabled[chosen]) {
    after.outcome = SwitchOutcome::Refused;
    return after;
  }
  const SwitchOutcome outcome = SwitchGame(g, e.catalogue[chosen]);
  after = RefreshMenuState(g);
  after.outcome = outcome;
  return after;
}

void MakeDiamondsTrump(Game& g) {
  if (g.t.TrumpSuit == Diamonds) return;
  if (g.t.IsPresent(kTrumpRow, 0)) {
    BringDiamondUnderStock(g);
  } else {
    g.t.TrumpSuit = Diamonds;
  }
  CountRows(g);
  g.out->ShowCurrentComment();
  g.out->RepaintTable(true);
}
