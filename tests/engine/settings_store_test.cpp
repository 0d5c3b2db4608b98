#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/hand_order.h"
#include "persistence/settings.h"
#include "persistence/settings_schema.h"
#include "persistence/statistics.h"
#include "test_game.h"

namespace {

// A store that remembers the order of the writes as well as the values.
class WriteLogStore final : public ISettingsStore {
 public:
  bool KeyExists() const override { return values.KeyExists(); }
  std::optional<int32_t> Read(std::string_view name) const override { return values.Read(name); }
  void Write(std::string_view name, int32_t value) override {
    writes.emplace_back(std::string(name), value);
    values.Write(name, value);
  }
  MemoryStore values;
  std::vector<std::pair<std::string, int32_t>> writes;
};

std::vector<std::string> EditionSettingNames(const Edition& e) {
  std::vector<std::string> names;
  for (const SettingEntry& s : SettingsSchema()) {
    if (SettingInEdition(e, s)) names.emplace_back(s.name);
  }
  return names;
}

std::vector<std::string> CounterNames(const Edition& e) {
  std::vector<std::string> names;
  for (int v = 0; v < e.kindCount; ++v) {
    for (int which = 0; which < 3; ++which) names.emplace_back(StatisticName(e, v, which));
  }
  return names;
}

int32_t Stored(const TestGame& t, const char* name) {
  return t.store.Read(name).value_or(-999);
}

// ---------------------------------------------------------------- first start

TEST(FirstStart, WritesEveryOptionInTableOrderThenEveryCounterAsZero) {
  TestGame t;
  WriteLogStore log;
  t.g.store = &log;
  ASSERT_TRUE(EnsureSettingsKey(t.g, 140, 90));

  const std::vector<std::string> options = EditionSettingNames(Edition285());
  const std::vector<std::string> counters = CounterNames(Edition285());
  ASSERT_EQ(options.size(), SettingsSchema().size());
  ASSERT_EQ(counters.size(), 78u);
  ASSERT_EQ(log.writes.size(), options.size() + counters.size());
  for (size_t i = 0; i < options.size(); ++i) {
    const SettingEntry& entry = *FindSetting(options[i]);
    const int32_t expected = entry.name == "Left" ? 140 : entry.name == "Top" ? 90 : entry.firstStart;
    EXPECT_EQ(log.writes[i].first, options[i]);
    EXPECT_EQ(log.writes[i].second, expected) << options[i];
  }
  for (size_t i = 0; i < counters.size(); ++i) {
    EXPECT_EQ(log.writes[options.size() + i].first, counters[i]);
    EXPECT_EQ(log.writes[options.size() + i].second, 0);
  }
}

TEST(FirstStart, TheWindowPositionAtCreationIsStoredAsLeftAndTop) {
  TestGame t;
  EnsureSettingsKey(t.g, 333, 44);
  EXPECT_EQ(Stored(t, "Left"), 333);
  EXPECT_EQ(Stored(t, "Top"), 44);
  EXPECT_EQ(Stored(t, "Width"), 635);
  EXPECT_EQ(Stored(t, "Height"), 475);
}

TEST(FirstStart, AnExistingKeyIsLeftAsItIs) {
  TestGame t;
  t.store.Write("Style", 2);
  EXPECT_FALSE(EnsureSettingsKey(t.g, 0, 0));
  EXPECT_EQ(t.store.Values().size(), 1u);
  EXPECT_EQ(Stored(t, "Style"), 2);
}

TEST(FirstStart, Edition284HasNoMinOnEscapeAndSixtySixCounters) {
  TestGame t(1, Edition284());
  WriteLogStore log;
  t.g.store = &log;
  EnsureSettingsKey(t.g, 0, 0);
  EXPECT_EQ(log.writes.size(), SettingsSchema().size() - 1 + 66u);
  EXPECT_FALSE(log.values.Read("MinOnEscape").has_value());
  EXPECT_EQ(log.values.Read("R_Memory"), 0);
  EXPECT_FALSE(log.values.Read("R_Memory36").has_value());
  EXPECT_FALSE(log.values.Read("S_My_hearts").has_value());
}

TEST(FirstStart, LoadingAFreshKeyGivesTheFirstStartOptions) {
  TestGame t;
  t.g.t.Options.Style = 0;
  t.g.t.Options.Speed = 90;
  t.g.program.PackSize = 52;
  t.g.t.Stats[3].Wins = 8;
  EnsureSettingsKey(t.g, 0, 0);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.Options.Style, 5);
  EXPECT_EQ(t.g.t.Options.Speed, 30);
  EXPECT_EQ(t.g.program.PackSize, 36);
  EXPECT_EQ(t.g.t.Stats[3].Wins, 0);
}

// ---------------------------------------------------------------- reset and clearing

