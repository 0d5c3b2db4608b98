#include "play/start_of_play.h"

#include "commentary/comment.h"
#include "durak/durak_start.h"
#include "games/czech_durak.h"
#include "games/eights.h"
#include "games/hearts.h"
#include "games/nine.h"

void DealAndStart(Game& g) {
  // The last game's remark and Move-button caption do not carry over: a game
  // that has not spoken yet shows a blank button, not "Pick up" from durak.
  Comment(g, -1, kCaptionEmpty);
  g.t.Dealing = 1;
  g.out->AnimateDeal();
  g.t.Dealing = 0;
  const Kind k = g.kind();
  if (k == Kind::Hearts) {
    StartHeartsPlay(g);
    return;
  }
  if (!IsCardGame(k)) return;  // patience games and Memory start with the next click
  g.out->ShowTableControls();
  if (IsDurak(k)) StartDurakPlay(g);
  if (k == Kind::CzechDurak) StartCzechPlay(g);
  if (k == Kind::Eights) StartEightsPlay(g);
  if (k == Kind::Nine) StartNinePlay(g);
}
