// Paganini: 36 cards in four rows; slot 0 of each row holds an ace, slots 1
// to 9 the other cards with four gaps among them. A card may move into a
// gap right of the card of its suit one rank lower, left of the card of its
// suit one rank higher, or, a six, into slot 1 beside the ace of its suit.
// The game is won when every row runs six to king of one suit from slot 1
// and its last slot (9) is the gap.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/clock_joker_paganini.h"
#include "patience/patience_framework.h"

namespace {

constexpr int kRowsOfCards = 4;
constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 9;

bool OnBoard(int row, int slot) {
  return row >= 0 && row < kRowsOfCards && slot >= kFirstSlot && slot <= kLastSlot;
}

bool CardIs(const TTableState& t, int row, int slot, int suit, int rank) {
  return slot >= 0 && slot < kSlots && t.IsPresent(row, slot) && t.SuitAt(row, slot) == suit &&
         t.RankAt(row, slot) == rank;
}

}  // namespace

bool PaganiniGapTakes(const TTableState& t, const TCard& card, int row, int slot) {
  if (!OnBoard(row, slot) || t.IsPresent(row, slot)) return false;
  if (slot == kFirstSlot && card.Rank == Six && t.IsPresent(row, 0) && t.SuitAt(row, 0) == card.Suit)
    return true;
  // Slot 0 holds the ace, which is no rank below a six here.
  if (slot > kFirstSlot && CardIs(t, row, slot - 1, card.Suit, card.Rank - 1)) return true;
  return CardIs(t, row, slot + 1, card.Suit, card.Rank + 1);
}

bool PaganiniWon(const TTableState& t) {
  for (int r = 0; r < kRowsOfCards; ++r) {
    if (t.IsPresent(r, kLastSlot) || !t.IsPresent(r, kFirstSlot)) return false;
    for (int s = kFirstSlot + 1; s < kLastSlot; ++s) {
      const TCard& before = t.CardGrid[r][s - 1];
      if (!CardIs(t, r, s, before.Suit, before.Rank + 1)) return false;
    }
  }
  return true;
}

void PaganiniPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow, slot = t.HitSlot;
  if (t.Picked == 0) {
    if (OnBoard(row, slot) && t.IsPresent(row, slot)) {
      ShowPicked(g);
      return;
    }
  } else {
    const int from = t.SourceRow, fromSlot = t.SourceSlot;
    t.Picked = 0;
    if (OnBoard(from, fromSlot) && t.IsPresent(from, fromSlot) &&
        PaganiniGapTakes(t, t.CardGrid[from][fromSlot], row, slot)) {
      SoundAndVoice(g, kEffectSlide, -1);
      g.out->SaveUndo();
      MoveRecord(t, from, fromSlot, row, slot, false);
      FinishPatienceMove(g);
    } else {
      g.out->RepaintTable(true);
    }
  }
  if (PaganiniWon(t)) WinPatience(g);
}

PatienceActions PaganiniLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int r = 0; r < kRowsOfCards; ++r) {
    for (int s = kFirstSlot; s <= kLastSlot; ++s) {
      if (!t.IsPresent(r, s)) continue;
      for (int gr = 0; gr < kRowsOfCards; ++gr) {
        for (int gs = kFirstSlot; gs <= kLastSlot; ++gs) {
          if (PaganiniGapTakes(t, t.CardGrid[r][s], gr, gs))
            moves.push_back({PatienceAction::TwoClick, r, s, gr, gs, true});
        }
      }
    }
  }
  return moves;
}
