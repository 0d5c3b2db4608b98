// Scarf: the seven-column patience with a stock dealt three cards at a time,
// played by dragging cards and runs onto the columns and the foundations.
//
// Rows: 0 the stock, face down; 1 the shown waste cards, at most three in
// slots 0 to 2, the top one in the highest slot; 2 the older waste cards in
// the order they were turned; 3 to 6 the foundations, ace up to king of one
// suit, each card marked Opened; 7 to 13 the columns, whose face-up cards are
// marked Opened.
//
// A press on the stock moves the shown waste cards to the older ones and
// turns up to three new cards; on an empty stock the waste becomes the stock
// again in its dealing order, as often as the player likes. A face-down card
// at the top of a column is turned up by a press on it. The waste top, a
// foundation's top and any face-up card of a column (with every card on it)
// can be dragged: a column takes a card one rank lower than its top card and
// of the other colour (two lowest, king highest; an ace takes nothing), an
// empty column takes only a king, and a foundation takes single cards of its
// suit in order from the ace. The game is won when the seven columns are
// empty. A double click sends the waste top or a column's top card to a
// foundation that takes it.
#pragma once

#include <string>

#include "core/game.h"
#include "patience/patience_rules.h"

// Left press at (x, y) on what the last hit test found (HitRow, HitSlot).
void ScarfPress(Game& g, int x, int y);
// Release of the button while a card or run is dragged.
void ScarfDrop(Game& g);
// Double click in Scarf and Solitaire: the card under the pointer goes to a
// foundation that takes it.
void AutoMoveToFoundation(Game& g);

// When the shown waste is empty, the most recent older waste card comes
// into view.
void RefillWaste(TTableState& t);

// Whether the column row `column` takes the run whose bottom card is `s`.
bool ScarfColumnTakes(const TTableState& t, int column, const TCard& s);
// Whether the foundation row `foundation` takes the single card `s`.
bool ScarfFoundationTakes(const TTableState& t, int foundation, const TCard& s);

PatienceActions ScarfLegalMoves(const TTableState& t);
std::string CheckScarfTable(const TTableState& t);
extern const uint16_t kScarfPileRows;
