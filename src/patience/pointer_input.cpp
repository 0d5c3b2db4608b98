#include "patience/pointer_input.h"

#include <algorithm>

#include "core/game_message.h"
#include "durak/guessing_game.h"
#include "durak/turn_flow.h"
#include "games/czech_durak.h"
#include "games/eights.h"
#include "games/hearts.h"
#include "games/nine.h"
#include "patience/back_effect.h"
#include "patience/clock_joker_paganini.h"
#include "patience/hit_test.h"
#include "patience/memory.h"
#include "patience/pairing.h"
#include "patience/scarf.h"
#include "patience/sequence.h"
#include "patience/solitaire.h"
#include "table/layout.h"

namespace {

// A step of the drag of up to this far sideways (up or down) leaves nothing
// of the picture behind.
constexpr int32_t kDragReachX = 371;
constexpr int32_t kDragReachY = 396;

void RunPress(Game& g, PressAction action, int32_t x, int32_t y) {
  switch (action) {
    case PressAction::None:
      return;
    case PressAction::BackEffect:
      return PressBackEffect(g);
    case PressAction::ScarfPress:
      return ScarfPress(g, x, y);
    case PressAction::SolitairePress:
      return SolitairePress(g, x, y);
    case PressAction::KerchiefPress:
      return KerchiefPress(g);
    case PressAction::PairsPress:
      return PairsPress(g);
    case PressAction::BardPress:
      return BardPress(g);
    case PressAction::PiramidaPress:
      return PiramidaPress(g);
    case PressAction::PrisonerPress:
      return PrisonerPress(g);
    case PressAction::TwoByTwoPress:
      return TwoByTwoPress(g);
    case PressAction::OldFriendPress:
      return OldFriendPress(g);
    case PressAction::ClockPress:
      return ClockPress(g);
    case PressAction::JokerPress:
      return JokerPress(g);
    case PressAction::PaganiniPress:
      return PaganiniPress(g);
    case PressAction::CrossPress:
      return CrossPress(g);
    case PressAction::FirTreesPress:
      return FirTreesPress(g);
    case PressAction::StreetPress:
      return StreetPress(g);
    case PressAction::HeartsPress:
      return HeartsPress(g);
  }
}

void RunCardMove(Game& g, int32_t card, PointerButton button) {
  switch (CardMoveRoute(g)) {
    case CardMoveTarget::Guess:
      return GuessClick(g, card);
    case CardMoveTarget::Durak:
      return OnHandCardClick(
          g, card, button == PointerButton::Right ? MouseButton::Right : MouseButton::Left);
    case CardMoveTarget::Czech:
      return CzechPlayerMove(g, card);
    case CardMoveTarget::Eights:
      return EightsPlayerMove(g, card);
    case CardMoveTarget::Nine:
      return NinePlayerMove(g, card);
    case CardMoveTarget::Memory:
      return MemoryTurn(g, card);
    case CardMoveTarget::None:
      return;
  }
}

// The release over a card of the card games and Memory.
void ReleaseOverCard(Game& g, PointerButton button, int32_t x, int32_t y) {
  if (IsCardGame(g.kind()) && button == PointerButton::Left) ReleaseBackEffect(g);
  // A server still waiting for its partner has nobody to play with.
  if (g.program.NetRole == 1 && !g.out->PartnerConnected()) {
    ShowGameMessage(g, kMsgNotConnected, -1);
    return;
  }
  const int32_t card = HitTest(g, x, y);
  if (card == -1) return;
  RunCardMove(g, card, button);
}

TRect Moved(const TRect& r, int32_t dx, int32_t dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The strips of the table that the picture, moved to `now`, no longer covers.
std::vector<TRect> UncoveredStrips(const TRect& now, int32_t dx, int32_t dy) {
  std::vector<TRect> strips;
  const int32_t top = now.Top - kDragReachY;
  const int32_t bottom = now.Bottom + kDragReachY;
  if (dx < 0) {
    strips.push_back({now.Right, top, now.Right + kDragReachX, bottom});
  } else if (dx > 0) {
    strips.push_back({now.Left - kDragReachX, top, now.Left, bottom});
  }
  const int32_t left = now.Left - kDragReachX;
  const int32_t right = now.Right + kDragReachX;
  if (dy > 0) {
    strips.push_back({left, top, right, now.Top});
  } else if (dy < 0) {
    strips.push_back({left, now.Bottom, right, bottom});
  }
  return strips;
}

}  // namespace

PressAction PressRoute(Kind kind, PointerButton button) {
  if (button != PointerButton::Left) return PressAction::None;
  if (IsCardGame(kind)) return PressAction::BackEffect;
  switch (kind) {
    case Kind::Scarf:
      return PressAction::ScarfPress;
    case Kind::Solitaire:
      return PressAction::SolitairePress;
    case Kind::Kerchief:
      return PressAction::KerchiefPress;
    case Kind::Pairs:
      return PressAction::PairsPress;
    case Kind::Bard:
      return PressAction::BardPress;
    case Kind::Piramida:
      return PressAction::PiramidaPress;
    case Kind::Prisoner:
      return PressAction::PrisonerPress;
    case Kind::TwoByTwo:
      return PressAction::TwoByTwoPress;
    case Kind::OldFriend:
      return PressAction::OldFriendPress;
    case Kind::Clock:
      return PressAction::ClockPress;
    case Kind::Joker:
      return PressAction::JokerPress;
    case Kind::Paganini:
      return PressAction::PaganiniPress;
    case Kind::CrossRoads:
      return PressAction::CrossPress;
    case Kind::FirTrees:
      return PressAction::FirTreesPress;
    case Kind::Street:
      return PressAction::StreetPress;
    case Kind::Hearts:
      return PressAction::HeartsPress;
    default:
      return PressAction::None;  // Memory turns its cards on release
  }
}

ReleaseAction ReleaseRoute(Kind kind) {
  if (kind == Kind::Scarf) return ReleaseAction::ScarfDrop;
  if (kind == Kind::Prisoner) return ReleaseAction::PrisonerRelease;
  if (IsCardGame(kind) || IsMemory(kind)) return ReleaseAction::CardMove;
  return ReleaseAction::None;
}

CardMoveTarget CardMoveRoute(const Game& g) {
  // The sharper's pack lies in the player's row while he guesses.
  if (g.t.GuessMode == 1) return CardMoveTarget::Guess;
  const Kind kind = g.kind();
  if (IsDurak(kind)) return CardMoveTarget::Durak;
  if (kind == Kind::CzechDurak) return CardMoveTarget::Czech;
  if (kind == Kind::Eights) return CardMoveTarget::Eights;
  if (kind == Kind::Nine) return CardMoveTarget::Nine;
  if (IsMemory(kind)) return CardMoveTarget::Memory;
  return CardMoveTarget::None;
}

int32_t HitTest(Game& g, int32_t x, int32_t y) {
  const HitResult hit = HitTest(g.t, g.kind(), x, y);
  if (hit.pointer != PointerShape::Unchanged) {
    g.out->SetHandPointer(hit.pointer == PointerShape::Hand);
  }
  return hit.index;
}

void FormMouseDown(Game& g, PointerButton button, int32_t x, int32_t y) {
  RunPress(g, PressRoute(g.kind(), button), x, y);
}

void FormMouseUp(Game& g, PointerButton button, int32_t x, int32_t y) {
  switch (ReleaseRoute(g.kind())) {
    case ReleaseAction::None:
      return;
    case ReleaseAction::ScarfDrop:
      // Whichever button was let go; a release with nothing lifted drops nothing.
      if (g.t.Picked == 1) ScarfDrop(g);
      return;
    case ReleaseAction::PrisonerRelease:
      return PrisonerRelease(g);
    case ReleaseAction::CardMove:
      return ReleaseOverCard(g, button, x, y);
  }
}

void FormMouseMove(Game& g, int32_t x, int32_t y) {
  HitTest(g, x, y);
  const Kind kind = g.kind();
  if (kind == Kind::Scarf) {
    DragStep(g, x, y);
  } else if (IsCardGame(kind)) {
    HoverHand(g);
    // The partner has gone: the server socket need not listen any longer.
    if (g.program.NetRole == -1) g.out->CloseIdleServerSocket();
  }
}

void FormDblClick(Game& g) {
  const Kind kind = g.kind();
  if (kind == Kind::Scarf || kind == Kind::Solitaire) AutoMoveToFoundation(g);
}

// The hand is not lit while it is being dealt, nor in Reverse durak, where
// the player holds his own cards face down.
void HoverHand(Game& g) {
  const TTableState& t = g.t;
  if (t.Dealing != 0 || g.kind() == Kind::ReverseDurak) return;
  const int n = std::clamp(t.RowCount[1], 0, kSlots);
  HandHoverView view;
  view.top = t.PlayerHandY;
  for (int c = 0; c < n; ++c) {
    const TRect box = HandCardBox(t, n, c);
    view.cards.push_back({box.Left, box.Width(), t.ImageIndexAt(1, c), c == t.HitIndex});
  }
  g.out->ShowHandHover(view);
}

void StartDrag(Game& g, int32_t x, int32_t y) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  if (row < 0 || row >= kRows || slot < 0 || slot >= kSlots) return;

