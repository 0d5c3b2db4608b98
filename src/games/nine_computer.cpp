// The computer's order of preference in Nine. Within a step the suit rows
// are looked at in the order clubs, spades, diamonds, hearts; where a step
// names no order of places, the hand is searched from its first card.
#include "games/nine.h"

namespace {

constexpr int kFirstSuitRow = 2;
constexpr int kNineSlot = 3;
constexpr int kLastSlot = 8;

int RankOfSlot(int slot) {
  return Six + slot;
}

bool OnTable(const TTableState& t, int suit, int slot) {
  return slot >= 0 && slot <= kLastSlot && t.IsPresent(kFirstSuitRow + suit, slot);
}

// The hand's slot of the card of that suit whose place is `slot`, or -1.
int HandSlotOf(const TTableState& t, int row, int suit, int slot) {
  if (slot < 0 || slot > kLastSlot) return -1;
  for (int s = 0; s < t.RowCount[row]; ++s) {
    const TCard& c = t.CardGrid[row][s];
    if (c.Present == 1 && c.Suit == suit && c.Rank == RankOfSlot(slot)) return s;
  }
  return -1;
}

bool Holds(const TTableState& t, int row, int suit, int slot) {
  return HandSlotOf(t, row, suit, slot) != -1;
}

NineMove MoveTo(const TTableState& t, int row, int suit, int slot) {
  return {HandSlotOf(t, row, suit, slot), {kFirstSuitRow + suit, slot}};
}

// 1. A six on its seven, or an ace on its king: the row is closed.
NineMove CloseRowEnd(const TTableState& t, int row) {
  for (int s = 0; s < t.RowCount[row]; ++s) {
    const TCard& c = t.CardGrid[row][s];
    if (c.Present != 1) continue;
    if (c.Rank == Six && OnTable(t, c.Suit, 1)) return {s, {kFirstSuitRow + c.Suit, 0}};
    if (c.Rank == Ace && OnTable(t, c.Suit, kLastSlot - 1))
      return {s, {kFirstSuitRow + c.Suit, kLastSlot}};
  }
  return {};
}

// 2. Extending a row where the computer also holds the card after next, so
// that it can go on there next time.
NineMove FollowUp(const TTableState& t, int row) {
  for (int suit = Clubs; suit <= Hearts; ++suit) {
    if (!OnTable(t, suit, kNineSlot)) continue;
    for (int m = 2; m <= 6; ++m) {
      if (!OnTable(t, suit, m)) continue;
      const int below = m - 1;
      if (m <= kNineSlot && !OnTable(t, suit, below) && Holds(t, row, suit, below) &&
          Holds(t, row, suit, below - 1))
        return MoveTo(t, row, suit, below);
      const int above = m + 1;
      if (m >= kNineSlot && !OnTable(t, suit, above) && Holds(t, row, suit, above) &&
          Holds(t, row, suit, above + 1))
        return MoveTo(t, row, suit, above);
    }
  }
  return {};
}

// 3. A card that gives the player nothing to lay next to it. The search
// gives up at the first card that would (step 4 decides then).
NineMove Harmless(const TTableState& t, int row) {
  const int other = 1 - row;
  for (int slot = 0; slot < kNineSlot; ++slot) {
    for (int suit = Clubs; suit <= Hearts; ++suit) {
      if (!Holds(t, row, suit, slot) || !OnTable(t, suit, slot + 1)) continue;
      if (Holds(t, other, suit, slot - 1)) return {};
      return MoveTo(t, row, suit, slot);
    }
  }
  for (int slot = kNineSlot + 1; slot <= kLastSlot; ++slot) {
    for (int suit = Clubs; suit <= Hearts; ++suit) {
      if (!Holds(t, row, suit, slot) || !OnTable(t, suit, slot - 1)) continue;
      if (Holds(t, other, suit, slot + 1)) return {};
      return MoveTo(t, row, suit, slot);
    }
  }
  return {};
}

// 4. A nine opens a new row.
NineMove StartRow(const TTableState& t, int row) {
  for (int s = 0; s < t.RowCount[row]; ++s) {
    const TCard& c = t.CardGrid[row][s];
    if (c.Present == 1 && c.Rank == Nine) return {s, {kFirstSuitRow + c.Suit, kNineSlot}};
  }
  return {};
}

// 5. Whatever fits, by place from the six upward.
NineMove AnyFit(const TTableState& t, int row) {
  for (int slot = 0; slot <= kLastSlot; ++slot) {
    if (slot == kNineSlot) continue;
    for (int suit = Clubs; suit <= Hearts; ++suit) {
      if (!Holds(t, row, suit, slot) || OnTable(t, suit, slot)) continue;
      if (OnTable(t, suit, slot - 1) || OnTable(t, suit, slot + 1))
        return MoveTo(t, row, suit, slot);
    }
  }
  return {};
}

}  // namespace

NineMove NineChoice(const Game& g, int row) {
  const TTableState& t = g.t;
  if (row != 0 && row != 1) return {};
  for (NineMove (*step)(const TTableState&, int) :
       {CloseRowEnd, FollowUp, Harmless, StartRow, AnyFit}) {
    const NineMove move = step(t, row);
    if (move.handSlot != -1) return move;
  }
  return {};  // 6. nothing fits: a pass
}
