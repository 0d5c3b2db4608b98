#include "games/nine.h"

#include "commentary/comment.h"
#include "core/hand_order.h"
#include "games/deal_result.h"
#include "table/move_card.h"

namespace {

constexpr int kComputerRow = 0;
constexpr int kPlayerRow = 1;
constexpr int kFirstSuitRow = 2;
constexpr int kNineSlot = 3;
constexpr int kLastSlot = 8;  // the ace

bool IsNineOfDiamonds(const TCard& c) {
  return c.Suit == Diamonds && c.Rank == Nine;
}

int FindNineOfDiamonds(const TTableState& t, int row) {
  for (int s = 0; s < t.RowCount[row]; ++s) {
    if (t.IsPresent(row, s) && IsNineOfDiamonds(t.CardGrid[row][s])) return s;
  }
  return -1;
}

// The card leaves the hand for its place; the hand closes up and is sorted
// again (the suit rows keep their slots).
void LayOnSuitRow(Game& g, int row, int handSlot, const NinePlace& place) {
  TTableState& t = g.t;
  MoveCard(g, row, handSlot, place.row, place.slot, true);
  t.FirstDiscardDone = 1;
  t.RowCount[row] = OrderRow(g, row);
}

}  // namespace

void LayNineCard(Game& g, int row, int handSlot, const NinePlace& place) {
  LayOnSuitRow(g, row, handSlot, place);
}

bool NineDealGoesOn(Game& g) {
  const TTableState& t = g.t;
  const int player = t.RowCount[kPlayerRow];
  const int computer = t.RowCount[kComputerRow];
  if (player == 0 && computer > 0) {
    EndDeal(g, DealResult::Win);
    return false;
  }
  if (computer == 0 && player > 0) {
    EndDeal(g, DealResult::Loss);
    return false;
  }
  return true;
}

NinePlace NinePlaceOf(const TTableState& t, const TCard& card) {
  const int row = kFirstSuitRow + card.Suit;
  const int slot = card.Rank - Six;
  if (card.Suit < Clubs || card.Suit > Hearts || slot < 0 || slot > kLastSlot) return {};
  if (t.IsPresent(row, slot)) return {};
  const bool nextToLower = slot > 0 && t.IsPresent(row, slot - 1);
  const bool nextToHigher = slot < kLastSlot && t.IsPresent(row, slot + 1);
  if (card.Rank == Nine || nextToLower || nextToHigher) return {row, slot};
  return {};
}

bool NineHandFits(const Game& g, int row) {
  const TTableState& t = g.t;
  for (int s = 0; s < t.RowCount[row]; ++s) {
    if (t.IsPresent(row, s) && NinePlaceOf(t, t.CardGrid[row][s]).Fits()) return true;
  }
  return false;
}

bool NinePassAllowed(const Game& g) {
  return g.t.WhoseTurn == 1 && !NineHandFits(g, kPlayerRow);
}

void RefreshNineMoveButton(Game& g) {
  g.out->EnableMoveButton(!NineHandFits(g, kPlayerRow));
}

void NinePlayerMove(Game& g, int card) {
  TTableState& t = g.t;
  if (t.WhoseTurn != 1) return;
  if (card < 0 || card >= t.RowCount[kPlayerRow] || !t.IsPresent(kPlayerRow, card)) return;
  const TCard& c = t.CardGrid[kPlayerRow][card];
  // The deal opens with the nine of diamonds and nothing else.
  if (t.FirstDiscardDone == 0 && !IsNineOfDiamonds(c)) return;
  const NinePlace place = NinePlaceOf(t, c);
  if (!place.Fits()) return;
  g.out->SaveUndo();
  const int value = ImageIndex(c);
  LayOnSuitRow(g, kPlayerRow, card, place);
  t.WhoseTurn = 0;
  g.out->RepaintTable(true);
  // Network play: the partner answers instead of the computer.
  if (g.NetworkGame()) {
    g.out->SendMove(value, 0);
    if (NineDealGoesOn(g)) Comment(g, -1, kCaptionWait);
    return;
  }
  if (!NineDealGoesOn(g)) return;
  NineComputerTurn(g);
}

void NineMoveButton(Game& g) {
  // A disabled button takes no press (the Down key presses it too).
  if (!NinePassAllowed(g)) return;
  g.t.WhoseTurn = 0;
  if (g.NetworkGame()) {
    g.out->SendMove(-1, 1);
    Comment(g, -1, kCaptionWait);
    return;
  }
  NineComputerTurn(g);
}

void NineComputerTurn(Game& g) {
  TTableState& t = g.t;
  if (t.FirstDiscardDone == 0) {
    const int slot = FindNineOfDiamonds(t, kComputerRow);
    if (slot != -1) LayOnSuitRow(g, kComputerRow, slot, {kFirstSuitRow + Diamonds, kNineSlot});
  } else {
    const NineMove move = NineChoice(g, kComputerRow);
    if (move.handSlot != -1) LayOnSuitRow(g, kComputerRow, move.handSlot, move.place);
  }
  RefreshNineMoveButton(g);
  t.WhoseTurn = 1;
  g.out->RepaintTable(true);
  NineDealGoesOn(g);
}

void StartNinePlay(Game& g) {
  g.out->RepaintTable(true);
  RefreshNineMoveButton(g);
  Comment(g, -1, kCaptionPass);
  // Network play: the partner opens from his own table.
  if (g.t.WhoseTurn == 0 && g.NetworkGame()) {
    Comment(g, -1, kCaptionWait);
    return;
  }
  if (g.t.WhoseTurn == 0) NineComputerTurn(g);
}
