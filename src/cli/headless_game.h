// A game with no window, as the headless tool runs it: the table as at
// program start, the first-start options, a clock fixed to the seed.
#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/headless_callouts.h"
#include "core/game.h"
#include "persistence/settings_store.h"

struct HeadlessGame {
  HeadlessGame(const Edition& edition, int64_t seed);

  FixedClock clock;
  HeadlessCallouts callouts;  // lays nothing out until a game is attached
  MemoryStore store;
  Game game;
};

// "--edition 2.85|2.84" (default 2.85).
const Edition& EditionFromArgs(const CliArgs& args);
// Applies each "--set NAME=VALUE" to the options (NAME a settings value name).
void ApplySetOptions(Game& g, const std::vector<std::string>& sets);
// The (VidG, FormG) pair must be one of the edition's games.
void SelectGame(Game& g, int64_t vidg, int64_t formg);

// "WxH", both decimal: an outer window size.
void ParseOuterSize(const std::string& option, const std::string& text, WindowGeometry& w);

// What `deal` prints of a table: the game, the trump, the turn, the rows.
nlohmann::ordered_json TableJson(const Game& g);

// Writes the table as a save file whose two slots (the undo point and the
// saved game) both hold it.
void WriteSaveFile(const std::string& path, const Game& g);

// The grid as JSON: 14 arrays of 52 [suit, rank, present], and the flags.
nlohmann::ordered_json RowsJson(const TTableState& t);
nlohmann::ordered_json OpenedJson(const TTableState& t);
