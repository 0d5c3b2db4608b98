// The suit-order panel shared by Czech durak and Eights: its label lit while
// the player may order a suit (after his wild card or eight), and the four
// suit buttons. When is an order open is each game's own rule; what an order
// does to the table is the same in both.
#pragma once

#include "core/game.h"

// Lights or greys the panel's label (TrumpLabel): whether the suit buttons
// take an order now.
void EnableSuitOrder(Game& g, bool enabled);

// The ordered suit (0 clubs .. 3 hearts) comes into force; when it differs
// from the suit in force, its sign flashes by the panel.
void ApplyOrderedSuit(Game& g, int suit);
