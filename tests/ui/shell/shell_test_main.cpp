// The shell tests run the real window offscreen with a settings folder of
// their own: XDG_CONFIG_HOME is a temporary folder for the whole run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir configHome;
  if (!configHome.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
