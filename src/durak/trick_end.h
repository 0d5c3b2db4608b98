// How a trick ends and how the hands are refilled.
//
// A fully covered trick is discarded: its cards leave play, though their
// records stay in rows 2 and 3 until a later trick overwrites them. A
// defender who does not cover takes every card on the table into his hand.
// Then the hands are drawn up to six from the stock (row 5, and last of all
// the face-up trump card of row 4): both after a discard, the attacker first;
// only the attacker after a take.
#pragma once

#include "core/game.h"

// The trick leaves play; the first discard lifts the five-card limit. The
// caller then draws up both hands and gives the lead to the defender.
void DiscardTrick(Game& g);

// The defender (taker: row 0 the computer, row 1 the player) takes every
// card on the table, each attack card before its cover, into the lowest
// empty slots of the hand. The caller then draws up the attacker alone.
void TakeTrick(Game& g, int taker);

enum class DrawWho { Both, AttackerOnly };

// Refills to six, the attacker (WhoseTurn) first. With "LastCards" 1 and no
// more cards left than both hands need, the last cards are shared one by
// one, the defender first.
void DrawUp(Game& g, DrawWho who);

// One hand (row 0 or 1) draws until it holds six or the stock is gone.
void DrawUpHand(Game& g, int row);

// Cards left to draw: the stock and the trump card under it.
int CardsLeftToDraw(const Game& g);
