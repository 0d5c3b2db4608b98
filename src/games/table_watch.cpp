#include "games/table_watch.h"

#include "core/hand_order.h"

std::string CheckWholePack(const Game& g, int lastRow) {
  std::array<int, kPackSlots> seen{};
  for (int row = 0; row < kRows; ++row) {
    for (const TCard& c : g.t.CardGrid[row]) {
      if (c.Present != 1) continue;
      const std::string where = " in row " + std::to_string(row);
      if (row > lastRow) return "a card lies" + where;
      if (c.Suit < Clubs || c.Suit > Hearts || c.Rank < Six || c.Rank > Ace)
        return "a card outside the pack lies" + where;
      if (++seen[ImageIndex(c)] > 1) return "card " + std::to_string(ImageIndex(c)) + " twice";
    }
  }
  for (int suit = Clubs; suit <= Hearts; ++suit) {
    for (int rank = Six; rank <= Ace; ++rank) {
      if (seen[suit * 13 + rank] == 0) return "card " + std::to_string(suit * 13 + rank) + " lost";
    }
  }
  return {};
}

std::string CheckHands(Game& g) {
  for (int row : {0, 1}) {
    int n = 0;
    bool gap = false;
    for (int s = 0; s < kSlots; ++s) {
      if (!g.t.IsPresent(row, s)) {
        gap = true;
      } else if (gap) {
        return "hand " + std::to_string(row) + " has a gap";
      } else {
        ++n;
      }
    }
    if (n != g.t.RowCount[row]) return "the count of hand " + std::to_string(row) + " is wrong";
    const auto before = g.t.CardGrid[row];
    OrderRow(g, row);
    const bool same = before == g.t.CardGrid[row];
    g.t.CardGrid[row] = before;
    if (!same) return "hand " + std::to_string(row) + " is out of order";
  }
  return {};
}

void LaidCardsWatch::Reset(const Game& g) {
  for (int i = 0; i < kTableRows; ++i) laid_[i] = g.t.CardGrid[kFirstRow + i];
}

std::string LaidCardsWatch::Check(const Game& g) {
  for (int i = 0; i < kTableRows; ++i) {
    for (int s = 0; s < kSlots; ++s) {
      const TCard& was = laid_[i][s];
      const TCard& is = g.t.CardGrid[kFirstRow + i][s];
      if (was.Present == 1 && (is.Present != 1 || !SameCard(was, is)))
        return "a card left its place in row " + std::to_string(kFirstRow + i);
    }
  }
  Reset(g);
  return {};
}
