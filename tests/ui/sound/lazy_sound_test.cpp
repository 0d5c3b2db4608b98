// The window's sounds come from the sound module, loaded with the first
// sound that exists: a start-up, and a table whose sounds are not
// installed, never load the multimedia libraries.
#include "ui/lazy_sound.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

TEST(LazySound, AMissingSoundLoadsNothing) {
  LazySound sound;
  sound.PlayWav("Voices/no_such_sound.wav", false);
  sound.PlayWav("Voices/no_such_sound.wav", true);
  EXPECT_FALSE(sound.Loaded());
}

TEST(LazySound, TheModuleIsLookedForBesideTheProgramThenInTheLibraryFolder) {
  const QString program = QCoreApplication::applicationDirPath();
  EXPECT_EQ(SoundModuleCandidates(),
            QStringList({program + "/libkalvenar-sound.so",
                         QDir::cleanPath(program + "/../lib/kalvenar/libkalvenar-sound.so")}));
}

TEST(LazySound, TheFirstSoundThatExistsLoadsTheModule) {
  const QString module = SoundModuleCandidates().front();
  const QString voice = QCoreApplication::applicationDirPath() + "/Voices/sfind.wav";
  if (!QFile::exists(module) || !QFile::exists(voice)) GTEST_SKIP() << "no module or voice built";
  LazySound sound;
  EXPECT_FALSE(sound.Loaded());
  sound.PlayWav("Voices/sfind.wav", false);
  EXPECT_TRUE(sound.Loaded());
}

}  // namespace
