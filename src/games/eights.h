// Eights: a shedding game for the player against the computer.
//
// The 36-card pack (six to ace) is dealt out, 18 cards to each side; there
// is no stock. The sides take turns laying one card on a discard pile:
//   - any card may start the pile; after that a card must be of the suit in
//     force (the suit of the last card laid, or the suit ordered after an
//     eight) or of the rank of the top card;
//   - an eight may always be laid, and lets its player order a suit with the
//     suit buttons (or pass and keep the eight's own suit);
//   - a side that cannot or will not lay a card passes (the Move button).
// The side that empties its hand first wins. When neither side holds a card
// that may be laid, the deal is void: "Game can't be completed !", and no
// counter changes.
//
// The computer lays a fitting card that is not an eight, searching its hand
// from the last card to the first; only when none fits does it lay an eight
// (its first one), and it never orders a suit.
//
// Rows: 0 the computer's hand, 1 the player's, 2 the discard pile (its top
// is the last card). TrumpSuit is the suit in force, -1 before the first
// card. WhoseTurn reads the other way round from the other card games:
// 0 the player may lay a card, 1 the computer is to play (or, right after
// the player's eight, the player orders a suit or passes), 2 nobody.
#pragma once

#include "core/game.h"

// Whether the card may be laid on the pile as it lies now.
bool EightsCardFits(const TTableState& t, const TCard& card);

// The card the computer's rule picks from hand `row` (0 the computer's, 1
// the player's seat): the last fitting card that is not an eight, else the
// first eight; -1 when nothing may be laid.
int EightsChoice(const Game& g, int row);

// Neither hand holds a card that may be laid.
bool EightsBlocked(const Game& g);

// The player has laid an eight and may order a suit now (TrumpLabel lit).
bool EightsSuitOrderOpen(const Game& g);

// The end-of-deal check after a card: a hand emptied, or (unless a suit is
// still to be ordered) neither hand able to lay. False when the deal is over.
bool EightsDealGoesOn(Game& g, bool orderPending);
// The computer plays its turn and the deal is judged (also when it takes a
// network partner's seat).
void EightsComputerContinues(Game& g);

// The player let the button go over card `card` of his hand (row 1).
void EightsPlayerMove(Game& g, int card);
// The Move button, "Move" or "Pass": the player passes (an order not made
// leaves the eight's own suit in force) and the computer plays.
void EightsMoveButton(Game& g);
// A suit button while an order is open: the suit comes into force and the
// computer plays.
void EightsOrderSuit(Game& g, int suit);
// The computer lays at most one card; then it is the player's turn.
void EightsComputerTurn(Game& g);

// The start of play after the deal: the computer opens with the last card
// of its hand, or the player is told it is his turn.
void StartEightsPlay(Game& g);
