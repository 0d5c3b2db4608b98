#include "durak/endgame_tables.h"

#include <algorithm>
#include <span>

#include "core/hand_order.h"
#include "durak/computer_player.h"
#include "durak/endgame_hands.h"
#include "durak/search_player.h"
#include "table/move_card.h"

namespace endgame {
namespace {

using H = const Hands&;

// One line of a table: when the condition holds, the pick names the card.
// A pick that finds no card (a "first of ..." with none fitting, a Triple
// with no three of a kind) lets the next line be tried.
struct Rule {
  bool (*holds)(H);
  int (*pick)(H);
};

template <CardRef X>
int Lead(H) {
  static_assert(X < P0, "the computer leads one of its own cards");
  return X;
}

bool Always(H) {
  return true;
}
int TripleCard(H h) {
  return h.Triple();
}

// Two cards against two.
constexpr Rule kT22[] = {
    /* 1 */ {[](H h) { return h.IsTrump(C1) && h.PlayerHasNoTrump(); }, Lead<C1>},
    /* 2 */ {[](H h) { return h.Over(C1, P0); }, Lead<C1>},
    /* 3 */ {[](H h) { return h.Over(C0, P0); }, Lead<C0>},
    /* 4 */ {[](H h) { return h.IsTrump(C0) && h.PlayerHasNoTrump(); }, Lead<C0>},
    /* 5 */ {[](H h) { return h.PlayerHasNoTrump() && h.PlayerLacksSuit(C1); }, Lead<C1>},
    /* 6 */ {[](H h) { return h.PlayerHasNoTrump() && h.PlayerLacksSuit(C0); }, Lead<C0>},
    /* 7 */
    {[](H h) { return h.IsPlain(C0) && h.SameSuit(P0, C0) && h.R(P0) < h.R(C0); }, Lead<C0>},
    /* 8 */
    {[](H h) { return h.IsPlain(C1) && h.SameSuit(P0, C1) && h.R(P0) < h.R(C1); }, Lead<C1>},
    /* 9 */ {[](H h) { return h.R(C0) == h.R(C1) && h.IsTrump(C0); }, Lead<C0>},
};

// Two cards against four.
constexpr Rule kT24[] = {
    /* 1 */ {[](H h) { return h.Over(C1, P0); }, Lead<C1>},
    /* 2 */ {[](H h) { return h.Over(C0, P0); }, Lead<C1>},
    /* 3 */ {[](H h) { return h.NeitherHasTrump() && h.PlayerLacksSuit(C1); }, Lead<C1>},
    /* 4 */ {[](H h) { return h.NeitherHasTrump() && h.PlayerLacksSuit(C0); }, Lead<C0>},
};

// Two cards against five or more.
constexpr Rule kT25[] = {
    /* 1 */ {[](H h) { return h.Over(C1, P0); }, Lead<C1>},
    /* 2 */ {[](H h) { return h.Over(C0, P0); }, Lead<C0>},
};

// Three cards against one.
constexpr Rule kT31[] = {
    /* 1 */ {[](H h) { return h.Over(C2, P0); }, Lead<C2>},
    /* 2 */ {[](H h) { return h.Over(C1, P0); }, Lead<C1>},
    /* 3 */ {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump(); }, Lead<C2>},
    /* 4 */ {[](H h) { return h.IsTrump(C1) && h.PlayerHasNoTrump(); }, Lead<C1>},
    /* 5 */ {[](H h) { return h.Over(C0, P0); }, Lead<C0>},
    /* 6 */
    {[](H h) {
       return h.IsTrump(C0) && h.IsPlain(C1) && h.PlayerHasNoTrump() && !h.SameSuit(C2, P0);
     },
     Lead<C2>},
    /* 7 */
    {[](H h) {
       return h.IsTrump(C0) && h.IsPlain(C1) && h.PlayerHasNoTrump() && !h.SameSuit(C1, P0);
     },
     Lead<C1>},
    /* 8 */
    {[](H h) { return h.IsPlain(C2) && h.PlayerHasNoTrump() && !h.SameSuit(C2, P0); }, Lead<C2>},
    /* 9 */
    {[](H h) { return h.IsPlain(C1) && h.PlayerHasNoTrump() && !h.SameSuit(C1, P0); }, Lead<C1>},
    /* 10 */ {[](H h) { return h.NeitherHasTrump() && !h.SameSuit(C0, P0); }, Lead<C0>},
    /* 11 */
    {[](H h) { return h.NeitherHasTrump() && h.SameSuit(C2, P0) && h.R(P0) < h.R(C2); }, Lead<C2>},
    /* 12 */
    {[](H h) { return h.NeitherHasTrump() && h.SameSuit(C1, P0) && h.R(P0) < h.R(C1); }, Lead<C1>},
    /* 13 */
    {[](H h) { return h.NeitherHasTrump() && h.SameSuit(C0, P0) && h.R(P0) < h.R(C0); }, Lead<C0>},
};

// Rule 11 of T33: the computer's trump is below the player's, and its
// second card has the rank of the player's trump.
bool LowTrumpAgainstPlayersRank(H h) {
  return h.IsTrump(C0) && h.IsTrump(P0) && h.R(C0) < h.R(P0) && h.IsPlain(C1) && h.IsPlain(P1) &&
         h.R(C1) == h.R(P0);
}

// In the transfer form the player could pass such a lead back, so the
// table gives no card and the personality's lead is used.
int C0UnlessTransfer(H h) {
  return h.transferForm ? kNoCard : C0;
}

// Three cards against three or more.
constexpr Rule kT33[] = {
    /* 1 */ {[](H h) { return h.R(C0) == h.R(C1) && h.R(C1) == h.R(C2); }, Lead<C0>},
    /* 2 */
    {[](H h) { return h.Over(C2, P0) || (h.Over(C1, P0) && h.R(C1) == h.R(C2)); }, Lead<C2>},
    /* 3 */
    {[](H h) { return h.Over(C1, P0) || (h.Over(C0, P0) && h.R(C0) == h.R(C1)); }, Lead<C1>},
    /* 4 */ {[](H h) { return h.Over(C0, P0) && h.R(C0) == h.R(C2); }, Lead<C2>},
    /* 5 */ {[](H h) { return h.Over(C0, P0) && h.R(C1) == h.R(C2); }, Lead<C0>},
    /* 6 */ {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump(); }, Lead<C2>},
    /* 7 */
    {[](H h) { return h.IsTrump(C0) && h.IsTrump(C1) && h.IsPlain(C2) && h.PlayerHasNoTrump(); },
     Lead<C1>},
    /* 8 */ {[](H h) { return h.IsTrump(C0) && h.Over(C1, P1); }, Lead<C1>},
    /* 9 */
    {[](H h) {
       return h.IsTrump(C0) && h.IsTrump(C1) && h.IsTrump(P0) && h.IsPlain(P1) && h.R(C0) < h.R(P0);
     },
     Lead<C0>},
    /* 10 */
    {[](H h) {
       return h.IsTrump(C0) && h.IsTrump(C1) && h.IsTrump(P0) && h.IsTrump(P1) && h.R(C0) < h.R(P0);
     },
     Lead<C0>},
    /* 11 */
    {[](H h) {
       return LowTrumpAgainstPlayersRank(h) && h.R(P1) < h.R(C1) && h.R(P2) < h.R(C1) &&
              !h.transferForm;
     },
     Lead<C0>},
    /* 11, otherwise */
    {[](H h) {
       return LowTrumpAgainstPlayersRank(h) && !h.SameSuit(C1, P1) &&
              (!h.SameSuit(C2, P2) || h.R(P2) < h.R(C1));
     },
     C0UnlessTransfer},
};

