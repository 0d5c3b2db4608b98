// What beats what in durak, how large a trick may grow and which cards may
// join it.
//
// A card beats an attack card of its own suit with a higher rank, and any
// card of another suit when it is a trump. Japanese durak adds one rule: a
// spade falls only to a higher spade, never to a trump. The end-of-game test
// and Road durak's rising road judge without that rule.
#pragma once

#include "core/game.h"

// Whether x beats the attack card a, Japanese spades included.
bool Beats(const Game& g, const TCard& x, const TCard& a);
// The same without the Japanese spade rule.
bool BeatsIgnoringSpadeRule(const Game& g, const TCard& x, const TCard& a);

// The most attack cards one trick may hold: 5 until the first trick has been
// discarded (a take does not lift it), then 6, or half the pack with
// "ThrowUpMore6Cards".
int MaxTrick(const Game& g);

// Whether c may join the open trick after the lead. Simple, Japanese,
// Reverse and Piled durak: c matches the rank of an attack card, or in the
// throw-up and transfer forms also of a cover. Road durak: c beats the last
// cover (without the spade rule), or, while nothing is covered and the
// player attacks, matches the rank of the lead.
bool MayAdd(const Game& g, const TCard& c);

inline bool IsTrump(const Game& g, const TCard& c) {
  return c.Suit == g.t.TrumpSuit;
}
// The face-up trump card still lies under the stock: the stock is not yet
// exhausted (always false in Piled and Road durak, which have no stock).
inline bool TrumpCardLies(const Game& g) {
  return g.t.IsPresent(4, 0);
}

// The attack card at row 2 slot i and its cover at row 3 slot i.
inline const TCard& AttackCard(const Game& g, int i) {
  return g.t.CardGrid[2][i];
}
inline const TCard& CoverCard(const Game& g, int i) {
  return g.t.CardGrid[3][i];
}
