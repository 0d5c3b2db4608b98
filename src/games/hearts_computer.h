// Hearts: how the computer hands pass and play, by the "Level" option.
//
// Low (0): passes its three highest cards; leads and follows with its
// lowest card, and throws its highest card when it cannot follow.
// Medium (1) and up: passes the queen of spades, the ace and king of spades
// and high hearts first; ducks under the winning card with its highest card
// that still loses; throws the queen of spades on a higher spade; when it
// cannot follow, sheds the queen of spades, then high hearts; keeps low
// cards to escape with later.
// High (2) and up: keeps a queen of spades guarded by four more spades,
// passes to empty a short side suit, leads low spades to drive out the
// queen while it is out and does not lead spades while it holds her or her
// seniors; takes a pointless last trick with its highest card to be rid of
// it.
// Super (3): also tries to take all the points ("shoot the moon") while no
// other hand has taken a point and it holds the means, and spoils another
// hand's attempt by taking a heart when it can.
#pragma once

#include <array>

#include "core/game.h"

// The three slots of the seat's hand it passes.
std::array<int, 3> ChoosePassCards(const TTableState& t, int seat, int level);

// The slot of the seat's hand it plays now; -1 when it may play nothing.
int ChooseHeartsCard(const TTableState& t, int seat, int level);

// Whether the seat, at "Level" 3, plays to take every point of this hand.
bool ShootingTheMoon(const TTableState& t, int seat);
