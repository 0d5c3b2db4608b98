#include "durak/table_invariants.h"

#include "core/hand_order.h"

namespace {

constexpr int kPlayRows[] = {0, 1, 2, 3, 4, 5};

bool CardOfThePack(const Game& g, const TCard& c) {
  if (c.Suit < 0 || c.Suit > 3 || c.Rank < 0 || c.Rank > 12) return false;
  return g.program.PackSize != 36 || c.Rank >= Six;
}

std::array<int8_t, 52> Locate(const Game& g, std::string& duplicate) {
  std::array<int8_t, 52> where;
  where.fill(-1);
  for (int row : kPlayRows) {
    for (const TCard& c : g.t.CardGrid[row]) {
      if (c.Present != 1 || c.Suit < 0 || c.Suit > 3 || c.Rank < 0 || c.Rank > 12) continue;
      int8_t& w = where[ImageIndex(c)];
      if (w != -1 && duplicate.empty()) {
        duplicate = "card " + std::to_string(ImageIndex(c)) + " lies in rows " +
                    std::to_string(w) + " and " + std::to_string(row);
      }
      w = static_cast<int8_t>(row);
    }
  }
  return where;
}

std::string CheckRowCounts(const Game& g) {
  const int size = g.program.PackSize;
  for (int row : {0, 1, 2, 3, 5}) {
    int n = 0;
    bool gap = false;
    for (int s = 0; s < size; ++s) {
      if (g.t.IsPresent(row, s)) {
        if (gap) return "row " + std::to_string(row) + " has a gap";
        ++n;
      } else {
        gap = true;
      }
    }
    if (n != g.t.RowCount[row]) return "RowCount of row " + std::to_string(row) + " is wrong";
  }
  return {};
}

std::string CheckHandOrder(Game& g) {
  for (int row : {0, 1}) {
    const auto before = g.t.CardGrid[row];
    OrderRow(g, row);
    const bool same = before == g.t.CardGrid[row];
    g.t.CardGrid[row] = before;
    if (!same) return "hand " + std::to_string(row) + " is out of order";
  }
  return {};
}

}  // namespace

void CardTracker::Reset(const Game& g) {
  std::string ignored;
  where_ = Locate(g, ignored);
}

std::string CardTracker::Check(const Game& g) {
  std::string problem;
  const auto now = Locate(g, problem);
  const bool swindles = g.t.Options.Style == 4 || g.t.GuessMode == 1;
  if (problem.empty() && !swindles) {
    int vanished = 0;
    for (int card = 0; card < 52 && problem.empty(); ++card) {
      const int was = where_[card], is = now[card];
      if (was != kGone && is == kGone) ++vanished;
      if (was == kGone && is != kGone)
        problem = "card " + std::to_string(card) + " came back into row " + std::to_string(is);
    }
    // A discarded trick is made of attack cards each with its cover.
    if (problem.empty() && vanished % 2 == 1)
      problem = std::to_string(vanished) + " cards left play, not in covered pairs";
  }
  where_ = now;
  return problem;
}

std::string CheckDurakTable(Game& g) {
  const TTableState& t = g.t;
  for (int row : kPlayRows) {
    for (const TCard& c : t.CardGrid[row]) {
      if (c.Present == 1 && !CardOfThePack(g, c))
        return "a card outside the pack lies in row " + std::to_string(row);
    }
  }
  std::string problem;
  Locate(g, problem);
  if (!problem.empty()) return problem;
  if (t.GuessMode == 1) return {};
  if (std::string p = CheckRowCounts(g); !p.empty()) return p;
  if (std::string p = CheckHandOrder(g); !p.empty()) return p;
  for (int s = 0; s < kSlots; ++s) {
    if (t.IsPresent(3, s) && !t.IsPresent(2, s)) return "a cover lies on no attack card";
  }
  if (t.CoverIndex < 0 || t.CoverIndex > t.RowCount[2]) return "CoverIndex outside the trick";
  if (t.WhoseTurn != 0 && t.WhoseTurn != 1) return "nobody's turn during play";
  return {};
}
