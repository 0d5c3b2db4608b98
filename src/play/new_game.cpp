#include "play/new_game.h"

#include "core/new_game.h"
#include "durak/guessing_game.h"
#include "patience/patience_result.h"
#include "play/start_of_play.h"

void NewGame(Game& g) {
  g.newGameDue = false;
  // A guessing game left unfinished still counts its loss.
  AbandonGuessing(g);
  const Kind k = g.kind();
  if (IsPatience(k)) SettlePreviousPatience(g);
  DealOnly(g);
  if (!IsCardGame(k)) {
    g.out->UpdateStatusBar();
    DealAndStart(g);
    return;
  }
  // In a network game the session sends or awaits the deal instead.
  if (!g.NetworkGame()) DealAndStart(g);
}

void DealScheduledGame(Game& g) {
  // In a network game the session deals the next round (or waits for it).
  if (g.NetworkGame()) {
    if (!g.newGameDue) return;
    g.newGameDue = false;
    g.out->NetRoundEnded();
    return;
  }
  // The opening of the new deal may itself end a game (the computer sheds
  // everything at once in a tiny pack): deal until a game is under way.
  while (g.newGameDue) NewGame(g);
}
