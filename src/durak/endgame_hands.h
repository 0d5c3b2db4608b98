// The two hands as the endgame tables see them.
//
// Once the stock is gone every card in play is known, and the computer
// decides its lead by comparing its cards with the player's, both hands in
// one order: trumps high to low, then the other cards high to low, equal
// ranks clubs, spades, diamonds, hearts. C0 is the computer's highest card,
// P0 the player's, so "the player has no trump" just means P0 is plain.
#pragma once

#include <array>
#include <initializer_list>

#include "core/card.h"
#include "core/table_state.h"

namespace endgame {

// The cards the tables name: C0.. the computer's, P0.. the player's.
enum CardRef : int { C0, C1, C2, C3, C4, C5, P0, P1, P2 };

constexpr int kNoCard = -1;

using HandRow = std::array<TCard, kSlots>;

struct Hands {
  const HandRow* computer = nullptr;  // n cards in slots 0..n-1
  int n = 0;
  const HandRow* player = nullptr;  // m cards in slots 0..m-1
  int m = 0;
  int trump = -1;
  bool transferForm = false;

  const TCard& Card(CardRef x) const { return x < P0 ? (*computer)[x] : (*player)[x - P0]; }
  int R(CardRef x) const { return Card(x).Rank; }
  bool IsTrump(CardRef x) const { return Card(x).Suit == trump; }
  bool IsPlain(CardRef x) const { return !IsTrump(x); }
  bool SameSuit(CardRef x, CardRef y) const { return Card(x).Suit == Card(y).Suit; }
  // X over Y: both trumps and X the higher. Led over the player's highest
  // trump P0, X cannot be beaten at all.
  bool Over(CardRef x, CardRef y) const { return IsTrump(x) && IsTrump(y) && R(x) > R(y); }

  bool PlayerHasNoTrump() const { return IsPlain(P0); }
  bool ComputerHasNoTrump() const { return IsPlain(C0); }
  bool NeitherHasTrump() const { return ComputerHasNoTrump() && PlayerHasNoTrump(); }

  // A card of a suit the player lacks can only be beaten by a trump.
  bool PlayerLacksSuit(CardRef x) const {
    const int suit = Card(x).Suit;
    for (int s = 0; s < m; ++s) {
      if ((*player)[s].Suit == suit) return false;
    }
    return true;
  }

  // The first of the computer's cards, in the order given, that fits.
  template <class Fits>
  int FirstOf(std::initializer_list<CardRef> order, Fits fits) const {
    for (const CardRef x : order) {
      if (fits(x)) return x;
    }
    return kNoCard;
  }

  // Three cards of one rank: the first card Ci having two others of its
  // rank gives the second of those others (ranks 9, 9, 9 in slots 1, 2, 3
  // give slot 3; four nines in slots 0..3 give slot 2).
  int Triple() const {
    for (int i = 0; i < n; ++i) {
      int others = 0;
      for (int j = 0; j < n; ++j) {
        if (j == i || (*computer)[j].Rank != (*computer)[i].Rank) continue;
        if (++others == 2) return j;
      }
    }
    return kNoCard;
  }
};

}  // namespace endgame
