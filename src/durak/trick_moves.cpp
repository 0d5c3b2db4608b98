#include "durak/trick_moves.h"

#include "durak/beats.h"
#include "table/move_card.h"

namespace {

bool ValidHandSlot(const Game& g, int row, int slot) {
  return (row == 0 || row == 1) && slot >= 0 && slot < kSlots && g.t.IsPresent(row, slot);
}

// Whether the attacker's side is the one acting: WhoseTurn 1 is the
// player's attack, 0 the computer's.
bool Attacks(const Game& g, int row) {
  return g.t.WhoseTurn == row;
}

bool DefenderHasRoom(const Game& g, int row) {
  const auto& n = g.t.RowCount;
  if (row == 1) return n[2] < n[3] + n[0] && n[0] > 0;
  return n[2] == n[3] && n[1] > 0;
}

}  // namespace

bool MayLead(const Game& g, int slot) {
  if (!ValidHandSlot(g, 1, slot)) return false;
  const TTableState& t = g.t;
  const int rank = t.RankAt(1, slot);
  if (t.RowCount[2] > 0 && AttackCard(g, 0).Rank == rank) return true;
  if (t.RowCount[1] == 1) return true;
  for (int s = 0; s < t.RowCount[1] && s < kSlots; ++s) {
    if (s != slot && t.IsPresent(1, s) && t.RankAt(1, s) == rank) return true;
  }
  return false;
}

bool MayAddToTrick(const Game& g, int row, int slot) {
  if (!ValidHandSlot(g, row, slot) || !Attacks(g, row)) return false;
  const TTableState& t = g.t;
  if (t.RowCount[2] < 1) return false;  // nothing to add to: that is a lead
  if (t.FormG == 0) {
    if (row == 0) return false;
    if (t.RowCount[2] == 1 && t.LeadInProgress == 0) return false;
  }
  return MayAdd(g, t.CardGrid[row][slot]) && t.RowCount[2] < MaxTrick(g) && DefenderHasRoom(g, row);
}

bool MayCover(const Game& g, int row, int slot) {
  if (!ValidHandSlot(g, row, slot) || Attacks(g, row)) return false;
  const TTableState& t = g.t;
  const int i = t.CoverIndex;
  if (i < 0 || i >= t.RowCount[2] || i >= kSlots || t.IsPresent(3, i)) return false;
  return Beats(g, t.CardGrid[row][slot], AttackCard(g, i));
}

void CoverAttack(Game& g, int row, int slot) {
  MoveCard(g, row, slot, 3, g.t.CoverIndex, true);
  g.t.CoverIndex += 1;
}

bool MayTransfer(const Game& g, int row, int slot) {
  if (!ValidHandSlot(g, row, slot) || Attacks(g, row)) return false;
  const TTableState& t = g.t;
  const auto& n = t.RowCount;
  if (t.FormG != 2) return false;
  if (n[3] != 0 || n[2] < 1 || n[2] >= 5) return false;
  if (t.RankAt(row, slot) != AttackCard(g, 0).Rank) return false;
  const int newDefender = 1 - row;
  if (n[newDefender] <= n[2]) return false;
  if (row == 1 && n[0] <= 1) return false;
  return t.Options.DiscardTransfer1 == 0 || t.FirstDiscardDone == 1;
}

void TransferAttack(Game& g, int row, int slot) {
  MoveCard(g, row, slot, 2, g.t.RowCount[2], true);
  g.t.WhoseTurn = row;  // the transferring defender now attacks
  g.t.CoverIndex = 0;
}
