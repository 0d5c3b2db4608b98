// Self-play: whole games of the game being played, the computer against a
// stand-in for the player, through the same handlers the window uses, with
// the table checked after every action. Used by `kalvenar-cli selfplay`,
// the random-game tests and the soak.
//
// Each game family has its own driver; this is the one registry of them.
#pragma once

#include <cstdint>
#include <string>

#include "core/bot_style.h"
#include "core/game.h"

struct SelfPlayConfig {
  int games = 1;
  int64_t seed = 0;
  BotStyle bot;
  int maxActionsPerGame = 2000;  // a game that runs longer is stuck
  int maxPatienceMoves = 400;     // a patience deal still open after this is given up
  bool checkTable = true;
};

struct SelfPlayReport {
  int games = 0, wins = 0, losses = 0, draws = 0;
  int64_t actions = 0;
  int violations = 0;
  std::string violation;  // the first one: what, at which game and action
};

// Whether self-play knows the game of this kind.
bool SelfPlaySupported(Kind kind);

// Plays config.games games of the current (VidG, FormG). The game's clock
// must be `clock`: the first deal happens at SelfPlaySecond(seed) and every
// action one second after the previous one, so every deal differs and a
// seed replays exactly.
SelfPlayReport RunSelfPlay(Game& g, FixedClock& clock, const SelfPlayConfig& config);

// The second of the clock after `actions` actions of self-play: seed *
// 100000000 onwards. A seed of 2^36 or more counts by its remainder, so that
// the product never overflows, whatever seed the tool was given.
inline int64_t SelfPlaySecond(int64_t seed, int64_t actions = 0) {
  return seed % (int64_t{1} << 36) * 100000000 + actions;
}

// Whether the table as it lies now is a table of its game: what a save of it
// would hold passes the checks a restore makes, and the game's own rules of
// the table hold (for the games that have them). Empty when it is whole,
// else what is wrong. The soak and the window's monkey test ask it after
// every event.
std::string TableProblem(Game& g);
