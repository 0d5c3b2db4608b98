#include "play/pointer_routing.h"

#include "core/game_message.h"
#include "durak/guessing_game.h"
#include "durak/turn_flow.h"
#include "games/czech_durak.h"
#include "games/eights.h"
#include "games/hearts.h"
#include "games/nine.h"
#include "patience/back_effect.h"
#include "patience/clock_joker_paganini.h"
#include "patience/memory.h"
#include "patience/pairing.h"
#include "patience/pointer_input.h"
#include "patience/scarf.h"
#include "patience/sequence.h"
#include "patience/solitaire.h"
#include "play/new_game.h"

namespace {

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

}  // namespace

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

void FormMouseDown(Game& g, PointerButton button, int32_t x, int32_t y) {
  // The patience games act on what lies under the pointer. A move may have
  // changed the table under a pointer that has not moved since (the stock's
  // next card lies where the last one was): the place is looked at afresh.
  if (IsPatience(g.kind())) HitTest(g, x, y);
  RunPress(g, PressRoute(g.kind(), button), x, y);
  DealScheduledGame(g);
}

void FormMouseUp(Game& g, PointerButton button, int32_t x, int32_t y) {
  switch (ReleaseRoute(g.kind())) {
    case ReleaseAction::None:
      break;
    case ReleaseAction::ScarfDrop:
      // Whichever button was let go; a release with nothing lifted drops nothing.
      if (g.t.Picked == 1) ScarfDrop(g);
      break;
    case ReleaseAction::PrisonerRelease:
      PrisonerRelease(g);
      break;
    case ReleaseAction::CardMove:
      ReleaseOverCard(g, button, x, y);
      break;
  }
  DealScheduledGame(g);
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
  DealScheduledGame(g);
}
