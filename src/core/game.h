// The game in progress: the one table state together with the program-wide
// values, the random source, the edition and the call-outs to the window.
// Every rule of every game is a function of a Game.
#pragma once

#include <array>
#include <string>

#include "core/callouts.h"
#include "core/edition.h"
#include "core/random.h"
#include "core/table_state.h"

class ISaveFile;
class ISettingsStore;
struct SearchTimings;

// What each durak hand has shown of itself: the cards it took up from the
// table or got in a trump exchange (bit = image index), [0] the computer's
// hand, [1] the player's. A card that left the hand since is simply no
// longer among the unseen ones; a new deal forgets everything.
struct DurakSeenCards {
  std::array<uint64_t, 2> takenUp{};
};

// Values that belong to the program rather than to the window.
struct ProgramValues {
  int PackSize = 36;        // "Pack": 36 or 52
  int Lang = 0;             // interface language: 0 Russian, 1 English
  int NetRole = -1;         // -1 no network game, 1 server, 0 client
  int ModalFlag = 1;        // -1 while a game message box or a dialog is up
  int SwindleCounter = 0;   // the sharper's swindles, counted across games
  // The players' names of a network game: [0] the client's, [1] the server's.
  std::array<std::string, 2> NetNames;
};

class Game {
 public:
  Game(const Edition& edition, ICallouts& callouts, const IClock& clock)
      : edition(&edition), out(&callouts), clock(&clock) {}

  TTableState t;
  ProgramValues program;
  TRandom random;
  const Edition* edition;
  ICallouts* out;
  const IClock* clock;
  ISettingsStore* store = nullptr;  // none in tests that do not need one
  // "save.dat": the undo point and the saved game; none where nothing is saved.
  ISaveFile* saveFile = nullptr;
  // A game ended during the action being carried out: the mid end deals the
  // next one when the action is over (ScheduleNewGame).
  bool newGameDue = false;
  DurakSeenCards seen;
  // Where the searching professional notes how long each choice took; none
  // outside the measurements that ask for it.
  SearchTimings* searchTimings = nullptr;

  Kind kind() const { return edition->KindOf(t.VidG); }
  bool NetworkGame() const { return program.NetRole != -1; }
};

// 0 for n = 0 (the generator is not consulted), else 0 .. n-1.
int RandomBelow(Game& g, int n);
// Seeds the generator from the clock in whole seconds, so two choices made
// within the same second see the same value.
void ReseedRandom(Game& g);

// Kinds of game, by what the rules need to know.
// Simple, Japanese, Reverse, Piled, Road durak.
inline bool IsDurak(Kind k) { return k >= Kind::SimpleDurak && k <= Kind::RoadDurak; }
// The durak kinds, Czech durak, Eights and Nine.
inline bool IsCardGame(Kind k) { return k >= Kind::SimpleDurak && k <= Kind::Nine; }
// Scarf .. Street.
inline bool IsPatience(Kind k) { return k >= Kind::Scarf && k <= Kind::Street; }
inline bool IsMemory(Kind k) { return k == Kind::Memory36 || k == Kind::Memory52; }
