// Self-play of Eights and Nine: the player's seat is the game's bot
// (games/eights_bot.h, games/nine_bot.h), acting through the window's own
// handlers, and the table is checked after every action
// (games/eights_invariants.h, games/nine_invariants.h). A deal that ends
// void (Eights) is reported as a draw.
#pragma once

#include "play/self_play.h"

SelfPlayReport PlayEightsGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);
SelfPlayReport PlayNineGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);
