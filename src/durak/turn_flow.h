// A game of durak as the player plays it: a click on a card of his hand and
// the Move button. Each action is checked against the rules, carried out
// and, outside a network game, answered at once by the computer; then the
// commentary and the Move button's caption say what the player may do next,
// and the end-of-game test decides whether play goes on.
#pragma once

#include "core/game.h"

enum class MouseButton { Left, Right };

// The codes with which a network game tells the partner what the player did.
enum NetDurakCode {
  kNetAttack = 0,        // a lead or a throw-in
  kNetLeadCard = 1,      // a card of a lead of several cards
  kNetLeadFinished = 2,  // the lead of several cards is complete
  kNetCover = 3,
  kNetDiscard = 4,
  kNetTake = 5,
  kNetTransfer = 6,
  kNetWrongCard = 7,   // Reverse durak: a refused attack card, the sender takes
  kNetWrongCover = 8,  // Reverse durak: a cover that does not beat, the sender takes
};

// The player released the mouse button over the card in slot `slot` of his
// hand (row 1). The right button lays several cards of one rank as one lead.
void OnHandCardClick(Game& g, int slot, MouseButton button);

// The Move button: take the trick, discard it, or let the computer answer a
// several-card lead.
void MoveButtonClick(Game& g);

// What the computer did in answer to the player (chooses the commentary).
enum Outcome : int {
  kOutcomeNotCovered = -1,      // the computer did not cover: it will take
  kOutcomeComputerAttacks = -3, // it transferred, or leads after the player took
  kOutcomeReverseGood = -4,     // Reverse durak: its cover is valid (network: wait)
  kOutcomeReverseWrong = -5,    // Reverse durak: its cover is not valid
  kOutcomeTakesAll = -6,        // it could not cover a several-card lead
  kOutcomeDiscarded = 1,        // the trick was discarded, the player leads
};
