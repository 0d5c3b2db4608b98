// The sharper's swindle ("Style" 4): late in the game, asked to cover a
// single attack card, the sharper may quietly drop its lowest card and take
// instead a beating card that was discarded earlier. Every swapped-in card
// is recorded in SwindleCards, so that a player who lost can try to name one
// of them afterwards. "LevelS" sets how often and how late it cheats.
#pragma once

#include "core/game.h"

// Most swindles in one game (and guesses the player gets afterwards).
int SwindleLimit(const Game& g);
// The sharper cheats only while the stock holds at most this many cards.
int SwindleStockThreshold(const Game& g);

// Czech durak: before its normal choice of a card for the top of the pile
// at (row, slot), the sharper may slip its lowest card under the stock and
// take instead a card that fits from the stock, or failing that from the
// older part of the pile: a card of the suit in force, of the top card's
// rank, or a wild card (in Pentagon only the suit in force). Returns the
// slot of the computer's hand that now holds the card, or -1.
int CzechSwindle(Game& g, int row, int slot);

// Tries the swindle against the attack card at (row, slot). Returns the
// slot of the computer's hand that now holds the swapped-in card, or -1.
int DurakSwindle(Game& g, int row, int slot);
