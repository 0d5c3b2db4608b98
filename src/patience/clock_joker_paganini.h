// Clock, Joker and Paganini: three patience games with end tests of their
// own. Each press acts on what the last hit test found (HitRow, HitSlot).
// The rules of each open its own file: clock.cpp, joker.cpp, paganini.cpp.
#pragma once

#include <string>

#include "core/game.h"
#include "patience/patience_rules.h"

void ClockPress(Game& g);
void JokerPress(Game& g);
void PaganiniPress(Game& g);

// Clock: the pile that gathers a rank (0 kings, 1 aces, 2 to 10 the twos to
// tens, 11 jacks, 12 queens).
int ClockPileOf(int rank);
// Clock: every pile but the kings' is complete; the four kings lie in
// the kings' pile (the deal is lost).
bool ClockWon(const TTableState& t);
bool ClockLost(const TTableState& t);

// Joker: the two black sixes stand in for any card.
bool IsJoker(const TCard& card);
// Whether the row (a foundation, column or cell) takes the card picked from
// `fromRow`.
bool JokerTakes(const TTableState& t, int fromRow, const TCard& card, int row);
// No column holds a card other than a joker.
bool JokerWon(const TTableState& t);

// Paganini: whether the card may go into the empty slot `slot` of the row.
bool PaganiniGapTakes(const TTableState& t, const TCard& card, int row, int slot);
// Each row runs six to king of one suit from slot 1, and slot 9 is empty.
bool PaganiniWon(const TTableState& t);

// Self-play and the table checks of each game.
PatienceActions ClockLegalMoves(const TTableState& t);
std::string CheckClockTable(const TTableState& t);
PatienceActions JokerLegalMoves(const TTableState& t);
std::string CheckJokerTable(const TTableState& t);
PatienceActions PaganiniLegalMoves(const TTableState& t);
