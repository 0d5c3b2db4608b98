// The mechanics of mouse play that every game shares: the hit test with
// the pointer shape it asks for, the lit card of the player's hand, and
// Scarf's lifted run following the pointer. Where each mouse event goes is
// the mid end's routing (play/pointer_routing.h).
#pragma once

#include <cstdint>

#include "core/game.h"

enum class PointerButton { Left, Right, Middle };

// The hit test of the game being played; shows the pointer it asks for and
// returns HitIndex.
int32_t HitTest(Game& g, int32_t x, int32_t y);

// Redraws the player's hand with the card under the pointer highlighted.
void HoverHand(Game& g);

// Scarf: lifts the card (HitRow, HitSlot) and every card above it, which
// the hit test framed in PickedRect, and follows the pointer from (x, y).
void StartDrag(Game& g, int32_t x, int32_t y);
// Moves the lifted run with the pointer to (x, y).
void DragStep(Game& g, int32_t x, int32_t y);
