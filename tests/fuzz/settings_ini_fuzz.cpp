// Feeds arbitrary text as the settings file to the store the window uses
// (QSettings on an INI file) and reads it the way the program starts: every
// option must come out usable, the store must hold exactly what the game
// took, and the healed file must read back the same in a new store.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "core/edition.h"
#include "core/game.h"
#include "core/random.h"
#include "core/recording_callouts.h"
#include "persistence/settings.h"
#include "persistence/settings_schema.h"
#include "ui/qt_settings_store.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Both live until the process ends and are never destroyed: libFuzzer
// leaves through exit(), after Qt has torn down what their destructors need.
QCoreApplication* application = nullptr;
QTemporaryDir* folder = nullptr;
int inputNumber = 0;

// Each input gets a folder of its own: QSettings keeps what it has read of
// a file name for the life of the process.
QString FreshIniFile(const Edition& edition) {
  const QString dir = folder->path() + "/" + QString::number(++inputNumber);
  QDir().mkpath(dir + "/Software");
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
  return dir + "/Software/" + QString::fromUtf8(edition.settingsKey.data(),
                                                 static_cast<qsizetype>(edition.settingsKey.size())) +
         ".ini";
}

void CheckEdition(const uint8_t* data, size_t size, const Edition& edition) {
  const QString path = FreshIniFile(edition);
  {
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  FixedClock clock(1);
  RecordingCallouts out;
  Game g(edition, out, clock);
  ApplyFirstStartValues(g);
  {
    QtSettingsStore store(edition);
    g.store = &store;
    EnsureSettingsKey(g, 0, 0);
    LoadSettings(g);
    for (const SettingEntry& entry : SettingsSchema()) {
      if (!SettingInEdition(edition, entry)) continue;
      const int32_t value = entry.field(g);
      Require(SettingValueUsable(entry, value));
      Require(store.Read(entry.name) == value);
    }
    Require(edition.HasPair(g.t.FormG, g.t.VidG));
  }
  // What was healed reached the file: a new store reads it unchanged.
  QtSettingsStore again(edition);
  for (const SettingEntry& entry : SettingsSchema()) {
    if (SettingInEdition(edition, entry)) Require(again.Read(entry.name) == entry.field(g));
  }
  QDir(folder->path() + "/" + QString::number(inputNumber)).removeRecursively();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  application = new QCoreApplication(*argc, *argv);
  folder = new QTemporaryDir();
  return 0;
}

// Each input is read by one edition, told by its length, so that both are
// fuzzed at half the file work: the two share every line of the reading
// and differ only in the key's name and the settings they keep.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckEdition(data, size, size % 2 == 0 ? Edition285() : Edition284());
  return 0;
}
