// Reverse durak's penalties. The player plays blind (his hand lies face
// down), so he may lay any card; a card the rules refuse is still laid, and
// then he takes the whole trick, the computer alone draws up and leads at
// once.
#pragma once

#include "core/game.h"

// The player added the card at row 1 `slot` though MayAdd refuses it.
void ReverseWrongAdd(Game& g, int slot);
// The player covered with the card at row 1 `slot` though it does not beat.
void ReverseWrongCover(Game& g, int slot);
// The penalty itself: the player takes, the computer draws up and leads
// with LeadChoice.
void ReversePenalty(Game& g);

// When the player ends a trick with the Move button only the last covered
// pair is checked: true when its cover does not beat its attack card (or
// is missing), so the defender takes instead of discarding.
bool ReverseLastCoverWrong(const Game& g);
