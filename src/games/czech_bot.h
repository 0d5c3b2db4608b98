// The stand-in for the person in the player's seat of Czech durak
// (self-play and the random-game tests): it scans its hand for a card that
// may be laid in the direction of its personality, as the computer does,
// draws and passes with the Move button when none fits and, after its wild
// card, orders the suit it holds most of. As the child it now and then
// draws or passes instead of laying a card. In the guessing game it points
// at any card.
#pragma once

#include "core/bot_style.h"
#include "core/game.h"

struct CzechBotAction {
  enum Type { Card, Suit, MoveButton } type = MoveButton;
  int value = -1;  // the hand's slot, or the suit ordered
};

CzechBotAction ChooseCzechAction(Game& g, const BotStyle& bot);
