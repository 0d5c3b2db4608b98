// Playing the card games from the keyboard.
//
// The left and right arrows walk a selection over the player's hand (the
// same HitIndex the pointer sets when it hovers over a card) and bring the
// mouse pointer onto the chosen card; the up arrow plays it as a click would,
// the down arrow presses the Move button. Ctrl marks the next card as a cover
// rather than a transfer; End takes the mark back. Edition 2.84 also plays
// Memory this way: the arrows walk the 4 x 9 grid and Ctrl turns the card.
//
// Nothing here knows the keyboard or the screen: the window turns its key
// events into these calls and puts the pointer where they say, in the
// table's own pixels.
#pragma once

#include <cstdint>
#include <optional>

#include "core/game.h"

struct TablePoint {
  int32_t x = 0, y = 0;
  bool operator==(const TablePoint&) const = default;
};

// What the window does after a key of keyboard play.
struct KeyPlayResponse {
  std::optional<TablePoint> pointer;  // put the mouse pointer here
  bool focusStatusBar = false;        // no button keeps the keyboard focus
};

// Whether the game being played takes keyboard play at all.
bool TakesKeyboardPlay(const Game& g);

// Where the pointer goes to show card `index` of the player's hand: inside
// the part of the card that lies uncovered.
TablePoint HandCardPointer(const TTableState& t, int index);

// The arrows over the hand, wrapping at both ends; with nothing selected,
// left starts at the first card and right at the last.
KeyPlayResponse SelectPreviousCard(Game& g);
KeyPlayResponse SelectNextCard(Game& g);
// Up: the selected card is played as a click on it would play it.
// pointerX is the pointer's x on the table.
KeyPlayResponse PlaySelectedCard(Game& g, int32_t pointerX);
// Down: the Move button's action.
KeyPlayResponse PressMoveButtonByKey(Game& g, int32_t pointerX);
// Enter (the focused Move button has already acted): the pointer stays on
// the hand.
KeyPlayResponse AfterEnter(Game& g, int32_t pointerX);
// Ctrl and End.
KeyPlayResponse LatchCtrl(Game& g);
KeyPlayResponse ReleaseCtrl(Game& g);

// Edition 2.84's Memory: the selection steps over the grid of 4 rows of 9,
// wrapping within a row and from the last row to the first.
enum class GridStep { Left, Right, Up, Down };
KeyPlayResponse StepMemorySelection(Game& g, GridStep step);
// Ctrl turns the selected card.
KeyPlayResponse TurnSelectedMemoryCard(Game& g);