// Four cards against two.
constexpr Rule kT42[] = {
    /* 1 */ {[](H h) { return h.Over(C3, P0); }, Lead<C3>},
    /* 2 */ {[](H h) { return h.Over(C2, P0); }, Lead<C2>},
    /* 3 */ {[](H h) { return h.Over(C1, P0); }, Lead<C1>},
    /* 4 */ {[](H h) { return h.IsTrump(C3) && h.PlayerHasNoTrump(); }, Lead<C3>},
    /* 5 */ {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump(); }, Lead<C2>},
    /* 6 */
    {[](H h) {
       return h.IsTrump(C2) && h.IsTrump(P0) && h.R(C1) < h.R(P0) && h.R(P0) < h.R(C0) &&
              h.R(C0) == h.R(C3);
     },
     Lead<C3>},
    /* 7 */
    {[](H h) { return h.IsTrump(C2) && h.IsTrump(P0) && h.R(C1) < h.R(P0) && h.R(P0) < h.R(C0); },
     Lead<C0>},
    /* 8 */ {[](H h) { return h.IsTrump(C1) && h.PlayerHasNoTrump(); }, Lead<C1>},
    /* 9 */
    {[](H h) {
       return h.IsTrump(C0) && h.PlayerHasNoTrump() && h.R(C1) == h.R(C2) && h.R(C2) == h.R(C3);
     },
     Lead<C0>},
    /* 10 */
    {[](H h) { return h.Over(C0, P0) && h.R(C1) == h.R(C2) && h.R(C2) == h.R(C3); }, Lead<C0>},
    /* 11 */
    {[](H h) { return h.Over(C0, P0) && h.R(C0) == h.R(C1) && h.R(C2) == h.R(C3); }, Lead<C1>},
    /* 12 */
    {[](H h) {
       return h.IsTrump(C0) && h.PlayerHasNoTrump() && h.R(C0) == h.R(C3) && h.R(C1) == h.R(C2);
     },
     Lead<C3>},
    /* 13 */
    {[](H h) { return h.IsTrump(C0) && h.IsPlain(C1) && h.PlayerHasNoTrump(); }, Lead<C0>},
    /* 14 */
    {[](H h) { return h.NeitherHasTrump(); },
     [](H h) {
       return h.FirstOf({C0, C1, C2, C3}, [&](CardRef x) { return h.PlayerLacksSuit(x); });
     }},
    /* 15 */ {Always, TripleCard},
};

