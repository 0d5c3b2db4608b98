// Every option the store keeps: its value name, what it means, its value at
// the first start and the value the options dialog's reset writes (none:
// the reset leaves it alone), in the order they are written at first start.
#pragma once

#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/edition.h"

class Game;

struct SettingEntry {
  std::string_view name;
  std::string_view meaning;
  int32_t firstStart;
  std::optional<int32_t> onReset;
  int32_t lowest;  // the values the program can use
  int32_t highest;
  int32_t& (*field)(Game&);  // the working copy in the game
};

std::span<const SettingEntry> SettingsSchema();
// Whether the program can use the value ("Pack" is 36 or 52; the others lie
// in their ranges).
bool SettingValueUsable(const SettingEntry& entry, int32_t value);
const SettingEntry* FindSetting(std::string_view name);

// Whether the edition keeps the option at all (2.84 has no "MinOnEscape").
bool SettingInEdition(const Edition& e, const SettingEntry& entry);

// Puts every option's first-start value into the game's working copy.
void ApplyFirstStartValues(Game& g);