TEST(ResetToDefaults, WritesTheResetColumnAndLeavesTheRestAlone) {
  TestGame t;
  EnsureSettingsKey(t.g, 10, 20);
  // Every option moved away from its first-start value.
  for (const SettingEntry& s : SettingsSchema()) {
    const int32_t other = s.name == "Pack"            ? 52
                          : s.firstStart == s.highest ? s.lowest
                                                      : s.firstStart + 1;
    t.store.Write(s.name, other);
  }
  const MemoryStore before = t.store;
  ResetSettingsToDefaults(t.g);

  EXPECT_EQ(Stored(t, "Width"), 600);
  EXPECT_EQ(Stored(t, "Height"), 437);
  for (const char* kept :
       {"Suit", "BackGr", "FormG", "VidG", "Lang", "PropPage", "Left", "Top", "SizeStateWindow"}) {
    EXPECT_EQ(Stored(t, kept), before.Read(kept).value()) << kept;
  }
  for (const SettingEntry& s : SettingsSchema()) {
    if (s.onReset) {
      EXPECT_EQ(Stored(t, std::string(s.name).c_str()), *s.onReset) << s.name;
    }
  }
}

TEST(ClearStatistics, WritesZeroUnderEveryCounterNameIncludingTheMemoryRecords) {
  TestGame t;
  WriteLogStore log;
  t.g.store = &log;
  for (const std::string& name : CounterNames(Edition285())) log.values.Write(name, 7);
  for (TResult& r : t.g.t.Stats) r = {3, 4, 5};

  ClearStatistics(t.g);

  EXPECT_EQ(log.writes.size(), 78u);
  for (const std::string& name : CounterNames(Edition285())) EXPECT_EQ(log.values.Read(name), 0);
  EXPECT_EQ(log.values.Read("R_Memory36"), 0);
  EXPECT_EQ(log.values.Read("R_Memory52"), 0);
  for (const TResult& r : t.g.t.Stats) EXPECT_EQ(r.Wins + r.Losses + r.Draws, 0);
}

TEST(ClearStatistics, Edition284WritesItsSixtySixCounters) {
  TestGame t(1, Edition284());
  WriteLogStore log;
  t.g.store = &log;
  ClearStatistics(t.g);
  EXPECT_EQ(log.writes.size(), 66u);
  EXPECT_EQ(log.values.Read("R_Memory"), 0);
}

// ---------------------------------------------------------------- reading statistics

TEST(ReadStatistics, EveryCounterStoredAsSNullGetsTheSameValue) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("S_Null", 5);
  t.store.Write("R_Memory52", 17);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.Stats[6].Draws, 5);   // Eights has no draws of its own
  EXPECT_EQ(t.g.t.Stats[23].Draws, 5);  // nor Hearts
  EXPECT_EQ(t.g.t.Stats[24].Wins, 5);   // a Memory game's running score
  EXPECT_EQ(t.g.t.Stats[25].Draws, 5);
  EXPECT_EQ(t.g.t.Stats[25].Losses, 17);
  EXPECT_EQ(t.g.t.Stats[0].Draws, 0);  // Simple durak counts its own draws
}

TEST(ReadStatistics, CountersGoToTheirKinds) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("S_My_j", 4);
  t.store.Write("S_Comp_road", 9);
  t.store.Write("S_Nobodys_c", 2);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.Stats[1].Wins, 4);
  EXPECT_EQ(t.g.t.Stats[4].Losses, 9);
  EXPECT_EQ(t.g.t.Stats[5].Draws, 2);
}

// ---------------------------------------------------------------- healing

TEST(Healing, AMissingOptionIsReadAsItsFirstStartValueAndWrittenBack) {
  TestGame t;
  t.store.Write("Level", 3);  // the key exists, but holds only this
  t.g.t.Options.Speed = 70;
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.Options.Level, 3);
  EXPECT_EQ(t.g.t.Options.Speed, 30);
  EXPECT_EQ(Stored(t, "Speed"), 30);
  // After one load the key is whole again.
  for (const SettingEntry& s : SettingsSchema()) EXPECT_TRUE(t.store.Read(s.name).has_value());
  for (const std::string& n : CounterNames(Edition285())) EXPECT_EQ(t.store.Read(n), 0);
}

TEST(Healing, ValuesTheProgramCannotUseGoBackToTheirFirstStartValues) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  const std::pair<const char*, int32_t> damaged[] = {
      {"Pack", 40}, {"Suit", 80},  {"Suit", 51},      {"BackGr", 14},
      {"Style", 6}, {"Level", -1}, {"Speed", 95},     {"Sound", 4},
      {"Lang", 2},  {"1_Move", 4}, {"ScaleCards", 2}, {"ScaleCards", -1}};
  for (const auto& [name, bad] : damaged) {
    t.store.Write(name, bad);
    LoadSettings(t.g);
    EXPECT_EQ(Stored(t, name), FindSetting(name)->firstStart) << name << " " << bad;
  }
  EXPECT_EQ(t.g.program.PackSize, 36);
  EXPECT_EQ(t.g.t.Options.CardBack, 52);
  EXPECT_EQ(t.g.program.Lang, 0);
}