// Four cards against four.
constexpr Rule kT44[] = {
    /* 1 */ {[](H h) { return h.IsTrump(C3) && h.PlayerHasNoTrump(); }, Lead<C3>},
    /* 2 */ {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump(); }, Lead<C2>},
    /* 3 */ {[](H h) { return h.Over(C2, P0); }, Lead<C2>},
    /* 4 */ {[](H h) { return h.IsTrump(C2) && h.IsTrump(P0) && h.R(C0) < h.R(P0); }, Lead<C0>},
    /* 5 */
    {[](H h) { return h.Over(C1, P0) && (h.R(C1) == h.R(C2) || h.R(C1) == h.R(C3)); }, Lead<C1>},
    /* 6 */
    {[](H h) { return h.Over(C0, P0) && h.Over(C1, P1) && h.R(C2) == h.R(C3); }, Lead<C0>},
    /* 7 */ {Always, TripleCard},
    /* 8 */
    {[](H h) { return h.NeitherHasTrump(); },
     [](H h) {
       return h.FirstOf({C3, C2, C1, C0}, [&](CardRef x) { return h.PlayerLacksSuit(x); });
     }},
};

// Four cards against six.
constexpr Rule kT46[] = {
    /* 1 */ {[](H h) { return h.Over(C3, P0); }, Lead<C3>},
    /* 2 */ {[](H h) { return h.Over(C2, P0); }, Lead<C2>},
    /* 3 */ {[](H h) { return h.IsTrump(C3) && h.PlayerHasNoTrump(); }, Lead<C3>},
    /* 4 */ {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump(); }, Lead<C2>},
    /* 5 */ {[](H h) { return h.Over(C1, P0) && h.R(C0) == h.R(C2); }, Lead<C1>},
    /* 6 */ {[](H h) { return h.Over(C1, P0) && h.R(C1) == h.R(C2); }, Lead<C2>},
    /* 7 */ {[](H h) { return h.Over(C1, P0) && h.R(C1) == h.R(C3); }, Lead<C3>},
    /* 8 */ {Always, TripleCard},
    /* 9 */
    {[](H h) { return h.NeitherHasTrump(); },
     [](H h) {
       return h.FirstOf({C3, C2, C1, C0}, [&](CardRef x) { return h.PlayerLacksSuit(x); });
     }},
};

