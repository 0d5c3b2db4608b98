// Self-play of durak: the player's seat is the durak bot (durak/player_bot.h),
// and the table is checked after every action (durak/table_invariants.h).
#pragma once

#include "durak/player_bot.h"
#include "play/self_play.h"

// Carries the bot's action out through the window's own handlers.
void PerformBotAction(Game& g, const BotAction& action);

// The bot's action; when the rules refuse it, what a person would try next:
// the Move button, then any card of the hand with either button. False when
// nothing changes the table.
bool ActSomehow(Game& g, const BotStyle& bot);

SelfPlayReport PlayDurakGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);
