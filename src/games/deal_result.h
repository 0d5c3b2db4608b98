// The end of a deal of Eights or Nine: one side has laid its last card, or
// (Eights only) neither side can lay one.
#pragma once

#include "core/game.h"

enum class DealResult { Win, Loss, Void };

// Announces the result and counts it: a win or a loss in the game's
// statistics (the session's own counters in a network game), a void deal in
// none of them. The statistics are written, the status bar refreshed and,
// outside a network game, the next deal made when the action is over.
// Nothing is counted when the player closes the program from the question
// box.
void EndDeal(Game& g, DealResult result);
