#include "patience/solitaire.h"

#include "commentary/sound.h"
#include "patience/patience_framework.h"

namespace {

constexpr int kCells = 0;
constexpr int kCellCount = 4;
constexpr int kFirstFoundation = 1;
constexpr int kLastFoundation = 4;
constexpr int kFirstColumn = 5;
constexpr int kLastColumn = 12;

bool IsFoundation(int row) { return row >= kFirstFoundation && row <= kLastFoundation; }
bool IsColumn(int row) { return row >= kFirstColumn && row <= kLastColumn; }

// What a first press may pick: a cell's card, a foundation's or a column's
// top card.
bool MayPick(const TTableState& t, int row, int slot) {
  if (row < 0 || row > kLastColumn || slot < 0 || slot >= kSlots || !t.IsPresent(row, slot)) {
    return false;
  }
  if (row == kCells) return slot < kCellCount;
  return slot == TopSlot(t, row);
}

// The card lies on the next higher card of the other colour already.
bool Builds(const TTableState& t, int column, int slot) {
  if (slot == 0) return false;
  const TCard& under = t.CardGrid[column][slot - 1];
  const TCard& card = t.CardGrid[column][slot];
  return under.Rank == card.Rank + 1 && ColourOf(under.Suit) != ColourOf(card.Suit);
}

int FirstEmptyFoundation(const TTableState& t) {
  for (int r = kFirstFoundation; r <= kLastFoundation; ++r) {
    if (RowEmpty(t, r)) return r;
  }
  return -1;
}

// Where the picked card goes, as (row, slot), and the sound of the move;
// row -1 when no rule takes it.
struct Destination {
  int row = -1, slot = -1;
  int effect = kEffectSlide;
};

Destination Place(int row, int slot, int effect) {
  Destination d;
  d.row = row;
  d.slot = slot;
  d.effect = effect;
  return d;
}

Destination Where(const TTableState& t, int fromRow, const TCard& s, int target, int targetSlot) {
  // An ace from a cell or a column goes up wherever the press is.
  if (s.Rank == Ace && !IsFoundation(fromRow)) {
    const int foundation = IsFoundation(target) && RowEmpty(t, target) ? target
                                                                      : FirstEmptyFoundation(t);
    if (foundation >= 0) return Place(foundation, 0, kEffectPlayerCard);
  }
  if (target == kCells) {
    if (targetSlot >= 0 && targetSlot < kCellCount && !t.IsPresent(kCells, targetSlot)) {
      return Place(kCells, targetSlot, kEffectPlayerCard);
    }
    return {};
  }
  const int top = target >= 0 && target < kRows ? TopSlot(t, target) : -1;
  if (IsColumn(target) && target != fromRow) {
    if (top < 0) return Place(target, 0, kEffectSlide);
    const TCard& under = t.CardGrid[target][top];
    if (under.Rank == s.Rank + 1 && ColourOf(under.Suit) != ColourOf(s.Suit)) {
      return Place(target, top + 1, kEffectSlide);
    }
  }
  if (IsFoundation(target) && top >= 0) {
    const TCard& under = t.CardGrid[target][top];
    const bool next = under.Suit == s.Suit && s.Rank == under.Rank + 1;
    const bool twoOnAce = under.Suit == s.Suit && under.Rank == Ace && s.Rank == Two;
    if (next || twoOnAce) return Place(target, top + 1, kEffectSlide);
  }
  return {};
}

void SecondPress(Game& g) {
  TTableState& t = g.t;
  const int fromRow = t.SourceRow;
  const int fromSlot = t.SourceSlot;
  if (!MayPick(t, fromRow, fromSlot)) return DropPick(g);
  const Destination d = Where(t, fromRow, t.CardGrid[fromRow][fromSlot], t.HitRow, t.HitSlot);
  if (d.row < 0) return DropPick(g);
  g.out->SaveUndo();
  SoundAndVoice(g, d.effect, -1);
  MoveRecord(t, fromRow, fromSlot, d.row, d.slot, false);
  t.Picked = 0;
  FinishPatienceMove(g);
}

}  // namespace

void SolitairePress(Game& g, int, int) {
  TTableState& t = g.t;
  if (t.Picked == 1) {
    SecondPress(g);
  } else if (MayPick(t, t.HitRow, t.HitSlot)) {
    ShowPicked(g);
    t.PickedColour = ColourOf(t.SuitAt(t.HitRow, t.HitSlot));
  }
  CheckPatienceWon(g);
}

// --- Self-play and table checks -------------------------------------------------

const uint16_t kSolitairePileRows = 0x1FFE;  // foundations and columns

PatienceActions SolitaireLegalMoves(const TTableState& t) {
  PatienceActions moves;
  int firstEmptyCell = -1;
  for (int k = kCellCount - 1; k >= 0; --k) {
    if (!t.IsPresent(kCells, k)) firstEmptyCell = k;
  }
  for (int from = kCells; from <= kLastColumn; ++from) {
    for (int s = 0; s < (from == kCells ? kCellCount : kSlots); ++s) {
      if (!MayPick(t, from, s)) continue;
      const TCard& card = t.CardGrid[from][s];
      const auto add = [&](int to, int toSlot, bool progress) {
        if (Where(t, from, card, to, toSlot).row >= 0) {
          moves.push_back({PatienceAction::TwoClick, from, s, to, toSlot, progress});
        }
      };
      if (card.Rank == Ace && !IsFoundation(from)) {
        add(FirstEmptyFoundation(t), 0, true);
        continue;
      }
      if (firstEmptyCell >= 0 && from != kCells) add(kCells, firstEmptyCell, false);
      // Progress: a card built onto a column, out of a cell or off a column
      // it leaves empty.
      for (int to = kFirstColumn; to <= kLastColumn; ++to) {
        const bool onto = TopSlot(t, to) >= 0;
        add(to, TopSlot(t, to), onto && (from == kCells || s == 0 || !Builds(t, from, s)));
      }
      for (int to = kFirstFoundation; to <= kLastFoundation; ++to) {
        if (!RowEmpty(t, to) && !IsFoundation(from)) add(to, TopSlot(t, to), true);
      }
      // A double click finds the foundation by itself.
      for (int to = kFirstFoundation; to <= kLastFoundation && !IsFoundation(from); ++to) {
        if (!RowEmpty(t, to) && Where(t, from, card, to, TopSlot(t, to)).row >= 0) {
          moves.push_back({PatienceAction::DoubleClick, from, s, -1, -1, true});
          break;
        }
      }
    }
  }
  return moves;
}

std::string CheckSolitaireTable(const TTableState& t) {
  for (int s = kCellCount; s < kSlots; ++s) {
    if (t.IsPresent(kCells, s)) return "a card lies beyond the four cells";
  }
  for (int r = kFirstFoundation; r <= kLastFoundation; ++r) {
    for (int s = 0; s <= TopSlot(t, r); ++s) {
      const int rank = s == 0 ? Ace : s - 1;
      if (t.RankAt(r, s) != rank || t.SuitAt(r, 0) != t.SuitAt(r, s)) {
        return "foundation " + std::to_string(r) + " is out of order at slot " + std::to_string(s);
      }
    }
  }
  return {};
}
