// Self-play of Memory: a bot turns a face-down card chosen at random
// through the window's own release handler, and after every turn the table
// and the score are checked (patience/memory_invariants.h). Memory counts
// no wins or losses, so only the deals played are reported.
#pragma once

#include "play/self_play.h"

SelfPlayReport PlayMemoryGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);

// The slot of a face-down card chosen at random, -1 when none is left.
int RandomFaceDownMemoryCard(Game& g);
