#include "play/self_play_memory.h"

#include <vector>

#include "patience/memory_invariants.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"

namespace {

// A bot that remembers nothing needs about n * n / 4 turns for n cards;
// far more than that means the deal cannot end.
int TurnLimit(const Game& g) {
  return g.kind() == Kind::Memory36 ? 20000 : 40000;
}

}  // namespace

int RandomFaceDownMemoryCard(Game& g) {
  std::vector<int> down;
  for (int s = 0; s < kSlots; ++s) {
    if (g.t.IsPresent(0, s) && g.t.Opened[0][s] == 0) down.push_back(s);
  }
  if (down.empty()) return -1;
  return down[RandomBelow(g, static_cast<int>(down.size()))];
}

SelfPlayReport PlayMemoryGames(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  SelfPlayReport report;
  MemoryScoreWatch watch;
  clock.Set(SelfPlaySecond(config.seed));
  NewGame(g);
  watch.Reset(g);
  for (int deal = 0; deal < config.games; ++deal) {
    int actions = 0;
    std::string problem;
    bool over = false;
    while (!over && problem.empty()) {
      if (++actions > TurnLimit(g)) {
        problem = "the deal does not end";
        break;
      }
      ++report.actions;
      clock.Set(SelfPlaySecond(config.seed, report.actions));
      const int slot = RandomFaceDownMemoryCard(g);
      if (slot < 0) {
        problem = "no card left to turn while the deal goes on";
        break;
      }
      const TPack pack = g.t.Pack;
      RunCardMove(g, slot, PointerButton::Left);
      DealScheduledGame(g);
      // Every deal shuffles the pack anew.
      over = g.t.Pack.Slots != pack.Slots;
      if (!config.checkTable) {
        watch.Reset(g);
        continue;
      }
      problem = CheckMemoryTable(g);
      if (problem.empty()) problem = watch.Check(g, over);
    }
    if (!problem.empty()) {
      report.violations = 1;
      report.violation = problem + " (seed " + std::to_string(config.seed) + ", deal " +
                         std::to_string(deal) + ", action " + std::to_string(actions) + ")";
      break;
    }
    report.games += 1;
  }
  return report;
}
