// The status bar below the table: who the opponent is, the player's score
// of wins, losses and draws (or Memory's points and record), and how long
// the program has been running.
#pragma once

#include <cstdint>
#include <string>

#include "core/game.h"

constexpr int kScorePanelWidth = 253;
constexpr int kClockPanelWidth = 55;

struct Score {
  int wins = 0, losses = 0, draws = 0;
};

// Whole percentages that add up to 100 (all 0 when nothing was played).
Score Percentages(const Score& s);

// The counts the score panel shows: the network session's, the current
// game's, or the totals over every game but Memory.
Score ShownScore(const Game& g);
// Panel 0: " You play with the professional of a medium level", the
// partner's name in a network game, or nothing outside the card games.
std::string WhoPlaysText(const Game& g);
// Panel 1 for the current game.
std::string ScoreText(const Game& g);

// Rebuilds panels 0 and 1 and the panel widths, and hands them out.
void UpdateStatusBar(Game& g);

// The clock: the program's start time, and " hh:mm:ss" since then.
int64_t ClockStart(const Game& g);
std::string ElapsedText(int64_t startSeconds, int64_t nowSeconds);
// The one-second timer: shows the time elapsed since startSeconds.
void TickClock(Game& g, int64_t startSeconds);
