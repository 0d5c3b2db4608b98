// LeadChoice: how each personality opens a trick.
#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/search_player.h"

namespace {

bool IsTrumpAt(const Game& g, int slot) {
  return IsTrump(g, g.t.CardGrid[0][slot]);
}

bool HoldsNonTrump(const Game& g, int n) {
  for (int s = 0; s < n; ++s) {
    if (!IsTrumpAt(g, s)) return true;
  }
  return false;
}

// The simpleton plays any card, trumps included, once it has a plain one.
int SimpletonLead(Game& g, int n) {
  if (n < 2 || !HoldsNonTrump(g, n)) return n - 1;
  ReseedRandom(g);
  return RandomBelow(g, n);
}

// The enthusiast leads the lowest pair of plain cards, so the second card
// can follow.
int EnthusiastLead(const Game& g, int n) {
  for (int i = n - 1; i >= 0; --i) {
    if (IsTrumpAt(g, i)) continue;
    for (int j = n - 1; j >= 0; --j) {
      if (j != i && !IsTrumpAt(g, j) && g.t.RankAt(0, j) == g.t.RankAt(0, i)) return i;
    }
  }
  return n - 1;
}

// The aggressor leads its highest plain card.
int AggressorLead(const Game& g, int n) {
  for (int s = 0; s < n - 1; ++s) {
    if (!IsTrumpAt(g, s)) return s;
  }
  return n - 1;
}

}  // namespace

int LeadChoice(Game& g) {
  const int n = g.t.RowCount[0];
  if (n <= 0 || n > kSlots) return -1;
  if (SearchPlays(g)) {
    const int searched = SearchLead(g);
    if (searched != kNoSearchAnswer) return searched;
  }
  if (g.kind() == Kind::ReverseDurak) return RandomBelow(g, n);
  switch (g.t.Options.Style) {
    case 0:
      return RandomBelow(g, n);
    case 1:
      return SimpletonLead(g, n);
    case 2:
      return EnthusiastLead(g, n);
    case 3:
      return AggressorLead(g, n);
    default:  // the sharper and the professional lead their lowest card
      return n - 1;
  }
}
