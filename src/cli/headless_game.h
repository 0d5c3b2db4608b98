// A game with no window, as the headless tool runs it: the table as at
// program start, the first-start options, a clock fixed to the seed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/cli_args.h"
#include "core/game.h"
#include "persistence/settings_store.h"

struct HeadlessGame {
  HeadlessGame(const Edition& edition, int64_t seed);

  FixedClock clock;
  NullCallouts callouts;
  MemoryStore store;
  Game game;
};

// "--edition 2.85|2.84" (default 2.85).
const Edition& EditionFromArgs(const CliArgs& args);
// Applies each "--set NAME=VALUE" to the options (NAME a settings value name).
void ApplySetOptions(Game& g, const std::vector<std::string>& sets);
// The (VidG, FormG) pair must be one of the edition's games.
void SelectGame(Game& g, int64_t vidg, int64_t formg);

// The grid as JSON: 14 arrays of 52 [suit, rank, present], and the flags.
nlohmann::ordered_json RowsJson(const TTableState& t);
nlohmann::ordered_json OpenedJson(const TTableState& t);
