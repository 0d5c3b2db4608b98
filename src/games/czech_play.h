// What the files of Czech durak share among themselves: the rows, the
// comments, and the steps that both the player's and the computer's moves
// take. Not for use outside the game.
#pragma once

#include "core/game.h"

constexpr int kCzechComputerRow = 0;
constexpr int kCzechPlayerRow = 1;
constexpr int kCzechPileRow = 2;
constexpr int kCzechStockRow = 5;

// Comments of the neutral table: "Your turn !", "Select the suit of pass !",
// "Select the suit of make the move !".
constexpr int kCzechYourTurnComment = 0;
constexpr int kCzechOrderOrPassComment = 11;
constexpr int kCzechOrderOrMoveComment = 12;

// The Move button's caption at the player's turn: "Take card", or "Pass"
// when there is nothing left to draw (in the simple form only while he has
// no card to lay).
int PlayerTurnCaption(const Game& g);
// "Your turn !" with that caption.
void CommentPlayersTurn(Game& g);
// The card goes on top of the pile; its suit comes into force.
void LayOnCzechPile(Game& g, int row, int slot);
