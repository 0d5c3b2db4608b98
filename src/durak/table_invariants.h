// What must hold on a durak table after every action, whatever was played:
// checked by self-play and the random-game tests.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/game.h"

// Follows where every card of the pack is from one action to the next:
// cards leave play only as discarded pairs of attack card and cover, and a
// card that left never comes back (outside the sharper's games, whose
// swindle does both on purpose).
class CardTracker {
 public:
  // A new deal: forget the previous game.
  void Reset(const Game& g);
  // Empty when all is well, else what went wrong.
  std::string Check(const Game& g);

 private:
  static constexpr int8_t kGone = -1;
  std::array<int8_t, 52> where_{};  // row of each card, or kGone
};

// The table itself: no card in two places, only cards of the pack in play,
// rows closed up and counted, hands in their order, covers on attack cards.
// Empty when all is well.
std::string CheckDurakTable(Game& g);
