#include "play/self_play_hearts.h"

#include <algorithm>

#include "games/hearts.h"
#include "games/hearts_computer.h"
#include "games/hearts_invariants.h"
#include "play/buttons.h"
#include "play/new_game.h"

namespace {

constexpr int kPlayerSeat = 0;
// A game of Hearts is a dozen hands or so of some twenty actions each.
constexpr int kActionsPerHand = 40;

int Decided(const Game& g) {
  const TResult& r = g.t.Stats[g.t.VidG];
  return r.Wins + r.Losses + r.Draws;
}

bool Chosen(const TTableState& t, int slot) {
  for (const int s : t.PassSlots)
    if (s == slot) return true;
  return false;
}

void Press(Game& g, int slot) {
  g.t.HitSlot = slot;
  g.t.HitIndex = slot;
  HeartsPress(g);
  DealScheduledGame(g);
}

}  // namespace

void ActInHearts(Game& g, const BotStyle& bot) {
  const TTableState& t = g.t;
  if (HeartsChoosing(g)) {
    for (const int slot : ChoosePassCards(t, kPlayerSeat, bot.level)) {
      if (!Chosen(t, slot)) return Press(g, slot);
    }
    return PressMoveButton(g);
  }
  if (!HeartsPlayersTurn(g)) return PressMoveButton(g);  // "OK" after the exchange
  Press(g, ChooseHeartsCard(t, kPlayerSeat, bot.level));
}

SelfPlayReport PlayHeartsGames(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  SelfPlayReport report;
  const TResult start = g.t.Stats[g.t.VidG];
  HeartsPlayWatch watch;
  clock.Set(SelfPlaySecond(config.seed));
  ResetHeartsGame(g);
  NewGame(g);
  watch.Reset(g);
  const int limit = std::max(config.maxActionsPerGame, 30 * kActionsPerHand);
  for (int game = 0; game < config.games; ++game) {
    int actions = 0;
    std::string problem;
    const int decided = Decided(g);
    while (Decided(g) == decided && problem.empty()) {
      if (++actions > limit) {
        problem = "the game does not end";
        break;
      }
      ++report.actions;
      clock.Set(SelfPlaySecond(config.seed, report.actions));
      ActInHearts(g, config.bot);
      if (!config.checkTable) continue;
      problem = CheckHeartsTable(g);
      if (problem.empty()) problem = watch.Check(g);
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
