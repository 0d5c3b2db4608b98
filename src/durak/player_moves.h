// The player's card, once the click has passed the filters: an attack (a
// lead, an added card) or a defence (a cover, a transfer), each answered by
// the computer.
#pragma once

#include "core/game.h"

enum class PlayResult {
  Ignored,   // the rules refuse the card; nothing happened
  Done,      // the card was played and answered
  GameOver,  // the game ended during the play (a new deal has been made)
};

PlayResult PlayCard(Game& g, int slot);
