// Memory: every card of the pack lies face down in row 0 and the player
// turns two at a time looking for pairs of one rank. A found pair stays face
// up and scores 6 points; two different cards stay up until the next card is
// turned, then go face down again and cost 2 points (the score never goes
// below 0). The deal is over when every card is face up; the best score of
// each size of the game is kept as its record.
//
// The table fields Memory uses: Opened[0][s] for a face-up card, CoverIndex
// for the phase (0 nothing turned yet, 1 the first card of a pair is up, 2
// both are), SourceSlot and SecondSlot for the pair's two cards,
// Stats[VidG].Wins for the running score and Stats[VidG].Losses for the
// record, FirstDiscardDone for the number of turns of the deal.
#pragma once

#include "core/game.h"

constexpr int kMemoryFindPoints = 6;
constexpr int kMemoryMissPoints = 2;

// The button was let go over the card in slot `slot` of row 0. A face-down
// card is turned; a face-up card, an empty slot or a slot off the row
// changes nothing.
void MemoryTurn(Game& g, int slot);

// The pair showing now (phase 2) is of one rank.
bool MemoryPairMatches(const TTableState& t);
// Every card of row 0 is face up.
bool MemoryAllTurned(const TTableState& t);
