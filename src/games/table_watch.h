// Checks shared by Eights and Nine, whose 36 cards are all dealt and only
// ever travel from a hand to the table: used by self-play and the
// random-game tests after every action. Each returns an empty text when all
// is well, else what went wrong.
#pragma once

#include <array>
#include <string>

#include "core/game.h"

// Every card from the six to the ace lies exactly once in rows 0 to
// lastRow, and no card anywhere else.
std::string CheckWholePack(const Game& g, int lastRow);

// Both hands are closed up, counted and in their order.
std::string CheckHands(Game& g);

// The cards on the table (rows 2 to 5) stay where they were laid until the
// deal ends.
class LaidCardsWatch {
 public:
  void Reset(const Game& g);
  std::string Check(const Game& g);

 private:
  static constexpr int kFirstRow = 2;
  static constexpr int kTableRows = 4;
  std::array<std::array<TCard, kSlots>, kTableRows> laid_{};
};
