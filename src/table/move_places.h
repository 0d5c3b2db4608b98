// Where the moving cards of the card games start and end: the cards lying on
// the table as the repaint places them, the place a played card flies to,
// and the fans a hand spreads to when it draws. Pure geometry from the
// table state and the layout; the window walks the flights.
#pragma once

#include <cstdint>
#include <vector>

#include "core/callouts.h"
#include "core/game.h"

struct CardPoint {
  int32_t x = 0;
  int32_t y = 0;
};

// One card on the table and its top-left corner.
struct PlacedCard {
  int row = 0;
  int slot = 0;
  CardPoint at;
};

// The trick of the durak kinds as the repaint lays it (attack cards first,
// then defence cards; Road durak interleaved along its line, in line order).
std::vector<PlacedCard> TrickPlaces(const TTableState& t, Kind kind);

// The hand fan a drawing hand spreads to: fanSize, or - when "LastCards" is
// off or fanSize is -1 - the hand's count, the stock's and the trump card,
// at most six.
int DrawFanSize(const TTableState& t, int row, int fanSize);

// Top edge of a hand (row 0 the computer, 1 the player).
int32_t HandTop(const TTableState& t, int row);

// The place a card played from a hand flies to (the move of MoveCard).
// `attackCount` is the count of attack cards whose spacing the table shows
// (RowCount[2], or one more while a seventh card is thrown up).
CardPoint PlayTarget(const Game& g, const CardFlight& f, int attackCount);

// Whether "ThrowUpMore6Cards" makes the table close up for the card on its
// way (durak kinds 0 to 3, an attack card): the table is then laid out for
// one more attack card.
bool TableClosesUpForPlay(const Game& g, const CardFlight& f);

// Road durak with more than six attack cards thrown up: while every attack
// card is covered the line is laid out for one more attack card.
bool RoadLineGrowsForPlay(const Game& g, const CardFlight& f);
