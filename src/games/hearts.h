// Hearts against three computer hands: the deal's opening (choosing three
// cards, the exchange, the confirmation, the lead of the two of clubs), the
// play of the thirteen tricks and the scoring of hand after hand until a
// total reaches 100. The rules are in hearts_rules.h, the computer's play
// in hearts_computer.h, the points in hearts_scoring.h.
//
// The phase of a hand is told by the Move button's caption: "Drop cards"
// while the player chooses the cards to pass, "OK" while the cards he
// received stand raised; after that the button is hidden and the tricks
// are played. TrumpSuit is hearts until the exchange is confirmed and -1
// afterwards. WhoseTurn is 1 while a card of the player is awaited, 0 while
// the computer hands play and 2 when no card is (passing, a hand over).
#pragma once

#include "core/game.h"

// Left press on the card the last hit test found (HitSlot of row 0):
// chooses a card to pass, or plays it when it is the player's turn.
void HeartsPress(Game& g);
// The Move button: "Drop cards" makes the exchange, "OK" confirms it.
void HeartsMoveButton(Game& g);
// The start of play after the deal: choosing the cards to pass, or, on a
// hand without passing, the first trick at once.
void StartHeartsPlay(Game& g);
// The player plays the card of his hand slot, if the rules let him; the
// computer hands answer until it is his turn again or the hand is over.
void HeartsPlayerCard(Game& g, int slot);

// Whether the player is choosing cards to pass / may play a card now.
bool HeartsChoosing(const Game& g);
bool HeartsPlayersTurn(const Game& g);

// A new game of Hearts: every total back to 0, the first hand passes left.
void ResetHeartsGame(Game& g);