// Four cards against seven or more.
constexpr Rule kT47[] = {
    /* 1 */ {[](H h) { return h.Over(C1, P0) && h.R(C0) == h.R(C2); }, Lead<C1>},
    /* 2 */ {[](H h) { return h.Over(C1, P0) && h.R(C1) == h.R(C2); }, Lead<C2>},
    /* 3 */ {[](H h) { return h.Over(C1, P0) && h.R(C1) == h.R(C3); }, Lead<C3>},
    /* 4 */ {Always, TripleCard},
};

// Five cards against one.
constexpr Rule kT51[] = {
    /* 1 */ {[](H h) { return h.IsTrump(C3) && h.PlayerHasNoTrump(); }, Lead<C3>},
    /* 2 */ {[](H h) { return h.Over(C3, P0); }, Lead<C3>},
    /* 3 */ {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump(); }, Lead<C2>},
    /* 4 */ {[](H h) { return h.Over(C2, P0); }, Lead<C2>},
    /* 5 */ {[](H h) { return h.IsTrump(C1) && h.PlayerHasNoTrump(); }, Lead<C1>},
    /* 6 */ {[](H h) { return h.Over(C1, P0); }, Lead<C1>},
    /* 7 */
    {[](H h) { return h.PlayerHasNoTrump(); },
     [](H h) {
       return h.FirstOf({C4, C3, C2, C1, C0},
                        [&](CardRef x) { return h.IsPlain(x) && !h.SameSuit(x, P0); });
     }},
};

// Five cards against three.
constexpr Rule kT53[] = {
    /* 1 */ {[](H h) { return h.IsTrump(C4) && h.PlayerHasNoTrump(); }, Lead<C4>},
    /* 2 */ {[](H h) { return h.Over(C4, P0); }, Lead<C4>},
    /* 3 */ {[](H h) { return h.IsTrump(C3) && h.PlayerHasNoTrump(); }, Lead<C3>},
    /* 4 */ {[](H h) { return h.Over(C3, P0); }, Lead<C3>},
    /* 5 */
    {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump() && h.R(C2) == h.R(C3); }, Lead<C3>},
    /* 6 */
    {[](H h) { return h.IsTrump(C2) && h.PlayerHasNoTrump() && h.R(C2) == h.R(C4); }, Lead<C4>},
    /* 7 */ {[](H h) { return h.Over(C2, P0) && h.R(C2) == h.R(C3); }, Lead<C3>},
    /* 8 */ {[](H h) { return h.Over(C2, P0) && h.R(C2) == h.R(C4); }, Lead<C4>},
    /* 9 */ {Always, TripleCard},
};

// Six cards against two.
constexpr Rule kT62[] = {
    /* 1 */
    {[](H h) { return h.PlayerHasNoTrump(); },
     [](H h) {
       return h.FirstOf({C5, C4, C3, C2, C1, C0},
                        [&](CardRef x) { return h.IsPlain(x) && h.PlayerLacksSuit(x); });
     }},
    /* 2 */ {[](H h) { return h.Over(C1, P0); }, Lead<C1>},
    /* 3 */ {Always, TripleCard},
};

// Seven or more cards against one.
constexpr Rule kT71[] = {
    /* 1 */
    {[](H h) { return h.IsTrump(C4) && h.IsTrump(P0) && h.R(C4) < h.R(P0) && h.R(P0) < h.R(C3); },
     Lead<C3>},
    /* 2 */
    {[](H h) { return h.IsTrump(C3) && h.IsTrump(P0) && h.R(C3) < h.R(P0) && h.R(P0) < h.R(C2); },
     Lead<C2>},
};

// Larger hands only look for three of a kind.
constexpr Rule kTriple[] = {
    {Always, TripleCard},
};

// Who may use a table, by the computer's personality ("Style") and level.
// The super level (3) passes only the gates that ask for a level of at
// least medium.
enum class Gate { G2, G3, G3h, G4 };

bool Passes(Gate gate, int style, int level) {
  switch (gate) {
    case Gate::G2:
      return style >= 2 || level >= 1;
    case Gate::G3:
      return style >= 3 || level >= 1;
    case Gate::G3h:
      return style >= 3 || level == 2;
    case Gate::G4:
      return style >= 4 || level == 2;
  }
  return false;
}

constexpr int kMany = kSlots;

struct TableForSizes {
  int nFrom, nTo;  // the computer's hand size
  int mFrom, mTo;  // the player's hand size
  Gate gate;
  std::span<const Rule> rules;
};

