// Whole games of durak played by the computer against the player bot,
// through the same handlers the window uses, with the table checked after
// every action. Used by `kalvenar-cli selfplay` and the random-game tests.
#pragma once

#include <cstdint>
#include <string>

#include "core/game.h"
#include "durak/player_bot.h"

struct SelfPlayConfig {
  int games = 1;
  int64_t seed = 0;
  BotStyle bot;
  int maxActionsPerGame = 2000;  // a game that runs longer is stuck
  bool checkTable = true;
};

struct SelfPlayReport {
  int games = 0, wins = 0, losses = 0, draws = 0;
  int64_t actions = 0;
  int violations = 0;
  std::string violation;  // the first one: what, at which game and action
};

// The bot's action; when the rules refuse it, what a person would try next:
// the Move button, then any card of the hand with either button. False when
// nothing changes the table.
bool ActSomehow(Game& g, const BotStyle& bot);

// The game's clock must be `clock`: the first deal happens at second
// seed * 100000000 and every action one second after the previous one, so
// every deal differs and a seed replays exactly.
SelfPlayReport PlayDurakGames(Game& g, FixedClock& clock, const SelfPlayConfig& config);
