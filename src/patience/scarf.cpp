#include "patience/scarf.h"

#include <algorithm>

#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/patience_framework.h"
#include "patience/pointer_input.h"
#include "table/layout.h"

namespace {

constexpr int kStock = 0;
constexpr int kShownWaste = 1;
constexpr int kOlderWaste = 2;
constexpr int kFirstFoundation = 3;
constexpr int kLastFoundation = 6;
constexpr int kFirstColumn = 7;
constexpr int kLastColumn = 13;
constexpr int kShownAtOnce = 3;

bool IsFoundation(int row) { return row >= kFirstFoundation && row <= kLastFoundation; }
bool IsColumn(int row) { return row >= kFirstColumn && row <= kLastColumn; }
bool InGrid(int row, int slot) { return row >= 0 && row < kRows && slot >= 0 && slot < kSlots; }

int FirstFreeSlot(const TTableState& t, int row) {
  for (int s = 0; s < kSlots; ++s) {
    if (!t.IsPresent(row, s)) return s;
  }
  return kSlots;
}

bool AnyCardIn(const TTableState& t, int firstRow, int lastRow) {
  for (int r = firstRow; r <= lastRow; ++r) {
    if (!RowEmpty(t, r)) return true;
  }
  return false;
}

// --- The stock ---------------------------------------------------------------

// The shown waste cards join the older ones; then up to three cards come
// from the stock, or, with the stock empty, the waste turns over into a new
// stock in the order it was dealt.
void TurnStock(Game& g) {
  TTableState& t = g.t;
  if (!AnyCardIn(t, kStock, kOlderWaste)) return;
  g.out->SaveUndo();
  for (int s = 0; s < kShownAtOnce; ++s) {
    if (t.IsPresent(kShownWaste, s)) {
      MoveRecord(t, kShownWaste, s, kOlderWaste, FirstFreeSlot(t, kOlderWaste), false);
    }
  }
  if (!RowEmpty(t, kStock)) {
    int shown = 0;
    for (int s = 0; s < kSlots && shown < kShownAtOnce; ++s) {
      if (t.IsPresent(kStock, s)) MoveRecord(t, kStock, s, kShownWaste, shown++, false);
    }
  } else {
    for (int s = 0; s < kSlots; ++s) {
      t.CardGrid[kStock][s] = t.CardGrid[kOlderWaste][s];
      t.Opened[kStock][s] = 0;
      ClearSlot(t, kOlderWaste, s);
    }
    CloseUpRow(t, kStock);
  }
  RecountPiles(g);
  if (AnyCardIn(t, kStock, kOlderWaste)) SoundAndVoice(g, kEffectPack, -1);
  g.out->RepaintTable(true);
}

void TurnUp(Game& g, int row, int slot) {
  g.out->SaveUndo();
  g.t.Opened[row][slot] = 1;
  SoundAndVoice(g, kEffectPlayerCard, -1);
  g.out->RepaintTable(true);
}

// --- Dragging ----------------------------------------------------------------

// What a press may lift: the waste top, a foundation's top, a face-up card
// of a column.
bool MayLift(const TTableState& t, int row, int slot) {
  if (!InGrid(row, slot) || !t.IsPresent(row, slot)) return false;
  if (row == kShownWaste || IsFoundation(row)) return slot == TopSlot(t, row);
  return IsColumn(row) && t.Opened[row][slot] != 0;
}

// The lifted run: from SourceSlot to the top the pile had when it was lifted.
int LiftedTop(const TTableState& t) {
  return std::max(std::min(t.PileCount[t.SourceRow], kSlots) - 1, t.SourceSlot);
}

// The lifted cards lie again where they were: columns and foundations show
// them face up, the waste never marks its cards.
void PutLiftedBack(TTableState& t) {
  const bool faceUp = t.SourceRow != kShownWaste;
  for (int s = t.SourceSlot; s <= LiftedTop(t); ++s) {
    t.CardGrid[t.SourceRow][s].Present = 1;
    t.Opened[t.SourceRow][s] = faceUp ? 1 : 0;
  }
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TRect CardBox(int32_t left, int32_t top) {
  return {left, top, left + kCardWidth, top + kCardHeight};
}

// Whether the dragged picture lies over the place where the row takes cards:
// a foundation's place, a card of a column (the source column's remaining
// cards included) or an empty column's place.
bool OverTargetArea(const TTableState& t, int row) {
  const int32_t x = t.CardX[row][0];
  const int32_t y = t.CardY[row][0];
  if (IsFoundation(row) || (RowEmpty(t, row) && row != t.SourceRow)) {
    return Overlap(t.DragRect, CardBox(x, y));
  }
  int faceUpBelow = 0;
  for (int j = 0; j < kSlots; ++j) {
    if (t.IsPresent(row, j) && Overlap(t.DragRect, CardBox(x, y + 3 * j + 14 * faceUpBelow))) {
      return true;
    }
    faceUpBelow += t.Opened[row][j] != 0 ? 1 : 0;
  }
  return false;
}

// Whether the row takes the lifted run. Putting a run back on the pile it
// came from is no move at all: it is refused, and the run lies where it was.
bool TakesLiftedRun(const TTableState& t, int row) {
  if (row == t.SourceRow) return false;
  const TCard& s = t.CardGrid[t.SourceRow][t.SourceSlot];
  if (IsColumn(row)) return ScarfColumnTakes(t, row, s);
  if (IsFoundation(row)) {
    return t.SourceSlot == LiftedTop(t) && ScarfFoundationTakes(t, row, s);
  }
  return false;
}

void MoveLiftedRun(Game& g, int target) {
  TTableState& t = g.t;
  // The undo point shows the table as it was before the drag.
  PutLiftedBack(t);
  g.out->SaveUndo();
  const int top = LiftedTop(t);
  const int base = FirstFreeSlot(t, target);
  for (int s = t.SourceSlot; s <= top && base + s - t.SourceSlot < kSlots; ++s) {
    MoveRecord(t, t.SourceRow, s, target, base + s - t.SourceSlot, true);
  }
  SoundAndVoice(g, kEffectSlide, -1);
  RefillWaste(t);
}

// --- Foundations -------------------------------------------------------------

bool FoundationFits(const TTableState& t, int foundation, const TCard& s) {
  const int top = TopSlot(t, foundation);
  if (top < 0) return s.Rank == Ace;
  const bool onAce = t.RankAt(foundation, 0) == Ace && t.SuitAt(foundation, 0) == s.Suit;
  if (top == 0) return onAce && s.Rank == Two;
  return t.SuitAt(foundation, top) == s.Suit && s.Rank == t.RankAt(foundation, top) + 1;
}

// The rows of the game whose cards a double click may send up, and where
// its foundations lie.
struct AutoMovePlaces {
  int firstFoundation, lastFoundation;
};

bool ScarfMaySendUp(const TTableState& t, int row, int slot) {
  if (!InGrid(row, slot) || !t.IsPresent(row, slot) || slot != TopSlot(t, row)) return false;
  if (row == kShownWaste) return true;
  // A face-down card is turned up by a press before it can go anywhere.
  return IsColumn(row) && t.Opened[row][slot] != 0;
}

bool SolitaireMaySendUp(const TTableState& t, int row, int slot) {
  if (!InGrid(row, slot) || !t.IsPresent(row, slot)) return false;
  if (row == 0) return slot < 4;
  return row >= 5 && row <= 12 && slot == TopSlot(t, row);
}

int FoundationTaking(const TTableState& t, AutoMovePlaces places, const TCard& s) {
  for (int r = places.firstFoundation; r <= places.lastFoundation; ++r) {
    if (FoundationFits(t, r, s)) return r;
  }
  return -1;
}

}  // namespace

bool ScarfColumnTakes(const TTableState& t, int column, const TCard& s) {
  const int top = TopSlot(t, column);
  if (top < 0) return s.Rank == King;
  // A card goes only onto a face-up card: the one under a moved run waits
  // face down until it is turned.
  if (t.Opened[column][top] == 0) return false;
  const TCard& under = t.CardGrid[column][top];
  return under.Rank != Ace && under.Rank == s.Rank + 1 && ColourOf(under.Suit) != ColourOf(s.Suit);
}

bool ScarfFoundationTakes(const TTableState& t, int foundation, const TCard& s) {
  return FoundationFits(t, foundation, s);
}

void RefillWaste(TTableState& t) {
  if (t.IsPresent(kShownWaste, 0)) return;
  const int s = TopSlot(t, kOlderWaste);
  if (s >= 0) MoveRecord(t, kOlderWaste, s, kShownWaste, 0, false);
}

void ScarfPress(Game& g, int x, int y) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  if (t.Picked == 1 || !InGrid(row, slot)) return;
  if (row == kStock) return TurnStock(g);
  if (IsColumn(row) && t.IsPresent(row, slot) && slot == TopSlot(t, row) &&
      t.Opened[row][slot] == 0) {
    return TurnUp(g, row, slot);
  }
  if (MayLift(t, row, slot)) StartDrag(g, x, y);
}

