#include "patience/patience_framework.h"

#include <utility>

#include "core/game_message.h"
#include "core/new_game.h"
#include "patience/patience_result.h"

namespace {

constexpr uint16_t Rows(int first, int last) {
  uint16_t mask = 0;
  for (int r = first; r <= last; ++r) mask = static_cast<uint16_t>(mask | (1u << r));
  return mask;
}

}  // namespace

void CloseUpRow(TTableState& t, int row) {
  for (int pass = 0; pass < 2; ++pass) {
    for (int s = 0; s < kSlots - 1; ++s) {
      if (!t.IsPresent(row, s)) t.SwapSlots(row, s, s + 1);
    }
  }
}

int TopSlot(const TTableState& t, int row) {
  for (int s = kSlots - 1; s >= 0; --s) {
    if (t.IsPresent(row, s)) return s;
  }
  return -1;
}

bool RowEmpty(const TTableState& t, int row) { return TopSlot(t, row) < 0; }

void ClearSlot(TTableState& t, int row, int slot) {
  t.CardGrid[row][slot].Present = 0;
  t.Opened[row][slot] = 0;
}

void MoveRecord(TTableState& t, int fromRow, int fromSlot, int toRow, int toSlot, bool opened) {
  if (fromRow == toRow && fromSlot == toSlot) return;
  t.PutCard(toRow, toSlot, t.CardGrid[fromRow][fromSlot]);
  t.Opened[toRow][toSlot] = opened ? 1 : 0;
  ClearSlot(t, fromRow, fromSlot);
}

void ShowPicked(Game& g) {
  TTableState& t = g.t;
  t.SourceRow = t.HitRow;
  t.SourceSlot = t.HitSlot;
  t.Picked = 1;
  // The repaint draws the picked card in the lit style.
  g.out->RepaintTable(true);
}

void DropPick(Game& g) {
  g.t.Picked = 0;
  g.out->RepaintTable(true);
}

void FinishPatienceMove(Game& g) {
  RecountPiles(g);
  g.out->RepaintTable(true);
}

uint16_t PatienceWinRows(Kind kind) {
  switch (kind) {
    case Kind::Scarf:
      return Rows(7, 13);
    case Kind::Solitaire:
      return Rows(0, 0) | Rows(5, 12);
    case Kind::Kerchief:
      return Rows(0, 9);
    case Kind::Pairs:
      return Rows(0, 8);
    case Kind::Bard:
      return Rows(0, 0);
    case Kind::Piramida:
      return Rows(3, 3);
    case Kind::Prisoner:
      return Rows(4, 12);
    case Kind::TwoByTwo:
      return Rows(0, 0);
    case Kind::OldFriend:
      return Rows(0, 1) | Rows(4, 7);
    case Kind::CrossRoads:
      return Rows(0, 5);
    case Kind::FirTrees:
      return Rows(2, 3);
    case Kind::Street:
      return Rows(4, 11);
    default:
      return 0;  // Clock, Joker and Paganini end by their own tests
  }
}

bool PatienceWon(const TTableState& t, Kind kind) {
  const uint16_t rows = PatienceWinRows(kind);
  if (rows == 0) return false;
  for (int r = 0; r < kRows; ++r) {
    if ((rows >> r & 1u) != 0 && t.IsPresent(r, 0)) return false;
  }
  return true;
}

bool CheckPatienceWon(Game& g) {
  if (!PatienceWon(g.t, g.kind())) return false;
  WinPatience(g);
  return true;
}

void WinPatience(Game& g) {
  g.t.Picked = 0;
  g.out->WinCelebration();
  g.out->RepaintTable(true);
  g.t.PatienceResult = 1;
  if (ShowGameMessage(g, kMsgYouWin, -1) == 0) {
    // Cancel in the question form closes the program, and no next deal
    // would count this win: it is counted now.
    SettlePreviousPatience(g);
    g.t.PatienceResult = -1;
    return;
  }
  ScheduleNewGame(g);
}
