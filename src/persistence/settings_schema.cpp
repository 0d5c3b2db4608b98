#include "persistence/settings_schema.h"

#include "core/game.h"

namespace {

#define OPTION(member) [](Game& g) -> int32_t& { return g.t.Options.member; }

const SettingEntry kSchema[] = {
    {"Style", "playing style of the computer 0..5", 5, 5, 0, 5, OPTION(Style)},
    {"Level", "playing level 0..3", 1, 1, 0, 3, OPTION(Level)},
    {"LevelS", "swindle level 0 low, 1 high", 0, 0, 0, 1, OPTION(LevelS)},
    {"CheckS", "checking for the sharper's swindle", 1, 1, 0, 1, OPTION(CheckS)},
    {"Tr_Left_Right", "trumps at the left (0) or right (1) of the hand", 0, 0, 0, 1,
     OPTION(TrLeftRight)},
    {"Tr_Suit_Old", "hand sorting by suits (0) or by rank (1)", 1, 1, 0, 1, OPTION(TrSuitOld)},
    {"Pack", "pack size, 36 or 52", 36, 36, 36, 52,
     [](Game& g) -> int32_t& { return g.program.PackSize; }},
    {"Speed", "card movement speed 10..90", 30, 30, 10, 90, OPTION(Speed)},
    {"Animation", "card movement animation", 1, 1, 0, 1, OPTION(Animation)},
    {"SpecEffect", "special effects", 1, 1, 0, 1, OPTION(SpecEffect)},
    {"ShowCountPack", "show the number of cards left in the stock", 0, 0, 0, 1,
     OPTION(ShowCountPack)},
    {"Stat", "show the statistics in the status bar", 1, 1, 0, 1, OPTION(Stat)},
    {"StatSeparate", "separate statistics per kind", 0, 0, 0, 1, OPTION(StatSeparate)},
    {"NumberOrPercent", "statistics as counts (0) or percentages (1)", 0, 0, 0, 1,
     OPTION(NumberOrPercent)},
    {"SizeWindow", "keep the window size between runs", 1, 1, 0, 1, OPTION(SizeWindow)},
    {"Pos", "keep the window position between runs", 0, 0, 0, 1, OPTION(Pos)},
    {"SizeStateWindow", "the window was maximised when last closed", 0, std::nullopt, 0, 1,
     OPTION(SizeStateWindow)},
    {"Left", "window left edge", 0, std::nullopt, INT32_MIN, INT32_MAX, OPTION(Left)},
    {"Top", "window top edge", 0, std::nullopt, INT32_MIN, INT32_MAX, OPTION(Top)},
    {"Height", "window height", 475, 437, 1, INT32_MAX, OPTION(Height)},
    {"Width", "window width", 635, 600, 1, INT32_MAX, OPTION(Width)},
    {"Save", "save the game on closing", 0, 0, 0, 1, OPTION(SaveOnExit)},
    {"StBar", "show the status bar", 1, 1, 0, 1, OPTION(StBar)},
    {"Suit", "card back: image index 52 + back number", 52, std::nullopt, 52, 79, OPTION(CardBack)},
    {"BackGr", "table background picture", 0, std::nullopt, 0, 13, OPTION(BackGr)},
    {"FormG", "current game form", 0, std::nullopt, 0, 9,
     [](Game& g) -> int32_t& { return g.t.FormG; }},
    {"VidG", "current game kind", 0, std::nullopt, 0, 25,
     [](Game& g) -> int32_t& { return g.t.VidG; }},
    {"PropPage", "page of the options dialog shown last", 0, std::nullopt, 0, INT32_MAX,
     OPTION(PropPage)},
    {"Lang", "interface language: 0 Russian, 1 English", 0, std::nullopt, 0, 1,
     [](Game& g) -> int32_t& { return g.program.Lang; }},
    {"Sound", "0 none, 1 effects, 2 voice, 3 both", 0, 0, 0, 3, OPTION(Sound)},
    {"V_Sex", "voice: 0 male, 1 female", 0, 0, 0, 1, OPTION(V_Sex)},
    {"V_Old", "voice: 0 adult, 1 child", 0, 0, 0, 1, OPTION(V_Old)},
    {"Mess", "sound for network messages 0..3", 1, 1, 0, 3, OPTION(Mess)},
    {"CallNewGame", "deal anew when switching to another kind", 1, 1, 0, 1, OPTION(CallNewGame)},
    {"1_Move", "first move: 0 traditional, 1 lowest trump, 2 player, 3 computer", 0, 0, 0, 3,
     OPTION(FirstMove)},
    {"LastCards", "last cards of the stock: 0 to the first mover, 1 shared", 0, 0, 0, 1,
     OPTION(LastCards)},
    {"1_DiscardTransfer", "the first round may not be transferred", 0, 0, 0, 1,
     OPTION(DiscardTransfer1)},
    {"ChangeTr", "exchange of the trump six (two): 0 nobody, 1 player, 2 computer, 3 both", 0, 0, 0,
     3, OPTION(ChangeTr)},
    {"ThrowUpMore6Cards", "more than 6 cards may be thrown in", 0, 0, 0, 1,
     OPTION(ThrowUpMore6Cards)},
    {"LastCardGame", "play without draws", 0, 0, 0, 1, OPTION(LastCardGame)},
    {"Chat", "incoming chat in the status bar (0) or the commentary (1)", 0, 0, 0, 1, OPTION(Chat)},
    {"ConfNewgame", "confirmation after the end of a game", 0, 0, 0, 1, OPTION(ConfNewgame)},
    {"MinOnEscape", "the Escape key minimises the program", 1, 1, 0, 1, OPTION(MinOnEscape)},
    {"Search", "the professional searches the unseen cards (strong play)", 0, 0, 0, 1,
     OPTION(Search)},
    {"ScaleCards", "cards, places and table controls grow with the window", 0, 0, 0, 1,
     OPTION(ScaleCards)},
};

#undef OPTION

}  // namespace

std::span<const SettingEntry> SettingsSchema() {
  return kSchema;
}

bool SettingValueUsable(const SettingEntry& entry, int32_t value) {
  if (entry.name == "Pack") return value == 36 || value == 52;
  return value >= entry.lowest && value <= entry.highest;
}

bool SettingInEdition(const Edition& e, const SettingEntry& entry) {
  return e.hasMinOnEscape || entry.name != "MinOnEscape";
}

const SettingEntry* FindSetting(std::string_view name) {
  for (const SettingEntry& s : kSchema) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

void ApplyFirstStartValues(Game& g) {
  for (const SettingEntry& s : kSchema) s.field(g) = s.firstStart;
}
