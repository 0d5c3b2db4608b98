// Leading, adding, covering and transferring: who may lay which card on the
// open trick. Rows: 0 the computer's hand, 1 the player's, 2 attack cards,
// 3 covers (slot i covers attack slot i). `WhoseTurn` 1: the player attacks.
#pragma once

#include "core/game.h"

// The player's several-card lead (right button): the card may start or
// extend a lead of one rank when the hand holds another card of its rank,
// when it is his only card, or when the lead already lying has its rank.
bool MayLead(const Game& g, int slot);

// Whether the attacker (row 1 the player, row 0 the computer) may add the
// card of its hand at `slot` to the open trick: MayAdd, fewer than MaxTrick
// attack cards, and room on the defender's side. The player may keep
// loading a computer that is taking; the computer adds only to a fully
// covered trick. In the simple form the computer never adds, and the player
// cannot extend a single-card lead.
bool MayAddToTrick(const Game& g, int row, int slot);

// Whether the card at (row, slot) covers the attack card at CoverIndex.
bool MayCover(const Game& g, int row, int slot);
// Lays it there and moves CoverIndex on to the next attack card.
void CoverAttack(Game& g, int row, int slot);

// Transfer form: the defender (row) passes the attack on with a card of the
// lead's rank, while nothing is covered and fewer than five attack cards
// lie, when the new defender holds more cards than the attack (and, for the
// player's transfer, the computer more than one), and not before the first
// discard with "1_DiscardTransfer".
bool MayTransfer(const Game& g, int row, int slot);
// Adds the card to the attack row; the roles swap.
void TransferAttack(Game& g, int row, int slot);
