#include "core/card.h"

#include <utility>

#include "core/random.h"

void BuildPack(TPack& pack) {
  for (int i = 0; i < kPackSlots; ++i) {
    pack.Slots[i] = TCard{i / 13, i % 13, 1, {}};
  }
}

void ShufflePack(TPack& pack, TRandom& random) {
  for (TCard& c : pack.Slots) c.Present = 1;
  // Always against the last slot: this is the program's own shuffle, kept so
  // that a seed gives the same deal everywhere.
  for (int i = 0; i < 600; ++i) {
    const int j = random.Below(kPackSlots);
    std::swap(pack.Slots[kPackSlots - 1], pack.Slots[j]);
  }
}

static void StripBelow(TPack& pack, int lowestRank) {
  for (TCard& c : pack.Slots) {
    if (c.Rank < lowestRank) c.Present = 0;
  }
}

void StripTo36(TPack& pack) { StripBelow(pack, Six); }
void StripTo32(TPack& pack) { StripBelow(pack, Seven); }

void StripTo34(TPack& pack) {
  StripBelow(pack, Six);
  for (TCard& c : pack.Slots) {
    if (c.Rank == Six && (c.Suit == Diamonds || c.Suit == Hearts)) c.Present = 0;
  }
}

TCard DrawCard(TPack& pack) {
  for (TCard& c : pack.Slots) {
    if (c.Present == 1) {
      c.Present = 0;
      return c;
    }
  }
  return TCard{};
}

int CountPresent(const TPack& pack) {
  int n = 0;
  for (const TCard& c : pack.Slots) n += c.Present == 1;
  return n;
}
