// After a deal: the window shows it, then play opens. The opening moves
// (the trump exchange, the first mover's lowest trump, the computer's first
// lead) are game logic and happen here; only the pictures are the window's.
#pragma once

#include "core/game.h"

void DealAndStart(Game& g);