void ScarfDrop(Game& g) {
  TTableState& t = g.t;
  if (t.Picked != 1 || !InGrid(t.SourceRow, t.SourceSlot)) return;
  int candidate = t.HitRow;
  int target = -1;
  for (int r = kFirstFoundation; r <= kLastColumn && target < 0; ++r) {
    if (OverTargetArea(t, r)) candidate = r;
    if (candidate >= kFirstFoundation && candidate <= kLastColumn && TakesLiftedRun(t, candidate)) {
      target = candidate;
    }
  }
  if (target >= 0) {
    MoveLiftedRun(g, target);
  } else {
    PutLiftedBack(t);
  }
  RecountPiles(g);
  g.out->RepaintTable(true);
  t.Picked = 0;
  CheckPatienceWon(g);
}

void AutoMoveToFoundation(Game& g) {
  TTableState& t = g.t;
  const bool scarf = g.kind() == Kind::Scarf;
  // The first press of the double click has lifted the card in Scarf: it
  // goes back before it is sent anywhere.
  if (scarf && t.Picked == 1 && InGrid(t.SourceRow, t.SourceSlot)) {
    PutLiftedBack(t);
    t.Picked = 0;
    RecountPiles(g);
  }
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  const bool mayGo = scarf ? ScarfMaySendUp(t, row, slot) : SolitaireMaySendUp(t, row, slot);
  if (!mayGo) return;
  const AutoMovePlaces places = scarf ? AutoMovePlaces{kFirstFoundation, kLastFoundation}
                                      : AutoMovePlaces{1, 4};
  const int foundation = FoundationTaking(t, places, t.CardGrid[row][slot]);
  if (foundation < 0) return;
  g.out->SaveUndo();
  SoundAndVoice(g, kEffectPlayerCard, -1);
  MoveRecord(t, row, slot, foundation, FirstFreeSlot(t, foundation), true);
  if (scarf) RefillWaste(t);
  RecountPiles(g);
  t.Picked = 0;
  g.out->RepaintTable(true);
  CheckPatienceWon(g);
}

