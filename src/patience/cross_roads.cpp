// Cross-roads: a stock of 47 face-up cards (row 0, its top the highest
// card) and a cross of five places: the centre (row 2) with its left, right,
// upper and lower arms (rows 1, 3, 4, 5), one card each at the deal. The top
// cards of the stock, the centre and the arms can be taken: two of the same
// rank from different places with two presses. A place that loses its card
// is refilled from the centre while the centre keeps a card of its own, else
// from the stock. The stock's top card may also be laid on the centre. The
// game is won when the stock and the five places are empty.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/pairing.h"
#include "patience/patience_framework.h"

namespace {

constexpr int kStock = 0;
constexpr int kCentre = 2;
constexpr int kLastPlace = 5;

bool IsTop(const TTableState& t, int row, int slot) {
  return row >= 0 && row <= kLastPlace && slot >= 0 && slot == TopSlot(t, row);
}

// The place takes the centre's top card when the centre holds at least
// `centreSpare` cards, otherwise the stock's top card; the stock itself is
// never refilled.
void Refill(TTableState& t, int place, int centreSpare) {
  if (place == kStock) return;
  const int centreTop = TopSlot(t, kCentre);
  if (centreTop + 1 >= centreSpare) {
    if (place != kCentre) MoveRecord(t, kCentre, centreTop, place, TopSlot(t, place) + 1, false);
    return;
  }
  const int stockTop = TopSlot(t, kStock);
  if (stockTop >= 0) MoveRecord(t, kStock, stockTop, place, TopSlot(t, place) + 1, false);
}

void RemovePair(Game& g, int source, int target) {
  TTableState& t = g.t;
  SoundAndVoice(g, kEffectSlide, -1);
  g.out->SaveUndo();
  ClearSlot(t, source, TopSlot(t, source));
  ClearSlot(t, target, TopSlot(t, target));
  Refill(t, target, 3);
  Refill(t, source, 2);
  CloseUpRow(t, kStock);
  CloseUpRow(t, kCentre);
}

void StockOntoCentre(Game& g) {
  TTableState& t = g.t;
  SoundAndVoice(g, kEffectPack, -1);
  g.out->SaveUndo();
  MoveRecord(t, kStock, TopSlot(t, kStock), kCentre, TopSlot(t, kCentre) + 1, false);
  CloseUpRow(t, kStock);
}

}  // namespace

void CrossPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  if (t.Picked == 0) {
    if (IsTop(t, row, slot)) ShowPicked(g);
  } else {
    const int from = t.SourceRow;
    if (IsTop(t, row, slot) && IsTop(t, from, t.SourceSlot) && row != from &&
        t.RankAt(row, slot) == t.RankAt(from, t.SourceSlot)) {
      RemovePair(g, from, row);
    } else if (row == kCentre && IsTop(t, kCentre, slot) && from == kStock &&
               IsTop(t, kStock, t.SourceSlot)) {
      StockOntoCentre(g);
    }
    t.Picked = 0;
    FinishPatienceMove(g);
  }
  CheckPatienceWon(g);
}

PatienceActions CrossLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int a = 0; a <= kLastPlace; ++a) {
    const int ta = TopSlot(t, a);
    if (ta < 0) continue;
    for (int b = 0; b <= kLastPlace; ++b) {
      const int tb = TopSlot(t, b);
      if (b != a && tb >= 0 && t.RankAt(a, ta) == t.RankAt(b, tb)) {
        moves.push_back({PatienceAction::TwoClick, a, ta, b, tb, true});
      }
    }
  }
  const int stockTop = TopSlot(t, kStock);
  const int centreTop = TopSlot(t, kCentre);
  if (stockTop >= 0 && centreTop >= 0 && t.RankAt(kStock, stockTop) != t.RankAt(kCentre, centreTop)) {
    moves.push_back({PatienceAction::TwoClick, kStock, stockTop, kCentre, centreTop});
  }
  return moves;
}
