#include "play/buttons.h"

#include "durak/turn_flow.h"
#include "games/czech_durak.h"
#include "games/eights.h"
#include "games/hearts.h"
#include "games/nine.h"
#include "play/new_game.h"

void PressMoveButton(Game& g) {
  // The guessing game takes only cards.
  if (g.t.GuessMode != 0) return;
  const Kind k = g.kind();
  if (IsDurak(k)) MoveButtonClick(g);
  if (k == Kind::CzechDurak) CzechMoveButton(g);
  if (k == Kind::Eights) EightsMoveButton(g);
  if (k == Kind::Nine) NineMoveButton(g);
  if (k == Kind::Hearts) HeartsMoveButton(g);
  DealScheduledGame(g);
}

void PressSuitButton(Game& g, int suit) {
  if (suit < 0 || suit > 3 || g.t.GuessMode != 0) return;
  if (g.kind() == Kind::CzechDurak) CzechOrderSuit(g, suit);
  if (g.kind() == Kind::Eights) EightsOrderSuit(g, suit);
  DealScheduledGame(g);
}
