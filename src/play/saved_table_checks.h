// Whether a save record that the decoder let through can be a table of its
// own game. The decoder checks each value on its own; here the cards are
// looked at together: every card lying on the table must belong to the pack
// the game is dealt from, no card may lie in two places, and the turn values
// must point into the table. A record that fails is never taken in.
#pragma once

#include <string>

#include "core/card.h"
#include "core/edition.h"
#include "persistence/save_record.h"

// Whether the game (vidg, formg) of the edition is ever dealt the card.
// The durak kinds are dealt from 36 or 52 cards as the option "Pack" says,
// so any card of the 52 may lie on a durak table.
bool CardOfGamePack(const Edition& e, int vidg, int formg, const TCard& card);

// Empty when the record can be taken in, else why not.
std::string SavedTableProblem(const SaveRecord& r, const Edition& e);

// The record holds a durak game of the full pack (a card below the six).
bool HoldsFullPackDurak(const SaveRecord& r, const Edition& e);