// --- Self-play and table checks -------------------------------------------------

const uint16_t kScarfPileRows = 0x3FFE;  // every row but the stock

PatienceActions ScarfLegalMoves(const TTableState& t) {
  PatienceActions moves;
  if (AnyCardIn(t, kStock, kOlderWaste)) moves.push_back({PatienceAction::Press, kStock, 0});
  for (int r = kFirstColumn; r <= kLastColumn; ++r) {
    const int top = TopSlot(t, r);
    if (top >= 0 && t.Opened[r][top] == 0) {
      moves.push_back({PatienceAction::Press, r, top, -1, -1, true});
    }
  }
  // Every card that may be lifted, onto every pile that takes it.
  for (int from = kShownWaste; from <= kLastColumn; ++from) {
    if (from == kOlderWaste) continue;
    const int top = TopSlot(t, from);
    for (int s = 0; s <= top; ++s) {
      if (!MayLift(t, from, s)) continue;
      const TCard& card = t.CardGrid[from][s];
      for (int to = kFirstFoundation; to <= kLastColumn; ++to) {
        if (to == from) continue;
        const bool takes = IsColumn(to) ? ScarfColumnTakes(t, to, card)
                                        : s == top && ScarfFoundationTakes(t, to, card);
        if (!takes) continue;
        // Progress: a card up to a foundation, off the waste, or a run that
        // uncovers a face-down card or frees a column for a king.
        const bool uncovers = IsColumn(from) && (s == 0 || t.Opened[from][s - 1] == 0) &&
                              !(s == 0 && card.Rank == King && RowEmpty(t, to));
        const bool progress = IsFoundation(to) ? !IsFoundation(from) : from == kShownWaste || uncovers;
        moves.push_back({PatienceAction::Drag, from, s, to, std::max(TopSlot(t, to), 0), progress});
      }
      if (ScarfMaySendUp(t, from, s) &&
          FoundationTaking(t, {kFirstFoundation, kLastFoundation}, card) >= 0) {
        moves.push_back({PatienceAction::DoubleClick, from, s, -1, -1, true});
      }
    }
  }
  return moves;
}

std::string CheckScarfTable(const TTableState& t) {
  if (TopSlot(t, kShownWaste) >= kShownAtOnce) return "more than three waste cards are shown";
  if (!t.IsPresent(kShownWaste, 0) && !RowEmpty(t, kOlderWaste)) {
    return "the waste hides its top card";
  }
  for (int r = kFirstFoundation; r <= kLastFoundation; ++r) {
    for (int s = 0; s <= TopSlot(t, r); ++s) {
      const int rank = s == 0 ? Ace : s - 1;
      if (t.RankAt(r, s) != rank || t.SuitAt(r, 0) != t.SuitAt(r, s) || t.Opened[r][s] == 0) {
        return "foundation " + std::to_string(r) + " is out of order at slot " + std::to_string(s);
      }
    }
  }
  for (int r = kFirstColumn; r <= kLastColumn; ++r) {
    const int top = TopSlot(t, r);
    for (int s = 1; s <= top; ++s) {
      const bool up = t.Opened[r][s] != 0;
      if (!up && t.Opened[r][s - 1] != 0) {
        return "column " + std::to_string(r) + " has a face-down card on a face-up one";
      }
      if (up && t.Opened[r][s - 1] != 0 &&
          (t.RankAt(r, s - 1) != t.RankAt(r, s) + 1 ||
           ColourOf(t.SuitAt(r, s - 1)) == ColourOf(t.SuitAt(r, s)))) {
        return "column " + std::to_string(r) + " breaks its run at slot " + std::to_string(s);
      }
    }
  }
  return {};
}
