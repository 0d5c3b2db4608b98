// Reading and writing the options, the current game and the statistics in
// the per-user settings store.
//
// The store is created whole at the first start. Later it may have been
// damaged by hand or by another program: a value that is missing, is not an
// integer or lies outside what the program can use is read as its
// first-start value and written back at once, so the store heals itself and
// nothing else in it is lost.
#pragma once

#include <cstdint>
#include <string_view>

class Game;

// When the store has none of our values yet: writes every option of the
// edition at its first-start value in table order ("Left" and "Top" being
// the window's position at its creation), then every statistics counter as
// 0. Returns whether the key was created.
bool EnsureSettingsKey(Game& g, int32_t left, int32_t top);

// Reads every option and statistics counter into the game, then applies
// them: status bar, end of the guessing game unless the sharper plays, table
// background and the order of the player's hand.
void LoadSettings(Game& g);

// The same while a deal lies on the table: the game being played stays the
// table's own, whatever "VidG" and "FormG" the store holds by now (another
// copy of the program may have switched games since), so the rules never
// change under the cards.
void RereadSettings(Game& g);

// One option straight from the store, mended as LoadSettings mends it.
// Nothing is read for a name that is not an option of the edition (returns 0).
int32_t ReadSetting(Game& g, std::string_view name);

// Writes one value to the store.
void WriteSetting(Game& g, std::string_view name, int32_t value);

// The options dialog's "all options by default": writes the reset value of
// every option that has one; the card back, background, game, language,
// dialog page and window position stay as they are.
void ResetSettingsToDefaults(Game& g);
