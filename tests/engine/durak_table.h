// A durak table laid out by hand for the rule and computer-player tests:
// the hands, the trick and the stock are given card by card, then counted
// and sorted as in play.
#pragma once

#include <initializer_list>

#include "core/hand_order.h"
#include "test_game.h"

struct DurakTable : TestGame {
  // Simple durak, throw-up form, hearts trumps, the player attacking.
  explicit DurakTable(int vidg = 0, int formg = 1, int trump = Hearts, int64_t seed = 1)
      : TestGame(seed) {
    Select(vidg, formg);
    g.t.TrumpSuit = trump;
    g.t.WhoseTurn = 1;
    for (auto& row : g.t.CardGrid)
      for (TCard& c : row) c.Present = 0;
  }

  DurakTable& Computer(std::initializer_list<TCard> cards) { return Lay(0, cards); }
  DurakTable& Player(std::initializer_list<TCard> cards) { return Lay(1, cards); }
  DurakTable& Attacks(std::initializer_list<TCard> cards) { return Lay(2, cards); }
  DurakTable& Covers(std::initializer_list<TCard> cards) { return Lay(3, cards); }
  DurakTable& StockCards(std::initializer_list<TCard> cards) { return Lay(5, cards); }
  DurakTable& TrumpCard(const TCard& c) {
    g.t.PutCard(4, 0, c);
    return *this;
  }
  // n stock cards that appear nowhere else on the table, lowest ranks first.
  DurakTable& Stock(int n) {
    for (TCard& c : g.t.CardGrid[5]) c.Present = 0;
    int s = 0;
    for (int rank = g.program.PackSize == 52 ? Two : Six; rank <= Ace && s < n; ++rank)
      for (int suit = Clubs; suit <= Hearts && s < n; ++suit)
        if (!OnTable(C(suit, rank))) g.t.PutCard(5, s++, C(suit, rank));
    CountRows(g);
    return *this;
  }
  bool OnTable(const TCard& x) const {
    for (int row = 0; row <= 5; ++row)
      for (const TCard& c : g.t.CardGrid[row])
        if (c.Present == 1 && SameCard(c, x)) return true;
    return false;
  }
  const TCard& At(int row, int slot) const { return g.t.CardGrid[row][slot]; }
  int SlotOf(int row, const TCard& x) const {
    for (int s = 0; s < kSlots; ++s)
      if (g.t.IsPresent(row, s) && SameCard(At(row, s), x)) return s;
    return -1;
  }

 private:
  DurakTable& Lay(int row, std::initializer_list<TCard> cards) {
    SetRow(row, cards);
    CountRows(g);
    return *this;
  }
};
