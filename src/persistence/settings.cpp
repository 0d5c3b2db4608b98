#include "persistence/settings.h"

#include "core/game.h"
#include "core/hand_order.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"
#include "persistence/statistics.h"

namespace {

constexpr int kSharperStyle = 4;

int32_t ReadMended(ISettingsStore& store, const SettingSpec& spec) {
  const std::optional<int32_t> stored = store.Read(spec.name);
  if (stored && SettingValueUsable(spec, *stored)) return *stored;
  store.Write(spec.name, spec.firstStart);
  return spec.firstStart;
}

struct GamePair {
  int32_t formg;
  int32_t vidg;
};

// "FormG" and "VidG" only mean something together: a pair the edition's
// catalogue does not have goes back to the first game.
GamePair ReadGamePair(Game& g) {
  const SettingSpec& formSpec = *FindSetting("FormG");
  const SettingSpec& kindSpec = *FindSetting("VidG");
  GamePair pair{ReadMended(*g.store, formSpec), ReadMended(*g.store, kindSpec)};
  if (g.edition->HasPair(pair.formg, pair.vidg)) return pair;
  pair = {formSpec.firstStart, kindSpec.firstStart};
  g.store->Write(formSpec.name, pair.formg);
  g.store->Write(kindSpec.name, pair.vidg);
  return pair;
}

bool IsGamePairSetting(const SettingSpec& spec) {
  return spec.name == "FormG" || spec.name == "VidG";
}

void ReadAllSettings(Game& g) {
  for (const SettingSpec& spec : SettingsSchema()) {
    if (!SettingInEdition(*g.edition, spec) || IsGamePairSetting(spec)) continue;
    spec.field(g) = ReadMended(*g.store, spec);
  }
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
  OrderRow(g, 1);
}

}  // namespace

bool EnsureSettingsKey(Game& g, int32_t left, int32_t top) {
  if (g.store == nullptr || g.store->KeyExists()) return false;
  for (const SettingSpec& spec : SettingsSchema()) {
    if (!SettingInEdition(*g.edition, spec)) continue;
    int32_t value = spec.firstStart;
    if (spec.name == "Left") value = left;
    if (spec.name == "Top") value = top;
    g.store->Write(spec.name, value);
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

int32_t ReadSetting(Game& g, std::string_view name) {
  const SettingSpec* spec = FindSetting(name);
  if (spec == nullptr || !SettingInEdition(*g.edition, *spec)) return 0;
  if (g.store == nullptr) return spec->field(g);
  if (!IsGamePairSetting(*spec)) return ReadMended(*g.store, *spec);
  const GamePair pair = ReadGamePair(g);
  return spec->name == "FormG" ? pair.formg : pair.vidg;
}

void WriteSetting(Game& g, std::string_view name, int32_t value) {
  if (g.store != nullptr) g.store->Write(name, value);
}

void ResetSettingsToDefaults(Game& g) {
  if (g.store == nullptr) return;
  for (const SettingSpec& spec : SettingsSchema()) {
    if (SettingInEdition(*g.edition, spec) && spec.onReset)
      g.store->Write(spec.name, *spec.onReset);
  }
}
