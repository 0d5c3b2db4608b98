// A table of Eights or Nine laid out by hand for the rule tests: the hands,
// the Eights pile and the Nine suit rows given card by card, counted and
// sorted as in play. Card movement is off, so every step repaints.
#pragma once

#include <initializer_list>

#include "core/hand_order.h"
#include "test_game.h"

struct SheddingTable : TestGame {
  static constexpr int kEights = 6;
  static constexpr int kNine = 7;

  explicit SheddingTable(int vidg, int64_t seed = 1) : TestGame(seed) {
    Select(vidg, 0);
    g.t.Options.Animation = 0;
    for (auto& row : g.t.CardGrid)
      for (TCard& c : row) c.Present = 0;
    // Eights: the player may lay, no suit yet. Nine: the player lays.
    g.t.TrumpSuit = vidg == kEights ? -1 : Clubs;
    g.t.WhoseTurn = vidg == kEights ? 0 : 1;
  }

  SheddingTable& Computer(std::initializer_list<TCard> cards) { return Hand(0, cards); }
  SheddingTable& Player(std::initializer_list<TCard> cards) { return Hand(1, cards); }

  // Eights: the discard pile, oldest first; the top card's suit is in force.
  SheddingTable& Pile(std::initializer_list<TCard> cards) {
    SetRow(2, cards);
    g.t.RowCount[2] = static_cast<int>(cards.size());
    g.t.TrumpSuit = cards.size() > 0 ? (cards.end() - 1)->Suit : -1;
    g.t.FirstDiscardDone = cards.size() > 0 ? 1 : 0;
    return *this;
  }

  // Czech durak: the stock, the card drawn first first.
  SheddingTable& Stock(std::initializer_list<TCard> cards) {
    SetRow(5, cards);
    g.t.RowCount[5] = static_cast<int>(cards.size());
    return *this;
  }

  // Nine: cards on their places in the suit rows; the deal is opened.
  SheddingTable& Laid(std::initializer_list<TCard> cards) {
    for (const TCard& c : cards) g.t.PutCard(2 + c.Suit, c.Rank - Six, c);
    g.t.FirstDiscardDone = 1;
    return *this;
  }

  bool OnNineRow(const TCard& c) const {
    const TCard& at = g.t.CardGrid[2 + c.Suit][c.Rank - Six];
    return at.Present == 1 && SameCard(at, c);
  }
  int SlotOf(int row, const TCard& x) const {
    for (int s = 0; s < kSlots; ++s)
      if (g.t.IsPresent(row, s) && SameCard(g.t.CardGrid[row][s], x)) return s;
    return -1;
  }
  bool Holds(int row, const TCard& x) const { return SlotOf(row, x) != -1; }
  const TCard& Top() const { return g.t.CardGrid[2][g.t.RowCount[2] - 1]; }

 private:
  SheddingTable& Hand(int row, std::initializer_list<TCard> cards) {
    SetRow(row, cards);
    g.t.RowCount[row] = OrderRow(g, row);
    return *this;
  }
};
