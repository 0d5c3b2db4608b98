#include "play/shortcuts.h"

#include "commentary/comment.h"
#include "core/hand_order.h"
#include "core/new_game.h"
#include "games/hearts.h"
#include "persistence/settings.h"
#include "play/game_switch.h"
#include "play/new_game.h"

namespace {

constexpr int kPlayerRow = 1;

int32_t Flipped(int32_t value) {
  return value == 0 ? 1 : 0;
}

void SortPlayersHandAgain(Game& g) {
  OrderRow(g, kPlayerRow);
  Comment(g, g.t.CommentId, g.t.ButtonCaptionId);
  g.out->RepaintTable(true);
}

KeyPlayResponse PlayMemoryByKey(Game& g, ShortcutKey key, bool& consumed) {
  consumed = true;
  switch (key) {
    case ShortcutKey::Left:
      return StepMemorySelection(g, GridStep::Left);
    case ShortcutKey::Right:
      return StepMemorySelection(g, GridStep::Right);
    case ShortcutKey::Up:
      return StepMemorySelection(g, GridStep::Up);
    case ShortcutKey::Down:
      return StepMemorySelection(g, GridStep::Down);
    case ShortcutKey::Ctrl:
      return TurnSelectedMemoryCard(g);
    default:
      consumed = false;
      return {};
  }
}

KeyPlayResponse PlayCardGameByKey(Game& g, ShortcutKey key, const KeyContext& c, bool& consumed) {
  consumed = true;
  switch (key) {
    case ShortcutKey::Left:
      return SelectPreviousCard(g);
    case ShortcutKey::Right:
      return SelectNextCard(g);
    case ShortcutKey::Ctrl:
      return LatchCtrl(g);
    case ShortcutKey::End:
      return ReleaseCtrl(g);
    case ShortcutKey::Down:
      return PressMoveButtonByKey(g, c.pointerX);
    case ShortcutKey::Up:
      return PlaySelectedCard(g, c.pointerX);
    case ShortcutKey::Enter:
      consumed = c.moveButtonFocused;
      return c.moveButtonFocused ? PressMoveButtonByKey(g, c.pointerX) : AfterEnter(g, c.pointerX);
    default:
      // Any other key only takes the focus off the buttons.
      consumed = false;
      return {std::nullopt, g.t.GuessMode == 0};
  }
}

bool IsKalvenor284(const Game& g) {
  return g.edition->id == EditionId::Kalvenor284;
}

}  // namespace

bool ShortcutsListen(const Game& g, bool dialogOpen) {
  if (g.t.Dealing != 0) return false;
  if (g.program.ModalFlag != -1) return true;
  // Edition 2.84 keeps its shortcuts while one of its dialogs is open (but
  // not while a game message box waits).
  return IsKalvenor284(g) && dialogOpen;
}

KeyResponse KeyboardShortcut(Game& g, ShortcutKey key, const KeyContext& context) {
  KeyResponse r;
  r.consumed = true;
  switch (key) {
    case ShortcutKey::F1:
      r.openHelp = true;
      return r;
    case ShortcutKey::F7:
      ExchangeThrowUpAndTransfer(g);
      return r;
    case ShortcutKey::F8:
      ToggleAnimation(g);
      return r;
    case ShortcutKey::F9:
      SwitchLanguage(g);
      return r;
    case ShortcutKey::F11:
      ToggleNumberOrPercent(g);
      return r;
    case ShortcutKey::F12:
      ToggleStatSeparate(g);
      return r;
    case ShortcutKey::Minus:
      ToggleTrumpsSide(g);
      return r;
    case ShortcutKey::Plus:
      ToggleSuitOrder(g);
      return r;
    case ShortcutKey::Escape:
      r.minimise = g.edition->hasMinOnEscape && g.t.Options.MinOnEscape == 1;
      r.consumed = r.minimise;
      return r;
    case ShortcutKey::None:
      r.consumed = false;
      return r;
    default:
      break;
  }
  r.consumed = false;
  if (IsCardGame(g.kind()) || g.kind() == Kind::Hearts) {
    r.play = PlayCardGameByKey(g, key, context, r.consumed);
  } else if (TakesKeyboardPlay(g)) {
    r.play = PlayMemoryByKey(g, key, r.consumed);
  }
  return r;
}

void SwitchLanguage(Game& g) {
  SetGame(g, g.t.FormG, g.t.VidG, 1 - g.program.Lang, true);
}

void SelectLanguage(Game& g, int lang) {
  if ((lang == 0 || lang == 1) && lang != g.program.Lang) SwitchLanguage(g);
}

void ExchangeThrowUpAndTransfer(Game& g) {
  int formg = g.t.FormG;
  if (formg == 1) {
    formg = 2;
  } else if (formg == 2) {
    formg = 1;
  }
  SetGame(g, formg, g.t.VidG, g.program.Lang, true);
}

void ToggleAnimation(Game& g) {
  g.t.Options.Animation = Flipped(g.t.Options.Animation);
  WriteSetting(g, "Animation", g.t.Options.Animation);
}

void ToggleNumberOrPercent(Game& g) {
  WriteSetting(g, "NumberOrPercent", Flipped(g.t.Options.NumberOrPercent));
  RereadSettings(g);
}

void ToggleStatSeparate(Game& g) {
  WriteSetting(g, "StatSeparate", Flipped(g.t.Options.StatSeparate));
  RereadSettings(g);
}

void ToggleTrumpsSide(Game& g) {
  g.t.Options.TrLeftRight = Flipped(g.t.Options.TrLeftRight);
  WriteSetting(g, "Tr_Left_Right", g.t.Options.TrLeftRight);
  SortPlayersHandAgain(g);
}

void ToggleSuitOrder(Game& g) {
  g.t.Options.TrSuitOld = Flipped(g.t.Options.TrSuitOld);
  WriteSetting(g, "Tr_Suit_Old", g.t.Options.TrSuitOld);
  SortPlayersHandAgain(g);
}

void NewGameCommand(Game& g) {
  // A new game of Hearts starts again from 0 points; its next hands come
  // by themselves.
  if (g.kind() == Kind::Hearts) ResetHeartsGame(g);
  if (g.program.NetRole == -1) {
    NewGame(g);
  } else if (g.program.NetRole == 1) {
    g.out->RequestNewDeal();
  }
}
