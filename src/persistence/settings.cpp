#include "persistence/settings.h"

#include "core/game.h"
#include "core/hand_order.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"
#include "persistence/statistics.h"

namespace {

constexpr int kSharperStyle = 4;

int32_t ReadMended(ISettingsStore& store, const SettingEntry& entry) {
  const std::optional<int32_t> stored = store.Read(entry.name);
  if (stored && SettingValueUsable(entry, *stored)) return *stored;
  store.Write(entry.name, entry.firstStart);
  return entry.firstStart;
}

struct GamePair {
  int32_t formg;
  int32_t vidg;
};

// "FormG" and "VidG" only mean something together: a pair the edition's
// catalogue does not have goes back to the first game.
GamePair ReadGamePair(Game& g) {
  const SettingEntry& formEntry = *FindSetting("FormG");
  const SettingEntry& kindEntry = *FindSetting("VidG");
  GamePair pair{ReadMended(*g.store, formEntry), ReadMended(*g.store, kindEntry)};
  if (g.edition->HasPair(pair.formg, pair.vidg)) return pair;
  pair = {formEntry.firstStart, kindEntry.firstStart};
  g.store->Write(formEntry.name, pair.formg);
  g.store->Write(kindEntry.name, pair.vidg);
  return pair;
}

bool IsGamePairSetting(const SettingEntry& entry) {
  return entry.name == "FormG" || entry.name == "VidG";
}

void ReadOptions(Game& g) {
  for (const SettingEntry& entry : SettingsSchema()) {
    if (!SettingInEdition(*g.edition, entry) || IsGamePairSetting(entry)) continue;
    entry.field(g) = ReadMended(*g.store, entry);
  }
}

void ReadAllSettings(Game& g) {
  ReadOptions(g);
  const GamePair pair = ReadGamePair(g);
  g.t.FormG = pair.formg;
  g.t.VidG = pair.vidg;
}

void ApplySettings(Game& g) {
  // The card back needs no conversion: its number is derived from "Suit"
  // wherever a back is drawn.
  g.out->UpdateStatusBar();
  // Only the sharper can be caught, so any other style ends the guessing game.
  if (g.t.Options.Style != kSharperStyle) g.t.GuessMode = 0;
  g.out->ApplyBackground(g.t.Options.BackGr);
  // The player's hand follows the ordering options; in Hearts row 1 is a
  // computer hand and the player's own keeps the order of its deal.
  if (g.kind() != Kind::Hearts) OrderRow(g, 1);
}

}  // namespace

bool EnsureSettingsKey(Game& g, int32_t left, int32_t top) {
  if (g.store == nullptr || g.store->KeyExists()) return false;
  for (const SettingEntry& entry : SettingsSchema()) {
    if (!SettingInEdition(*g.edition, entry)) continue;
    int32_t value = entry.firstStart;
    if (entry.name == "Left") value = left;
    if (entry.name == "Top") value = top;
    g.store->Write(entry.name, value);
  }
  WriteZeroStatistics(*g.store, *g.edition);
  return true;
}

void LoadSettings(Game& g) {
  if (g.store != nullptr) {
    ReadAllSettings(g);
    ReadStatistics(g);
  }
  ApplySettings(g);
}

void RereadSettings(Game& g) {
  if (g.store != nullptr) {
    ReadOptions(g);
    ReadStatistics(g);
  }
  ApplySettings(g);
}

int32_t ReadSetting(Game& g, std::string_view name) {
  const SettingEntry* entry = FindSetting(name);
  if (entry == nullptr || !SettingInEdition(*g.edition, *entry)) return 0;
  if (g.store == nullptr) return entry->field(g);
  if (!IsGamePairSetting(*entry)) return ReadMended(*g.store, *entry);
  const GamePair pair = ReadGamePair(g);
  return entry->name == "FormG" ? pair.formg : pair.vidg;
}

void WriteSetting(Game& g, std::string_view name, int32_t value) {
  if (g.store != nullptr) g.store->Write(name, value);
}

void ResetSettingsToDefaults(Game& g) {
  if (g.store == nullptr) return;
  for (const SettingEntry& entry : SettingsSchema()) {
    if (SettingInEdition(*g.edition, entry) && entry.onReset)
      g.store->Write(entry.name, *entry.onReset);
  }
}
