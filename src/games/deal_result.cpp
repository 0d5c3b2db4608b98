#include "games/deal_result.h"

#include "core/game_message.h"
#include "core/new_game.h"
#include "persistence/statistics.h"

namespace {

// A void deal takes the Move button, the suit-order panel and the comment
// off the table before it says so; the next deal brings them back.
void ClearTableControls(Game& g) {
  TableControlsView hidden;
  hidden.hideCommentary = true;
  g.out->ApplyTableControls(hidden);
}

int MessageOf(DealResult result) {
  switch (result) {
    case DealResult::Win:
      return kMsgYouWin;
    case DealResult::Loss:
      return kMsgYouLost;
    case DealResult::Void:
      break;
  }
  return kMsgCannotComplete;
}

void Count(Game& g, DealResult result) {
  TTableState& t = g.t;
  if (g.NetworkGame()) {
    if (result == DealResult::Win) t.NetWins += 1;
    if (result == DealResult::Loss) t.NetLosses += 1;
    if (result == DealResult::Void) t.NetDraws += 1;
    return;
  }
  TResult& r = t.Stats[t.VidG];
  if (result == DealResult::Win) r.Wins += 1;
  if (result == DealResult::Loss) r.Losses += 1;
}

}  // namespace

void EndDeal(Game& g, DealResult result) {
  if (result == DealResult::Void) {
    ClearTableControls(g);
    g.t.WhoseTurn = 2;
  }
  if (ShowGameMessage(g, MessageOf(result), -1) == 0) return;  // the program closes
  Count(g, result);
  WriteStatistics(g);
  g.out->UpdateStatusBar();
  // In a network game the session deals the next one or waits for it.
  ScheduleNewGame(g);
}
