// The card backs of the computer's hand give a little start while the player
// presses one of his cards (special effects on): each back design moves a
// piece of its picture, and releasing the button puts the backs right again.
// Only designs with such a piece take part.
#pragma once

#include <optional>
#include <vector>

#include "core/game.h"

// The steps that lift one back of design `design` (its image index), with
// `stockCount` cards in the stock and `computerCount` in the computer's hand;
// nothing for a design without the effect.
std::optional<std::vector<BackPaintStep>> CardBackSteps(int design, int stockCount,
                                                        int computerCount);

// Left press and release in the card games.
void PressBackEffect(Game& g);
void ReleaseBackEffect(Game& g);
