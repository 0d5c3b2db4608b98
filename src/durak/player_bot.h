// A stand-in for the person in the player's seat, for self-play and the
// random-game tests: it asks the computer player's own choice functions on
// the table seen from the player's side (the seats exchanged) and turns the
// answer into the click or Move press a person would make.
#pragma once

#include "core/bot_style.h"
#include "core/game.h"
#include "durak/turn_flow.h"

struct BotAction {
  enum Type { Click, Move } type = Move;
  int slot = -1;
  MouseButton button = MouseButton::Left;
};

BotAction ChooseBotAction(Game& g, const BotStyle& bot);
