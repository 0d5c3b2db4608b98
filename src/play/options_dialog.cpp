#include "play/options_dialog.h"

#include <algorithm>

#include "commentary/comment.h"
#include "persistence/settings.h"
#include "persistence/settings_schema.h"
#include "persistence/statistics.h"
#include "play/shortcuts.h"

namespace {

using V = OptionsFormValues;

constexpr OptionsFormBinding kBindings[] = {
    {"Style", &V::Style},
    {"Level", &V::Level},
    {"LevelS", &V::LevelS},
    {"CheckS", &V::CheckS},
    {"Tr_Left_Right", &V::TrLeftRight},
    {"Tr_Suit_Old", &V::TrSuitOld},
    {"Pack", &V::Pack},
    {"Animation", &V::Animation},
    {"SpecEffect", &V::SpecEffect},
    {"ShowCountPack", &V::ShowCountPack},
    {"Stat", &V::Stat},
    // kOptionsFormWrittenFirst: the statistics are cleared here.
    {"NumberOrPercent", &V::NumberOrPercent},
    {"StatSeparate", &V::StatSeparate},
    {"SizeWindow", &V::SizeWindow},
    {"Pos", &V::Pos},
    {"Save", &V::SaveOnExit},
    {"StBar", &V::StBar},
    {"Sound", &V::Sound},
    {"V_Old", &V::V_Old},
    {"V_Sex", &V::V_Sex},
    {"Mess", &V::Mess},
    {"CallNewGame", &V::CallNewGame},
    {"1_Move", &V::FirstMove},
    {"LastCards", &V::LastCards},
    {"ChangeTr", &V::ChangeTr},
    {"1_DiscardTransfer", &V::DiscardTransfer1},
    {"ThrowUpMore6Cards", &V::ThrowUpMore6Cards},
    {"LastCardGame", &V::LastCardGame},
    {"Chat", &V::Chat},
    {"ConfNewgame", &V::ConfNewgame},
    {"MinOnEscape", &V::MinOnEscape},
    {"Search", &V::Search},
    {"ScaleCards", &V::ScaleCards},
};

constexpr std::string_view kSpeed = "Speed";

bool InEdition(const Game& g, std::string_view name) {
  const SettingEntry* entry = FindSetting(name);
  return entry != nullptr && SettingInEdition(*g.edition, *entry);
}

// 2.85 shows the options in force; 2.84 what the store holds.
int32_t ShownValue(Game& g, std::string_view name) {
  if (g.edition->id == EditionId::Kalvenor284) return ReadSetting(g, name);
  return FindSetting(name)->field(g);
}

void WriteBound(Game& g, const OptionsFormValues& v, std::span<const OptionsFormBinding> list) {
  for (const OptionsFormBinding& b : list) {
    if (InEdition(g, b.name)) WriteSetting(g, b.name, v.*b.value);
  }
}

bool HoldsCardBelowSix(const Game& g) {
  for (int row = 0; row <= 5; ++row) {
    for (const TCard& c : g.t.CardGrid[row]) {
      if (c.Present == 1 && c.Rank < Six) return true;
    }
  }
  return false;
}

}  // namespace

std::span<const OptionsFormBinding> OptionsFormBindings() {
  return kBindings;
}

OptionsFormValues OptionsFormAtOpening(Game& g) {
  OptionsFormValues v;
  for (const OptionsFormBinding& b : kBindings) {
    if (InEdition(g, b.name)) v.*b.value = ShownValue(g, b.name);
  }
  v.Speed = ShownValue(g, kSpeed);
  return v;
}

OptionsFormValues OptionsFormDefaults() {
  OptionsFormValues v;
  for (const OptionsFormBinding& b : kBindings) v.*b.value = *FindSetting(b.name)->onReset;
  v.Speed = *FindSetting(kSpeed)->onReset;
  return v;
}

int OptionsFormPage(Game& g) {
  return std::clamp(ShownValue(g, "PropPage"), 0, kOptionsPages - 1);
}

OptionsFormEnabled OptionsFormEnabling(const Game& g, const OptionsFormValues& v) {
  OptionsFormEnabled e;
  e.level = v.Style == kProfessionalStyle;
  e.search = v.Style == kProfessionalStyle;
  e.swindle = v.Style == kSharperStyle;
  e.voice = v.Sound == 2 || v.Sound == 3;
  // The network client plays by the server's rules and pack.
  const bool client = g.program.NetRole == 0;
  e.rules = !client;
  e.deck = !client;
  e.minimiseOnEscape = g.edition->hasMinOnEscape;
  return e;
}

void WriteSpeedAtOnce(Game& g, int32_t speed) {
  WriteSetting(g, kSpeed, speed);
}

void WriteShownPage(Game& g, int page) {
  WriteSetting(g, "PropPage", page);
  // The next opening shows this page, whether or not the settings are read
  // again before it.
  g.t.Options.PropPage = page;
}

void WriteOptionsForm(Game& g, const OptionsFormValues& v, int page, bool clearStatistics,
                      bool allByDefault) {
  const std::span<const OptionsFormBinding> all = kBindings;
  WriteShownPage(g, page);
  WriteBound(g, v, all.first(kOptionsFormWrittenFirst));
  if (clearStatistics) ClearStatistics(g);
  WriteBound(g, v, all.subspan(kOptionsFormWrittenFirst));
  if (allByDefault) ResetSettingsToDefaults(g);
}

void TakeNewOptions(Game& g) {
  const int32_t packBefore = g.program.PackSize;
  TakeStoredOptions(g);
  // A durak deal of 52 cards cannot go on with 36: the cards below the six
  // would lie beyond the places the smaller pack counts and be lost from
  // play. The smaller pack starts with a new deal.
  const bool packShrunk = packBefore == 52 && g.program.PackSize != 52;
  if (packShrunk && IsDurak(g.kind()) && HoldsCardBelowSix(g)) NewGameCommand(g);
}

void TakeStoredOptions(Game& g) {
  TTableState& t = g.t;
  // Memory keeps its running score in the wins counter of its kind.
  TResult* memory = IsMemory(g.kind()) ? &t.Stats.at(static_cast<std::size_t>(t.VidG)) : nullptr;
  const int32_t score = memory != nullptr ? memory->Wins : 0;
  RereadSettings(g);
  if (memory != nullptr) {
    memory->Wins = score;
    g.out->UpdateStatusBar();
  }
  g.out->LayoutTable();
  g.out->PlaceControls();
  Comment(g, t.CommentId, t.ButtonCaptionId);
  g.out->RepaintTable(true);
}
