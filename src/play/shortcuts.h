// The keyboard shortcuts of the main window and the commands behind them.
//
// The handler sees every key before the menus and the controls: the function
// keys change an option or the language at once, the minus and equals keys
// re-sort the player's hand, Escape may put the program away, and in the card
// games the remaining keys play (keyboard_play.h). The window maps its key
// events onto ShortcutKey and carries out what the response asks for.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "play/keyboard_play.h"

enum class ShortcutKey {
  F1,
  F7,
  F8,
  F9,
  F11,
  F12,
  Minus,  // the main keyboard's minus key
  Plus,   // the main keyboard's equals / plus key
  Escape,
  Left,
  Right,
  Up,
  Down,
  Ctrl,
  End,
  Enter,
  Other,  // any other key
  None,   // a key the handler never looks at (menu keys, the keypad's minus ...)
};

struct KeyContext {
  int32_t pointerX = 0;            // the mouse pointer's x on the table
  bool moveButtonFocused = false;  // Enter then presses the Move button
};

struct KeyResponse {
  bool consumed = false;  // the key was the handler's: the focused control does not get it
  bool openHelp = false;
  bool minimise = false;
  KeyPlayResponse play;
};

// Whether the handler listens: never while a game is being dealt, nor while
// a message box or (in edition 2.85) a dialog is up.
bool ShortcutsListen(const Game& g, bool dialogOpen);

KeyResponse KeyboardShortcut(Game& g, ShortcutKey key, const KeyContext& context);

// F9 and the language items: the whole interface changes language at once.
void SwitchLanguage(Game& g);
// A language item: switches only when it names the other language.
void SelectLanguage(Game& g, int lang);
// F7: throw-up and transfer change places without a new deal.
void ExchangeThrowUpAndTransfer(Game& g);
// F8, F11, F12: each flips its option and writes it.
void ToggleAnimation(Game& g);
void ToggleNumberOrPercent(Game& g);
void ToggleStatSeparate(Game& g);
// Minus: trumps to the other end of the hand; equals: sorting by suit or by
// rank. The hand is sorted again at once.
void ToggleTrumpsSide(Game& g);
void ToggleSuitOrder(Game& g);
// F2 and the New game items: outside a network game a new deal; the server
// asks for one; the client cannot deal.
void NewGameCommand(Game& g);
