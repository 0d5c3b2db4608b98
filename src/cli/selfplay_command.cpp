// kalvenar-cli selfplay: whole games of the chosen game, the computer against
// the player bot (or, in patience, a bot alone), with every action checked;
// prints the results and the speed.
#include <chrono>
#include <iostream>

#include "cli/commands.h"
#include "cli/headless_game.h"
#include "durak/search_player.h"
#include "play/self_play.h"

int RunSelfPlay(int argc, char** argv) {
  const CliArgs args(argc, argv, 2,
                     {"vidg", "formg", "games", "seed", "edition", "set", "player-style",
                      "player-level", "player-search", "no-checks"},
                     {"set"});
  const Edition& edition = EditionFromArgs(args);
  const int64_t seed = args.RequiredInt("seed");
  HeadlessGame h(edition, seed);
  Game& g = h.game;
  ApplySetOptions(g, args.All("set"));
  SelectGame(g, args.RequiredInt("vidg"), args.RequiredInt("formg"));
  if (!SelfPlaySupported(g.kind())) FailUsage("selfplay does not play this game yet");
  g.t.Options.Animation = 0;  // nothing to watch

  SelfPlayConfig config;
  config.seed = seed;
  const int64_t games = args.RequiredInt("games");
  if (games < 0) FailUsage("--games must not be negative");
  config.games = static_cast<int>(games);
  config.bot.style = static_cast<int>(args.OptionalInt("player-style").value_or(g.t.Options.Style));
  config.bot.level = static_cast<int>(args.OptionalInt("player-level").value_or(g.t.Options.Level));
  if (config.bot.style < 0 || config.bot.style > 5) FailUsage("--player-style must be 0..5");
  if (config.bot.level < 0 || config.bot.level > 3) FailUsage("--player-level must be 0..3");
  config.bot.search = static_cast<int>(args.OptionalInt("player-search").value_or(0));
  if (config.bot.search < 0 || config.bot.search > 1) FailUsage("--player-search must be 0 or 1");
  // The searching professional's time per choice is measured only when it plays.
  SearchTimings timings;
  const bool searching = g.t.Options.Search == 1 || config.bot.search == 1;
  if (searching) g.searchTimings = &timings;
  if (const auto checks = args.Get("no-checks")) config.checkTable = *checks != "1";

  const auto start = std::chrono::steady_clock::now();
  const SelfPlayReport r = RunSelfPlay(g, h.clock, config);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  nlohmann::ordered_json out;
  out["games"] = r.games;
  out["wins"] = r.wins;
  out["losses"] = r.losses;
  out["draws"] = r.draws;
  out["actions"] = r.actions;
  out["seconds"] = seconds;
  out["games_per_second"] = seconds > 0 ? r.games / seconds : 0.0;
  out["invariant_violations"] = r.violations;
  if (searching) {
    out["search_choices"] = timings.milliseconds.size();
    out["search_ms_median"] = timings.Median();
    out["search_ms_p99"] = timings.Percentile(99);
    out["search_ms_max"] = timings.Percentile(100);
  }
  std::cout << out.dump() << '\n';
  if (r.violations > 0) {
    std::cerr << "kalvenar-cli: " << r.violation << '\n';
    return 1;
  }
  return 0;
}
