// When the commands of the menus that act on the table or open a dialog
// may run. While the guessing game lies on the table it stays as it is: no
// undo, saving, restoring, nor any dialog but About. A network session has
// no undo point and no saved game of its own, so undo, saving and restoring
// rest while one runs.
//
// The menus grey the commands out by this rule, and every command's handler
// asks it again before doing anything: a shortcut reaches the handler even
// when the menu was not opened since the table changed.
#pragma once

#include "core/game.h"

enum class TableCommand {
  Undo,
  SaveGame,
  RestoreGame,
  CardBack,    // the card back dialog
  Background,  // the table background dialog
  Options,     // the options dialog
  Network,     // the network dialog
  About,       // the about box
};

bool CommandMayRun(const Game& g, TableCommand command);
