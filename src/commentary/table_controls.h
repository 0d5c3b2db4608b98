// The controls a game needs on the table, brought up after each deal: the
// Move button for the card games and Hearts, the suit-order panel for Czech
// durak and Eights, the points panel of the Czech-durak match.
#pragma once

#include "core/game.h"

TableControlsView TableControlsFor(const Game& g);
void ShowTableControls(Game& g);
