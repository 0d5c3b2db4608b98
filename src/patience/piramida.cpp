// Piramida: a pyramid of 28 cards in seven lines (row 3) over a stock of 24
// (row 0) turned one card at a time onto the waste (row 1 slot 0; the older
// waste cards lie in row 2). Line k of the pyramid holds slots k(k+1)/2 to
// k(k+1)/2 + k, and the card in slot i of line k is covered by the slots
// i + k + 1 and i + k + 2 of the next line; Opened marks uncovered cards.
//
// Two uncovered cards (the waste card counts) whose values add up to 13 are
// taken off with two presses; a king goes alone with one press. The stock
// may be gone through three times (CoverIndex counts the turns). The game
// is won when the pyramid is gone.
#include "commentary/sound.h"
#include "patience/pairing.h"
#include "patience/patience_framework.h"
#include "core/new_game.h"

namespace {

constexpr int kStock = 0;
constexpr int kWaste = 1;
constexpr int kOlderWaste = 2;
constexpr int kPyramid = 3;
constexpr int kPyramidCards = 28;
constexpr int kCoveredCards = 21;  // the six upper lines
constexpr int kLastPass = 2;

// The line of a pyramid slot.
int LineOf(int slot) {
  int line = 0;
  while ((line + 1) * (line + 2) / 2 <= slot) ++line;
  return line;
}

bool Uncovered(const TTableState& t, int slot) {
  if (slot >= kCoveredCards) return true;
  const int k = LineOf(slot);
  return !t.IsPresent(kPyramid, slot + k + 1) && !t.IsPresent(kPyramid, slot + k + 2);
}

int FirstFreeSlot(const TTableState& t, int row) {
  for (int s = 0; s < kSlots; ++s) {
    if (!t.IsPresent(row, s)) return s;
  }
  return kSlots;
}

// A card that may be taken: the waste card or an uncovered pyramid card.
bool Available(const TTableState& t, int row, int slot) {
  if (row == kWaste) return slot == 0 && t.IsPresent(kWaste, 0);
  return row == kPyramid && slot >= 0 && slot < kPyramidCards && t.IsPresent(kPyramid, slot) &&
         t.Opened[kPyramid][slot] != 0;
}

void TurnStock(Game& g) {
  TTableState& t = g.t;
  const bool stockEmpty = RowEmpty(t, kStock);
  if (stockEmpty && ++t.CoverIndex > kLastPass) return;
  if (!RowEmpty(t, kStock) || !RowEmpty(t, kWaste) || !RowEmpty(t, kOlderWaste)) {
    SoundAndVoice(g, kEffectPack, -1);
  }
  g.out->SaveUndo();
  if (t.IsPresent(kWaste, 0)) MoveRecord(t, kWaste, 0, kOlderWaste, FirstFreeSlot(t, kOlderWaste), false);
  if (!stockEmpty) {
    MoveRecord(t, kStock, 0, kWaste, 0, false);
  } else {
    for (int s = 0; s < kSlots; ++s) {
      t.CardGrid[kStock][s] = t.CardGrid[kOlderWaste][s];
      t.Opened[kStock][s] = 0;
      ClearSlot(t, kOlderWaste, s);
    }
  }
  CloseUpRow(t, kStock);
  t.Picked = 0;
  RecountPiles(g);
}

void Remove(TTableState& t, int row, int slot) { ClearSlot(t, row, slot); }

// After a removal: the cards freed in the pyramid are uncovered and the
// waste shows its next older card.
void AfterRemoval(Game& g) {
  TTableState& t = g.t;
  for (int s = 0; s < kCoveredCards; ++s) {
    if (t.IsPresent(kPyramid, s) && Uncovered(t, s)) t.Opened[kPyramid][s] = 1;
  }
  if (!t.IsPresent(kWaste, 0)) {
    const int s = TopSlot(t, kOlderWaste);
    if (s >= 0) MoveRecord(t, kOlderWaste, s, kWaste, 0, false);
  }
  RecountPiles(g);
}

}  // namespace

void PiramidaPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  const int slot = t.HitSlot;
  if (row == kStock) {
    TurnStock(g);
  } else if (t.Picked == 0 && Available(t, row, slot) && t.RankAt(row, slot) == King) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    Remove(t, row, slot);
    AfterRemoval(g);
  } else if (t.Picked == 0) {
    if (Available(t, row, slot)) ShowPicked(g);
  } else if (Available(t, row, slot) && Available(t, t.SourceRow, t.SourceSlot) &&
             AddsToThirteen(t.CardGrid[row][slot], t.CardGrid[t.SourceRow][t.SourceSlot])) {
    g.out->SaveUndo();
    SoundAndVoice(g, kEffectSlide, -1);
    Remove(t, t.SourceRow, t.SourceSlot);
    Remove(t, row, slot);
    t.Picked = 0;
    AfterRemoval(g);
  } else {
    t.Picked = 0;
  }
  g.out->RepaintTable(true);
  CheckPatienceWon(g);
}

PatienceActions PiramidaLegalMoves(const TTableState& t) {
  PatienceActions moves;
  if (!RowEmpty(t, kStock) || t.CoverIndex < kLastPass) {
    moves.push_back({PatienceAction::Press, kStock, 0});
  }
  std::vector<std::pair<int, int>> available;
  if (Available(t, kWaste, 0)) available.push_back({kWaste, 0});
  for (int s = 0; s < kPyramidCards; ++s) {
    if (Available(t, kPyramid, s)) available.push_back({kPyramid, s});
  }
  for (const auto& [r, s] : available) {
    const TCard& a = t.CardGrid[r][s];
    if (a.Rank == King) moves.push_back({PatienceAction::Press, r, s, -1, -1, true});
    for (const auto& [r2, s2] : available) {
      if (AddsToThirteen(a, t.CardGrid[r2][s2])) {
        moves.push_back({PatienceAction::TwoClick, r, s, r2, s2, true});
      }
    }
  }
  return moves;
}

std::string CheckPiramidaTable(const TTableState& t) {
  for (int s = 0; s < kPyramidCards; ++s) {
    const bool open = t.Opened[kPyramid][s] != 0;
    if (t.IsPresent(kPyramid, s) && open != Uncovered(t, s)) {
      return "pyramid slot " + std::to_string(s) + (open ? " is open but covered" : " is free but closed");
    }
  }
  for (int s = kPyramidCards; s < kSlots; ++s) {
    if (t.IsPresent(kPyramid, s)) return "a card lies outside the pyramid";
  }
  if (!t.IsPresent(kWaste, 0) && !RowEmpty(t, kOlderWaste)) return "the waste hides its top card";
  if (TopSlot(t, kWaste) > 0) return "more than one waste card is shown";
  return {};
}
