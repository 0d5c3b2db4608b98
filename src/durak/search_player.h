// The professional that searches ("Search" 1, Style 5): every durak choice
// of the computer is tried out on many deals of the cards it cannot see,
// and the move that does best on average is made. See search_player.cpp.
//
// Each choice function answers as its counterpart in computer_player.h does:
// a slot of row 0, or -1 (take, add nothing, no transfer); kNoSearchAnswer
// (nullopt) when the table is not one the question is asked at, and the
// plain professional answers instead.
#pragma once

#include <optional>
#include <vector>

#include "core/game.h"

// Whether the computer's durak choices at this table are the search's.
bool SearchPlays(const Game& g);

constexpr int kNoSearchAnswer = -2;

int SearchLead(Game& g);
int SearchCover(Game& g, int row, int slot);
int SearchAdd(Game& g);
int SearchTransfer(Game& g);
// The answer to a several-card lead: the slots of row 0 that cover attack
// cards 0, 1, ... in order, or an empty list to take them all.
std::optional<std::vector<int>> SearchCoverAll(Game& g);

// How long each choice took, in milliseconds, for the measurements that ask.
struct SearchTimings {
  std::vector<double> milliseconds;
  // The time cap while measuring; tests that compare choices lift it, so
  // that a busy machine cannot cut one search shorter than the other.
  double capMilliseconds = 50;
  double Median() const;
  double Percentile(double p) const;  // p in 0..100
};

// The effort one choice may take.
struct SearchBudget {
  int mostRounds = 160;       // deals of the unseen cards tried, each with every move
  int mostPlayOuts = 2400;    // play-outs in all
  int fewestRounds = 16;      // before a move may be dropped or the search stop
  // The most one choice may take: a busy machine stops the search here (and
  // then the choice depends on the machine's speed, not only on the seed).
  double capMilliseconds = 50;

  static SearchBudget For(const Game& g);
};
