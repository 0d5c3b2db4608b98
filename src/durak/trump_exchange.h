// The exchange of the trump six (the two in a 52-card pack) at the start of
// Simple, Japanese and Reverse durak: a hand holding it may swap it for the
// face-up trump card under the stock. "ChangeTr" says whose hand may: 1 the
// player's, 2 the computer's, 3 both (the computer's first).
#pragma once

#include "core/game.h"

// The hand (row 0 the computer, 1 the player) exchanges its trump six (two)
// for the trump card, if it holds it. With "1_Move" 0 or 1 the first mover
// is then decided again: the exchanging side leads when the other holds no
// trump, otherwise whoever holds the lower lowest trump. Returns whether a
// card was exchanged.
bool TrumpExchange(Game& g, int row);

// The exchanges that "ChangeTr" asks for, before the first lead.
void TrumpExchangesAtStart(Game& g);

// Slot of the trump six (two) in the hand, or -1.
int ExchangeCardSlot(const Game& g, int row);
