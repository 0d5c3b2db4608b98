// A Hearts table for tests: the four hands, the trick and the taken cards
// laid by hand, the tricks being played.
#pragma once

#include <initializer_list>

#include "games/hearts_rules.h"
#include "test_game.h"

struct HeartsTable : TestGame {
  HeartsTable() {
    Select(23, 0);
    g.t.TrumpSuit = -1;
    g.t.WhoseTurn = 1;
    g.t.ButtonCaptionId = 5;
    g.t.Options.Animation = 0;
  }
  HeartsTable& Hand(int seat, std::initializer_list<TCard> cards) {
    SetRow(seat, cards);
    CloseUpHands(g.t);
    return *this;
  }
  // The cards on the trick, from the leader on.
  HeartsTable& Trick(int leader, std::initializer_list<TCard> cards) {
    g.t.CoverIndex = leader;
    int seat = leader;
    for (const TCard& c : cards) {
      g.t.PutCard(kHeartsTrickRow, seat, c);
      seat = NextSeat(seat);
    }
    return *this;
  }
  HeartsTable& Taken(int seat, std::initializer_list<TCard> cards) {
    int s = CardsTaken(g.t, seat);
    for (const TCard& c : cards) g.t.PutCard(kHeartsTakenRow + seat, s++, c);
    return *this;
  }
  // Some trick already taken: not the first trick any more.
  HeartsTable& PastFirstTrick() {
    return Taken(3, {C(Diamonds, Two), C(Diamonds, Three), C(Diamonds, Four), C(Diamonds, Five)});
  }
  int SlotOf(int row, const TCard& c) const {
    for (int s = 0; s < kSlots; ++s)
      if (g.t.IsPresent(row, s) && SameCard(g.t.CardGrid[row][s], c)) return s;
    return -1;
  }
};
