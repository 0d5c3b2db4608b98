// Catching the sharper. After losing to the sharper ("Style" 4) with
// "CheckS" on, the whole pack is laid out face up in the player's row and
// the player may point at cards: naming one of the cards the sharper
// swapped in this game turns the loss into a win. "LevelS" gives 5 or 3
// guesses.
#pragma once

#include "core/game.h"

// Lays out the pack for guessing (the loss is not counted yet).
void StartGuessing(Game& g);
// The player points at the card in slot `slot` of row 1.
void GuessClick(Game& g, int slot);
// The player leaves the guessing game before its end (a new deal, another
// game, closing the program): the loss that began it is counted, as if
// every guess had failed, and the guessing game is over. Nothing happens
// outside the guessing game.
void AbandonGuessing(Game& g);
// Commentary id shown during the guessing game: 9 (five guesses) or 10 (three).
int GuessingCommentId(const Game& g);
