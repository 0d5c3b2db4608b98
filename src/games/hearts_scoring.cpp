#include "games/hearts_scoring.h"

#include <algorithm>

#include "games/hearts_rules.h"

namespace {

constexpr int kHandsUnit = 1000;
constexpr int kMaxTotal = kHeartsGameEnd - 1 + kHeartsPointsPerHand;

}  // namespace

HeartsScores ReadHeartsScores(const TTableState& t) {
  HeartsScores s;
  const int32_t player = std::max(0, t.CzechPointsPlayer);
  int32_t computers = std::max(0, t.CzechPointsComputer);
  s.totals[0] = player % kHandsUnit;
  s.handsDealt = player / kHandsUnit;
  for (int seat = 1; seat < kHeartsSeats; ++seat) {
    s.totals[seat] = computers % kHandsUnit;
    computers /= kHandsUnit;
  }
  return s;
}

void WriteHeartsScores(TTableState& t, const HeartsScores& s) {
  t.CzechPointsPlayer = s.totals[0] + kHandsUnit * s.handsDealt;
  t.CzechPointsComputer = s.totals[1] + kHandsUnit * (s.totals[2] + kHandsUnit * s.totals[3]);
}

bool HeartsScoresPlausible(int32_t playerCounter, int32_t computerCounter) {
  if (playerCounter < 0 || computerCounter < 0) return false;
  // Each hand hands out at least 26 points, so a game is over within a
  // few dozen hands.
  if (playerCounter / kHandsUnit > kHeartsGameEnd) return false;
  if (playerCounter % kHandsUnit > kMaxTotal) return false;
  for (int seat = 1; seat < kHeartsSeats; ++seat) {
    if (computerCounter % kHandsUnit > kMaxTotal) return false;
    computerCounter /= kHandsUnit;
  }
  return computerCounter == 0;
}

int CardPoints(const TCard& c) {
  if (c.Suit == Hearts) return 1;
  return IsQueenOfSpades(c) ? 13 : 0;
}

std::array<int, 4> PointsTaken(const TTableState& t) {
  std::array<int, 4> taken{};
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    for (const TCard& c : t.CardGrid[kHeartsTakenRow + seat])
      if (c.Present == 1) taken[seat] += CardPoints(c);
  }
  return taken;
}

int MoonShooter(const std::array<int, 4>& taken) {
  for (int seat = 0; seat < kHeartsSeats; ++seat)
    if (taken[seat] == kHeartsPointsPerHand) return seat;
  return -1;
}

std::array<int, 4> HandScore(const std::array<int, 4>& taken) {
  const int shooter = MoonShooter(taken);
  if (shooter < 0) return taken;
  std::array<int, 4> score{};
  for (int seat = 0; seat < kHeartsSeats; ++seat)
    score[seat] = seat == shooter ? 0 : kHeartsPointsPerHand;
  return score;
}

bool GameOver(const HeartsScores& s) {
  return *std::max_element(s.totals.begin(), s.totals.end()) >= kHeartsGameEnd;
}

HeartsOutcome PlayerOutcome(const HeartsScores& s) {
  const int lowest = *std::min_element(s.totals.begin(), s.totals.end());
  if (s.totals[0] > lowest) return HeartsOutcome::Loss;
  const auto sharing = std::count(s.totals.begin(), s.totals.end(), lowest);
  return sharing == 1 ? HeartsOutcome::Win : HeartsOutcome::Draw;
}
