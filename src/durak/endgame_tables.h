// The computer's leads once the stock is exhausted.
//
// When the trump card has been drawn (in Piled and Road durak from the
// start) every card in play is known, and for small hands the computer leads
// by hand-written tables instead of its personality's rule. The table is
// picked by the sizes of both hands; the stronger personalities and higher
// levels use more of them. Each table is a list of rules tried in order; the
// first that holds names the card.
#pragma once

#include "core/game.h"

// Slot of the computer's hand (row 0) to lead, or -1 when no table fits the
// two hand sizes, the personality and level do not reach it, or none of its
// rules holds. For the decision the player's hand is put into the
// computer's order; he gets it back in his own display order.
int EndgameChoice(Game& g);

// The computer's lead of a new trick with the stock exhausted: the tables'
// card, or the personality's when they have none, laid into row 2 slot
// CoverIndex.
void EndgameLead(Game& g);

// Slot of the computer's hand that completes three of a kind (see
// endgame::Hands::Triple), or -1.
int Triple(const Game& g);
