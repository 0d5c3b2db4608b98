// Hearts: the rules of the play of the tricks.
//
// Four hands of 13 cards from the full pack: the player's and three
// computer hands round the table. Before each hand every hand passes three
// cards: to the left, to the right, across, and on every fourth hand not at
// all. Then thirteen tricks are played:
//   - the holder of the two of clubs leads it to the first trick;
//   - every hand follows the suit led if it can, else plays any card;
//   - on the first trick no heart and no queen of spades may be played
//     unless the hand holds nothing else;
//   - hearts may not be led until a heart has been played to a trick
//     ("broken"), unless the leader holds nothing but hearts;
//   - the highest card of the suit led takes the trick and leads the next.
// Play goes to the left: the player (bottom), then the left hand, the top
// hand and the right hand.
//
// Rows: 0 the player's hand, 1 the left hand, 2 the top hand, 3 the right
// hand (a seat is the number of its hand's row); row 4 the trick, slot k
// the card of seat k; rows 5 to 8 the cards each seat has taken this hand
// (row 5 + seat). CoverIndex is the seat that leads the trick on the table.
#pragma once

#include <vector>

#include "core/game.h"

constexpr int kHeartsSeats = 4;
constexpr int kHeartsHandSize = 13;
constexpr int kHeartsTrickRow = 4;
constexpr int kHeartsTakenRow = 5;  // + seat

// Where the three passed cards go, hand after hand.
enum class PassDirection { Left, Right, Across, None };

PassDirection PassDirectionOfHand(int handNumber);
// The seat that receives the cards seat `from` passes; `from` itself when
// nobody passes.
int PassTarget(int from, PassDirection direction);
// The seat to the left of `seat`, who plays next.
int NextSeat(int seat);

bool IsTwoOfClubs(const TCard& c);
bool IsQueenOfSpades(const TCard& c);
// A heart or the queen of spades.
bool CarriesPoints(const TCard& c);

// Cards of the seat's hand, the trick and the taken piles.
int CardsInHand(const TTableState& t, int seat);
int CardsOnTrick(const TTableState& t);
int CardsTaken(const TTableState& t, int seat);

// No trick has been taken yet this hand.
bool FirstTrick(const TTableState& t);
// A heart has been played this hand (to the trick now or to one taken).
bool HeartsBroken(const TTableState& t);
// The seat whose card the trick waits for; -1 when it is complete.
int SeatToPlay(const TTableState& t);
// The suit led to the trick on the table; -1 when it is empty.
int SuitLed(const TTableState& t);
// The seat whose card takes the trick as it lies now; -1 when it is empty.
int TrickWinner(const TTableState& t);
// The seat holding the two of clubs; -1 when nobody does.
int SeatHoldingTwoOfClubs(const TTableState& t);

// Whether the seat may play the card of its hand slot now (it is that
// seat's turn).
bool MayPlay(const TTableState& t, int seat, int slot);
// The slots of the seat's hand that may be played now.
std::vector<int> PlayableSlots(const TTableState& t, int seat);

// Closes up the four hands (their order kept) and counts them.
void CloseUpHands(TTableState& t);
// Sorts the player's hand by suits, hearts at the right, each suit from low
// to high: the order of the deal.
void OrderPlayerHand(Game& g);
