#include "play/keyboard_play.h"

#include <algorithm>

#include "games/hearts.h"
#include "patience/memory.h"
#include "patience/pointer_input.h"
#include "play/buttons.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"
#include "table/layout.h"

namespace {

constexpr int kPlayerRow = 1;
constexpr int kAttackRow = 2;
constexpr int kCoverRow = 3;
// A pointer this far into a card's face is on the card whatever its step.
constexpr int32_t kWideOffset = 35;
constexpr int32_t kPointerDepth = kCardHeight / 2;
constexpr int kMemoryColumns = 9;
constexpr int kMemoryRows = 4;

// Hearts: the player's hand is row 0, laid 15 pixels apart at fixed places.
constexpr int kHeartsHandRow = 0;

bool IsHearts(const Game& g) {
  return g.kind() == Kind::Hearts;
}

int HandSize(const Game& g) {
  return std::clamp(g.t.RowCount[IsHearts(g) ? kHeartsHandRow : kPlayerRow], 0, kSlots);
}

int32_t OffsetIntoCard(int32_t step, bool lastCard);

TablePoint HeartsCardPointer(const Game& g, int index) {
  const TTableState& t = g.t;
  const bool last = index == HandSize(g) - 1;
  const int32_t step =
      index + 1 < kSlots ? t.CardX[kHeartsHandRow][index + 1] - t.CardX[kHeartsHandRow][index] : 0;
  return {t.CardX[kHeartsHandRow][index] + OffsetIntoCard(step, last),
          t.CardY[kHeartsHandRow][index] + kPointerDepth};
}

int32_t OffsetIntoCard(int32_t step, bool lastCard) {
  // The last card and the cards of a hand laid side by side show their whole
  // face; the others only their step.
  return step >= kCardWidth || lastCard ? kWideOffset : step / 2;
}

KeyPlayResponse Finish(const Game& g, std::optional<TablePoint> pointer) {
  return {pointer, g.t.GuessMode == 0};
}

// The selected card is lit as the pointer would light it, and the pointer
// goes onto it.
KeyPlayResponse ShowSelection(Game& g) {
  if (IsHearts(g)) {
    g.t.HitSlot = g.t.HitIndex;
    return Finish(g, HeartsCardPointer(g, g.t.HitIndex));
  }
  HoverHand(g);
  return Finish(g, HandCardPointer(g.t, g.t.HitIndex));
}

// In the transfer form a card of the lead's rank transfers the attack, unless
// Ctrl was pressed first: then it covers, as a right click does.
bool CoversRatherThanTransfers(const Game& g, int slot) {
  const TTableState& t = g.t;
  return t.CtrlLatch == 1 && t.FormG == 2 && t.WhoseTurn == 0 && t.RowCount[kCoverRow] == 0 &&
         t.IsPresent(kAttackRow, 0) && t.RankAt(kPlayerRow, slot) == t.RankAt(kAttackRow, 0);
}

// The card goes where a release of the button over it would send it. Whether
// a card of the lead's rank transfers is left to durak's own rules (which
// know when the first round may not be transferred); Ctrl makes it cover,
// as the right button does.
void PlayCardOfHand(Game& g, int slot) {
  if (IsHearts(g)) {
    g.t.HitSlot = slot;
    return HeartsPress(g);  // a card chosen to pass, or played
  }
  if (CardMoveRoute(g) == CardMoveTarget::Durak && CoversRatherThanTransfers(g, slot)) {
    g.t.DefendByCover = 1;
    return RunCardMove(g, slot, PointerButton::Right);
  }
  RunCardMove(g, slot, PointerButton::Left);
}

// The card of a hand of m cards whose span holds the pointer's x, or -1.
int CardUnderPointer(const TTableState& t, int m, int32_t pointerX) {
  const THandGeometry fan = HandFan(t, m);
  for (int j = 0; j < m; ++j) {
    const int32_t left = fan.x0 + j * fan.step;
    const int32_t right = j == m - 1 ? left + std::max(fan.step, kCardWidth) : left + fan.step;
    if (pointerX >= left && pointerX <= right) return j;
  }
  return -1;
}

// After a card left the hand (or the Move button acted) the pointer stays on
// the hand: on the selected card when it is at an end of the hand, else on
// the card now under it.
KeyPlayResponse KeepPointerOnHand(Game& g, int sizeBefore, int32_t pointerX) {
  TTableState& t = g.t;
  const int m = HandSize(g);
  if (m == 0) {
    t.HitIndex = -1;
    return Finish(g, std::nullopt);
  }
  if (t.HitIndex >= m) t.HitIndex = m - 1;
  if (IsHearts(g)) return ShowSelection(g);  // the hand does not spread out again
  const bool atAnEnd = t.HitIndex == m - 1 || (t.HitIndex == 0 && m < sizeBefore);
  if (!atAnEnd) {
    const int under = CardUnderPointer(t, m, pointerX);
    if (under < 0) return Finish(g, std::nullopt);
    t.HitIndex = under;
  }
  return ShowSelection(g);
}

bool IsMemoryGrid(const Game& g) {
  return g.edition->id == EditionId::Kalvenor284 && IsMemory(g.kind());
}

TablePoint MemoryCardPointer(const TTableState& t, int slot) {
  return {t.CardX[0][slot] + kWideOffset, t.CardY[0][slot] + kPointerDepth};
}

}  // namespace

