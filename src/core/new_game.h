// The deal: ends whatever is on the table and deals the game chosen by
// (FormG, VidG) into the card grid, fixes the trump suit and, in the card
// games, who moves first. A card-game deal that fails its checks is dealt
// again. Showing the deal and opening play belong to the mid end's NewGame
// (play/new_game.h); the headless tool's `deal` and the tests look at the
// bare deal.
#pragma once

#include "core/game.h"

void DealOnly(Game& g);

// A game has come to its end inside one of the player's actions (or the
// computer's answer to it): the next deal is made as soon as that action has
// run to its end, by the mid end that carried it out.
void ScheduleNewGame(Game& g);

// False when either hand has four or more cards of one suit among its first
// six slots.
bool DealCheck(const Game& g);

// Cards dealt to each hand in the card games (VidG 0-7).
int HandSizeAtDeal(const Game& g);

// The pile counts of every row (the patience games).
void RecountPiles(Game& g);
