// Nine: the suits are built outward from their nines.
#pragma once

#include "core/game.h"

// The player let the button go over card `card` of his hand (row 1).
void NinePlayerMove(Game& g, int card);
