// The settings file is the player's statistics: a program killed while it
// writes them (a crash, a power cut) must leave the file it had, or the new
// one, whole. Here a child process rewrites every counter again and again,
// each time with one number, and is killed at a random moment; the file read
// afterwards must hold every counter, all with the same number.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <random>
#include <set>

#include "core/edition.h"
#include "persistence/statistics.h"
#include "ui/qt_settings_store.h"

namespace {

void WriteEveryCounter(const Edition& e, int32_t value) {
  QtSettingsStore store(e);
  for (int v = 0; v < e.kindCount; ++v)
    for (int which = 0; which < 3; ++which) store.Write(StatisticName(e, v, which), value);
}  // the store reaches the file here, as it does when the program leaves its event loop

[[noreturn]] void KeepWriting(const Edition& e, int32_t from) {
  for (int32_t value = from;; ++value) WriteEveryCounter(e, value);
}

std::size_t CounterNames(const Edition& e) {
  std::set<std::string_view> names;
  for (int v = 0; v < e.kindCount; ++v)
    for (int which = 0; which < 3; ++which) names.insert(StatisticName(e, v, which));
  return names.size();
}

std::set<QString> ValuesInFile(const QString& path) {
  QSettings file(path, QSettings::IniFormat);
  std::set<QString> values;
  for (const QString& key : file.allKeys()) values.insert(file.value(key).toString());
  EXPECT_EQ(file.status(), QSettings::NoError);
  EXPECT_EQ(static_cast<std::size_t>(file.allKeys().size()), CounterNames(Edition285()));
  return values;
}

TEST(SettingsDurability, AProgramKilledWhileWritingLeavesOneWholeFile) {
  const Edition& e = Edition285();
  const QString path = QtSettingsStore(e).FileName();
  QFile::remove(path);
  WriteEveryCounter(e, 0);
  std::mt19937 random(7);
  for (int round = 1; round <= 25; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) KeepWriting(e, round * 100000);
    usleep(2000 + random() % 30000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(ValuesInFile(path).size(), 1u) << "round " << round << ": a half-written file";
  }
}

}  // namespace
