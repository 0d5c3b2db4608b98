// Czech durak: shedding by suit or rank, played to 100 points.
//
// Each side holds five cards (six in the 3rd variety, four in Pharaoh) from
// a 36-card pack (32, seven to ace, in the 2nd variety); the rest is the
// stock. The sides take turns laying one card on a discard pile:
//   - any card may start the pile; after that a card must be of the suit in
//     force (the suit of the last card laid, or a suit ordered after a wild
//     card), of the rank of the top card, or of the wild rank (the queen;
//     the jack in the 3rd variety). In Pentagon only the suit in force may
//     follow, except that a six may go on a six of any suit;
//   - the take-two rank (six; seven in the 2nd variety) makes the opponent
//     draw two cards, the next rank draws one; either way the mover moves
//     again. An ace makes the opponent miss a turn. The player who lays a
//     wild card may order a suit (or pass and keep the card's own suit);
//   - a side that cannot or will not lay a card draws one from the stock and
//     may then pass. In the simple form there is no passing: a side draws
//     until it can lay a card;
//   - when the stock runs out, the pile except its top card becomes the
//     stock in the order it was laid; nothing is shuffled.
// The side that empties its hand first wins the deal; the loser counts the
// cards left in his hand as penalty points (ace 11, king 4, queen 3, jack 2,
// six to ten their face value; a lone queen 20). Whoever reaches 100 points
// loses the match.
//
// The forms (FormG): 3 simple, 4 1st variety, 5 2nd variety (32 cards),
// 6 3rd variety (a jack left in the loser's hand loses the match at once),
// 7 English (after the player's ace his next card lets him order a suit),
// 8 Pharaoh (a lone queen scores 30; finishing on a queen takes 30 off the
// winner's points), 9 Pentagon (its own values: six to nine 0, queen 20;
// whoever lays a queen also moves again).
//
// Dead ends: when the side to move holds no card it may lay and neither the
// stock nor the pile beyond its top card can supply one, that side passes
// (the player with the Move button, which then reads "Pass"), so a deal
// never stalls. Outside the simple form the button reads "Pass" whenever
// nothing is left to draw. The computer's turn is bounded too: it draws at
// most twice in one turn (in the simple form, at most what there was to draw
// when the turn began), so a side that moves again after its ace or queen
// cannot lay and draw back the same cards for ever.
//
// Rows: 0 the computer's hand, 1 the player's, 2 the discard pile (its top
// is the last card), 5 the stock (slot 0 is drawn first). TrumpSuit is the
// suit in force. WhoseTurn: 1 the player moves, 0 the computer, 2 nobody.
#pragma once

#include "core/game.h"

// The ranks that do something, by form.
struct CzechRanks {
  int takeTwo = Six;
  int takeOne = Seven;
  int wild = Queen;
};
CzechRanks CzechRanksOf(int formg);

enum CzechForm { kCzechSimple = 3, kCzechEnglish = 7, kCzechPharaoh = 8, kCzechPentagon = 9 };

// Whether the card may be laid on the pile as it lies now.
bool CzechCardFits(const Game& g, const TCard& card);
// Whether the hand of `row` holds a card that may be laid.
bool CzechHoldsFittingCard(const Game& g, int row);
// Neither the stock nor the pile beyond its top card holds a card to draw.
bool CzechNothingToDraw(const Game& g);

// The player may order a suit now (TrumpLabel lit): after his wild card, or
// in the English form after the card that follows his ace.
bool CzechSuitOrderOpen(const Game& g);

// The player let the button go over card `card` of his hand (row 1).
void CzechPlayerMove(Game& g, int card);
// The Move button: "Take card" draws a card, "Pass" hands the turn over.
void CzechMoveButton(Game& g);
// A suit button while an order is open.
void CzechOrderSuit(Game& g, int suit);

// What the top card of the pile does, just laid by the player (or by the
// computer). True when its rank is special.
bool CardEffect(Game& g, bool byPlayer);
// One card from the stock to the hand of `row`; the pile turns into the
// stock whenever the stock is empty.
void CzechDraw(Game& g, int row, bool pause);

// The computer plays until it is the player's turn; false when the deal ended.
bool CzechComputerTurn(Game& g, bool pause);
// The card the computer lays now (it may draw first, or swindle): a slot of
// row 0, or -1 when it has none. `drawsLeft` is what remains of the turn's
// draws: a turn in which the computer moves again and again must not
// recycle the same few cards through the pile and the stock for ever.
int ChooseCzechCard(Game& g, bool pause, int& drawsLeft);
// The draws the computer may make in one turn: two (the child's draw first
// and the one draw when nothing fits; or one more after moving again); in
// the simple form at least everything there is to draw when the turn begins.
int CzechDrawsPerTurn(const Game& g);
// The first card `row` would lay, scanning its hand from the first card or
// from the last; -1 when none may be laid. In Pentagon only the suit in
// force counts.
int CzechScan(const Game& g, int row, bool fromFirst);
// The child and the aggressor look at their hand from the first card, the
// others from the last.
bool CzechScansFromFirst(int style);
// The suit the sharper and the professional order after their wild card:
// the first suit the player holds no card of; -1 for none (or when the
// computer does not order).
int CzechSuitToOrder(const Game& g);

// The start of play after the deal: the computer opens with a random card,
// or the player is told it is his turn.
void StartCzechPlay(Game& g);

// The end-of-deal check after a card was laid: false when the deal is over
// (scored, announced, and the next deal or the guessing game under way).
bool CzechDealGoesOn(Game& g);
// Counts the hand of the loser `row` into his points and ends the match at
// 100 points (or, in the 3rd variety, at once for a jack in that hand).
void ScoreHand(Game& g, int row);
// The penalty points of a hand that is left at the end of a deal.
int CzechHandPoints(const Game& g, int row);
