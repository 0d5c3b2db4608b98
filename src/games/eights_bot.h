// The stand-in for the person in the player's seat of Eights (self-play and
// the random-game tests): it plays the computer's own choice from the
// player's hand and, after its eight, orders the suit it holds most of. As
// the child it plays any fitting card at random and now and then passes.
#pragma once

#include "core/bot_style.h"
#include "core/game.h"

struct EightsBotAction {
  enum Type { Card, Suit, MoveButton } type = MoveButton;
  int value = -1;  // the hand's slot, or the suit ordered
};

EightsBotAction ChooseEightsAction(Game& g, const BotStyle& bot);
