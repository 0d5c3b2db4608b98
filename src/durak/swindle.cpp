#include "durak/swindle.h"

#include <algorithm>

#include "durak/beats.h"

namespace {

// Row 3 slots searched for covers of earlier tricks.
constexpr int kCoverRecordsSearched = 36;

bool RowHolds(const Game& g, int row, const TCard& x) {
  const int count = std::clamp(g.t.RowCount[row], 0, kSlots);
  for (int s = 0; s < count; ++s) {
    const TCard& c = g.t.CardGrid[row][s];
    if (c.Present == 1 && SameCard(c, x)) return true;
  }
  return false;
}

bool AlreadySwindled(const Game& g, const TCard& x) {
  const int limit = std::min<int>(SwindleLimit(g), g.t.SwindleCards.size());
  for (int i = 0; i < limit; ++i) {
    if (SameCard(g.t.SwindleCards[i], x)) return true;
  }
  return false;
}

// A six to ace in a 36-card game; any card in a 52-card one. Stale records
// (a slot never written reads as the two of clubs) are no card of the pack.
bool CardOfThePack(const Game& g, const TCard& x) {
  if (x.Suit < Clubs || x.Suit > Hearts || x.Rank < Two || x.Rank > Ace) return false;
  return g.program.PackSize == 52 || x.Rank >= Six;
}

// A candidate must be a card that has left play: not in either hand, on the
// table, in the stock, under it, nor swapped in already.
bool OutOfPlay(const Game& g, const TCard& x) {
  if (AlreadySwindled(g, x)) return false;
  if (RowHolds(g, 0, x) || RowHolds(g, 1, x) || RowHolds(g, 2, x) || RowHolds(g, 5, x))
    return false;
  if (SameCard(g.t.CardGrid[4][0], x)) return false;
  return CardOfThePack(g, x);
}

// Czech durak's pack: six to ace, seven to ace in the 2nd variety.
bool CardOfCzechPack(const Game& g, const TCard& x) {
  const int lowest = g.t.FormG == 5 ? Seven : Six;
  return x.Suit >= Clubs && x.Suit <= Hearts && x.Rank >= lowest && x.Rank <= Ace;
}

// The first card of (row, first .. last) that the Czech swindle may take:
// a real card of the pack lying there and in neither hand.
int FindCzechCandidate(const Game& g, int row, int last, int r1, int r2, bool suitOnly) {
  const TTableState& t = g.t;
  for (int s = 0; s <= last && s < kSlots; ++s) {
    const TCard& x = t.CardGrid[row][s];
    if (x.Present != 1 || !CardOfCzechPack(g, x)) continue;
    const bool trump = x.Suit == t.TrumpSuit;
    if (!(trump || (!suitOnly && (x.Rank == r1 || x.Rank == r2)))) continue;
    if (RowHolds(g, 0, x) || RowHolds(g, 1, x)) continue;
    return s;
  }
  return -1;
}

}  // namespace

int CzechSwindle(Game& g, int row, int slot) {
  TTableState& t = g.t;
  if (row < 0 || row >= kRows || slot < 0 || slot >= kSlots) return -1;
  if (t.SwindleCount >= SwindleLimit(g)) return -1;
  const int handSize = t.RowCount[0];
  if (handSize < 1 || handSize > kSlots) return -1;
  const TCard c = t.CardGrid[row][slot];
  const bool pentagon = t.FormG == 9;
  const int r1 = pentagon ? Six : c.Rank;
  const int r2 = t.FormG == 6 ? Jack : Queen;
  int fromRow = 5;
  int found = FindCzechCandidate(g, 5, t.RowCount[5] - 1, r1, r2, pentagon);
  if (found < 0) {
    // The last three cards of the pile are still in the player's memory.
    fromRow = 2;
    found = FindCzechCandidate(g, 2, t.RowCount[2] - 4, r1, r2, pentagon);
  }
  if (found < 0) return -1;
  const TCard x = *t.TakeCard(fromRow, found);
  const int lowest = handSize - 1;
  // The card swapped out goes under the stock rather than out of the game:
  // a pack short of, say, Pentagon's queen of the suit in force could leave
  // a deal with no way on for ever.
  const TCard out = *t.TakeCard(0, lowest);
  // (A gap the swindled card left in the stock closes at the next recount.)
  const int under = std::clamp(t.RowCount[5], 0, kSlots - 1);
  t.PutCard(5, under, out);
  t.RowCount[5] = under + 1;
  t.PutCard(0, lowest, x);
  t.SwindleCards[t.SwindleCount] = x;
  t.SwindleCards[t.SwindleCount].Present = 1;
  t.SwindleCount += 1;
  return lowest;
}

int SwindleLimit(const Game& g) {
  return g.t.Options.LevelS == 1 ? 3 : 5;
}

int SwindleStockThreshold(const Game& g) {
  return g.t.Options.LevelS == 1 ? 12 : 24;
}

int DurakSwindle(Game& g, int row, int slot) {
  TTableState& t = g.t;
  if (row < 0 || row >= kRows || slot < 0 || slot >= kSlots) return -1;
  const TCard a = t.CardGrid[row][slot];
  if (g.kind() == Kind::JapaneseDurak && a.Suit == Spades) return -1;
  if (t.RowCount[5] > SwindleStockThreshold(g) || t.RowCount[2] != 1) return -1;
  if (t.SwindleCount >= SwindleLimit(g)) return -1;
  const int handSize = t.RowCount[0];
  if (handSize < 1 || handSize > kSlots) return -1;

  for (int n = kCoverRecordsSearched - 1; n >= 0; --n) {
    const TCard x = t.CardGrid[3][n];
    // A present record is a cover lying on the table: still in play.
    if (x.Present == 1 || !BeatsIgnoringSpadeRule(g, x, a) || !OutOfPlay(g, x)) continue;
    // The lowest card vanishes and the discarded one takes its place.
    const int lowest = handSize - 1;
    t.CardGrid[0][lowest].Present = 0;
    t.CardGrid[3][n].Present = 0;
    t.PutCard(0, lowest, x);
    t.SwindleCards[t.SwindleCount] = x;
    t.SwindleCards[t.SwindleCount].Present = 1;
    t.SwindleCount += 1;
    return lowest;
  }
  return -1;
}
