#include "play/self_play_czech.h"

#include "games/czech_bot.h"
#include "games/czech_invariants.h"
#include "play/buttons.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"

namespace {

// A deal of Czech durak may run long: when the suit in force is one the side
// to move lacks, cards of the take ranks can go round between the hands,
// the pile and the stock for a while before either side breaks the round.
// Pentagon, where only the suit in force may follow, runs longest: some
// ten thousand actions a deal on average, and a few times that at worst.
constexpr int kLongDeals = 100;

void Act(Game& g, const BotStyle& bot) {
  const CzechBotAction a = ChooseCzechAction(g, bot);
  switch (a.type) {
    case CzechBotAction::Card:
      RunCardMove(g, a.value, PointerButton::Left);
      DealScheduledGame(g);
      return;
    case CzechBotAction::Suit:
      return PressSuitButton(g, a.value);
    case CzechBotAction::MoveButton:
      return PressMoveButton(g);
  }
}

std::string CheckAll(Game& g, CzechPointsWatch& points) {
  std::string problem = CheckCzechTable(g);
  if (problem.empty()) problem = CheckCzechTurn(g);
  if (problem.empty()) problem = points.Check(g);
  return problem;
}

}  // namespace

SelfPlayReport PlayCzechGames(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  SelfPlayReport report;
  const TResult start = g.t.Stats[g.t.VidG];
  CzechPointsWatch points;
  clock.Set(SelfPlaySecond(config.seed));
  NewGame(g);
  points.Reset(g);
  for (int deal = 0; deal < config.games; ++deal) {
    int actions = 0;
    std::string problem;
    bool over = false;
    while (!over && problem.empty()) {
      if (++actions > config.maxActionsPerGame * kLongDeals) {
        problem = "the deal does not end";
        break;
      }
      ++report.actions;
      // Every action comes a second after the previous one, so the deal
      // that follows a result is reseeded anew.
      clock.Set(SelfPlaySecond(config.seed, report.actions));
      const TPack pack = g.t.Pack;
      const int guessing = g.t.GuessMode;
      Act(g, config.bot);
      // Every deal shuffles the pack anew, and so does the sharper's pack
      // laid out for guessing: a deal is over once the next one lies dealt.
      over = g.t.GuessMode == 0 && (g.t.Pack.Slots != pack.Slots || guessing == 1);
      if (config.checkTable) problem = CheckAll(g, points);
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
