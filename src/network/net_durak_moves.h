// The partner's durak moves (codes 0..8) and the computer taking his seat.
#pragma once

#include "core/game.h"
#include "network/net_message.h"

// slot: the partner's card in row 0, -1 when the record's card is not there.
NetFault ApplyDurakMove(Game& g, const NetMessage& m, int slot);
void DurakComputerTakesOver(Game& g);
