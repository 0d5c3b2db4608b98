// Czech durak: shedding by suit or rank, played to 100 points.
#pragma once

#include "core/game.h"

// The player let the button go over card `card` of his hand (row 1).
void CzechPlayerMove(Game& g, int card);
