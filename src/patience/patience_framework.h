// What every patience game shares. A deal lays cards into rows of the grid;
// a pile is a row whose cards occupy slots 0 to n-1, its top card in slot
// n-1. Each press of the mouse becomes a move in the game's own handler: a
// move writes the undo point first, copies card records from one slot to
// another and clears the source, then the rows are recounted, the table is
// repainted and the game looks whether it is won.
//
// Most games move with two clicks: the first press picks a card that may be
// taken (it is shown lit), the second names where it goes. A second press
// that no rule accepts, the picked card itself included, drops the pick.
//
// A won deal is celebrated, announced ("You win !") and followed by a new
// deal; the win is counted in the statistics when that deal is made (see
// patience_result.h), as is a deal given up for a new one.
#pragma once

#include <cstdint>

#include "core/game.h"

// Moves the empty slots of the row towards its end: two passes over slots 0
// to 50, each swapping an empty slot with the next one, so one or two gaps
// are closed fully.
void CloseUpRow(TTableState& t, int row);

// The highest slot of the row that holds a card, -1 when it is empty.
int TopSlot(const TTableState& t, int row);
// Slot 0 of the row holds a card.
inline bool RowHoldsCards(const TTableState& t, int row) { return t.IsPresent(row, 0); }
// Whether the row holds no card anywhere.
bool RowEmpty(const TTableState& t, int row);

// A card leaves its slot: it is no longer present, and no longer face up.
void ClearSlot(TTableState& t, int row, int slot);
// Copies the card record of (fromRow, fromSlot) into (toRow, toSlot), which
// is marked face up (`opened`) or not, and clears the source slot.
void MoveRecord(TTableState& t, int fromRow, int fromSlot, int toRow, int toSlot, bool opened);

// Red cards are diamonds and hearts.
inline int ColourOf(int suit) { return suit >= 2 ? 1 : 0; }

// The card the last hit test found (HitRow, HitSlot) is picked: it is shown
// lit and remembered as the source of the next press.
void ShowPicked(Game& g);
// The pick is dropped; the repaint takes the light off the card.
void DropPick(Game& g);

// After every move of a patience game: the rows are recounted and the table
// repainted.
void FinishPatienceMove(Game& g);

// The rows that must have nothing in slot 0 for the game to be won; 0 for a
// game that tests its own end.
uint16_t PatienceWinRows(Kind kind);
// The win test of the game being played: none of its rows holds a card in
// slot 0. Cards leave a pile from its top, so slot 0 is the last to empty.
bool PatienceWon(const TTableState& t, Kind kind);
// Tests the win and, when the deal is won, celebrates it (WinPatience).
// Returns whether it was won.
bool CheckPatienceWon(Game& g);
// The cards fly over the table, "You win !" is shown and the next deal is
// made when the press is over. With "ConfNewgame" the box asks whether to go
// on, and Cancel closes the program; the win is counted either way.
void WinPatience(Game& g);
