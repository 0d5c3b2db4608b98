// Solitaire: eight columns and four free cells, played with two clicks.
//
// Rows: 0 the four free cells (slot k is cell k, one card each); 1 to 4 the
// foundations, ace up to king of one suit; 5 to 12 the columns, every card
// visible, only the top one moves.
//
// The first press picks a cell card, a foundation's top or a column's top.
// The second press names where it goes: an ace (from a cell or a column)
// goes to an empty foundation wherever the press is; any card into an empty
// cell or an empty column; onto a column's top card one rank higher and of
// the other colour (an ace, the highest rank, takes a king); onto its
// foundation in order. Anything else drops the pick. The game is won when
// the cells and the columns are empty. A double click sends a cell card or a
// column's top card to a foundation that takes it (see scarf.h).
#pragma once

#include <string>

#include "core/game.h"
#include "patience/patience_rules.h"

// Left press at (x, y) on what the last hit test found (HitRow, HitSlot).
void SolitairePress(Game& g, int x, int y);

PatienceActions SolitaireLegalMoves(const TTableState& t);
std::string CheckSolitaireTable(const TTableState& t);
extern const uint16_t kSolitairePileRows;
