// Old friend: four piles of five (rows 4 to 7) under a stock of 32 (row 0)
// turned one card at a time onto the waste (row 1). The waste top and the
// pile tops can be taken: two whose values add up to 13 with two presses, a
// king alone with one; taken cards go to row 3 in the order taken. A pile
// that empties is refilled from the stock's top. The game is won when the
// stock, the waste and the four piles are gone.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/pairing.h"
#include "patience/patience_framework.h"

namespace {

constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kTaken = 3;
constexpr int kFirstPile = 4;
constexpr int kLastPile = 7;

bool IsPile(int row) { return row >= kFirstPile && row <= kLastPile; }

// The waste top or a pile top.
bool Available(const TTableState& t, int row, int slot) {
  return (row == kWaste || IsPile(row)) && slot >= 0 && slot == TopSlot(t, row);
}

void ToTaken(TTableState& t, int row, int slot) {
  MoveRecord(t, row, slot, kTaken, TopSlot(t, kTaken) + 1, false);
  CloseUpRow(t, row);
}

// Each pile that has emptied takes the stock's top card, while it lasts.
void RefillPiles(TTableState& t) {
  for (int r = kFirstPile; r <= kLastPile; ++r) {
    const int top = TopSlot(t, kStock);
    if (top < 0) return;
    if (RowEmpty(t, r)) MoveRecord(t, kStock, top, r, 0, false);
  }
}

}  // namespace

void OldFriendPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  if (row == kStock) {
    const int top = TopSlot(t, kStock);
    if (top >= 0) {
      SoundAndVoice(g, kEffectPack, -1);
      g.out->SaveUndo();
      MoveRecord(t, kStock, top, kWaste, TopSlot(t, kWaste) + 1, false);
      RecountPiles(g);
      t.Picked = 0;
    }
  } else if (t.Picked == 0 && Available(t, row, slot) && t.RankAt(row, slot) == King) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    ToTaken(t, row, slot);
    RefillPiles(t);
    RecountPiles(g);
  } else if (t.Picked == 0) {
    if (Available(t, row, slot)) ShowPicked(g);
  } else if (Available(t, row, slot) && Available(t, t.SourceRow, t.SourceSlot) &&
             row != t.SourceRow &&
             AddsToThirteen(t.CardGrid[row][slot], t.CardGrid[t.SourceRow][t.SourceSlot])) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    ToTaken(t, t.SourceRow, t.SourceSlot);
    ToTaken(t, row, slot);
    t.Picked = 0;
    RefillPiles(t);
    RecountPiles(g);
  } else {
    t.Picked = 0;
  }
  g.out->RepaintTable(true);
  CheckPatienceWon(g);
}

PatienceActions OldFriendLegalMoves(const TTableState& t) {
  PatienceActions moves;
  const int stockTop = TopSlot(t, kStock);
  if (stockTop >= 0) moves.push_back({PatienceAction::Press, kStock, stockTop});
  std::vector<std::pair<int, int>> available;
  for (int r = kWaste; r <= kLastPile; ++r) {
    if (Available(t, r, TopSlot(t, r))) available.push_back({r, TopSlot(t, r)});
  }
  for (const auto& [r, s] : available) {
    const TCard& a = t.CardGrid[r][s];
    if (a.Rank == King) moves.push_back({PatienceAction::Press, r, s, -1, -1, true});
    for (const auto& [r2, s2] : available) {
      if (r2 != r && AddsToThirteen(a, t.CardGrid[r2][s2])) {
        moves.push_back({PatienceAction::TwoClick, r, s, r2, s2, true});
      }
    }
  }
  return moves;
}
