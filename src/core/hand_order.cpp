#include "core/hand_order.h"

#include <algorithm>

namespace {

// Moves the present cards of the first `size` slots to the front, keeping
// the order of the present cards and of the empty records alike (the same
// result as repeated bubble passes that swap an empty slot with a present
// successor). Returns the number of present cards.
int CloseUp(std::array<TCard, kSlots>& row, int size) {
  int n = 0;
  while (n < size && row[n].Present == 1) ++n;
  int next = n;
  while (next < size && row[next].Present != 1) ++next;
  if (next == size) return n;  // already closed up, the usual case
  std::array<TCard, kSlots> empties;
  int e = 0;
  for (int s = n; s < size; ++s) {
    if (row[s].Present == 1) {
      row[n++] = row[s];
    } else {
      empties[e++] = row[s];
    }
  }
  for (int i = 0; i < e; ++i) row[n + i] = empties[i];
  return n;
}

// Position of a card in the sequence in which the hand is filled: the trump
// group first, high to low, then the other cards either by seniority (rank
// high to low, suits clubs..hearts) or by suits (clubs..hearts, each high to
// low).
int FillOrder(const TCard& c, int trumpGroup, bool bySeniority) {
  const int fromTop = 12 - c.Rank;
  if (c.Suit == trumpGroup) return fromTop;
  return 100 + (bySeniority ? fromTop * 4 + c.Suit : c.Suit * 13 + fromTop);
}

void SortHand(std::array<TCard, kSlots>& row, int n, int trumpGroup, bool bySeniority,
              bool fromTheRight) {
  // A stable insertion sort: hands are short and this runs after every move.
  std::array<int, kSlots> key;
  for (int i = 0; i < n; ++i) key[i] = FillOrder(row[i], trumpGroup, bySeniority);
  for (int i = 1; i < n; ++i) {
    const TCard card = row[i];
    const int k = key[i];
    int j = i;
    for (; j > 0 && key[j - 1] > k; --j) {
      row[j] = row[j - 1];
      key[j] = key[j - 1];
    }
    row[j] = card;
    key[j] = k;
  }
  // Filling from the right puts the first card of the sequence rightmost.
  if (fromTheRight) std::reverse(row.begin(), row.begin() + n);
}

// The guessing layout: the player's hand by rank high to low, suits
// ascending within a rank, no trump group; empty slots keep their places.
void SortForGuessing(std::array<TCard, kSlots>& row, int size) {
  std::array<int, kSlots> places{};
  std::array<TCard, kSlots> cards{};
  int m = 0;
  for (int s = 0; s < size; ++s) {
    if (row[s].Present == 1) {
      places[m] = s;
      cards[m++] = row[s];
    }
  }
  std::stable_sort(cards.begin(), cards.begin() + m, [](const TCard& a, const TCard& b) {
    return a.Rank != b.Rank ? a.Rank > b.Rank : a.Suit < b.Suit;
  });
  for (int i = 0; i < m; ++i) row[places[i]] = cards[i];
}

}  // namespace

int TrumpGroupSuit(const Game& g) {
  const Kind k = g.kind();
  if (k == Kind::CzechDurak || k == Kind::Eights) return Clubs;
  return g.t.TrumpSuit;
}

int OrderRow(Game& g, int row) {
  const Kind k = g.kind();
  if (!IsCardGame(k) && k != Kind::Hearts) return 0;
  const int size = std::clamp(g.program.PackSize, 0, kSlots);
  auto& cards = g.t.CardGrid[row];
  const int n = CloseUp(cards, size);

  if (g.t.GuessMode == 1) {
    SortForGuessing(g.t.CardGrid[1], size);
    return n;
  }
  const int trumpGroup = TrumpGroupSuit(g);
  const TOptions& o = g.t.Options;
  if (row == 0 || row == 6) {
    SortHand(cards, n, trumpGroup, true, false);
  } else if (row == 1) {
    SortHand(cards, n, trumpGroup, o.TrSuitOld == 1, o.TrLeftRight == 1);
  }
  return n;
}

void CountRows(Game& g) {
  for (int row : {0, 1, 2, 3, 5}) g.t.RowCount[row] = OrderRow(g, row);
}

int LowestTrumpIndex(const Game& g, int row) {
  const int trump = g.t.TrumpSuit;
  if (trump < 0) return -1;
  const int count = row < 6 ? std::clamp(g.t.RowCount[row], 0, kSlots) : 0;
  int best = -1;
  for (int s = 0; s < count; ++s) {
    const TCard& c = g.t.CardGrid[row][s];
    if (c.Present == 1 && c.Suit == trump && (best < 0 || c.Rank < g.t.CardGrid[row][best].Rank)) {
      best = s;
    }
  }
  return best;
}
