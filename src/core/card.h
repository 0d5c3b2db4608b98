// Cards and the pack every game is dealt from.
//
// A card is a plain value record. The pack holds all 52 cards in 52 slots;
// dealing order is slot order, a drawn or stripped card just loses its
// Present flag, and only a new shuffle brings every card back.
#pragma once

#include <array>
#include <cstdint>

enum Suit : int32_t { Clubs = 0, Spades = 1, Diamonds = 2, Hearts = 3 };

// Rank 0 is the two, 12 the ace; the rank order is the numeric order.
enum RankValue : int32_t {
  Two = 0, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King, Ace
};

struct TCard {
  int32_t Suit = 0;
  int32_t Rank = 0;
  uint8_t Present = 0;
  // The stored form carries three padding bytes; they travel with the record
  // when whole records are copied, and a new writer writes zeros.
  std::array<uint8_t, 3> Padding{};

  bool operator==(const TCard&) const = default;
};

// Picture of a card in the card image list: Suit * 13 + Rank.
inline int ImageIndex(const TCard& c) { return c.Suit * 13 + c.Rank; }
inline bool SameCard(const TCard& a, const TCard& b) {
  return a.Suit == b.Suit && a.Rank == b.Rank;
}

constexpr int kPackSlots = 52;

struct TPack {
  std::array<TCard, kPackSlots> Slots{};
};

class TRandom;

void BuildPack(TPack& pack);
// Sets every card present, then exchanges slot 51 with a random slot 600 times.
void ShufflePack(TPack& pack, TRandom& random);
void StripTo36(TPack& pack);  // six to ace
void StripTo32(TPack& pack);  // seven to ace
void StripTo34(TPack& pack);  // six to ace less the red sixes (Joker)
// Takes the lowest present slot; callers never draw from an exhausted pack,
// but if one did it gets a card with Present 0 and the pack is unchanged.
TCard DrawCard(TPack& pack);
int CountPresent(const TPack& pack);
