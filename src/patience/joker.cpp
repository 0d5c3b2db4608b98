// Joker: 34 cards, six to ace without the red sixes. The four aces start
// the foundations (rows 0 to 3, one card shown in slot 0), which take the
// seven of the ace's suit and then each next rank of any suit up to the
// king. Six columns of five (rows 4 to 9) build down in alternate colours;
// the two black sixes are jokers that stand in for any card, and two cells
// (rows 10 and 11) hold a joker each. Opened marks what may be taken: the
// top of a column and a cell (an empty cell keeps its mark, so it can be
// pressed as a target). The game is won when the columns hold nothing but
// jokers.
#include "commentary/sound.h"
#include "core/new_game.h"
#include "patience/clock_joker_paganini.h"
#include "patience/hit_test.h"
#include "patience/patience_framework.h"

namespace {

constexpr int kLastFoundation = 3;
constexpr int kFirstColumn = 4;
constexpr int kLastColumn = 9;
constexpr int kFirstCell = 10;
constexpr int kLastCell = 11;

bool IsFoundation(int row) { return row >= 0 && row <= kLastFoundation; }
bool IsColumn(int row) { return row >= kFirstColumn && row <= kLastColumn; }
bool IsCell(int row) { return row >= kFirstCell && row <= kLastCell; }

bool Takeable(const TTableState& t, int row, int slot) {
  return (IsColumn(row) || IsCell(row)) && slot >= 0 && slot < kSlots && t.IsPresent(row, slot) &&
         t.Opened[row][slot] != 0 && slot == TopSlot(t, row);
}

bool FoundationTakes(const TTableState& t, int row, const TCard& card) {
  if (!t.IsPresent(row, 0)) return false;
  const TCard& shown = t.CardGrid[row][0];
  if (shown.Rank == Ace) return card.Rank == Seven && card.Suit == shown.Suit;
  return card.Rank == shown.Rank + 1;
}

// A card on a column's top: one rank lower and the other colour, the jokers
// standing for whatever card the run needs.
bool BuildsOn(const TTableState& t, int row, const TCard& card) {
  const int n = TopSlot(t, row) + 1;
  const TCard& top = t.CardGrid[row][n - 1];
  const int colour = ColourOf(card.Suit);
  if (!IsJoker(top)) return top.Rank == card.Rank + 1 && ColourOf(top.Suit) != colour;
  if (n < 2) return false;
  const TCard& under = t.CardGrid[row][n - 2];
  if (!IsJoker(under)) return under.Rank == card.Rank + 2 && ColourOf(under.Suit) == colour;
  if (n < 3) return false;
  const TCard& third = t.CardGrid[row][n - 3];
  return third.Rank == card.Rank + 3 && ColourOf(under.Suit) != colour;
}

void Lay(TTableState& t, int row) {
  const int top = TopSlot(t, row);
  if (top >= 0) t.Opened[row][top] = 0;
  MoveRecord(t, t.SourceRow, t.SourceSlot, row, top + 1, true);
}

void LayOnFoundation(TTableState& t, int row) {
  MoveRecord(t, t.SourceRow, t.SourceSlot, row, 0, false);
}

// The source gives up its card: the card below becomes the one that may be
// taken, and a cell stays a place that can be pressed.
void OpenSource(TTableState& t, int row, int slot) {
  if (slot > 0) t.Opened[row][slot - 1] = 1;
  if (IsCell(row)) t.Opened[row][0] = 1;
}

}  // namespace

bool IsJoker(const TCard& card) {
  return card.Rank == Six && (card.Suit == Clubs || card.Suit == Spades);
}

bool JokerTakes(const TTableState& t, int fromRow, const TCard& card, int row) {
  if (IsFoundation(row)) return FoundationTakes(t, row, card);
  if (IsColumn(row)) {
    if (RowEmpty(t, row)) return true;
    if (IsJoker(card)) return row != fromRow;
    return BuildsOn(t, row, card);
  }
  if (IsCell(row)) return row != fromRow && RowEmpty(t, row) && IsJoker(card);
  return false;
}

bool JokerWon(const TTableState& t) {
  for (int r = kFirstColumn; r <= kLastColumn; ++r) {
    for (int s = 0; s < kSlots; ++s) {
      if (t.IsPresent(r, s) && !IsJoker(t.CardGrid[r][s])) return false;
    }
  }
  return true;
}

void JokerPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  if (t.Picked == 0) {
    if (Takeable(t, row, t.HitSlot)) {
      t.PickedColour = ColourOf(t.SuitAt(row, t.HitSlot));
      ShowPicked(g);
    }
  } else {
    const int from = t.SourceRow, slot = t.SourceSlot;
    const bool picked = Takeable(t, from, slot);
    t.Picked = 0;
    if (picked && row >= 0 && JokerTakes(t, from, t.CardGrid[from][slot], row)) {
      SoundAndVoice(g, kEffectSlide, -1);
      g.out->SaveUndo();
      if (IsFoundation(row)) {
        LayOnFoundation(t, row);
      } else {
        Lay(t, row);
      }
      OpenSource(t, from, slot);
      FinishPatienceMove(g);
    } else {
      g.out->RepaintTable(true);
    }
  }
  if (JokerWon(t)) WinPatience(g);
}

PatienceActions JokerLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int from = kFirstColumn; from <= kLastCell; ++from) {
    const int slot = TopSlot(t, from);
    if (!Takeable(t, from, slot)) continue;
    const TCard& card = t.CardGrid[from][slot];
    for (int to = 0; to <= kLastCell; ++to) {
      if (!JokerTakes(t, from, card, to)) continue;
      // A lone card into an empty column, or a joker from cell to cell,
      // moves nothing worth a move.
      if (slot == 0 && RowEmpty(t, to) && !IsFoundation(to) && (IsColumn(from) || IsCell(to))) continue;
      int toSlot = TopSlot(t, to);
      if (IsFoundation(to)) toSlot = 0;
      if (toSlot < 0) {
        // An empty column or cell answers in whichever of its places the
        // hit test finds at the middle of its first one.
        TTableState probe = t;
        HitTest(probe, Kind::Joker, t.CardX[to][0] + 35, t.CardY[to][0] + 48);
        toSlot = probe.HitRow == to ? probe.HitSlot : 0;
      }
      moves.push_back({PatienceAction::TwoClick, from, slot, to, toSlot, IsFoundation(to)});
    }
  }
  return moves;
}

std::string CheckJokerTable(const TTableState& t) {
  for (int r = kFirstColumn; r <= kLastCell; ++r) {
    const int top = TopSlot(t, r);
    for (int s = 0; s < kSlots; ++s) {
      const bool open = t.Opened[r][s] != 0;
      if (s == top && !open) return "the top of row " + std::to_string(r) + " cannot be taken";
      if (s != top && open && !(IsCell(r) && s == 0 && top < 0))
        return "a covered card of row " + std::to_string(r) + " can be taken";
    }
    if (IsCell(r) && top > 0) return "a cell holds two cards";
    if (IsCell(r) && top == 0 && !IsJoker(t.CardGrid[r][0])) return "a cell holds no joker";
  }
  for (int r = 0; r <= kLastFoundation; ++r) {
    if (TopSlot(t, r) != 0) return "a foundation shows no card";
  }
  return {};
}
