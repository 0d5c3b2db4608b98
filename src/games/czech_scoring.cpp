// Czech durak: the end of a deal, the loser's penalty points and the end of
// the match at 100 points.
#include "commentary/comment.h"
#include "core/game_message.h"
#include "core/new_game.h"
#include "durak/guessing_game.h"
#include "games/czech_durak.h"
#include "games/czech_play.h"
#include "games/suit_order.h"
#include "persistence/statistics.h"

namespace {

constexpr int kMatchPoints = 100;
constexpr int kFinalQueenBonus = 30;  // Pharaoh: taken off the winner's points

int CardPoints(int rank, bool pentagon) {
  switch (rank) {
    case Jack:
      return 2;
    case Queen:
      return pentagon ? 20 : 3;
    case King:
      return 4;
    case Ace:
      return 11;
    case Ten:
      return 10;
    default:
      // Six to nine count their face value, nothing in Pentagon.
      return pentagon ? 0 : rank + 2;
  }
}

bool HoldsRank(const Game& g, int row, int rank) {
  const TTableState& t = g.t;
  for (int s = 0; s < t.RowCount[row] && s < kSlots; ++s) {
    if (t.IsPresent(row, s) && t.RankAt(row, s) == rank) return true;
  }
  return false;
}

// A match result: the game's statistics, or the session's own counters in a
// network game. Both point totals start again from nothing.
void EndMatch(Game& g, bool playerWon) {
  TTableState& t = g.t;
  if (g.NetworkGame()) {
    (playerWon ? t.NetWins : t.NetLosses) += 1;
  } else {
    TResult& r = t.Stats[t.VidG];
    (playerWon ? r.Wins : r.Losses) += 1;
  }
  t.CzechPointsPlayer = 0;
  t.CzechPointsComputer = 0;
}

bool CatchingTheSharper(const Game& g) {
  return g.t.Options.Style == 4 && g.t.Options.CheckS == 1 && !g.NetworkGame();
}

// The points are counted and stored before the box announces the deal: with
// "ConfNewgame" the box asks whether to go on, and Cancel ends the program.
void EndCzechDeal(Game& g, bool playerWon) {
  TTableState& t = g.t;
  // Under the first move "traditionally" the winner opens the next deal.
  t.WhoseTurn = playerWon ? 1 : 0;
  t.GameDecided = 1;
  EnableSuitOrder(g, false);
  ScoreHand(g, playerWon ? kCzechComputerRow : kCzechPlayerRow);
  g.out->UpdateStatusBar();
  if (ShowGameMessage(g, playerWon ? kMsgYouWin : kMsgYouLost, -1) == 0) return;
  if (!playerWon && CatchingTheSharper(g)) {
    // The trump and points panels make room for the sharper's pack.
    g.out->ApplyTableControls(TableControlsView{});
    StartGuessing(g);
    return;
  }
  // Network play: the server deals the next one.
  if (g.NetworkGame()) return;
  ScheduleNewGame(g);
  g.out->ShowCurrentComment();
}

}  // namespace

int CzechHandPoints(const Game& g, int row) {
  const TTableState& t = g.t;
  const int n = t.RowCount[row];
  if (n == 1 && t.RankAt(row, 0) == Queen) return t.FormG == kCzechPharaoh ? 30 : 20;
  const bool pentagon = t.FormG == kCzechPentagon;
  int points = 0;
  for (int s = 0; s < n && s < kSlots; ++s) {
    if (t.IsPresent(row, s)) points += CardPoints(t.RankAt(row, s), pentagon);
  }
  return points;
}

void ScoreHand(Game& g, int row) {
  TTableState& t = g.t;
  const bool playerLost = row == kCzechPlayerRow;
  if (t.FormG == 6 && HoldsRank(g, row, Jack)) {
    // A jack left over loses the whole match.
    EndMatch(g, !playerLost);
    WriteStatistics(g);
    return;
  }
  int32_t& loser = playerLost ? t.CzechPointsPlayer : t.CzechPointsComputer;
  int32_t& winner = playerLost ? t.CzechPointsComputer : t.CzechPointsPlayer;
  loser += CzechHandPoints(g, row);
  const int top = t.RowCount[kCzechPileRow] - 1;
  if (t.FormG == kCzechPharaoh && top >= 0 && t.RankAt(kCzechPileRow, top) == Queen)
    winner -= kFinalQueenBonus;
  if (t.CzechPointsPlayer >= kMatchPoints) {
    EndMatch(g, false);
  } else if (t.CzechPointsComputer >= kMatchPoints) {
    EndMatch(g, true);
  }
  WriteStatistics(g);
}

bool CzechDealGoesOn(Game& g) {
  const int player = g.t.RowCount[kCzechPlayerRow];
  const int computer = g.t.RowCount[kCzechComputerRow];
  if (player == 0 && computer > 0) {
    EndCzechDeal(g, true);
    return false;
  }
  if (computer == 0 && player > 0) {
    EndCzechDeal(g, false);
    return false;
  }
  return true;
}
