#include "play/self_play_durak.h"

#include "durak/table_invariants.h"
#include "play/buttons.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"

namespace {

int ResultsSoFar(const Game& g) {
  const TResult& r = g.t.Stats[g.t.VidG];
  return r.Wins + r.Losses + r.Draws;
}

// A fingerprint of what an action can change, to notice an action that did nothing.
uint64_t Fingerprint(const Game& g) {
  const TTableState& t = g.t;
  uint64_t h = static_cast<uint64_t>(t.WhoseTurn * 7 + t.LeadInProgress * 3 + t.GuessMode);
  for (int row : {0, 1, 2, 3, 5}) {
    h = h * 1099511628211ULL + static_cast<uint64_t>(t.RowCount[row]);
    for (int s = 0; s < t.RowCount[row] && s < kSlots; ++s) {
      const TCard& c = t.CardGrid[row][s];
      h = h * 1099511628211ULL + (c.Present ? 1 + ImageIndex(c) : 0);
    }
  }
  h = h * 31 + (t.IsPresent(4, 0) ? 1 + t.ImageIndexAt(4, 0) : 0);
  return h + static_cast<uint64_t>(t.CoverIndex) * 31 + static_cast<uint64_t>(ResultsSoFar(g));
}

}  // namespace

void PerformBotAction(Game& g, const BotAction& action) {
  if (action.type == BotAction::Move) {
    PressMoveButton(g);
  } else {
    RunCardMove(g, action.slot,
                action.button == MouseButton::Right ? PointerButton::Right : PointerButton::Left);
    DealScheduledGame(g);
  }
}

bool ActSomehow(Game& g, const BotStyle& bot) {
  const uint64_t before = Fingerprint(g);
  PerformBotAction(g, ChooseBotAction(g, bot));
  if (Fingerprint(g) != before) return true;
  PressMoveButton(g);
  if (Fingerprint(g) != before) return true;
  for (int s = 0; s < g.t.RowCount[1]; ++s) {
    for (MouseButton b : {MouseButton::Left, MouseButton::Right}) {
      PerformBotAction(g, {BotAction::Click, s, b});
      if (Fingerprint(g) != before) return true;
    }
  }
  return false;
}

SelfPlayReport PlayDurakGames(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  SelfPlayReport report;
  CardTracker tracker;
  const TResult start = g.t.Stats[g.t.VidG];
  for (int game = 0; game < config.games && report.violations == 0; ++game) {
    if (game == 0) {
      clock.Set(SelfPlaySecond(config.seed));
      NewGame(g);
    }  // later games are dealt by the end of the previous one
    tracker.Reset(g);
    const int results = ResultsSoFar(g);
    int actions = 0;
    std::string problem;
    while (ResultsSoFar(g) == results && problem.empty()) {
      if (++actions > config.maxActionsPerGame) {
        problem = "the game does not end";
        break;
      }
      ++report.actions;
      // Every action comes a second after the previous one, so the deal
      // that follows a result is reseeded anew.
      clock.Set(SelfPlaySecond(config.seed, report.actions));
      if (!ActSomehow(g, config.bot)) {
        problem = "no action changes the table";
        break;
      }
      if (!config.checkTable || ResultsSoFar(g) != results) continue;
      problem = CheckDurakTable(g);
      if (problem.empty()) problem = tracker.Check(g);
    }
    if (!problem.empty()) {
      report.violations = 1;
      report.violation = problem + " (seed " + std::to_string(config.seed) + ", game " +
                         std::to_string(game) + ", action " + std::to_string(actions) + ")";
      break;
    }
    report.games += 1;
  }
  const TResult& end = g.t.Stats[g.t.VidG];
  report.wins = end.Wins - start.Wins;
  report.losses = end.Losses - start.Losses;
  report.draws = end.Draws - start.Draws;
  return report;
}
