// Points of the table that the hit test names as a given card or place:
// where `kalvenar-cli play` and the patience self-play point the mouse to
// play a card by its grid row and slot.
#pragma once

#include <optional>

#include "core/game.h"
#include "play/keyboard_play.h"

// Whether the hit test at (x, y) names the card (row, slot): by HitIndex in
// the card games (the player's hand, row 1) and Hearts (row 0), by HitRow
// and HitSlot elsewhere. The table is left as it was.
bool PointNames(Game& g, int row, int slot, TablePoint p);

// A point naming the card: the middle of its place first, then points
// towards its corners, then down the middle of its column (fanned piles);
// with `wholeTable` at last every other point of the window.
std::optional<TablePoint> FindPointNaming(Game& g, int row, int slot, bool wholeTable);
