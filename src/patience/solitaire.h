// Solitaire: eight columns and four free cells, played with two clicks.
#pragma once

#include "core/game.h"

// Left press at (x, y) on what the last hit test found (HitRow, HitSlot).
void SolitairePress(Game& g, int x, int y);
