#include "ui/sound_player.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

namespace {

const QString kVoices = QStringLiteral(KALVENAR_SOURCE_DIR "/Voices/");

// Runs a test in another current directory and comes back.
struct InDirectory {
  explicit InDirectory(const QString& dir) : previous(QDir::currentPath()) {
    QDir::setCurrent(dir);
  }
  ~InDirectory() { QDir::setCurrent(previous); }
  QString previous;
};

TEST(SoundPlayer, LooksBesideTheProgramThenInTheDataFolderThenInTheCurrentDirectory) {
  QTemporaryDir dir;
  InDirectory here(dir.path());
  const QString program = QCoreApplication::applicationDirPath();
  EXPECT_EQ(
      SoundPlayer::SearchFolders(),
      QStringList({program, QDir::cleanPath(program + "/../share/kalvenar"), QDir::currentPath()}));
}

TEST(SoundPlayer, FindsAFileTheCurrentDirectoryAloneHas) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("Voices"));
  ASSERT_TRUE(QFile::copy(kVoices + "sfind.wav", dir.path() + "/Voices/only_here.wav"));
  InDirectory here(dir.path());
  EXPECT_EQ(SoundPlayer::Locate("Voices/only_here.wav"),
            QFileInfo(dir.path() + "/Voices/only_here.wav").absoluteFilePath());
}

TEST(SoundPlayer, TheProgramsOwnFolderComesFirst) {
  const QString beside = QCoreApplication::applicationDirPath() + "/Voices/sfind.wav";
  if (!QFile::exists(beside)) GTEST_SKIP() << "no voices beside the test program";
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("Voices"));
  ASSERT_TRUE(QFile::copy(kVoices + "sfind.wav", dir.path() + "/Voices/sfind.wav"));
  InDirectory here(dir.path());
  EXPECT_EQ(SoundPlayer::Locate("Voices/sfind.wav"), QFileInfo(beside).absoluteFilePath());
}

TEST(SoundPlayer, AMissingFileIsNowhere) {
  QTemporaryDir dir;
  InDirectory here(dir.path());
  EXPECT_TRUE(SoundPlayer::Locate("Voices/no_such_sound.wav").isEmpty());
}

TEST(SoundPlayer, ReadsTheLengthOfADeliveredRecording) {
  const int ms = SoundPlayer::WavDurationMs(kVoices + "sretreat.wav");
  EXPECT_GT(ms, 100);
  EXPECT_LT(ms, 3000);
}

TEST(SoundPlayer, AFileThatIsNoWaveHasNoLength) {
  QTemporaryDir dir;
  QFile f(dir.path() + "/broken.wav");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("RIFF\x10\0\0\0WAVEdata\xff\xff\xff\xff", 24);
  f.close();
  EXPECT_EQ(SoundPlayer::WavDurationMs(f.fileName()), -1) << "no format chunk";
  EXPECT_EQ(SoundPlayer::WavDurationMs(dir.path() + "/absent.wav"), -1);
}

TEST(SoundPlayer, AMissingFileIsSilentAndReturnsAtOnce) {
  QTemporaryDir dir;
  InDirectory here(dir.path());
  SoundPlayer player;
  QElapsedTimer clock;
  clock.start();
  player.PlayWav("Voices/no_such_sound.wav", true);
  player.PlayWav("Voices/no_such_sound.wav", false);
  EXPECT_LT(clock.elapsed(), 500);
}

TEST(SoundPlayer, ASynchronousSoundEndsWithinItsLengthAndAMargin) {
  // With an audio output the voice is heard; without one nothing plays.
  // Either way the call comes back.
  InDirectory here(QStringLiteral(KALVENAR_SOURCE_DIR));
  SoundPlayer player;
  QElapsedTimer clock;
  clock.start();
  player.PlayWav("Voices/m_otboy1.wav", true);
  player.PlayWav("Voices/skoloda.wav", false);
  EXPECT_LT(clock.elapsed(), SoundPlayer::WavDurationMs(kVoices + "m_otboy1.wav") + 1500);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
