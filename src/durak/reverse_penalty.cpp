#include "durak/reverse_penalty.h"

#include <algorithm>

#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/trick_end.h"
#include "table/move_card.h"

namespace {

bool ValidPlayerSlot(const Game& g, int slot) {
  return slot >= 0 && slot < kSlots && g.t.IsPresent(1, slot);
}

}  // namespace

void ReversePenalty(Game& g) {
  TakeTrick(g, 1);
  DrawUpHand(g, 0);
  g.t.WhoseTurn = 0;
  MoveCard(g, 0, LeadChoice(g), 2, g.t.CoverIndex, true);
}

void ReverseWrongAdd(Game& g, int slot) {
  if (!ValidPlayerSlot(g, slot)) return;
  // Laid after the last attack card, never over one.
  MoveCard(g, 1, slot, 2, std::clamp(g.t.RowCount[2], 0, kSlots - 1), true);
  ReversePenalty(g);
}

void ReverseWrongCover(Game& g, int slot) {
  if (!ValidPlayerSlot(g, slot)) return;
  const int i = g.t.CoverIndex;
  if (i < 0 || i >= kSlots || g.t.IsPresent(3, i)) return;
  MoveCard(g, 1, slot, 3, i, true);
  g.t.CoverIndex += 1;
  ReversePenalty(g);
}

bool ReverseLastCoverWrong(const Game& g) {
  const int i = g.t.CoverIndex - 1;
  if (i < 0 || i >= kSlots || !g.t.IsPresent(2, i)) return false;
  if (!g.t.IsPresent(3, i)) return true;
  return !Beats(g, g.t.CardGrid[3][i], g.t.CardGrid[2][i]);
}
