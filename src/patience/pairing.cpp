#include "patience/pairing.h"

int PairValue(int rank) { return rank == Ace ? 1 : rank + 2; }

bool AddsToThirteen(const TCard& a, const TCard& b) {
  return PairValue(a.Rank) + PairValue(b.Rank) == 13;
}
