// The partner's moves replayed on this side's table. The partner sits in
// row 0, the computer's seat; each move is carried out with his card from
// row 0 and leaves the table as it stands on his side, seen from this one.
// Also what the computer does when it takes the partner's seat back.
#pragma once

#include "core/game.h"
#include "network/net_message.h"

// Carries out a move record (codes 0..8) of the game on the table. A move
// that would play a card the partner does not hold, or put one where it
// cannot lie, is refused before it changes anything.
NetFault ApplyPartnerMove(Game& g, const NetMessage& m);

// The partner is gone: the computer takes over the game as it stands.
void ComputerTakesPartnersSeat(Game& g);

// Whether the player of this side may act now (not waiting for the
// partner); the headless peer plays only then.
bool NetPlayerToAct(const Game& g);
