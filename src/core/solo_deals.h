// The deals of the games played alone (the fifteen patience games and
// Memory) and of Hearts: which rows get how many cards, which cards lie face
// up or free from the start.
#pragma once

#include "core/game.h"

// Patience games and Hearts, into the rows each game uses.
void DealSoloLayout(Game& g);
// Memory: the whole pack face down in row 0; the score starts at 0.
void DealMemory(Game& g);
