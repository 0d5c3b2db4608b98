// Pairs: nine piles of four cards of the 36-card pack, face down (Opened
// marks a face-up card). A press on a face-down top card turns it up and
// drops any pick; a face-up top card is picked, and a press on a face-up top
// card of another pile of the same rank takes both off the table. The game
// is won when the nine piles are gone.
#include "commentary/sound.h"
#include "patience/pairing.h"
#include "patience/patience_framework.h"

namespace {

constexpr int kLastPile = 8;

bool IsPileTop(const TTableState& t, int row, int slot) {
  return row >= 0 && row <= kLastPile && slot >= 0 && slot == TopSlot(t, row);
}

bool FaceUpTop(const TTableState& t, int row, int slot) {
  return IsPileTop(t, row, slot) && t.Opened[row][slot] != 0;
}

}  // namespace

void PairsPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  // An empty pile answers the pointer with no card: the press does nothing.
  if (row < 0) return;
  if (IsPileTop(t, row, slot) && t.Opened[row][slot] == 0) {
    // Turning a card is a move of its own: no win can follow it.
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectPlayerCard, -1);
    t.Opened[row][slot] = 1;
    DropPick(g);
    return;
  }
  if (t.Picked == 0) {
    if (FaceUpTop(t, row, slot)) ShowPicked(g);
  } else if (FaceUpTop(t, row, slot) && FaceUpTop(t, t.SourceRow, t.SourceSlot) &&
             row != t.SourceRow && t.RankAt(row, slot) == t.RankAt(t.SourceRow, t.SourceSlot)) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    ClearSlot(t, t.SourceRow, t.SourceSlot);
    ClearSlot(t, row, slot);
    t.Picked = 0;
    FinishPatienceMove(g);
  } else {
    DropPick(g);
  }
  CheckPatienceWon(g);
}

PatienceActions PairsLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int a = 0; a <= kLastPile; ++a) {
    const int ta = TopSlot(t, a);
    if (ta < 0) continue;
    if (t.Opened[a][ta] == 0) {
      moves.push_back({PatienceAction::Press, a, ta, -1, -1, true});
      continue;
    }
    for (int b = 0; b <= kLastPile; ++b) {
      const int tb = TopSlot(t, b);
      if (b != a && FaceUpTop(t, b, tb) && t.RankAt(a, ta) == t.RankAt(b, tb)) {
        moves.push_back({PatienceAction::TwoClick, a, ta, b, tb, true});
      }
    }
  }
  return moves;
}
