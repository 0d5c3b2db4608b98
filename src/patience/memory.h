// Memory: the player turns two cards at a time looking for pairs.
#pragma once

#include "core/game.h"

// The button was let go over the card in slot `slot` of row 0.
void MemoryTurn(Game& g, int slot);