TEST(Healing, UsableValuesSurviveNextToDamagedOnes) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("Pack", 52);
  t.store.Write("Suit", 60);
  t.store.Write("BackGr", 13);
  t.store.Write("Speed", 10);
  t.store.Write("Style", 77);
  t.store.Write("ScaleCards", 1);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.program.PackSize, 52);
  EXPECT_EQ(t.g.t.Options.BackIndex(), 8);
  EXPECT_EQ(t.g.t.Options.BackGr, 13);
  EXPECT_EQ(t.g.t.Options.Speed, 10);
  EXPECT_EQ(t.g.t.Options.Style, 5);
  EXPECT_EQ(t.g.t.Options.ScaleCards, 1);
}

TEST(Healing, AGamePairOutsideTheCatalogueGoesBackToSimpleDurak) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("VidG", 4);  // Road durak has no simple form
  t.store.Write("FormG", 0);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.VidG, 0);
  EXPECT_EQ(t.g.t.FormG, 0);
  EXPECT_EQ(Stored(t, "VidG"), 0);
  EXPECT_EQ(Stored(t, "FormG"), 0);
}

TEST(Healing, AGamePairOfTheCatalogueIsKept) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("VidG", 5);
  t.store.Write("FormG", 8);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.VidG, 5);
  EXPECT_EQ(t.g.t.FormG, 8);
}

TEST(Healing, EachEditionChecksThePairAgainstItsOwnCatalogue) {
  TestGame newer;
  TestGame older(1, Edition284());
  for (TestGame* t : {&newer, &older}) {
    EnsureSettingsKey(t->g, 0, 0);
    t->store.Write("VidG", 23);  // Hearts, which 2.84 does not have
    LoadSettings(t->g);
  }
  EXPECT_EQ(newer.g.t.VidG, 23);
  EXPECT_EQ(older.g.t.VidG, 0);
  EXPECT_EQ(Stored(older, "VidG"), 0);

  older.store.Write("VidG", 21);  // 2.84's Memory
  LoadSettings(older.g);
  EXPECT_EQ(older.g.t.VidG, 21);
}

TEST(Healing, ANegativeCounterIsReadAsZeroAndTheOthersAreKept) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("S_My", -4);
  t.store.Write("S_Comp", 6);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.Stats[0].Wins, 0);
  EXPECT_EQ(t.g.t.Stats[0].Losses, 6);
  EXPECT_EQ(Stored(t, "S_My"), 0);
  EXPECT_EQ(Stored(t, "S_Comp"), 6);
}

TEST(Healing, ReadingOneOptionMendsItToo) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("Mess", 9);
  EXPECT_EQ(ReadSetting(t.g, "Mess"), 1);
  EXPECT_EQ(Stored(t, "Mess"), 1);
  t.store.Write("Mess", 3);
  EXPECT_EQ(ReadSetting(t.g, "Mess"), 3);
}

// ---------------------------------------------------------------- applying

TEST(LoadSettings, RefreshesTheStatusBarAndTheBackground) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.store.Write("BackGr", 7);
  LoadSettings(t.g);
  EXPECT_EQ(t.out.Count("status bar"), 1);
  EXPECT_EQ(t.out.Count("background 7"), 1);
}

TEST(LoadSettings, OnlyTheSharperKeepsTheGuessingGameGoing) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.g.t.GuessMode = 1;
  t.store.Write("Style", 4);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.GuessMode, 1);
  t.store.Write("Style", 3);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.GuessMode, 0);
}

TEST(LoadSettings, ThePlayersHandFollowsTheStoredOrdering) {
  TestGame t;
  EnsureSettingsKey(t.g, 0, 0);
  t.g.t.TrumpSuit = Hearts;
  t.SetRow(1, {C(Hearts, Six), C(Clubs, Ace), C(Spades, Two)});
  t.store.Write("Tr_Left_Right", 1);  // trumps at the right
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.SuitAt(1, 2), Hearts);
  t.store.Write("Tr_Left_Right", 0);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.SuitAt(1, 0), Hearts);
}

TEST(WriteSetting, WritesOneValue) {
  TestGame t;
  WriteSetting(t.g, "Animation", 0);
  EXPECT_EQ(t.store.Values().size(), 1u);
  EXPECT_EQ(Stored(t, "Animation"), 0);
}

}  // namespace
