#include "games/suit_order.h"

void EnableSuitOrder(Game& g, bool enabled) {
  g.out->EnableTrumpLabel(enabled);
}

void ApplyOrderedSuit(Game& g, int suit) {
  if (suit < Clubs || suit > Hearts || suit == g.t.TrumpSuit) return;
  g.t.TrumpSuit = suit;
  g.out->BlinkSuitIcon();
}
