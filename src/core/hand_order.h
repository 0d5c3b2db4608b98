// Keeping rows compact and hands sorted.
//
// After every card movement of the card games the rows are closed up and the
// hands sorted again. The computer's hand always has one order (trumps high
// to low, then the other cards high to low, equal ranks clubs, spades,
// diamonds, hearts); the computer's choices rely on it. The player's hand
// follows the two display options "Tr_Left_Right" and "Tr_Suit_Old".
#pragma once

#include "core/game.h"

// Suit sorted as the trump group: clubs in Czech durak and Eights, otherwise
// the trump suit (-1: no trump group).
int TrumpGroupSuit(const Game& g);

// Closes up the row and sorts it when it is a hand; returns the number of
// present cards among the first PackSize slots. Does nothing and returns 0
// in the patience games and Memory.
int OrderRow(Game& g, int row);
// Orders rows 0, 1, 2, 3 and 5 and stores their counts.
void CountRows(Game& g);
// Slot of the lowest trump among the row's first RowCount slots, or -1.
int LowestTrumpIndex(const Game& g, int row);
