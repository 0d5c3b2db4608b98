// The result of a patience deal: won when the last card reached its place,
// abandoned when a new deal of the same game is asked for before that.
#pragma once

#include "core/game.h"

// Counts the previous deal of a patience game as won (PatienceResult 1) or
// abandoned (0) in the statistics of the game being played.
void SettlePreviousPatience(Game& g);
