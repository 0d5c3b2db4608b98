// What must hold on a Nine table after every action: checked by self-play
// and the random-game tests. Empty when all is well.
#pragma once

#include <string>

#include "core/game.h"

std::string CheckNineTable(Game& g);
