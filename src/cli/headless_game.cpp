#include "cli/headless_game.h"

#include "persistence/settings_schema.h"

HeadlessGame::HeadlessGame(const Edition& edition, int64_t seed)
    : clock(seed), game(edition, callouts, clock) {
  game.store = &store;
  ApplyFirstStartValues(game);
  BuildPack(game.t.Pack);
  game.t.GameDecided = 0;
  game.t.PatienceResult = -1;
  game.t.WhoseTurn = 2;
  game.random.Seed(seed);
}

const Edition& EditionFromArgs(const CliArgs& args) {
  const auto name = args.Get("edition");
  if (!name) return Edition285();
  const Edition* e = EditionByName(*name);
  if (e == nullptr) FailUsage("unknown edition '" + *name + "' (2.85 or 2.84)");
  return *e;
}

void ApplySetOptions(Game& g, const std::vector<std::string>& sets) {
  for (const std::string& set : sets) {
    const auto eq = set.find('=');
    if (eq == std::string::npos) FailUsage("--set needs NAME=VALUE, got '" + set + "'");
    const std::string name = set.substr(0, eq);
    const SettingEntry* entry = FindSetting(name);
    if (entry == nullptr) FailUsage("unknown setting '" + name + "'");
    const auto value = ParseInteger(set.substr(eq + 1));
    if (!value || !SettingValueUsable(*entry, static_cast<int32_t>(*value)))
      FailUsage("bad value for setting '" + name + "'");
    entry->field(g) = static_cast<int32_t>(*value);
  }
}

void SelectGame(Game& g, int64_t vidg, int64_t formg) {
  if (vidg < 0 || vidg > 99 || formg < 0 || formg > 99 ||
      !g.edition->HasPair(static_cast<int>(formg), static_cast<int>(vidg)))
    FailUsage("no game with VidG " + std::to_string(vidg) + " and FormG " + std::to_string(formg) +
              " in this edition");
  g.t.VidG = static_cast<int32_t>(vidg);
  g.t.FormG = static_cast<int32_t>(formg);
}

nlohmann::ordered_json RowsJson(const TTableState& t) {
  auto rows = nlohmann::ordered_json::array();
  for (const auto& row : t.CardGrid) {
    auto slots = nlohmann::ordered_json::array();
    for (const TCard& c : row) slots.push_back({c.Suit, c.Rank, c.Present});
    rows.push_back(std::move(slots));
  }
  return rows;
}

nlohmann::ordered_json OpenedJson(const TTableState& t) {
  auto rows = nlohmann::ordered_json::array();
  for (const auto& row : t.Opened) {
    auto flags = nlohmann::ordered_json::array();
    for (uint8_t f : row) flags.push_back(f);
    rows.push_back(std::move(flags));
  }
  return rows;
}
