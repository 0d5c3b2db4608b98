// The monkey runs the real window as a player starts it: its own settings
// folder (XDG_CONFIG_HOME) and its own working folder for "save.dat".
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir configHome;
  QTemporaryDir workFolder;
  if (!configHome.isValid() || !workFolder.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  QDir::setCurrent(workFolder.path());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
