// Street: four foundations (rows 0 to 3, one card shown in slot 0) and
// eight columns (rows 4 to 7 of seven cards, 8 to 11 of six). The top card
// of a column is picked; a foundation takes it when it is the next card of
// the foundation's suit (ace, two, three .. king), a column when it is a
// neighbour of the column's top (one rank up or down, ace and two included,
// any suit), and an empty column takes any card. The game is won when the
// eight columns are empty.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/patience_framework.h"
#include "patience/sequence.h"

namespace {

constexpr int kFirstFoundation = 0;
constexpr int kLastFoundation = 3;
constexpr int kFirstColumn = 4;
constexpr int kLastColumn = 11;
// A column fans out sideways; from its fifteenth card on it runs under the
// foundations or off the table, where no press reaches its top.
constexpr int kLongestReachableColumn = 14;

bool IsFoundation(int row) { return row >= kFirstFoundation && row <= kLastFoundation; }
bool IsColumn(int row) { return row >= kFirstColumn && row <= kLastColumn; }

bool IsColumnTop(const TTableState& t, int row, int slot) {
  return IsColumn(row) && slot >= 0 && slot == TopSlot(t, row);
}

}  // namespace

bool StreetFoundationTakes(const TTableState& t, int row, const TCard& card) {
  if (!IsFoundation(row)) return false;
  if (!t.IsPresent(row, 0)) return card.Rank == Ace;
  const TCard& shown = t.CardGrid[row][0];
  if (shown.Suit != card.Suit) return false;
  if (shown.Rank == Ace) return card.Rank == Two;
  return card.Rank == shown.Rank + 1;
}

bool StreetColumnTakes(const TTableState& t, int row, const TCard& card) {
  if (!IsColumn(row)) return false;
  const int top = TopSlot(t, row);
  return top < 0 || Neighbours(t.CardGrid[row][top], card);
}

void StreetPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  if (t.Picked == 0) {
    if (IsColumnTop(t, row, t.HitSlot)) ShowPicked(g);
  } else {
    const bool picked = IsColumnTop(t, t.SourceRow, t.SourceSlot);
    const TCard card = picked ? t.CardGrid[t.SourceRow][t.SourceSlot] : TCard{};
    if (picked && StreetFoundationTakes(t, row, card)) {
      SoundAndVoice(g, kEffectSlide, -1);
      g.out->SaveUndo();
      MoveRecord(t, t.SourceRow, t.SourceSlot, row, 0, false);
      t.Picked = 0;
      FinishPatienceMove(g);
    } else if (picked && row != t.SourceRow && StreetColumnTakes(t, row, card)) {
      SoundAndVoice(g, kEffectPack, -1);
      g.out->SaveUndo();
      MoveRecord(t, t.SourceRow, t.SourceSlot, row, TopSlot(t, row) + 1, false);
      t.Picked = 0;
      FinishPatienceMove(g);
    } else {
      DropPick(g);
    }
  }
  CheckPatienceWon(g);
}

PatienceActions StreetLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int from = kFirstColumn; from <= kLastColumn; ++from) {
    const int top = TopSlot(t, from);
    if (top < 0) continue;
    const TCard& card = t.CardGrid[from][top];
    for (int f = kFirstFoundation; f <= kLastFoundation; ++f) {
      if (StreetFoundationTakes(t, f, card)) moves.push_back({PatienceAction::TwoClick, from, top, f, 0, true});
    }
    for (int to = kFirstColumn; to <= kLastColumn; ++to) {
      // A lone card moved to an empty column changes nothing worth a move.
      const int toTop = TopSlot(t, to);
      if (to == from || (toTop < 0 && top == 0) || !StreetColumnTakes(t, to, card)) continue;
      if (toTop + 2 > kLongestReachableColumn) continue;
      moves.push_back({PatienceAction::TwoClick, from, top, to, toTop < 0 ? 0 : toTop, false});
    }
  }
  return moves;
}
