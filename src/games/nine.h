// Nine: a layout game for the player against the computer.
//
// The 36-card pack (six to ace) is dealt out, 18 cards to each side. Each
// suit is built on the table in a row of its own, starting from its nine and
// growing one rank at a time down to the six and up to the ace. The holder
// of the nine of diamonds opens with it; nothing else may be laid before it.
// Then the sides take turns laying one card that fits:
//   - any nine (it starts its suit's row), or
//   - a card whose neighbour of the same suit, one rank higher or lower,
//     already lies on the table (so a six only on its seven, an ace only on
//     its king).
// A side passes only when none of its cards fits: the player's Move button
// ("Pass") is disabled while a card of his fits. The side that empties its
// hand first wins. There is no void deal: while cards remain, somebody
// always holds a card that fits.
//
// The computer's order of preference: close a row's end (a six on its seven,
// an ace on its king); extend a row where it also holds the card after next;
// lay a card that opens nothing for the player; start a row with a nine; lay
// any card that fits; pass.
//
// Rows: 0 the computer's hand, 1 the player's, 2 to 5 the suit rows (row =
// suit + 2). A card's slot in its suit row is its rank less the six's: slot
// 0 the six, 3 the nine, 8 the ace. FirstDiscardDone is 0 until the nine of
// diamonds has been laid. WhoseTurn: 1 the player lays, 0 the computer.
#pragma once

#include "core/game.h"

// Where a card goes on the suit rows.
struct NinePlace {
  int row = -1;  // -1: the card does not fit now
  int slot = -1;
  bool Fits() const { return row != -1; }
};

// A card of a hand and its place.
struct NineMove {
  int handSlot = -1;  // -1: nothing to lay, a pass
  NinePlace place;
};

// The place of a card that fits the suit rows as they lie now (the opening
// rule aside: before the nine of diamonds any nine still reads as fitting).
NinePlace NinePlaceOf(const TTableState& t, const TCard& card);

// Some card of hand `row` fits.
bool NineHandFits(const Game& g, int row);

// The card the computer's order of preference picks from hand `row`
// (0 the computer's, 1 the player's seat), weighing the other hand's cards.
// Only after the opening.
NineMove NineChoice(const Game& g, int row);

// The Move button takes a press: it is the player's turn and none of his
// cards fits.
bool NinePassAllowed(const Game& g);
// Enables the Move button exactly when the player may pass.
void RefreshNineMoveButton(Game& g);

// An empty hand ends the deal. False when it is over.
bool NineDealGoesOn(Game& g);
// Lays the card of hand `row` at its place; the hand closes up.
void LayNineCard(Game& g, int row, int handSlot, const NinePlace& place);

// The player let the button go over card `card` of his hand (row 1).
void NinePlayerMove(Game& g, int card);
// The Move button, "Pass": the computer plays.
void NineMoveButton(Game& g);
// The computer lays at most one card (the nine of diamonds first) and hands
// the turn back.
void NineComputerTurn(Game& g);

// The start of play after the deal: the Move button set for the player's
// cards, and the computer opening at once when it holds the nine of
// diamonds.
void StartNinePlay(Game& g);
