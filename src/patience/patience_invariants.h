// What must hold on the table of any patience game after every action:
// checked by self-play and the random-game tests. Empty when all is well,
// else what went wrong.
//   - every card of the game's pack lies in the grid exactly once (at most
//     once in the games that take cards off the table);
//   - PileCount agrees with a fresh count of every row;
//   - the rows the game keeps as piles have no gaps;
//   - only slots holding a card are marked Opened;
//   - nothing is picked once the action is over, or the pick names a card;
//   - the win test (slot 0 of the game's rows) agrees with a look at every
//     slot of those rows.
#pragma once

#include <cstdint>
#include <string>

#include "core/game.h"

std::string CheckPatienceTable(const Game& g);

// The cards of the game's pack that lie in the grid, by ImageIndex.
uint64_t CardsOnTable(const TTableState& t);
