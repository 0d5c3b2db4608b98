// Hearts: the deal and the passing of three cards.
#pragma once

#include "core/game.h"

// Left press on the card the last hit test found (HitSlot of row 0).
void HeartsPress(Game& g);
