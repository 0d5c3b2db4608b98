// The programs' settings file: a real INI file under $XDG_CONFIG_HOME, which
// this test points at a temporary folder before any settings are opened.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <string>

#include "core/catalogue.h"
#include "core/game.h"
#include "persistence/settings.h"
#include "persistence/settings_schema.h"
#include "persistence/statistics.h"
#include "ui/qt_settings_store.h"

namespace {

QTemporaryDir* configHome = nullptr;

QString ExpectedFile(const Edition& e) {
  return configHome->path() + "/Software/" + QString::fromUtf8(e.settingsKey.data()) + ".ini";
}

QString Key(std::string_view name) {
  return QString::fromUtf8(name.data(), name.size());
}

// What a program does at start: its store, its game, the key ensured.
struct Program {
  explicit Program(const Edition& e)
      : clock(1), game(e, callouts, clock), store(std::make_unique<QtSettingsStore>(e)) {
    game.store = store.get();
    ApplyFirstStartValues(game);
  }
  FixedClock clock;
  NullCallouts callouts;
  Game game;
  std::unique_ptr<QtSettingsStore> store;
};

void WriteRawFile(const Edition& e, const QByteArray& text) {
  QDir().mkpath(configHome->path() + "/Software");
  QFile f(ExpectedFile(e));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(text);
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(ExpectedFile(Edition285()));
    QFile::remove(ExpectedFile(Edition284()));
  }
};

std::set<std::string> CounterNames(const Edition& e) {
  std::set<std::string> names;
  for (int v = 0; v < e.kindCount; ++v) {
    for (int which = 0; which < 3; ++which) names.emplace(StatisticName(e, v, which));
  }
  return names;
}

TEST_F(SettingsFile, EachProgramHasItsOwnFileUnderTheUsersConfigFolder) {
  EXPECT_EQ(QtSettingsStore(Edition285()).FileName(), ExpectedFile(Edition285()));
  EXPECT_EQ(QtSettingsStore(Edition284()).FileName(), ExpectedFile(Edition284()));
  EXPECT_TRUE(ExpectedFile(Edition285()).endsWith("/Software/Kalvenor2_85.ini"));
  EXPECT_TRUE(ExpectedFile(Edition284()).endsWith("/Software/Kalvenor2_84.ini"));
}

TEST_F(SettingsFile, FirstStartWritesEveryOptionAndZeroCounters) {
  for (const Edition* e : {&Edition285(), &Edition284()}) {
    {
      Program p(*e);
      ASSERT_FALSE(p.store->KeyExists());
      ASSERT_TRUE(EnsureSettingsKey(p.game, 210, 130));
      EXPECT_TRUE(p.store->KeyExists());
    }
    QSettings file(ExpectedFile(*e), QSettings::IniFormat);  // as another program reads it
    size_t options = 0;
    for (const SettingEntry& s : SettingsSchema()) {
      if (!SettingInEdition(*e, s)) {
        EXPECT_FALSE(file.contains(Key(s.name))) << s.name;
        continue;
      }
      ++options;
      const int32_t expected = s.name == "Left" ? 210 : s.name == "Top" ? 130 : s.firstStart;
      EXPECT_EQ(file.value(Key(s.name)).toString(), QString::number(expected)) << s.name;
    }
    const std::set<std::string> counters = CounterNames(*e);
    for (const std::string& name : counters) {
      EXPECT_EQ(file.value(Key(name)).toString(), "0") << name;
    }
    // Nothing but our values: the options plus each counter name once.
    EXPECT_EQ(static_cast<size_t>(file.allKeys().size()), options + counters.size());
    EXPECT_EQ(options, SettingsSchema().size() - (e->hasMinOnEscape ? 0 : 1));
  }
}

