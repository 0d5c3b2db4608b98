// What must hold on an Eights table after every action: checked by
// self-play and the random-game tests. Empty when all is well.
#pragma once

#include <string>

#include "core/game.h"

std::string CheckEightsTable(Game& g);