bool TakesKeyboardPlay(const Game& g) {
  return IsCardGame(g.kind()) || IsHearts(g) || IsMemoryGrid(g);
}

TablePoint HandCardPointer(const TTableState& t, int index) {
  const int n = std::clamp(t.RowCount[kPlayerRow], 0, kSlots);
  const THandGeometry fan = HandFan(t, n);
  return {fan.x0 + index * fan.step + OffsetIntoCard(fan.step, index == n - 1),
          t.PlayerHandY + kPointerDepth};
}

KeyPlayResponse SelectPreviousCard(Game& g) {
  const int n = HandSize(g);
  int32_t& sel = g.t.HitIndex;
  if (n == 0) {
    sel = -1;
    return Finish(g, std::nullopt);
  }
  if (sel == 0) {
    sel = n - 1;
  } else if (sel < 0) {
    sel = 0;
  } else {
    sel = std::min(sel - 1, n - 1);
  }
  return ShowSelection(g);
}

KeyPlayResponse SelectNextCard(Game& g) {
  const int n = HandSize(g);
  int32_t& sel = g.t.HitIndex;
  if (n == 0) {
    sel = -1;
    return Finish(g, std::nullopt);
  }
  if (sel >= n - 1) {
    sel = 0;
  } else if (sel < 0) {
    sel = n - 1;
  } else {
    ++sel;
  }
  return ShowSelection(g);
}

KeyPlayResponse PlaySelectedCard(Game& g, int32_t pointerX) {
  const int n = HandSize(g);
  const int slot = g.t.HitIndex;
  if (slot < 0 || slot >= n) return {};
  PlayCardOfHand(g, slot);
  g.t.CtrlLatch = 0;
  DealScheduledGame(g);
  // A refused card leaves everything as it was.
  if (HandSize(g) == n) return {};
  return KeepPointerOnHand(g, n, pointerX);
}

KeyPlayResponse PressMoveButtonByKey(Game& g, int32_t pointerX) {
  const int n = HandSize(g);
  if (g.t.GuessMode == 0) PressMoveButton(g);
  return KeepPointerOnHand(g, n, pointerX);
}

KeyPlayResponse AfterEnter(Game& g, int32_t pointerX) {
  return KeepPointerOnHand(g, HandSize(g), pointerX);
}

KeyPlayResponse LatchCtrl(Game& g) {
  g.t.CtrlLatch = 1;
  return Finish(g, std::nullopt);
}

KeyPlayResponse ReleaseCtrl(Game& g) {
  g.t.CtrlLatch = 0;
  return Finish(g, std::nullopt);
}

KeyPlayResponse StepMemorySelection(Game& g, GridStep step) {
  int32_t& sel = g.t.HitIndex;
  if (sel < 0 || sel >= kMemoryRows * kMemoryColumns) {
    sel = 0;
  } else {
    int row = sel / kMemoryColumns;
    int column = sel % kMemoryColumns;
    switch (step) {
      case GridStep::Left:
        column = (column + kMemoryColumns - 1) % kMemoryColumns;
        break;
      case GridStep::Right:
        column = (column + 1) % kMemoryColumns;
        break;
      case GridStep::Up:
        row = (row + kMemoryRows - 1) % kMemoryRows;
        break;
      case GridStep::Down:
        row = (row + 1) % kMemoryRows;
        break;
    }
    sel = row * kMemoryColumns + column;
  }
  g.t.HitSlot = sel;
  return Finish(g, MemoryCardPointer(g.t, sel));
}

KeyPlayResponse TurnSelectedMemoryCard(Game& g) {
  const int slot = g.t.HitIndex;
  if (slot < 0 || slot >= kMemoryRows * kMemoryColumns || !g.t.IsPresent(0, slot)) {
    return Finish(g, std::nullopt);
  }
  MemoryTurn(g, slot);
  DealScheduledGame(g);
  return Finish(g, std::nullopt);
}
