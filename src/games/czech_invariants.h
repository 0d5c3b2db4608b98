// What must hold on a Czech durak table after every action: checked by
// self-play and the random-game tests. Empty when all is well.
#pragma once

#include <string>

#include "core/game.h"

std::string CheckCzechTable(Game& g);

// After a whole action of self-play the computer's turn is over. (The
// window may be between the deal and the computer's opening card.)
std::string CheckCzechTurn(const Game& g);

// The match points from one action to the next: they only grow, except
// that both start again from nothing when a match ends and that Pharaoh
// takes 30 off the winner of a deal that ends on a queen; neither reaches
// 100 without the match ending.
class CzechPointsWatch {
 public:
  void Reset(const Game& g);
  std::string Check(const Game& g);

 private:
  int player_ = 0, computer_ = 0;
  int matches_ = 0;  // matches decided so far
};
