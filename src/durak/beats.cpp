#include "durak/beats.h"

#include <algorithm>

namespace {

bool HasRankAmong(const Game& g, int row, int rank) {
  const int count = std::clamp(g.t.RowCount[row], 0, kSlots);
  for (int s = 0; s < count; ++s) {
    const TCard& c = g.t.CardGrid[row][s];
    if (c.Present == 1 && c.Rank == rank) return true;
  }
  return false;
}

// Road durak: every card after the lead climbs above the last cover.
bool MayAddToRoad(const Game& g, const TCard& c) {
  const TTableState& t = g.t;
  if (t.RowCount[3] > 0) {
    const TCard& lastCover = CoverCard(g, std::min(t.RowCount[3], kSlots) - 1);
    return BeatsIgnoringSpadeRule(g, c, lastCover);
  }
  return t.WhoseTurn == 1 && t.RowCount[2] > 0 && c.Rank == AttackCard(g, 0).Rank;
}

}  // namespace

bool BeatsIgnoringSpadeRule(const Game& g, const TCard& x, const TCard& a) {
  if (x.Suit == a.Suit) return x.Rank > a.Rank;
  const int trump = g.t.TrumpSuit;
  return a.Suit != trump && x.Suit == trump;
}

bool Beats(const Game& g, const TCard& x, const TCard& a) {
  if (g.kind() == Kind::JapaneseDurak && a.Suit == Spades && x.Suit != Spades) return false;
  return BeatsIgnoringSpadeRule(g, x, a);
}

int MaxTrick(const Game& g) {
  if (g.t.FirstDiscardDone == 0) return 5;
  if (g.t.Options.ThrowUpMore6Cards == 1) return g.program.PackSize / 2;
  return 6;
}

bool MayAdd(const Game& g, const TCard& c) {
  if (g.kind() == Kind::RoadDurak) return MayAddToRoad(g, c);
  if (HasRankAmong(g, 2, c.Rank)) return true;
  return g.t.FormG != 0 && HasRankAmong(g, 3, c.Rank);
}
