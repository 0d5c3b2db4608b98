// Hearts: the points of a hand and the running totals of a game.
//
// Every heart taken counts 1 point and the queen of spades 13, 26 in all. A
// hand that takes all 26 has "shot the moon": it scores nothing and each
// other hand 26 instead. The game ends when a total reaches 100 after a
// hand; the lowest total wins.
//
// The totals and the number of hands dealt live in the two point counters
// of the table state, which the save record keeps (Czech durak uses them
// for its own match): the player's counter holds the player's total plus
// 1000 for every hand dealt, the computer's counter the totals of the left,
// top and right hands, three decimal digits each. A total never reaches
// 1000: it is below 100 before a hand, and a hand adds at most 26.
#pragma once

#include <array>

#include "core/game.h"

constexpr int kHeartsGameEnd = 100;
constexpr int kHeartsPointsPerHand = 26;

struct HeartsScores {
  std::array<int, 4> totals{};  // by seat: player, left, top, right
  int handsDealt = 0;           // hands begun in this game before the one on the table
};

HeartsScores ReadHeartsScores(const TTableState& t);
void WriteHeartsScores(TTableState& t, const HeartsScores& s);
// Whether the counters hold totals a game of Hearts can reach.
bool HeartsScoresPlausible(int32_t playerCounter, int32_t computerCounter);

int CardPoints(const TCard& c);
// The points each seat has taken this hand (rows 5 to 8).
std::array<int, 4> PointsTaken(const TTableState& t);
// What the hand adds to each total: the points taken, or, when one seat
// took all 26, nothing for it and 26 for each other seat.
std::array<int, 4> HandScore(const std::array<int, 4>& taken);
// The seat that took all 26 points; -1 when none did.
int MoonShooter(const std::array<int, 4>& taken);

bool GameOver(const HeartsScores& s);

enum class HeartsOutcome { Win, Loss, Draw };
// The player's result of a finished game: lowest alone wins, shared lowest
// is a draw, anything else loses.
HeartsOutcome PlayerOutcome(const HeartsScores& s);
