// The actions of `kalvenar-cli play`, parsed from "--do ACTION" and carried
// out through the mid end, as the window's own event handlers carry out the
// player's mouse, button and key input.
#pragma once

#include <string>

#include "core/game.h"
#include "play/keyboard_play.h"

struct PlayPointer {
  int32_t x = 0, y = 0;  // where the pointer is on the table
};

// Carries out one action. A malformed action, or a card or place that no
// point of the table names, is a usage error.
void ApplyPlayAction(Game& g, const std::string& action, PlayPointer& pointer);