  t.DragRect = t.PickedRect;
  t.DragImageRect = {0, 0, kCardWidth, t.PickedRect.Height()};
  g.out->CaptureDragPicture(t.DragRect, t.DragImageRect);

  // The lifted cards keep their values in the grid, so that a refused drop
  // can put them back.
  const int top = std::max(std::min(t.PileCount[row], kSlots) - 1, slot);
  for (int s = slot; s <= top; ++s) {
    t.CardGrid[row][s].Present = 0;
    t.Opened[row][s] = 0;
  }
  t.SourceRow = row;
  t.SourceSlot = slot;
  t.PickedColour = t.SuitAt(row, slot) >= 2 ? 1 : 0;  // diamonds and hearts are red
  // The table is composed without the lifted cards; the window still shows
  // them in place until the picture moves.
  g.out->RepaintTable(false);
  t.Picked = 1;
  t.DragLastX = x;
  t.DragLastY = y;
}

void DragStep(Game& g, int32_t x, int32_t y) {
  TTableState& t = g.t;
  if (t.Picked != 1) return;
  const int32_t dx = x - t.DragLastX;
  const int32_t dy = y - t.DragLastY;
  t.DragRect = Moved(t.DragRect, dx, dy);
  g.out->ShowDragStep({UncoveredStrips(t.DragRect, dx, dy), t.DragImageRect, t.DragRect});
  t.DragLastX = x;
  t.DragLastY = y;
}
