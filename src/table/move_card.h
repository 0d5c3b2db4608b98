// The one way a card moves in play in the card games: its sound, its
// flight, the grid move and the recount that re-sorts the hands.
#pragma once

#include "core/game.h"

// Nothing when fromSlot is -1. With `counted` the card-played sound is heard
// and the rows are recounted afterwards (except in Nine). In Czech durak and
// Eights the suit in force follows every card laid. The caller repaints when
// "Animation" is 0.
void MoveCard(Game& g, int fromRow, int fromSlot, int toRow, int toSlot, bool counted);
