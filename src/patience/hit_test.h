// What lies under the mouse pointer. Every game has its own clickable boxes,
// worked out from the layout of the table: the fan of the player's hand in
// the card games, the piles and fans of the patience games, the cards of
// Memory and the player's hand of Hearts.
//
// A box is open: a point lies inside a box with left edge L, top T, width W
// and height H when L < x < L+W and T < y < T+H, so a point on an edge is
// outside. The boxes of a game are tried in a fixed order and the first one
// that holds the point wins; where a later card covers an earlier one, the
// earlier card's box is only its uncovered strip.
//
// The test writes its findings into the table state: HitIndex always (-1 when
// nothing is hit), HitRow/HitSlot in the patience games and Memory (both -1
// when nothing is hit) and, in Scarf, PickedRect, the area a drag would lift.
// The press handlers of the patience games read HitRow/HitSlot left by the
// last mouse move rather than testing again.
#pragma once

#include <cstdint>

#include "core/edition.h"
#include "core/table_state.h"

// What the mouse pointer should look like after a test. The hand shows over
// what can be taken; a few boxes leave the pointer as it was.
enum class PointerShape { Unchanged, Arrow, Hand };

struct HitResult {
  int32_t index = -1;  // the new HitIndex
  PointerShape pointer = PointerShape::Arrow;
};

// Tests the point (x, y) of the window against the boxes of the game `kind`.
HitResult HitTest(TTableState& t, Kind kind, int32_t x, int32_t y);

// The box of card c of the player's hand of n cards (card games): the
// uncovered part of the card, or all of it for the last card and for a fan
// whose cards do not overlap; 100 pixels high.
TRect HandCardBox(const TTableState& t, int n, int c);
