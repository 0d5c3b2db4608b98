// Two by two: four places (rows 1 to 4) show one card each, the other 48
// wait in the stock (row 0, its top the highest slot). Two places showing
// cards of one suit are picked one after the other; the stock's next card
// covers the first and the one after it the second, and the covered cards
// leave the game. The game is won when the stock is empty.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/patience_framework.h"
#include "patience/sequence.h"

namespace {

constexpr int kStock = 0;
constexpr int kFirstPlace = 1;
constexpr int kLastPlace = 4;

bool IsPlace(const TTableState& t, int row) {
  return row >= kFirstPlace && row <= kLastPlace && t.IsPresent(row, 0);
}

bool SameSuitPair(const TTableState& t, int a, int b) {
  return a != b && IsPlace(t, a) && IsPlace(t, b) && t.SuitAt(a, 0) == t.SuitAt(b, 0);
}

// The stock's top card takes the place of the place's card.
void CoverFromStock(TTableState& t, int row) {
  const int top = TopSlot(t, kStock);
  if (top >= 0) MoveRecord(t, kStock, top, row, 0, false);
}

}  // namespace

void TwoByTwoPress(Game& g) {
  TTableState& t = g.t;
  if (t.Picked == 0) {
    // The hit test names a place only while another shows its suit.
    if (IsPlace(t, t.HitRow)) {
      t.HitSlot = 0;
      ShowPicked(g);
    }
  } else if (SameSuitPair(t, t.SourceRow, t.HitRow)) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    CoverFromStock(t, t.SourceRow);
    CoverFromStock(t, t.HitRow);
    t.Picked = 0;
    FinishPatienceMove(g);
  } else {
    DropPick(g);
  }
  CheckPatienceWon(g);
}

PatienceActions TwoByTwoLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int a = kFirstPlace; a <= kLastPlace; ++a) {
    for (int b = kFirstPlace; b <= kLastPlace; ++b) {
      if (SameSuitPair(t, a, b)) moves.push_back({PatienceAction::TwoClick, a, 0, b, 0, true});
    }
  }
  return moves;
}
