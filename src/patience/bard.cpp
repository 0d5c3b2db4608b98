// Bard: the whole pack lies in one line, read in lines of ten. Any card can
// be picked and laid onto the card one or two places before it when the two
// share a rank or a suit; the card underneath leaves the game and the line
// closes up. A line that folds down to a single card is won.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/patience_framework.h"
#include "patience/sequence.h"

namespace {

constexpr int kLine = 0;

bool HoldsCard(const TTableState& t, int slot) {
  return slot >= 0 && slot < kSlots && t.IsPresent(kLine, slot);
}

}  // namespace

bool BardFits(const TTableState& t, int from, int to) {
  const int distance = from - to;
  if (distance != 1 && distance != 2) return false;
  if (!HoldsCard(t, from) || !HoldsCard(t, to)) return false;
  const TCard& a = t.CardGrid[kLine][from];
  const TCard& b = t.CardGrid[kLine][to];
  return a.Rank == b.Rank || a.Suit == b.Suit;
}

void BardPress(Game& g) {
  TTableState& t = g.t;
  if (t.Picked == 0) {
    if (t.HitRow == kLine && HoldsCard(t, t.HitSlot)) ShowPicked(g);
  } else if (t.HitRow == kLine && t.SourceRow == kLine && BardFits(t, t.SourceSlot, t.HitSlot)) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    MoveRecord(t, kLine, t.SourceSlot, kLine, t.HitSlot, false);
    t.Picked = 0;
    CloseUpRow(t, kLine);
    FinishPatienceMove(g);
  } else {
    DropPick(g);
  }
  // Every move leaves a card in the line, so the line is won when it has
  // folded down to one card.
  if (TopSlot(t, kLine) == 0) {
    WinPatience(g);
  } else {
    CheckPatienceWon(g);
  }
}

PatienceActions BardLegalMoves(const TTableState& t) {
  PatienceActions moves;
  const int top = TopSlot(t, kLine);
  for (int from = 1; from <= top; ++from) {
    for (int to = from - 2; to < from; ++to) {
      if (BardFits(t, from, to)) moves.push_back({PatienceAction::TwoClick, kLine, from, kLine, to, true});
    }
  }
  return moves;
}
