// The stand-in for the person in the player's seat of Nine (self-play and
// the random-game tests): it opens with the nine of diamonds, then follows
// the computer's own order of preference from the player's hand, and passes
// when nothing fits. As the child it lays any fitting card at random.
#pragma once

#include "core/bot_style.h"
#include "core/game.h"

struct NineBotAction {
  enum Type { Card, MoveButton } type = MoveButton;
  int slot = -1;  // the hand's slot
};

NineBotAction ChooseNineAction(Game& g, const BotStyle& bot);
