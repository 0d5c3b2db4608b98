// The dialog tests run the real window offscreen with a settings folder of
// their own and a current directory of their own (for "save.dat").
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir configHome;
  QTemporaryDir workDir;
  if (!configHome.isValid() || !workDir.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  QApplication app(argc, argv);
  if (!QDir::setCurrent(workDir.path())) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
