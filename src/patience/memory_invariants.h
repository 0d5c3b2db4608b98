// What must hold on a Memory table after every turn: checked by self-play
// and the random-game tests. Each check returns an empty text when all is
// well, else what went wrong.
#pragma once

#include <array>
#include <string>

#include "core/game.h"

// The table on its own: the whole pack of the game face down or up in row
// 0 and nowhere else, a phase that fits the cards showing, a score and a
// record that are never negative.
std::string CheckMemoryTable(const Game& g);

// The score from one turn to the next: a found pair adds 6 at the turn of
// its second card, a miss takes 2 (not below 0) at the next turn, nothing
// else moves it; the record only ever rises, and only at the end of a deal.
class MemoryScoreWatch {
 public:
  void Reset(const Game& g);
  // After one turn; `newDeal`: the turn finished the deal and the next one
  // lies dealt.
  std::string Check(const Game& g, bool newDeal);

 private:
  int score_ = 0, record_ = 0, phase_ = 0, faceUp_ = 0;
  bool pairMatched_ = false;
};
