// kalvenar-cli deal: deals one game from a seed and prints the table.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "cli/commands.h"
#include "cli/headless_game.h"
#include "core/new_game.h"
#include "persistence/save_record.h"

namespace {

void WriteSaveFile(const std::string& path, const Game& g) {
  const SaveBytes bytes = EncodeSaveRecord(RecordFromTable(g));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  // Both slots, undo point and saved game, hold the dealt table.
  for (int slot = 0; slot < 2; ++slot)
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) FailUsage("cannot write '" + path + "'");
}

}  // namespace

int RunDeal(int argc, char** argv) {
  const CliArgs args(argc, argv, 2, {"vidg", "formg", "seed", "edition", "set", "save"}, {"set"});
  const Edition& edition = EditionFromArgs(args);
  const int64_t seed = args.RequiredInt("seed");
  HeadlessGame h(edition, seed);
  Game& g = h.game;
  ApplySetOptions(g, args.All("set"));
  SelectGame(g, args.RequiredInt("vidg"), args.RequiredInt("formg"));

  DealOnly(g);

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
  if (const auto path = args.Get("save")) WriteSaveFile(*path, g);
  std::cout << out.dump() << '\n';
  return 0;
}
