// Choosing a game from the game menus.
//
// The menus show the current game checked and the solo games disabled while
// a network game runs. Choosing another game stores it, re-reads the
// settings and either deals anew or, between the first four durak kinds
// without "CallNewGame", keeps the cards on the table and plays on under the
// new kind's rules.
#pragma once

#include <array>
#include <string>

#include "core/game.h"

constexpr int kMaxCatalogueItems = 41;
constexpr int kNoGameItem = -1;  // a top-level menu was opened, not a game chosen

enum class SwitchOutcome {
  MenuOnly,          // no game item was chosen: only the marks were refreshed
  Refused,           // the network client, or an item that is disabled
  SameGame,          // the game already played: nothing changes
  DealtAnew,         // NewGame dealt the new game
  NewDealRequested,  // the network server asked for a deal of the new game
  Continued,         // the cards stay and play goes on under the new rules
};

// What the game menus show, by catalogue index (the first catalogueSize
// entries of itemEnabled are the edition's items).
struct GameMenuState {
  std::array<bool, kMaxCatalogueItems> itemEnabled{};
  int checkedItem = -1;     // the current game's item
  int checkedLanguage = 0;  // 0 the Russian item, 1 the English item
  bool undoEnabled = true;
  bool saveEnabled = true;
  bool restoreEnabled = true;
  bool cardBackEnabled = true;
  bool backgroundEnabled = true;
  bool optionsEnabled = true;
  bool newGameEnabled = true;
  SwitchOutcome outcome = SwitchOutcome::MenuOnly;
};

// The window caption: the game's name in the language, followed by
// " - сетевая игра" / " - network game" while a network game runs.
std::string GameCaption(const Game& g);
// The application's title: the caption, or in edition 2.84 the program's
// own name "Дурак" / "Fool".
std::string ApplicationTitle(const Game& g);

// Makes (formg, vidg) the current game in the language: caption, application
// title and help file; writes "FormG", "VidG" and "Lang". With refresh (the
// language commands) it also attaches the language's menu, refreshes the
// status bar and shows the current comment again. A pair outside the
// edition's catalogue or an unknown language changes nothing.
void SetGame(Game& g, int formg, int vidg, int lang, bool refresh);

// The marks and enabled states of the menus for the current table.
GameMenuState RefreshMenuState(const Game& g);

// The shared click handler of the game menus: refreshes the marks and, when
// `chosen` is a catalogue index (kNoGameItem otherwise), switches to that
// game. Returns the menu state after the click and what happened.
GameMenuState MMGameClick(Game& g, int chosen);

// Entering Japanese durak: diamonds become trumps, with a diamond brought
// under the stock as the trump card when one can be found.
void MakeDiamondsTrump(Game& g);
