// The program is about to end (the window closes, by the player or by
// Cancel in a result box): what the table still owes the player is settled
// first. A guessing game left unfinished counts its loss.
#pragma once

#include "core/game.h"

void SettleBeforeClosing(Game& g);
