// Checks of a Hearts table, used by self-play and the random-game tests
// after every action. Each returns an empty text when all is well, else
// what went wrong.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/game.h"

// What one table shows by itself: the 52 cards each in one place of rows 0
// to 8, closed-up and counted hands of the right sizes, the player's hand
// in its order, a trick laid from its leader on, totals a game can reach.
std::string CheckHeartsTable(Game& g);

// What only the course of a hand shows. Watched after every action (at
// most one trick is completed by an action, since the player's card is in
// every trick), the tricks of a hand are known in order and checked: the
// two of clubs led the first, every hand followed suit when it could, no
// points on the first trick and no heart led before they were broken
// unless the hand held nothing else, the highest card of the suit led took
// the trick. At the end of a hand the totals grow by 26 points in all (78
// when the moon was shot) and never shrink until a game is over.
class HeartsPlayWatch {
 public:
  void Reset(const Game& g);
  std::string Check(const Game& g);

 private:
  struct Trick {
    std::array<TCard, 4> cards{};  // in the order played
    int leader = 0;
  };
  std::string CheckTrick(const Game& g, size_t index) const;
  // The cards the seat played after trick `index` and holds now.
  std::vector<TCard> PlayedOrHeldAfter(const Game& g, int seat, size_t index) const;

  std::vector<Trick> tricks_;
  std::array<int, 4> takenBefore_{};
  std::array<int, 4> totals_{};
  int handsDealt_ = 0;
};
