#include "cli/headless_game.h"

#include <regex>

#include "persistence/save_file.h"
#include "persistence/save_record.h"
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

void ParseOuterSize(const std::string& option, const std::string& text, WindowGeometry& w) {
  static const std::regex kSize("([0-9]+)x([0-9]+)");
  std::smatch m;
  if (!std::regex_match(text, m, kSize))
    FailUsage("--" + option + " needs WIDTHxHEIGHT, got '" + text + "'");
  const auto width = ParseInteger(m[1].str());
  const auto height = ParseInteger(m[2].str());
  if (!width || !height) FailUsage("--" + option + " size '" + text + "' is too large");
  w.outerWidth = static_cast<int32_t>(*width);
  w.outerHeight = static_cast<int32_t>(*height);
}

nlohmann::ordered_json TableJson(const Game& g) {
  const TTableState& t = g.t;
  nlohmann::ordered_json out;
  out["VidG"] = t.VidG;
  out["FormG"] = t.FormG;
  out["PackSize"] = g.program.PackSize;
  out["TrumpSuit"] = t.TrumpSuit;
  out["WhoseTurn"] = t.WhoseTurn;
  out["GameDecided"] = t.GameDecided;
  out["CoverIndex"] = t.CoverIndex;
  out["FirstDiscardDone"] = t.FirstDiscardDone;
  out["RowCount"] = {t.RowCount[0], t.RowCount[1], t.RowCount[2], t.RowCount[3], t.RowCount[5]};
  out["rows"] = RowsJson(t);
  out["opened"] = OpenedJson(t);
  return out;
}

void WriteSaveFile(const std::string& path, const Game& g) {
  const SaveBytes record = EncodeSaveRecord(RecordFromTable(g));
  if (!DiskSaveFile(path).Replace(ContentsWithSlot({}, kSavedGameSlot, record)))
    FailUsage("cannot write '" + path + "'");
}
