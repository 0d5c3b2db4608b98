// The one registry of the patience games' rules, as self-play and the table
// checks need them: which rows each game keeps as piles and every move its
// rules allow on a table. The moves themselves are made only by the game's
// press, drop and double-click handlers; a move listed here is carried out
// by pointing at its cards, as the player would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/edition.h"
#include "core/table_state.h"

// A move of a patience game in terms of the mouse.
struct PatienceAction {
  enum Type {
    Press,        // one press on (row, slot): a stock, a card turned up, a king
    TwoClick,     // a press on (row, slot), then one on (toRow, toSlot)
    Drag,         // Scarf: (row, slot) and what lies on it dropped on the row toRow
    DoubleClick,  // the card (row, slot) sent to a foundation
  };
  Type type = Press;
  int row = -1, slot = -1;
  int toRow = -1, toSlot = -1;
  // The move brings the deal nearer its end (a card to a foundation or off
  // the table, a card turned up); a bot prefers such moves.
  bool progress = false;

  bool operator==(const PatienceAction&) const = default;
};
using PatienceActions = std::vector<PatienceAction>;

struct PatienceRules {
  Kind kind;
  // Rows whose cards always lie in slots 0 to n-1 (bit r for row r).
  uint16_t pileRows;
  // Every move the rules allow now; empty when the deal is stuck.
  PatienceActions (*legalMoves)(const TTableState& t);
  // What else must hold on this game's table; empty when all is well.
  // May be null.
  std::string (*checkTable)(const TTableState& t);
  // The game takes cards off the table (the pairing games): a card missing
  // from the grid has been removed, and never comes back in the deal.
  bool removesCards = false;
  // Rows whose empty slot 0 may keep its Opened mark (Joker's cells, which
  // stay places that can be pressed) (bit r for row r).
  uint16_t openWhenEmptyRows = 0;
};

// The rules of a patience game, or null for a game not yet playable.
const PatienceRules* PatienceRulesFor(Kind kind);

// Whether the card belongs to the pack the game is dealt from: the whole
// pack, six to ace (Pairs, Prisoner, Paganini) or six to ace less the red
// sixes (Joker).
bool InPatiencePack(Kind kind, const TCard& card);
