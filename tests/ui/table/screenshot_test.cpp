// `--screenshot`: the program started the way a user starts it, dealing a
// chosen game and leaving a picture of its window behind.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "core/edition.h"
#include "ui/start_options.h"

namespace {

struct ProgramRun {
  int exitCode = -1;
  QString stdErr;
};

ProgramRun RunProgram(const char* program, const QStringList& args) {
  QProcess process;
  process.start(QString::fromUtf8(program), args);
  ProgramRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.stdErr = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

// The error line, without the warnings Qt itself may print.
QStringList OwnLines(const QString& stdErr) {
  QStringList lines;
  for (const QString& line : stdErr.split('\n', Qt::SkipEmptyParts)) {
    if (!line.startsWith("QStandardPaths:")) lines << line;
  }
  return lines;
}

class Screenshot : public ::testing::Test {
 protected:
  QString File(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(Screenshot, APatienceGameIsPicturedAtTheRequestedSize) {
  const QString file = File("scarf.png");
  const ProgramRun run = RunProgram(
      KALVENAR_PROGRAM,
      {"--screenshot", file, "--vidg", "8", "--formg", "0", "--seed", "5", "--size", "800x600"});
  ASSERT_EQ(run.exitCode, 0) << run.stdErr.toStdString();
  const QImage picture(file);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(800, 600));
}

TEST_F(Screenshot, TheSameSeedGivesTheSamePicture) {
  const QStringList game = {"--vidg", "0", "--formg", "1", "--seed", "3", "--size", "700x500"};
  ASSERT_EQ(
      RunProgram(KALVENAR_PROGRAM, QStringList{"--screenshot", File("a.png")} + game).exitCode, 0);
  ASSERT_EQ(
      RunProgram(KALVENAR_PROGRAM, QStringList{"--screenshot", File("b.png")} + game).exitCode, 0);
  // The clock panel may tick between the runs: compare the table only.
  const QRect table(0, 0, 700, 440);
  EXPECT_EQ(QImage(File("a.png")).copy(table), QImage(File("b.png")).copy(table));
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(Screenshot, TheRunReadsThePlayersSettingsAndWritesNothingBack) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Software", "Kalvenor2_85");
  settings.clear();
  settings.sync();
  ASSERT_FALSE(QFile::exists(settings.fileName()));
  const QStringList run = {"--screenshot", File("size.png"), "--size", "820x610", "--seed", "1"};
  ASSERT_EQ(RunProgram(KALVENAR_PROGRAM, run).exitCode, 0);
  EXPECT_FALSE(QFile::exists(settings.fileName())) << "a first start made no settings";

  // The player's own window size and a table background of his choice.
  settings.setValue("SizeWindow", 1);
  settings.setValue("Width", 700);
  settings.setValue("Height", 520);
  settings.setValue("BackGr", 3);
  settings.sync();
  const QByteArray before = FileBytes(settings.fileName());
  ASSERT_EQ(RunProgram(KALVENAR_PROGRAM, QStringList{"--screenshot", File("own.png"), "--seed", "1",
                                                     "--vidg", "8", "--formg", "0"})
                .exitCode,
            0);
  EXPECT_EQ(QImage(File("own.png")).size(), QSize(700, 520)) << "his size was read";
  ASSERT_EQ(RunProgram(KALVENAR_PROGRAM, run).exitCode, 0);
  EXPECT_EQ(FileBytes(settings.fileName()), before) << "nothing was written back";
  settings.clear();
  settings.sync();
}

TEST_F(Screenshot, TheOlderProgramPicturesItsOwnMemoryGame) {
  const QString file = File("memory.png");
  const ProgramRun run = RunProgram(
      KALVENOR_PROGRAM,
      {"--screenshot", file, "--vidg", "21", "--formg", "0", "--seed", "2", "--size", "800x600"});
  ASSERT_EQ(run.exitCode, 0) << run.stdErr.toStdString();
  EXPECT_EQ(QImage(file).size(), QSize(800, 600));
}

TEST_F(Screenshot, ADialogIsPicturedOverTheTableAndClosedWithCancel) {
  const QStringList game = {"--vidg", "0", "--formg", "1", "--seed", "3", "--size", "800x600"};
  ASSERT_EQ(RunProgram(KALVENAR_PROGRAM, QStringList{"--screenshot", File("table.png")} + game)
                .exitCode,
            0);
  const QImage table(File("table.png"));
  for (const QString dialog : {"options", "background", "back", "about", "network"}) {
    const QString file = File(dialog + ".png");
    const ProgramRun run =
        RunProgram(KALVENAR_PROGRAM, QStringList{"--screenshot", file, "--dialog", dialog} + game);
    ASSERT_EQ(run.exitCode, 0) << run.stdErr.toStdString();
    const QImage picture(file);
    ASSERT_EQ(picture.size(), QSize(800, 600)) << dialog.toStdString();
    // The middle of the table is covered by the dialog; the corners are not.
    const QRect middle(300, 250, 200, 100);
    EXPECT_NE(picture.copy(middle), table.copy(middle)) << dialog.toStdString();
    const QRect corner(0, 30, 100, 100);
    EXPECT_EQ(picture.copy(corner), table.copy(corner)) << dialog.toStdString();
  }
  // Cancel put the background back: the stored one is still the first.
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Software", "Kalvenor2_85");
  EXPECT_EQ(settings.value("BackGr").toInt(), 0);
}

TEST_F(Screenshot, BadArgumentsGiveOneLineAndStatusTwo) {
  const QList<QStringList> bad = {
      {"--screenshot"},
      {"--screenshot", File("x.png"), "--vidg", "8"},
      {"--screenshot", File("x.png"), "--vidg", "26", "--formg", "0"},
      {"--screenshot", File("x.png"), "--seed", "many"},
      {"--screenshot", File("x.png"), "--size", "100x100"},
      {"--screenshot", File("x.png"), "--set", "NoSuchOption=1"},
      {"--screenshot", File("x.png"), "--set", "Pack=40"},
      {"--screenshot", File("x.png"), "--colour", "red"},
      {"--screenshot", File("x.png"), "--dialog", "colours"},
      {"--screenshot", File("x.png"), "--dialog"},
  };
  for (const QStringList& args : bad) {
    const ProgramRun run = RunProgram(KALVENAR_PROGRAM, args);
    EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(OwnLines(run.stdErr).size(), 1) << run.stdErr.toStdString();
  }
  EXPECT_FALSE(QFile::exists(File("x.png")));
}

// ---- The arguments themselves -------------------------------------------------

ParsedStart Parse(std::vector<std::string> args, const Edition& e = Edition285()) {
  return ParseStartOptions(args, e);
}

TEST(StartArguments, WithoutScreenshotTheProgramStartsNormally) {
  const ParsedStart p = Parse({"--vidg", "3"});
  EXPECT_TRUE(p.error.empty());
  EXPECT_FALSE(p.options.screenshot);
}

TEST(StartArguments, AScreenshotRequestCarriesGameSeedSizeAndOptions) {
  const ParsedStart p =
      Parse({"--screenshot", "x.png", "--vidg", "5", "--formg", "3", "--seed", "42", "--size",
             "1000x700", "--set", "Pack=52", "--set", "BackGr=3"});
  ASSERT_TRUE(p.error.empty()) << p.error;
  EXPECT_TRUE(p.options.screenshot);
  EXPECT_TRUE(p.options.leaveFilesAlone);
  EXPECT_EQ(p.options.file, "x.png");
  EXPECT_EQ(p.options.game, std::make_pair(5, 3));
  EXPECT_EQ(p.options.seed, 42);
  EXPECT_EQ(p.options.size, std::make_pair(1000, 700));
  ASSERT_EQ(p.options.sets.size(), 2u);
  EXPECT_EQ(p.options.sets[0], std::make_pair(std::string("Pack"), 52));
}

TEST(StartArguments, EveryDialogOfTheMenusCanBeAskedFor) {
  const std::pair<const char*, ScreenshotDialog> dialogs[] = {
      {"options", ScreenshotDialog::Options}, {"background", ScreenshotDialog::Background},
      {"back", ScreenshotDialog::Back},       {"about", ScreenshotDialog::About},
      {"network", ScreenshotDialog::Network},
  };
  for (const auto& [name, dialog] : dialogs) {
    const ParsedStart p = Parse({"--screenshot", "x", "--dialog", name});
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_EQ(p.options.dialog, dialog) << name;
  }
  EXPECT_FALSE(Parse({"--screenshot", "x"}).options.dialog);
}

TEST(StartArguments, GamesAreThoseOfTheEdition) {
  // Hearts is no game of the older program; VidG 21 is its Memory.
  EXPECT_TRUE(Parse({"--screenshot", "x", "--vidg", "23", "--formg", "0"}).error.empty());
  EXPECT_FALSE(
      Parse({"--screenshot", "x", "--vidg", "23", "--formg", "0"}, Edition284()).error.empty());
  EXPECT_TRUE(
      Parse({"--screenshot", "x", "--vidg", "21", "--formg", "0"}, Edition284()).error.empty());
  // MinOnEscape is no option of the older program.
  EXPECT_FALSE(Parse({"--screenshot", "x", "--set", "MinOnEscape=1"}, Edition284()).error.empty());
}

TEST(StartArguments, TheWindowCannotBeAskedSmallerThanItsSmallestSize) {
  EXPECT_TRUE(Parse({"--screenshot", "x", "--size", "635x475"}).error.empty());
  EXPECT_FALSE(Parse({"--screenshot", "x", "--size", "634x475"}).error.empty());
  EXPECT_FALSE(Parse({"--screenshot", "x", "--size", "800"}).error.empty());
  EXPECT_FALSE(Parse({"--screenshot", "x", "--size", "800x600x2"}).error.empty());
}

}  // namespace
