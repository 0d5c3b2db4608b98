#include "games/eights_invariants.h"

#include "games/eights.h"
#include "games/table_watch.h"

namespace {

constexpr int kPileRow = 2;

std::string CheckPile(const TTableState& t) {
  int n = 0;
  for (int s = 0; s < kSlots; ++s) {
    if (!t.IsPresent(kPileRow, s)) break;
    ++n;
  }
  if (n != t.RowCount[kPileRow]) return "the pile has a gap or a wrong count";
  if (t.RowCount[3] != 0 || t.RowCount[5] != 0) return "counts of unused rows";
  if (n == 0) {
    if (t.TrumpSuit != -1) return "a suit in force before the first card";
    if (t.FirstDiscardDone != 0) return "the suit sign shown before the first card";
    return {};
  }
  if (t.FirstDiscardDone == 0) return "the suit in force is not shown";
  if (t.TrumpSuit < Clubs || t.TrumpSuit > Hearts) return "no suit in force";
  const TCard& top = t.CardGrid[kPileRow][n - 1];
  // Only an eight lets another suit than its own be in force.
  if (top.Rank != Eight && top.Suit != t.TrumpSuit) return "the suit in force is not the top's";
  return {};
}

std::string CheckTurn(const Game& g) {
  const TTableState& t = g.t;
  if (t.WhoseTurn == 0) return {};
  if (t.WhoseTurn != 1) return "nobody's turn during play";
  // Between actions the computer's turn is over; only the player's order
  // after his eight leaves it at 1.
  if (!EightsSuitOrderOpen(g)) return "the computer's turn left open";
  const int n = t.RowCount[kPileRow];
  if (n == 0 || t.RankAt(kPileRow, n - 1) != Eight) return "a suit order open without an eight";
  return {};
}

}  // namespace

std::string CheckEightsTable(Game& g) {
  if (std::string p = CheckWholePack(g, kPileRow); !p.empty()) return p;
  if (std::string p = CheckHands(g); !p.empty()) return p;
  if (std::string p = CheckPile(g.t); !p.empty()) return p;
  return CheckTurn(g);
}
