// Scarf: the seven-column patience with a stock dealt three cards at a time,
// played by dragging cards and runs onto the columns and the foundations.
#pragma once

#include "core/game.h"

// Left press at (x, y) on what the last hit test found (HitRow, HitSlot).
void ScarfPress(Game& g, int x, int y);
// Release of the button while a card or run is dragged.
void ScarfDrop(Game& g);
// Double click in Scarf and Solitaire: the card under the pointer goes to a
// foundation that takes it.
void AutoMoveToFoundation(Game& g);
