#include "play/self_play_eights_nine.h"

#include "games/eights_bot.h"
#include "games/eights_invariants.h"
#include "games/nine_bot.h"
#include "games/nine_invariants.h"
#include "games/table_watch.h"
#include "play/buttons.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"

namespace {

using Act = void (*)(Game&, const BotStyle&);
using Check = std::string (*)(Game&);

void ActInEights(Game& g, const BotStyle& bot) {
  const EightsBotAction a = ChooseEightsAction(g, bot);
  switch (a.type) {
    case EightsBotAction::Card:
      RunCardMove(g, a.value, PointerButton::Left);
      DealScheduledGame(g);
      return;
    case EightsBotAction::Suit:
      return PressSuitButton(g, a.value);
    case EightsBotAction::MoveButton:
      return PressMoveButton(g);
  }
}

void ActInNine(Game& g, const BotStyle& bot) {
  const NineBotAction a = ChooseNineAction(g, bot);
  if (a.type == NineBotAction::MoveButton) return PressMoveButton(g);
  RunCardMove(g, a.slot, PointerButton::Left);
  DealScheduledGame(g);
}

int Decided(const Game& g) {
  const TResult& r = g.t.Stats[g.t.VidG];
  return r.Wins + r.Losses;
}

SelfPlayReport PlayDeals(Game& g, FixedClock& clock, const SelfPlayConfig& config, Act act,
                         Check check) {
  SelfPlayReport report;
  const TResult start = g.t.Stats[g.t.VidG];
  LaidCardsWatch watch;
  clock.Set(SelfPlaySecond(config.seed));
  NewGame(g);
  watch.Reset(g);
  for (int deal = 0; deal < config.games; ++deal) {
    int actions = 0;
    std::string problem;
    bool over = false;
    while (!over && problem.empty()) {
      if (++actions > config.maxActionsPerGame) {
        problem = "the deal does not end";
        break;
      }
      ++report.actions;
      // Every action comes a second after the previous one, so the deal
      // that follows a result is reseeded anew.
      clock.Set(SelfPlaySecond(config.seed, report.actions));
      const int decided = Decided(g);
      const TPack pack = g.t.Pack;
      act(g, config.bot);
      // Every deal shuffles the pack anew: a changed pack means this deal
      // ended (void deals change no counter) and the next one lies dealt.
      over = g.t.Pack.Slots != pack.Slots;
      if (over) {
        if (Decided(g) == decided) report.draws += 1;
        watch.Reset(g);
      }
      if (!config.checkTable) continue;
      problem = check(g);
      if (problem.empty()) problem = watch.Check(g);
    }
    if (!problem.empty()) {
      report.violations = 1;
      report.violation = problem + " (seed " + std::to_string(config.seed) + ", deal " +
                         std::to_string(deal) + ", action " + std::to_string(actions) + ")";
      break;
    }
    report.games += 1;
  }
  const TResult& end = g.t.Stats[g.t.VidG];
  report.wins = end.Wins - start.Wins;
  report.losses = end.Losses - start.Losses;
  return report;
}

}  // namespace

SelfPlayReport PlayEightsGames(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  return PlayDeals(g, clock, config, ActInEights, CheckEightsTable);
}

SelfPlayReport PlayNineGames(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  return PlayDeals(g, clock, config, ActInNine, CheckNineTable);
}
