// The stand-in for the person in the player's seat (self-play and the
// random-game tests) plays with one of the computer's personalities and
// levels, asking the computer's own choice functions from the player's side.
#pragma once

struct BotStyle {
  int style = 5;  // personality the bot plays with: 0 child .. 5 professional
  int level = 1;  // 0 low .. 3 super
  int search = 0;  // 1: the professional searches the unseen cards (durak)
};
