// The game message box: every result and error message of the games, of
// saving and restoring, and of the network session comes from one table of
// seventeen coded texts in both languages. With "ConfNewgame" on, the
// result messages ask whether to go on, and Cancel closes the program.
#pragma once

#include <string>

#include "core/game.h"

enum GameMessageCode {
  kMsgGuessed = 0,
  kMsgNotGuessed = 1,
  kMsgGameOver = 2,
  kMsgCannotComplete = 3,
  kMsgYouWin = 4,
  kMsgYouLost = 5,
  kMsgDraw = 6,
  kMsgCannotCreateSave = 7,
  kMsgCannotOpenFile = 8,
  kMsgCannotReadFile = 9,
  kMsgServerError = 10,
  kMsgClientError = 11,
  kMsgPartnerLeft = 12,
  kMsgServerSilent = 13,
  kMsgNoName = 14,
  kMsgNoAddress = 15,
  kMsgNotConnected = 16,
};
constexpr int kGameMessageCount = 17;

// The text of a code in the language (0 Russian, 1 English), without prefix.
std::string GameMessageText(int code, int lang);

// The box the window is asked to show for (code, prefix): text and place.
// prefix: -1 none, 0 the client player's name, 1 the server player's name.
GameMessageBox BuildGameMessage(const Game& g, int code, int prefix);

// Shows the box. Returns 1 when the player acknowledged it, 0 when he chose
// Cancel in the question form; the main window has then been asked to close
// and the modal flag stays -1.
int ShowGameMessage(Game& g, int code, int prefix);
