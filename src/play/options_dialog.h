// What the Options dialog shows and writes, apart from its widgets.
//
// Every control of the dialog stands for one settings value. At opening the
// controls show the options in force (edition 2.85 takes them from the table
// state, 2.84 from the settings store); OK writes them all under their names,
// clears the statistics or puts every option back to its default when the
// player asked for that, and the window takes the new options at once.
// Cancel writes only the page shown. The speed is written the moment its
// slider moves.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/game.h"

// One value per control, as the settings store keeps it.
struct OptionsFormValues {
  // " Game "
  int32_t Style = 5;
  int32_t Level = 1;
  int32_t CheckS = 1;
  int32_t LevelS = 0;
  int32_t Search = 0;  // the professional's searching play ("Strong play")
  // " Cards "
  int32_t TrLeftRight = 0;
  int32_t TrSuitOld = 1;
  int32_t Speed = 30;
  int32_t Animation = 1;
  int32_t SpecEffect = 1;
  int32_t Pack = 36;  // 36 or 52 cards
  int32_t ShowCountPack = 0;
  // " Rules "
  int32_t FirstMove = 0;
  int32_t LastCards = 0;
  int32_t ChangeTr = 0;
  int32_t LastCardGame = 0;
  int32_t DiscardTransfer1 = 0;
  int32_t ThrowUpMore6Cards = 0;
  // " Sound "
  int32_t Sound = 0;
  int32_t V_Old = 0;
  int32_t V_Sex = 0;
  int32_t Mess = 1;
  // "Statistics"
  int32_t Stat = 1;
  int32_t NumberOrPercent = 0;
  int32_t StatSeparate = 0;
  // "Network"
  int32_t Chat = 0;
  // " Common "
  int32_t SizeWindow = 1;
  int32_t Pos = 0;
  int32_t SaveOnExit = 0;
  int32_t StBar = 1;
  int32_t CallNewGame = 1;
  int32_t ConfNewgame = 0;
  int32_t MinOnEscape = 1;
  int32_t ScaleCards = 0;

  bool operator==(const OptionsFormValues&) const = default;
};

// The value name each control is bound to, for every control that OK
// writes, in the order OK writes them (the speed is not among them).
struct OptionsFormBinding {
  std::string_view name;
  int32_t OptionsFormValues::*value;
};
constexpr int kOptionsFormWrittenFirst = 11;  // before the statistics are cleared
std::span<const OptionsFormBinding> OptionsFormBindings();

constexpr int kOptionsPages = 7;
constexpr int32_t kProfessionalStyle = 5;
constexpr int32_t kSharperStyle = 4;

// The controls at opening: 2.85 from the table state, 2.84 from the store.
OptionsFormValues OptionsFormAtOpening(Game& g);
// What the check box "default" puts into the controls: every option's value
// on reset.
OptionsFormValues OptionsFormDefaults();
// The page shown at opening: the one shown when the dialog last closed.
int OptionsFormPage(Game& g);

// Which controls can be used with these values.
struct OptionsFormEnabled {
  bool level = false;            // the professional's level
  bool search = false;           // the professional's searching play
  bool swindle = false;          // the sharper's swindle check and its level
  bool voice = false;            // voice and sex: only when a voice speaks
  bool rules = true;             // the whole Rules page ...
  bool deck = true;              // ... and the deck: the network client plays the server's
  bool minimiseOnEscape = true;  // edition 2.84 has no such option
};
OptionsFormEnabled OptionsFormEnabling(const Game& g, const OptionsFormValues& v);

// The speed slider: written the moment it moves.
void WriteSpeedAtOnce(Game& g, int32_t speed);
// Cancel or Escape: only the page shown is kept.
void WriteShownPage(Game& g, int page);
// OK: the page, every control's value under its name, then the statistics
// cleared and the defaults written when those boxes are checked.
void WriteOptionsForm(Game& g, const OptionsFormValues& v, int page, bool clearStatistics,
                      bool allByDefault);
// ... and once the dialog has closed, the table takes them (TakeStoredOptions).
// Only a smaller pack under a durak deal of the full pack cannot be taken
// mid-game: then a new game is dealt.
void TakeNewOptions(Game& g);

// After the dialogs: the options are read again from the store and the
// table shows them at once (hand order, layout, status bar, background,
// the commentary line). The running score of a Memory game in progress is
// part of the game, not of the statistics, and survives.
void TakeStoredOptions(Game& g);
