// AddChoice and TransferChoice: how the computer throws cards in and passes
// an attack on.
#include <algorithm>

#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/search_player.h"
#include "durak/trick_moves.h"

namespace {

// Whether a card of this rank lies on the table, attack or cover.
bool RankOnTable(const Game& g, int rank) {
  const int count = std::clamp(g.t.RowCount[2], 0, kSlots);
  for (int row : {2, 3}) {
    for (int s = 0; s < count; ++s) {
      const TCard& c = g.t.CardGrid[row][s];
      if (c.Present == 1 && c.Rank == rank) return true;
    }
  }
  return false;
}

// Road durak: the lowest card that climbs above the last cover.
int RoadAddition(const Game& g) {
  const TTableState& t = g.t;
  if (t.RowCount[3] < 1 || t.RowCount[3] > kSlots) return -1;
  const TCard& last = t.CardGrid[3][t.RowCount[3] - 1];
  for (int i = t.RowCount[0] - 1; i >= 0; --i) {
    const TCard& c = t.CardGrid[0][i];
    if (c.Suit == last.Suit && c.Rank > last.Rank) return i;
    if (!IsTrump(g, last) && IsTrump(g, c)) return i;
  }
  return -1;
}

// The lowest card matching a rank on the table; trumps are kept back while
// the stock is still thick.
int MatchingAddition(const Game& g) {
  const bool spareTrumps = !(TrumpCardLies(g) && g.t.RowCount[5] >= 3);
  for (int i = g.t.RowCount[0] - 1; i >= 0; --i) {
    const TCard& c = g.t.CardGrid[0][i];
    if (c.Present != 1 || (!spareTrumps && IsTrump(g, c))) continue;
    if (RankOnTable(g, c.Rank)) return i;
  }
  return -1;
}

}  // namespace

int AddChoice(Game& g) {
  if (g.t.RowCount[0] < 1 || g.t.RowCount[0] > kSlots) return -1;
  if (g.t.FormG == 0) return -1;
  if (SearchPlays(g)) {
    const int searched = SearchAdd(g);
    if (searched != kNoSearchAnswer) return searched;
  }
  if (g.kind() == Kind::ReverseDurak) {
    if (RandomBelow(g, 3) != 1) return -1;
    return MatchingAddition(g);
  }
  if (g.kind() == Kind::RoadDurak) return RoadAddition(g);
  return MatchingAddition(g);
}

int TransferChoice(Game& g) {
  const TTableState& t = g.t;
  if (t.Options.DiscardTransfer1 == 1 && t.FirstDiscardDone == 0) return -1;
  if (t.RowCount[2] < 1 || t.RowCount[0] > kSlots) return -1;
  if (SearchPlays(g)) {
    const int searched = SearchTransfer(g);
    if (searched != kNoSearchAnswer) return searched;
  }
  const int rank = t.CardGrid[2][0].Rank;
  // Trumps are not spent on a transfer while the stock lasts.
  const bool trumpsAllowed = !TrumpCardLies(g);
  for (int i = t.RowCount[0] - 1; i >= 0; --i) {
    const TCard& c = t.CardGrid[0][i];
    if (c.Present != 1 || c.Rank != rank || (!trumpsAllowed && IsTrump(g, c))) continue;
    // Never offer a transfer the rules refuse (a fifth attack card lying,
    // a card already covered, a player too short of cards).
    return MayTransfer(g, 0, i) ? i : -1;
  }
  return -1;
}
