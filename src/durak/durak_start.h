// The opening of a game of durak once the deal lies on the table: the trump
// exchanges, a glimpse of the first mover's lowest trump, and the
// computer's first lead when it moves first.
#pragma once

#include "core/game.h"

void StartDurakPlay(Game& g);

// Shows the lowest trump of the first mover's face-down hand at a random one
// of the first six places of the fan (not its real place in the hand).
void ShowLowestTrump(Game& g);

// The computer opens a new trick: by its personality while the trump card
// still lies under the stock, by the endgame tables once every card is known.
void ComputerLeads(Game& g);
