// The end of a game of durak. Nobody can be the fool while the trump card
// still lies under the stock. After that, whoever is left holding cards
// loses, except that a player left with one card that still beats the
// computer's last attack may cover it; both hands empty is a draw (or, with
// "LastCardGame", a win for the attacker).
#pragma once

#include "core/game.h"

enum class DurakResult { Win, Loss, Draw };

// True while play goes on; false when the game ended (a new deal has been
// made, the guessing game has started, or the program is closing).
bool CheckEndOfGame(Game& g);

// Counts the result in Stats and writes the statistics (in a network game
// the session's counters instead).
void CountResult(Game& g, DurakResult result);
// After a counted result: the status bar and the next deal (none in a
// network game, where the session deals).
void DealAgain(Game& g);
void CountResultAndDealAgain(Game& g, DurakResult result);
