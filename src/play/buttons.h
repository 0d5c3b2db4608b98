// The buttons that lie on the table: the Move button, whose action depends
// on the game and the moment (take, discard, let the computer answer, take a
// card, pass, drop the chosen cards ...), and the four suit buttons of the
// trump panel with which the player orders a suit in Czech durak and Eights.
// The window and the headless tool press them here; a press that ends a
// game deals the next one before it returns.
#pragma once

#include "core/game.h"

void PressMoveButton(Game& g);

// suit: 0 clubs, 1 spades, 2 diamonds, 3 hearts.
void PressSuitButton(Game& g, int suit);
