// The win, loss and draw counters of every game kind and the names they are
// stored under. Counters without a meaning of their own all share the name
// "S_Null", so the store keeps only the last of them written.
#pragma once

#include <string_view>

#include "core/edition.h"

class Game;

// Store name of counter `which` (0 Wins, 1 Losses, 2 Draws) of kind `vidg`
// in the edition's numbering.
std::string_view StatisticName(const Edition& e, int vidg, int which);

// Writes all of the edition's counters, VidG order, Wins, Losses, Draws.
void WriteStatistics(Game& g);
