// A new game as the player meets it: the previous patience deal is counted,
// the game chosen by (FormG, VidG) is dealt, the deal is shown and play is
// opened by whoever moves first.
#pragma once

#include "core/game.h"

void NewGame(Game& g);

// Every action of the player ends here: when it brought a game to its end
// (ScheduleNewGame), the next game is dealt now.
void DealScheduledGame(Game& g);
