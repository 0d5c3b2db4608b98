#include "play/self_play_patience.h"

#include "patience/patience_framework.h"
#include "patience/patience_invariants.h"
#include "patience/patience_rules.h"
#include "play/new_game.h"
#include "play/pointer_routing.h"
#include "play/table_points.h"
#include "table/layout.h"

namespace {

// One action in eight is a press on a random point of the table.
constexpr int kCarelessPressOneIn = 8;

struct Snapshot {
  std::array<std::array<TCard, kSlots>, kRows> grid;
  std::array<std::array<uint8_t, kSlots>, kRows> opened;
  int32_t coverIndex;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const TTableState& t) { return {t.CardGrid, t.Opened, t.CoverIndex}; }

std::string Describe(const PatienceAction& a) {
  static const char* kNames[] = {"press", "two clicks", "drag", "double click"};
  std::string text = std::string(kNames[a.type]) + " " + std::to_string(a.row) + ":" +
                     std::to_string(a.slot);
  if (a.toRow >= 0) text += " to " + std::to_string(a.toRow) + ":" + std::to_string(a.toSlot);
  return text;
}

class PatienceBot {
 public:
  PatienceBot(Game& g, int64_t seed) : g_(g) { random_.Seed(seed); }

  // Picks a move: most often one that makes progress when there is one,
  // else anything allowed.
  PatienceAction Choose(const PatienceActions& moves) {
    PatienceActions progress;
    for (const PatienceAction& a : moves) {
      if (a.progress) progress.push_back(a);
    }
    if (!progress.empty() && random_.Below(5) != 0) return Pick(progress);
    return Pick(moves);
  }

  bool Careless() { return random_.Below(kCarelessPressOneIn) == 0; }

  // Carries the move out with the mouse; false when no point of the table
  // names one of its cards.
  bool Make(const PatienceAction& a) {
    const auto from = FindPointNaming(g_, a.row, a.slot, false);
    if (!from) return false;
    switch (a.type) {
      case PatienceAction::Press:
        Click(*from);
        return true;
      case PatienceAction::TwoClick: {
        Click(*from);
        const auto to = FindPointNaming(g_, a.toRow, a.toSlot, false);
        if (!to) return false;
        Click(*to);
        return true;
      }
      case PatienceAction::Drag: {
        const TablePoint to = DropPoint(a.toRow, a.toSlot);
        FormMouseMove(g_, from->x, from->y);
        FormMouseDown(g_, PointerButton::Left, from->x, from->y);
        FormMouseMove(g_, (from->x + to.x) / 2, (from->y + to.y) / 2);
        FormMouseMove(g_, to.x, to.y);
        FormMouseUp(g_, PointerButton::Left, to.x, to.y);
        return true;
      }
      case PatienceAction::DoubleClick:
        Click(*from);
        FormMouseDown(g_, PointerButton::Left, from->x, from->y);
        FormDblClick(g_);
        FormMouseUp(g_, PointerButton::Left, from->x, from->y);
        return true;
    }
    return false;
  }

  // A press on any point of the window; a card it picks is let go again.
  void PressSomewhere() {
    const TablePoint p{random_.Below(kMinOuterWidth), random_.Below(kMinOuterHeight - 46)};
    Click(p);
    if (g_.t.Picked == 1) Click(p);
  }

 private:
  PatienceAction Pick(const PatienceActions& from) {
    return from[random_.Below(static_cast<int>(from.size()))];
  }

  void Click(TablePoint p) {
    FormMouseMove(g_, p.x, p.y);
    FormMouseDown(g_, PointerButton::Left, p.x, p.y);
    FormMouseUp(g_, PointerButton::Left, p.x, p.y);
  }

  // An empty column or foundation has no card to name: its place is used.
  TablePoint DropPoint(int row, int slot) {
    const bool empty = TopSlot(g_.t, row) < 0;
    if (const auto p = empty ? std::nullopt : FindPointNaming(g_, row, slot, false)) return *p;
    return {g_.t.CardX[row][0] + kCardWidth / 2, g_.t.CardY[row][0] + kCardHeight / 2};
  }

  Game& g_;
  TRandom random_;
};

void Deal(Game& g) {
  NewGame(g);
  LayoutTable(g, WindowGeometry{});
}

int Wins(const Game& g) { return g.t.Stats[g.t.VidG].Wins; }

// Plays the deal on the table to its end. Returns the first fault found;
// `won` tells whether the next deal lies dealt already (a win, or a loss
// the game announces itself).
std::string PlayOneDeal(Game& g, FixedClock& clock, const SelfPlayConfig& config,
                        const PatienceRules& rules, PatienceBot& bot, SelfPlayReport& report,
                        bool& won) {
  won = false;
  uint64_t onTable = CardsOnTable(g.t);
  for (int move = 0; move < config.maxPatienceMoves; ++move) {
    ++report.actions;
    clock.Set(SelfPlaySecond(config.seed, report.actions));
    const int wins = Wins(g);
    std::string what;
    if (bot.Careless()) {
      what = "a press on the table";
      bot.PressSomewhere();
    } else {
      const PatienceActions moves = rules.legalMoves(g.t);
      if (moves.empty()) return {};  // stuck: the deal is lost
      const PatienceAction a = bot.Choose(moves);
      what = Describe(a);
      const Snapshot before = Take(g.t);
      const TPack pack = g.t.Pack;
      if (!bot.Make(a)) return "no point of the table names the cards of " + what;
      won = Wins(g) != wins;
      // A deal lost by the game's own rules (Clock's fourth king) is
      // followed by the next deal at once: this one is over.
      if (!won && g.t.Pack.Slots != pack.Slots) {
        LayoutTable(g, WindowGeometry{});
        won = true;
        return CheckPatienceTable(g);
      }
      if (!won && Take(g.t) == before) return "an allowed move changed nothing: " + what;
    }
    won = Wins(g) != wins;
    if (won) LayoutTable(g, WindowGeometry{});
    if (config.checkTable) {
      std::string problem = CheckPatienceTable(g);
      if (problem.empty() && !won && PatienceWon(g.t, g.kind())) {
        problem = "a won deal goes on";
      }
      if (!problem.empty()) return problem + " after " + what;
    }
    if (won) return {};
    // A card taken off the table stays off it.
    const uint64_t now = CardsOnTable(g.t);
    if ((now & ~onTable) != 0) return "a card came back to the table after " + what;
    onTable = now;
  }
  return {};
}

}  // namespace

SelfPlayReport PlayPatienceGames(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  SelfPlayReport report;
  const PatienceRules* rules = PatienceRulesFor(g.kind());
  if (rules == nullptr) return report;
  const TResult start = g.t.Stats[g.t.VidG];
  PatienceBot bot(g, config.seed);
  clock.Set(SelfPlaySecond(config.seed));
  Deal(g);
  for (int deal = 0; deal < config.games; ++deal) {
    bool won = false;
    const std::string problem = PlayOneDeal(g, clock, config, *rules, bot, report, won);
    if (!problem.empty()) {
      report.violations = 1;
      report.violation = problem + " (seed " + std::to_string(config.seed) + ", deal " +
                         std::to_string(deal) + ")";
      break;
    }
    report.games += 1;
    // A deal that is not won is given up for the next one, which counts it.
    if (!won) {
      clock.Set(SelfPlaySecond(config.seed, ++report.actions));
      Deal(g);
    }
  }
  const TResult& end = g.t.Stats[g.t.VidG];
  report.wins = end.Wins - start.Wins;
  report.losses = end.Losses - start.Losses;
  return report;
}
