// Kerchief: ten piles of the whole pack, all face up, spread downwards. The
// top card of a pile is picked, and a press on the top card of another pile
// of the same rank takes both off the table. The game is won when the ten
// piles are gone.
#include "commentary/sound.h"
#include "patience/pairing.h"
#include "patience/patience_framework.h"

namespace {

constexpr int kLastPile = 9;

bool IsPileTop(const TTableState& t, int row, int slot) {
  return row >= 0 && row <= kLastPile && slot >= 0 && slot == TopSlot(t, row);
}

}  // namespace

void KerchiefPress(Game& g) {
  TTableState& t = g.t;
  if (t.Picked == 0) {
    if (IsPileTop(t, t.HitRow, t.HitSlot)) ShowPicked(g);
  } else if (IsPileTop(t, t.HitRow, t.HitSlot) && IsPileTop(t, t.SourceRow, t.SourceSlot) &&
             t.HitRow != t.SourceRow &&
             t.RankAt(t.HitRow, t.HitSlot) == t.RankAt(t.SourceRow, t.SourceSlot)) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    ClearSlot(t, t.SourceRow, t.SourceSlot);
    ClearSlot(t, t.HitRow, t.HitSlot);
    t.Picked = 0;
    FinishPatienceMove(g);
  } else {
    DropPick(g);
  }
  CheckPatienceWon(g);
}

PatienceActions KerchiefLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int a = 0; a <= kLastPile; ++a) {
    const int ta = TopSlot(t, a);
    if (ta < 0) continue;
    for (int b = 0; b <= kLastPile; ++b) {
      const int tb = TopSlot(t, b);
      if (b != a && tb >= 0 && t.RankAt(a, ta) == t.RankAt(b, tb)) {
        moves.push_back({PatienceAction::TwoClick, a, ta, b, tb, true});
      }
    }
  }
  return moves;
}
