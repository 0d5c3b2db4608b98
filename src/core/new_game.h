// A new game: ends whatever is on the table and deals the game chosen by
// (FormG, VidG) into the card grid, fixes the trump suit and, in the card
// games, who moves first; then hands over to the deal animation and the
// start of play. A card-game deal that fails its checks is dealt again.
#pragma once

#include "core/game.h"

void NewGame(Game& g);

// NewGame without the hand-over to the start of play (the headless tool's
// `deal` and the tests look at the bare deal).
void DealOnly(Game& g);

// False when either hand has four or more cards of one suit among its first
// six slots.
bool DealCheck(const Game& g);

// Cards dealt to each hand in the card games (VidG 0-7).
int HandSizeAtDeal(const Game& g);

// The patience part of a new deal: counts the previous deal of a patience
// game as won (PatienceResult 1) or abandoned (0) and starts counting anew.
void SettlePreviousPatience(Game& g);
void RecountPiles(Game& g);
