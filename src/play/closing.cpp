#include "play/closing.h"

#include "durak/guessing_game.h"

void SettleBeforeClosing(Game& g) {
  AbandonGuessing(g);
}
