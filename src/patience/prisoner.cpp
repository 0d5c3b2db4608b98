// Prisoner: 36 cards. Row 0 is the stock (its top the highest slot), rows 1
// to 3 three piles dealt from it, and rows 4 to 12 nine prisoners. The top
// card of row 2 is the key: a prisoner of the key's rank is freed by a press
// and release on it and becomes the new key. A press on the stock deals one
// card onto each of rows 1, 2 and 3 (a last single card onto row 2); once
// the stock is empty it can be gathered from rows 1 to 3 and dealt anew one
// time. The game is won when every prisoner is free.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/patience_framework.h"
#include "patience/sequence.h"

namespace {

constexpr int kStock = 0;
constexpr int kKeyRow = 2;
constexpr int kFirstPrisoner = 4;
constexpr int kLastPrisoner = 12;
constexpr int kPasses = 2;

void DealOnto(TTableState& t, int row) {
  const int top = TopSlot(t, kStock);
  if (top >= 0) MoveRecord(t, kStock, top, row, TopSlot(t, row) + 1, false);
}

// Rows 1, 2 and 3, in that order and each in slot order, go back into the
// stock from slot 0.
void GatherIntoStock(TTableState& t) {
  int next = 0;
  for (int r = 1; r <= 3; ++r) {
    for (int s = 0; s < kSlots; ++s) {
      if (t.IsPresent(r, s)) MoveRecord(t, r, s, kStock, next++, false);
    }
  }
}

void DealFromStock(TTableState& t) {
  const int cards = TopSlot(t, kStock) + 1;
  if (cards == 1) return DealOnto(t, kKeyRow);
  if (cards == 0) GatherIntoStock(t);
  for (int r = 1; r <= 3; ++r) DealOnto(t, r);
}

bool FreeablePrisoner(const TTableState& t, int row) {
  const int key = TopSlot(t, kKeyRow);
  return row >= kFirstPrisoner && row <= kLastPrisoner && key >= 0 && t.IsPresent(row, 0) &&
         t.RankAt(row, 0) == t.RankAt(kKeyRow, key);
}

}  // namespace

void PrisonerPress(Game& g) {
  TTableState& t = g.t;
  if (t.HitRow == kStock) {
    if (t.CoverIndex >= kPasses) return;
    SoundAndVoice(g, kEffectPack, -1);
    g.out->SaveUndo();
    DealFromStock(t);
    if (RowEmpty(t, kStock)) t.CoverIndex += 1;
    FinishPatienceMove(g);
  } else if (FreeablePrisoner(t, t.HitRow)) {
    // Shown lit until the button is let go.
    t.HitSlot = 0;
    ShowPicked(g);
  }
}

void PrisonerRelease(Game& g) {
  TTableState& t = g.t;
  t.Picked = 0;
  if (!FreeablePrisoner(t, t.HitRow)) {
    g.out->RepaintTable(true);
    return;
  }
  g.out->SaveUndo();
  SoundAndVoice(g, kEffectSlide, -1);
  MoveRecord(t, t.HitRow, 0, kKeyRow, TopSlot(t, kKeyRow) + 1, false);
  FinishPatienceMove(g);
  CheckPatienceWon(g);
}

PatienceActions PrisonerLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int r = kFirstPrisoner; r <= kLastPrisoner; ++r) {
    if (FreeablePrisoner(t, r)) moves.push_back({PatienceAction::Press, r, 0, -1, -1, true});
  }
  const bool anythingToDeal = !RowEmpty(t, kStock) || !RowEmpty(t, 1) || !RowEmpty(t, 2) ||
                              !RowEmpty(t, 3);
  if (t.CoverIndex < kPasses && anythingToDeal) {
    moves.push_back({PatienceAction::Press, kStock, 0, -1, -1, false});
  }
  return moves;
}
