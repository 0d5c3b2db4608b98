// The Options dialog and the background and card back dialog without their
// widgets: what the controls show at opening, what OK, Cancel, "default" and
// the statistics box write, and the table taking it all at once.
#include "play/options_dialog.h"

#include <gtest/gtest.h>

#include "core/hand_order.h"
#include "durak_table.h"
#include "persistence/settings.h"
#include "persistence/settings_schema.h"
#include "persistence/statistics.h"
#include "play/new_game.h"
#include "play/table_look.h"

namespace {

// A value of each option that differs from its first-start value and from
// its value on reset, and lies in its range.
int32_t Another(std::string_view name) {
  const SettingEntry& e = *FindSetting(name);
  if (name == "Pack") return 52;
  for (int32_t v = e.lowest; v <= e.highest; ++v) {
    if (v != e.firstStart && v != e.onReset.value_or(e.firstStart)) return v;
  }
  return e.firstStart;
}

struct OptionsTable : TestGame {
  explicit OptionsTable(const Edition& e = Edition285()) : TestGame(1, e) {
    EnsureSettingsKey(g, 0, 0);
    LoadSettings(g);
  }
  int32_t Stored(std::string_view name) const { return *store.Read(name); }
};

TEST(OptionsForm, Edition285ShowsTheOptionsInForceAnd284WhatTheStoreHolds) {
  for (const Edition* e : {&Edition285(), &Edition284()}) {
    OptionsTable o(*e);
    // The table state and the store disagree about every option.
    for (const OptionsFormBinding& b : OptionsFormBindings()) {
      const SettingEntry& entry = *FindSetting(b.name);
      if (!SettingInEdition(*e, entry)) continue;
      entry.field(o.g) = Another(b.name);
    }
    o.g.t.Options.Speed = 70;
    const OptionsFormValues v = OptionsFormAtOpening(o.g);
    const bool fromTable = e->id == EditionId::Kalvenar285;
    for (const OptionsFormBinding& b : OptionsFormBindings()) {
      if (!SettingInEdition(*e, *FindSetting(b.name))) continue;
      const int32_t expected = fromTable ? Another(b.name) : o.Stored(b.name);
      EXPECT_EQ(v.*b.value, expected) << b.name << " in " << e->version;
    }
    EXPECT_EQ(v.Speed, fromTable ? 70 : 30);
  }
}

TEST(OptionsForm, OkWritesEveryControlUnderItsNameAndThePageShown) {
  OptionsTable o;
  OptionsFormValues v;
  for (const OptionsFormBinding& b : OptionsFormBindings()) v.*b.value = Another(b.name);
  v.Speed = 80;
  WriteOptionsForm(o.g, v, 4, false, false);
  for (const OptionsFormBinding& b : OptionsFormBindings())
    EXPECT_EQ(o.Stored(b.name), Another(b.name)) << b.name;
  EXPECT_EQ(o.Stored("PropPage"), 4);
  EXPECT_EQ(o.Stored("Speed"), 30) << "the speed is the slider's to write, not OK's";
  EXPECT_EQ(OptionsFormBindings().size(), 33u);
}

TEST(OptionsForm, TheOlderProgramWritesNoMinimiseOnEscape) {
  OptionsTable o(Edition284());
  WriteOptionsForm(o.g, OptionsFormDefaults(), 0, false, false);
  EXPECT_FALSE(o.store.Read("MinOnEscape"));
  EXPECT_FALSE(OptionsFormEnabling(o.g, {}).minimiseOnEscape);
}

TEST(OptionsForm, ClearingTheStatisticsZeroesEveryCounterTheMemoryRecordsToo) {
  OptionsTable o;
  for (int v = 0; v < 26; ++v) o.g.t.Stats[v] = {v + 1, v + 2, v + 3};
  WriteStatistics(o.g);
  ASSERT_EQ(o.Stored("R_Memory52"), 27);
  WriteOptionsForm(o.g, OptionsFormAtOpening(o.g), 0, true, false);
  for (int v = 0; v < 26; ++v) {
    for (int which = 0; which < 3; ++which) {
      const std::string_view name = StatisticName(Edition285(), v, which);
      EXPECT_EQ(o.Stored(name), 0) << name;
    }
  }
}

TEST(OptionsForm, DefaultWritesTheResetValuesAndLeavesLookGameAndLanguage) {
  OptionsTable o;
  for (const char* name : {"Suit", "BackGr", "Lang", "Width", "Height", "Style", "Sound"})
    o.store.Write(name, Another(name));
  OptionsFormValues shown;
  for (const OptionsFormBinding& b : OptionsFormBindings()) shown.*b.value = Another(b.name);
  WriteOptionsForm(o.g, shown, 2, false, true);
  EXPECT_EQ(o.Stored("Width"), 600);
  EXPECT_EQ(o.Stored("Height"), 437);
  EXPECT_EQ(o.Stored("Style"), 5);
  EXPECT_EQ(o.Stored("Sound"), 0);
  EXPECT_EQ(o.Stored("Speed"), 30);
  for (const char* kept : {"Suit", "BackGr", "Lang"}) EXPECT_EQ(o.Stored(kept), Another(kept));
  // The box puts the controls at those same values.
  const OptionsFormValues d = OptionsFormDefaults();
  EXPECT_EQ(d.Style, 5);
  EXPECT_EQ(d.Level, 1);
  EXPECT_EQ(d.CheckS, 1);
  EXPECT_EQ(d.TrSuitOld, 1);
  EXPECT_EQ(d.Pack, 36);
  EXPECT_EQ(d.Speed, 30);
  EXPECT_EQ(d.Mess, 1);
  EXPECT_EQ(d.MinOnEscape, 1);
  EXPECT_EQ(d.SizeWindow, 1);
  EXPECT_EQ(d.Pos, 0);
}

TEST(OptionsForm, TheLevelAndStrongPlayAreTheProfessionalsTheSwindleTheSharpers) {
  OptionsTable o;
  const struct {
    int32_t style, sound;
    bool level, swindle, voice;
  } cases[] = {
      {5, 0, true, false, false},
      {4, 1, false, true, false},
      {0, 2, false, false, true},
      {3, 3, false, false, true},
  };
  for (const auto& c : cases) {
    OptionsFormValues v;
    v.Style = c.style;
    v.Sound = c.sound;
    const OptionsFormEnabled e = OptionsFormEnabling(o.g, v);
    EXPECT_EQ(e.level, c.level) << c.style;
    EXPECT_EQ(e.search, c.level) << c.style;
    EXPECT_EQ(e.swindle, c.swindle) << c.style;
    EXPECT_EQ(e.voice, c.voice) << c.sound;
    EXPECT_TRUE(e.rules);
  }
  o.g.program.NetRole = 0;  // the network client plays by the server's rules
  EXPECT_FALSE(OptionsFormEnabling(o.g, {}).rules);
  EXPECT_FALSE(OptionsFormEnabling(o.g, {}).deck);
}

TEST(OptionsForm, CancelKeepsThePageOnlyAndTheDialogReopensThere) {
  OptionsTable o;
  WriteShownPage(o.g, 5);
  EXPECT_EQ(o.Stored("PropPage"), 5);
  LoadSettings(o.g);
  EXPECT_EQ(OptionsFormPage(o.g), 5);
  o.g.t.Options.PropPage = 99;  // a page the dialog does not have
  EXPECT_EQ(OptionsFormPage(o.g), kOptionsPages - 1);
}

TEST(OptionsForm, TheTableTakesTheNewOptionsAtOnce) {
  DurakTable t(0, 1, Hearts);
  t.Player({C(Clubs, Six), C(Hearts, Seven), C(Clubs, Ace), C(Spades, Nine)});
  t.g.t.CommentId = 2;
  OptionsFormValues v = OptionsFormAtOpening(t.g);
  v.TrSuitOld = 0;  // by suits, trumps at the right
  v.TrLeftRight = 1;
  v.Style = 2;
  WriteOptionsForm(t.g, v, 0, false, false);
  t.out.calls.clear();
  TakeNewOptions(t.g);
  EXPECT_EQ(t.g.t.Options.Style, 2);
  EXPECT_EQ(t.g.t.Options.TrSuitOld, 0);
  EXPECT_EQ(t.At(1, 3), C(Hearts, Seven)) << "the trump went to the right end at once";
  for (const char* call : {"status bar", "layout", "place controls", "repaint", "background 0"})
    EXPECT_EQ(t.out.Count(call), 1) << call;
  EXPECT_EQ(t.g.t.CommentId, 2);
}

TEST(OptionsForm, ASmallerPackUnderAFullPackDurakDealStartsANewDeal) {
  OptionsTable o;
  o.Select(0, 1);
  o.store.Write("Pack", 52);
  LoadSettings(o.g);
  NewGame(o.g);
  ASSERT_EQ(o.g.t.RowCount[5], 39);
  OptionsFormValues v = OptionsFormAtOpening(o.g);
  v.Pack = 36;
  WriteOptionsForm(o.g, v, 1, false, false);
  TakeNewOptions(o.g);
  EXPECT_EQ(o.g.program.PackSize, 36);
  for (const auto& row : o.g.t.CardGrid) {
    for (const TCard& c : row) {
      if (c.Present == 1) {
        EXPECT_GE(c.Rank, Six) << "a card of the old pack stayed";
      }
    }
  }

  // A larger pack waits for the next deal.
  const auto grid = o.g.t.CardGrid;
  v.Pack = 52;
  WriteOptionsForm(o.g, v, 1, false, false);
  TakeNewOptions(o.g);
  EXPECT_EQ(o.g.program.PackSize, 52);
  EXPECT_EQ(o.g.t.CardGrid, grid);
}

TEST(OptionsForm, MemoryKeepsItsRunningScoreThroughTheRereading) {
  OptionsTable o;
  o.Select(25, 0);
  o.g.t.Stats[25].Wins = 9;
  TakeStoredOptions(o.g);
  EXPECT_EQ(o.g.t.Stats[25].Wins, 9);
}

// ---- The background and card back dialog ------------------------------------

TEST(TableLook, ABackOfTheSecondSetOpensThatSetFramedAndOthersFramesNothing) {
  OptionsTable o;
  o.g.t.Options.CardBack = 70;
  LookChoice c = OpenLookChoice(o.g, LookMode::CardBack);
  EXPECT_EQ(c.set, 1);
  EXPECT_EQ(FramedLookPicture(o.g, c), 4);
  SwitchBackSet(c);
  EXPECT_EQ(c.set, 0);
  EXPECT_EQ(FramedLookPicture(o.g, c), -1);
  EXPECT_EQ(LookPictureValue(c, 13), 65);

  o.g.t.Options.CardBack = 65;
  const LookChoice first = OpenLookChoice(o.g, LookMode::CardBack);
  EXPECT_EQ(first.set, 0);
  EXPECT_EQ(FramedLookPicture(o.g, first), 13);
}

TEST(TableLook, AClickTakesThePictureAtOnceAndCancelPutsBackTheOneAtOpening) {
  for (const LookMode mode : {LookMode::Background, LookMode::CardBack}) {
    OptionsTable o;
    o.g.t.Options.BackGr = 2;
    o.g.t.Options.CardBack = 54;
    o.store.Write("BackGr", 2);
    o.store.Write("Suit", 54);
    const LookChoice c = OpenLookChoice(o.g, mode);
    const char* name = LookSettingName(mode);
    o.out.calls.clear();
    ChooseLook(o.g, c, 9);
    const int32_t chosen = mode == LookMode::Background ? 9 : 61;
    EXPECT_EQ(o.Stored(name), chosen);
    EXPECT_EQ(mode == LookMode::Background ? o.g.t.Options.BackGr : o.g.t.Options.CardBack, chosen);
    EXPECT_EQ(FramedLookPicture(o.g, c), 9);
    EXPECT_EQ(o.out.Count("repaint"), 1) << "the table shows it behind the dialog";

    TakeBackLook(o.g, c);
    EXPECT_EQ(o.Stored(name), mode == LookMode::Background ? 2 : 54);
    EXPECT_EQ(o.g.t.Options.BackGr, 2);
    EXPECT_EQ(o.g.t.Options.CardBack, 54);
  }
}

}  // namespace
