// Self-play of Czech durak: the player's seat is the game's bot
// (games/czech_bot.h), acting through the window's own handlers, and the
// table and the match points are checked after every action
// (games/czech_invariants.h). A game is a deal; the wins and losses are
// those of whole matches, as the statistics count them.
#pragma once

#include "play/self_play.h"

SelfPlayReport PlayCzechGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);
