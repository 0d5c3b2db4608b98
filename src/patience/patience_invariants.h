// What must hold on the table of any patience game after every action:
// checked by self-play and the random-game tests. Empty when all is well,
// else what went wrong.
//   - every card of the game's pack lies in the grid exactly once;
//   - PileCount agrees with a fresh count of every row;
//   - the rows the game keeps as piles have no gaps;
//   - only slots holding a card are marked Opened;
//   - nothing is picked once the action is over, or the pick names a card;
//   - the win test (slot 0 of the game's rows) agrees with a look at every
//     slot of those rows.
#pragma once

#include <string>

#include "core/game.h"

std::string CheckPatienceTable(const Game& g);
