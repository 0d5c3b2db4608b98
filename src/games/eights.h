// Eights: shedding by suit or rank, the eight ordering a suit.
#pragma once

#include "core/game.h"

// The player let the button go over card `card` of his hand (row 1).
void EightsPlayerMove(Game& g, int card);
