// Self-play of Hearts: the player's seat plays by the computer's own
// strategy at the bot's level, through the handlers the window uses, and
// the table and the course of every hand are checked after each action
// (games/hearts_invariants.h). A game is every hand up to 100 points.
#pragma once

#include "play/self_play.h"

// One action of the player's seat: a card chosen or played, or the Move
// button pressed.
void ActInHearts(Game& g, const BotStyle& bot);

SelfPlayReport PlayHeartsGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);
