// Fir-trees: two trees of 13 cards (rows 2 and 3) over a stock of 26 (row
// 0, its top the highest slot) and a waste (row 1). In a tree slot 12
// covers slots 10 and 11, which together cover slot 9; 9 covers 7 and 8,
// which cover 6; 6 covers 4 and 5, which cover 3; 3 covers 1 and 2, which
// cover 0. Opened marks the free cards. A press on the stock turns its top
// onto the waste; a single press on a free tree card lays it on the waste
// when it is a neighbour of the waste's top (one rank up or down, ace and
// two included, any suit). The game is won when both trees are gone.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/patience_framework.h"
#include "patience/sequence.h"

namespace {

constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kFirstTree = 2;
constexpr int kLastTree = 3;
constexpr int kTreeSlots = 13;

bool IsFreeTreeCard(const TTableState& t, int row, int slot) {
  return row >= kFirstTree && row <= kLastTree && slot >= 0 && slot < kTreeSlots &&
         t.IsPresent(row, slot) && t.Opened[row][slot] != 0;
}

bool FitsOnWaste(const TTableState& t, int row, int slot) {
  const int top = TopSlot(t, kWaste);
  return top >= 0 && IsFreeTreeCard(t, row, slot) &&
         Neighbours(t.CardGrid[row][slot], t.CardGrid[kWaste][top]);
}

void Free(TTableState& t, int row, int slot) {
  if (t.IsPresent(row, slot)) t.Opened[row][slot] = 1;
}

}  // namespace

bool Neighbours(const TCard& a, const TCard& b) {
  const int gap = a.Rank > b.Rank ? a.Rank - b.Rank : b.Rank - a.Rank;
  return gap == 1 || gap == Ace - Two;
}

void FreeUnderTreeCard(TTableState& t, int row, int slot) {
  if (slot <= 0 || slot >= kTreeSlots) return;
  const int k = slot / 3;
  switch (slot % 3) {
    case 0:  // the top of a tier frees the two cards under it
      Free(t, row, slot - 2);
      Free(t, row, slot - 1);
      break;
    case 1:  // one of a pair frees the tier's top when its partner has gone
      if (!t.IsPresent(row, 3 * k + 2)) Free(t, row, 3 * k);
      break;
    default:
      if (!t.IsPresent(row, 3 * k + 1)) Free(t, row, 3 * k);
      break;
  }
}

void FirTreesPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow, slot = t.HitSlot;
  if (row == kStock) {
    const int top = TopSlot(t, kStock);
    if (top < 0) return;
    SoundAndVoice(g, kEffectPack, -1);
    g.out->SaveUndo();
    MoveRecord(t, kStock, top, kWaste, TopSlot(t, kWaste) + 1, false);
  } else if (FitsOnWaste(t, row, slot)) {
    SoundAndVoice(g, kEffectSlide, -1);
    g.out->SaveUndo();
    MoveRecord(t, row, slot, kWaste, TopSlot(t, kWaste) + 1, false);
    FreeUnderTreeCard(t, row, slot);
  } else {
    return;  // a card that does not fit, or an empty waste: nothing at all
  }
  FinishPatienceMove(g);
  CheckPatienceWon(g);
}

PatienceActions FirTreesLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int r = kFirstTree; r <= kLastTree; ++r) {
    for (int s = 0; s < kTreeSlots; ++s) {
      if (FitsOnWaste(t, r, s)) moves.push_back({PatienceAction::Press, r, s, -1, -1, true});
    }
  }
  if (!RowEmpty(t, kStock)) moves.push_back({PatienceAction::Press, kStock, 0, -1, -1, false});
  return moves;
}

// A tree card is free exactly when every card covering it has gone.
std::string CheckFirTreesTable(const TTableState& t) {
  for (int r = kFirstTree; r <= kLastTree; ++r) {
    for (int s = 0; s < kTreeSlots; ++s) {
      if (!t.IsPresent(r, s)) continue;
      bool covered = false;
      if (s % 3 == 0 && s < 12) covered = t.IsPresent(r, s + 1) || t.IsPresent(r, s + 2);
      if (s % 3 != 0) covered = t.IsPresent(r, 3 * (s / 3 + 1));
      if (covered == (t.Opened[r][s] != 0)) {
        return "tree card " + std::to_string(r) + ":" + std::to_string(s) +
               (covered ? " is free though covered" : " is covered though free");
      }
    }
  }
  for (int s = kTreeSlots; s < kSlots; ++s) {
    if (t.IsPresent(kFirstTree, s) || t.IsPresent(kLastTree, s)) return "a tree card off the tree";
  }
  return {};
}
