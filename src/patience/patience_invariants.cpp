#include "patience/patience_invariants.h"

#include <array>

#include "patience/patience_framework.h"
#include "patience/patience_rules.h"

namespace {

std::string Where(int row, int slot) {
  return std::to_string(row) + ":" + std::to_string(slot);
}

std::string CheckWholePack(const TTableState& t, Kind kind, bool removesCards) {
  std::array<int, 52> seen{};
  for (int r = 0; r < kRows; ++r) {
    for (int s = 0; s < kSlots; ++s) {
      const TCard& c = t.CardGrid[r][s];
      if (c.Present != 1) continue;
      if (c.Suit < 0 || c.Suit > 3 || c.Rank < 0 || c.Rank > 12 || !InPatiencePack(kind, c)) {
        return "a card that is not in the pack lies at " + Where(r, s);
      }
      if (++seen[ImageIndex(c)] > 1) return "a card lies twice, again at " + Where(r, s);
    }
  }
  for (int i = 0; i < 52; ++i) {
    const TCard c{i / 13, i % 13, 1, {}};
    if (!removesCards && InPatiencePack(kind, c) && seen[i] == 0) {
      return "card " + std::to_string(i) + " of the pack is lost";
    }
  }
  return {};
}

std::string CheckCounts(const TTableState& t, uint16_t pileRows, uint16_t openWhenEmpty) {
  for (int r = 0; r < kRows; ++r) {
    int n = 0;
    for (int s = 0; s < kSlots; ++s) n += t.IsPresent(r, s) ? 1 : 0;
    if (t.PileCount[r] != n) return "PileCount of row " + std::to_string(r) + " is stale";
    if ((pileRows >> r & 1u) != 0 && TopSlot(t, r) != n - 1) {
      return "row " + std::to_string(r) + " has a gap";
    }
    for (int s = 0; s < kSlots; ++s) {
      const bool mayStayOpen = s == 0 && (openWhenEmpty >> r & 1u) != 0;
      if (t.Opened[r][s] != 0 && !t.IsPresent(r, s) && !mayStayOpen) {
        return "an empty slot is open at " + Where(r, s);
      }
    }
  }
  return {};
}

std::string CheckPick(const TTableState& t, Kind kind) {
  if (t.Picked == 0) return {};
  // Scarf's pick is a drag, which ends with the release.
  if (kind == Kind::Scarf) return "a drag outlived its release";
  const int r = t.SourceRow, s = t.SourceSlot;
  if (r < 0 || r >= kRows || s < 0 || s >= kSlots || !t.IsPresent(r, s)) {
    return "the picked card is not on the table";
  }
  return {};
}

std::string CheckWinTest(const TTableState& t, Kind kind) {
  const uint16_t rows = PatienceWinRows(kind);
  if (rows == 0) return {};
  bool empty = true;
  for (int r = 0; r < kRows; ++r) {
    if ((rows >> r & 1u) != 0 && !RowEmpty(t, r)) empty = false;
  }
  if (empty != PatienceWon(t, kind)) return "the win test disagrees with the rows";
  return {};
}

}  // namespace

uint64_t CardsOnTable(const TTableState& t) {
  uint64_t cards = 0;
  for (const auto& row : t.CardGrid) {
    for (const TCard& c : row) {
      if (c.Present == 1 && c.Suit >= 0 && c.Suit <= 3 && c.Rank >= 0 && c.Rank <= 12) {
        cards |= uint64_t{1} << ImageIndex(c);
      }
    }
  }
  return cards;
}

std::string CheckPatienceTable(const Game& g) {
  const TTableState& t = g.t;
  const Kind kind = g.kind();
  const PatienceRules* rules = PatienceRulesFor(kind);
  std::string problem = CheckWholePack(t, kind, rules != nullptr && rules->removesCards);
  if (problem.empty()) {
    problem = CheckCounts(t, rules != nullptr ? rules->pileRows : 0,
                          rules != nullptr ? rules->openWhenEmptyRows : 0);
  }
  if (problem.empty()) problem = CheckPick(t, kind);
  if (problem.empty()) problem = CheckWinTest(t, kind);
  if (problem.empty() && rules != nullptr && rules->checkTable != nullptr) {
    problem = rules->checkTable(t);
  }
  return problem;
}
