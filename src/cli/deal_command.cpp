// kalvenar-cli deal: deals one game from a seed and prints the table.
#include <iostream>

#include "cli/commands.h"
#include "cli/headless_game.h"
#include "core/new_game.h"

int RunDeal(int argc, char** argv) {
  const CliArgs args(argc, argv, 2, {"vidg", "formg", "seed", "edition", "set", "save"}, {"set"});
  const Edition& edition = EditionFromArgs(args);
  const int64_t seed = args.RequiredInt("seed");
  HeadlessGame h(edition, seed);
  Game& g = h.game;
  ApplySetOptions(g, args.All("set"));
  SelectGame(g, args.RequiredInt("vidg"), args.RequiredInt("formg"));

  DealOnly(g);

  const nlohmann::ordered_json out = TableJson(g);
  if (const auto path = args.Get("save")) WriteSaveFile(*path, g);
  std::cout << out.dump() << '\n';
  return 0;
}
