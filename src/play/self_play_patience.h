// Self-play of the patience games: a bot that makes a random move among
// those the game's rules allow (patience/patience_rules.h), pointing at the
// cards with the mouse through the window's own handlers, and now and then
// presses some random point of the table as a careless player would. The
// table is checked after every action (patience/patience_invariants.h), and
// a move the rules allow that changes nothing is a fault too.
//
// A deal ends when it is won, when no move is left, or after
// SelfPlayConfig::maxPatienceMoves moves; a new deal then counts it lost.
#pragma once

#include "play/self_play.h"

SelfPlayReport PlayPatienceGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);
