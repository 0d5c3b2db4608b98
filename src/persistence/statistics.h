// The win, loss and draw counters of every game kind and the names they are
// stored under. Counters without a meaning of their own all share the name
// "S_Null", so the store keeps only the last of them written.
#pragma once

#include <string_view>

#include "core/edition.h"

class Game;
class ISettingsStore;

// Store name of counter `which` (0 Wins, 1 Losses, 2 Draws) of kind `vidg`
// in the edition's numbering.
std::string_view StatisticName(const Edition& e, int vidg, int which);

// Writes all of the edition's counters, VidG order, Wins, Losses, Draws.
void WriteStatistics(Game& g);

// Reads all of the edition's counters into Stats in the same order. A counter
// that is missing, not an integer or negative is read as 0 and written back.
// Every counter stored under "S_Null" gets that one stored value.
void ReadStatistics(Game& g);

// Zero under every one of the edition's counter names (first start).
void WriteZeroStatistics(ISettingsStore& store, const Edition& e);

// The options dialog's "clear the statistics": every counter of the edition
// becomes 0, in the table state and in the store.
void ClearStatistics(Game& g);
