// Saving the table into "save.dat" and taking it back: the undo point that
// every card the player plays or moves writes first (slot 0), and the game
// the player saves and restores from the Game menu (slot 1).
//
// The window and `kalvenar-cli play` both save through here, on the file the
// game carries (Game::saveFile); a game without one saves nothing.
#pragma once

#include <optional>
#include <string>

#include "core/game.h"
#include "persistence/save_file.h"
#include "persistence/save_record.h"
#include "play/keyboard_play.h"

struct RestoreOutcome {
  bool restored = false;
  // Where the mouse pointer goes: onto the card of the player's hand that
  // was selected, in the card games.
  std::optional<TablePoint> pointer;
};

// Writes the table into the slot (0 the undo point, 1 the saved game). When
// the file cannot be written, or an existing file cannot be read (its other
// slot would be lost), message 7 and nothing changes on disk.
bool SaveGame(Game& g, int slot);

// Takes the slot back as the table in play. A missing or unreadable file
// gives message 8; a slot the file does not hold whole, or a record that is
// damaged or cannot be a table of its game, message 9. In both cases the
// table is left exactly as it was.
RestoreOutcome RestoreGame(Game& g, int slot);

// The undo point: the table as it is, just before the player's card moves.
void SaveUndo(Game& g);

// Undo move, Save game and Restore game (Ctrl+Z, Ctrl+S, Ctrl+V): none of
// them while the guessing game holds the table or a network game runs.
bool SaveCommandsAllowed(const Game& g);
RestoreOutcome UndoMove(Game& g);
void SaveGameCommand(Game& g);
RestoreOutcome RestoreGameCommand(Game& g);

// One slot of a save file, read and checked whole: the record, or the
// message that tells the player why not (8 or 9) and a line saying what is
// wrong with it.
struct SlotRecord {
  std::optional<SaveRecord> record;
  int message = -1;
  std::string error;
};
SlotRecord ReadSlot(const ISaveFile& file, int slot, const Edition& e);