// Which table the two hand sizes call for (n the computer's, m the
// player's); every other pair of sizes has none.
// clang-format off
constexpr TableForSizes kTables[] = {
    // n         m            gate        table
    {2, 2,       2, 2,        Gate::G2,   kT22},
    {2, 2,       4, 4,        Gate::G2,   kT24},
    {2, 2,       5, kMany,    Gate::G2,   kT25},
    {3, 3,       1, 1,        Gate::G2,   kT31},
    {3, 3,       3, kMany,    Gate::G2,   kT33},
    {4, 4,       2, 2,        Gate::G3,   kT42},
    {4, 4,       4, 4,        Gate::G3h,  kT44},
    {4, 4,       6, 6,        Gate::G4,   kT46},
    {4, 4,       7, kMany,    Gate::G4,   kT47},
    {5, 5,       1, 1,        Gate::G4,   kT51},
    {5, 5,       3, 3,        Gate::G4,   kT53},
    {5, 5,       5, kMany,    Gate::G4,   kTriple},
    {6, 6,       2, 2,        Gate::G4,   kT62},
    {6, 6,       4, 4,        Gate::G4,   kTriple},
    {6, 6,       6, kMany,    Gate::G4,   kTriple},
    {7, kMany,   1, 1,        Gate::G4,   kT71},
    {7, kMany,   3, kMany,    Gate::G4,   kTriple},
};
// clang-format on

std::span<const Rule> TableFor(int n, int m, const TOptions& o) {
  for (const TableForSizes& t : kTables) {
    if (n < t.nFrom || n > t.nTo || m < t.mFrom || m > t.mTo) continue;
    if (!Passes(t.gate, o.Style, o.Level)) return {};
    return t.rules;
  }
  return {};
}

int Decide(std::span<const Rule> rules, H h) {
  for (const Rule& rule : rules) {
    if (!rule.holds(h)) continue;
    const int slot = rule.pick(h);
    if (slot != kNoCard) return slot;
  }
  return kNoCard;
}

int HandSize(const Game& g, int row) {
  return std::clamp(g.t.RowCount[row], 0, kSlots);
}

// The player's hand in the computer's order for as long as the decision
// takes; afterwards his display options and his order are as before.
class PlayerHandInComputersOrder {
 public:
  explicit PlayerHandInComputersOrder(Game& g)
      : g_(g), leftRight_(g.t.Options.TrLeftRight), suitOld_(g.t.Options.TrSuitOld) {
    g_.t.Options.TrLeftRight = 0;
    g_.t.Options.TrSuitOld = 1;
    OrderRow(g_, 1);
  }
  ~PlayerHandInComputersOrder() {
    g_.t.Options.TrLeftRight = leftRight_;
    g_.t.Options.TrSuitOld = suitOld_;
    OrderRow(g_, 1);
  }
  PlayerHandInComputersOrder(const PlayerHandInComputersOrder&) = delete;
  PlayerHandInComputersOrder& operator=(const PlayerHandInComputersOrder&) = delete;

 private:
  Game& g_;
  int leftRight_;
  int suitOld_;
};

}  // namespace
}  // namespace endgame

int EndgameChoice(Game& g) {
  using namespace endgame;
  if (SearchPlays(g)) return kNoCard;  // the search plays the endgame itself
  const int n = HandSize(g, 0);
  const int m = HandSize(g, 1);
  const std::span<const Rule> rules = TableFor(n, m, g.t.Options);
  if (rules.empty()) return kNoCard;

  PlayerHandInComputersOrder canonical(g);
  const Hands hands{&g.t.CardGrid[0], n, &g.t.CardGrid[1], m, g.t.TrumpSuit, g.t.FormG == 2};
  return Decide(rules, hands);
}

void EndgameLead(Game& g) {
  int slot = EndgameChoice(g);
  if (slot == endgame::kNoCard) slot = LeadChoice(g);
  MoveCard(g, 0, slot, 2, g.t.CoverIndex, true);
}

int Triple(const Game& g) {
  endgame::Hands hands;
  hands.computer = &g.t.CardGrid[0];
  hands.n = endgame::HandSize(g, 0);
  return hands.Triple();
}
