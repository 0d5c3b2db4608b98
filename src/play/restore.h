// Taking a saved table in as the one being played: the undo point, a saved
// game, or a position handed to the headless tool. The record has passed
// the decoder's checks; reading the file and its messages are the caller's.
#pragma once

#include <optional>

#include "core/game.h"
#include "persistence/save_record.h"
#include "play/keyboard_play.h"

// Puts the record's table back, makes its game the current one, re-reads
// the settings, lays the table out again, recounts the rows for the kind,
// repaints and shows the commentary that was on screen. Returns where the
// mouse pointer goes when a card of the player's hand was selected.
std::optional<TablePoint> TakeInRecord(Game& g, const SaveRecord& record);
