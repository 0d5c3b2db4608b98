// The bot in the player's seat of a network game (the headless peer and the
// tests): one action of the game being played, through the window's own
// handlers, taken only when the player may act.
#pragma once

#include "core/bot_style.h"
#include "core/game.h"

// False when nothing the bot tried changed the table.
bool NetBotActs(Game& g, const BotStyle& bot);
