// Mouse play. The window and the headless tool hand over the four mouse
// events with the pointer position in client pixels; the game kind decides
// where each one goes:
//   - the card games and Memory move on the release of the button over a
//     card, after the hit test has named it;
//   - the patience games and Hearts act on the left press, using the place
//     the hit test of the last mouse move found (the patience games test
//     again at the press, as a move may have changed the table under a
//     pointer that stayed where it was);
//   - Scarf drags cards from the press to the release, Prisoner frees a
//     prisoner on the release, and Scarf and Solitaire send a card to its
//     foundation on a double click.
// Every move of the mouse runs the hit test, so the pointer shows the hand
// over whatever can be taken. A press, release or double click that ends a
// game deals the next one before it returns.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "patience/pointer_input.h"

void FormMouseDown(Game& g, PointerButton button, int32_t x, int32_t y);
void FormMouseUp(Game& g, PointerButton button, int32_t x, int32_t y);
void FormMouseMove(Game& g, int32_t x, int32_t y);
void FormDblClick(Game& g);

// The card `card` named by the hit test goes to whoever takes it now (the
// guessing game, durak, Czech durak, Eights, Nine, Memory): the release of
// a button over it, or the up arrow of keyboard play.
void RunCardMove(Game& g, int32_t card, PointerButton button);

// Where the events go, for each kind of game.
enum class PressAction {
  None,
  BackEffect,  // card games: the moves happen on release
  ScarfPress,
  SolitairePress,
  KerchiefPress,
  PairsPress,
  BardPress,
  PiramidaPress,
  PrisonerPress,
  TwoByTwoPress,
  OldFriendPress,
  ClockPress,
  JokerPress,
  PaganiniPress,
  CrossPress,
  FirTreesPress,
  StreetPress,
  HeartsPress,
};
PressAction PressRoute(Kind kind, PointerButton button);

enum class ReleaseAction {
  None,
  ScarfDrop,
  PrisonerRelease,
  CardMove,  // the move of the card under the pointer (card games, Memory)
};
ReleaseAction ReleaseRoute(Kind kind);

// Who takes the card the release named.
enum class CardMoveTarget { Guess, Durak, Czech, Eights, Nine, Memory, None };
CardMoveTarget CardMoveRoute(const Game& g);