TEST_F(SettingsFile, ADamagedFileHealsWithoutLosingTheGoodValues) {
  WriteRawFile(Edition285(),
               "[General]\n"
               "Style=sharper\n"    // not an integer
               "Level=2\n"          // good
               "Pack=40\n"          // no such pack
               "Suit=51\n"          // below the card backs
               "BackGr=14\n"        // past the last texture
               "Width=12abc\n"      // not an integer
               "Height=512\n"       // good
               "Sound=3.5\n"        // not an integer
               "Mess=1, 2\n"        // a list, not an integer
               "VidG=4\n"           // Road durak ...
               "FormG=0\n"          // ... has no simple form
               "Speed=50\n"         // good
               "S_My=-3\n"          // negative counter
               "S_Comp=7\n"         // good
               "R_Memory36=41\n");  // good
  {
    Program p(Edition285());
    ASSERT_TRUE(p.store->KeyExists());
    EXPECT_FALSE(EnsureSettingsKey(p.game, 0, 0));
    LoadSettings(p.game);
    const TTableState& t = p.game.t;
    EXPECT_EQ(t.Options.Style, 5);
    EXPECT_EQ(t.Options.Level, 2);
    EXPECT_EQ(p.game.program.PackSize, 36);
    EXPECT_EQ(t.Options.CardBack, 52);
    EXPECT_EQ(t.Options.BackGr, 0);
    EXPECT_EQ(t.Options.Width, 635);
    EXPECT_EQ(t.Options.Height, 512);
    EXPECT_EQ(t.Options.Sound, 0);
    EXPECT_EQ(t.Options.Mess, 1);
    EXPECT_EQ(t.Options.Speed, 50);
    EXPECT_EQ(t.VidG, 0);
    EXPECT_EQ(t.FormG, 0);
    EXPECT_EQ(t.Stats[0].Wins, 0);
    EXPECT_EQ(t.Stats[0].Losses, 7);
    EXPECT_EQ(t.Stats[24].Losses, 41);
  }
  QSettings file(ExpectedFile(Edition285()), QSettings::IniFormat);
  const std::pair<const char*, const char*> healed[] = {
      {"Style", "5"},      {"Level", "2"},    {"Pack", "36"}, {"Suit", "52"},  {"BackGr", "0"},
      {"Width", "635"},    {"Height", "512"}, {"Sound", "0"}, {"Mess", "1"},   {"VidG", "0"},
      {"FormG", "0"},      {"Speed", "50"},   {"S_My", "0"},  {"S_Comp", "7"}, {"R_Memory36", "41"},
      {"CallNewGame", "1"}};  // missing before, first-start value now
  for (const auto& [name, value] : healed) EXPECT_EQ(file.value(name).toString(), value) << name;
  // The key is whole again.
  for (const SettingEntry& s : SettingsSchema()) EXPECT_TRUE(file.contains(Key(s.name))) << s.name;
  for (const std::string& n : CounterNames(Edition285())) EXPECT_TRUE(file.contains(Key(n))) << n;
}

TEST_F(SettingsFile, AValueWrittenByOneRunIsReadByTheNext) {
  {
    Program p(Edition284());
    EnsureSettingsKey(p.game, 0, 0);
    WriteSetting(p.game, "VidG", 21);  // 2.84's Memory
    WriteSetting(p.game, "Lang", 1);
  }
  Program next(Edition284());
  LoadSettings(next.game);
  EXPECT_EQ(next.game.t.VidG, 21);
  EXPECT_EQ(next.game.program.Lang, 1);
  EXPECT_FALSE(QFile::exists(ExpectedFile(Edition285())));
}

TEST(StoredInteger, OnlyPlainDecimalIntegersThatFitCount) {
  EXPECT_EQ(ParseStoredInteger("36"), 36);
  EXPECT_EQ(ParseStoredInteger("-7"), -7);
  EXPECT_EQ(ParseStoredInteger("+7"), 7);
  EXPECT_EQ(ParseStoredInteger(" 52 "), 52);
  EXPECT_EQ(ParseStoredInteger("2147483647"), 2147483647);
  EXPECT_FALSE(ParseStoredInteger("2147483648"));
  EXPECT_FALSE(ParseStoredInteger(""));
  EXPECT_FALSE(ParseStoredInteger("-"));
  EXPECT_FALSE(ParseStoredInteger("0x24"));
  EXPECT_FALSE(ParseStoredInteger("1e3"));
  EXPECT_FALSE(ParseStoredInteger("3.0"));
  EXPECT_FALSE(ParseStoredInteger("36 cards"));
}

}  // namespace

int main(int argc, char** argv) {
  // Before any settings object exists: QSettings fixes its folders at first use.
  QTemporaryDir dir;
  if (!dir.isValid()) return 2;
  configHome = &dir;
  qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
