// GUI tests of the game window: offscreen unless a platform is given.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Closing a test's window must not end the test program's event loops.
  QApplication::setQuitOnLastWindowClosed(false);
  // Settings go to a folder of the tests' own, never the user's.
  QStandardPaths::setTestModeEnabled(true);
  QApplication::setOrganizationName("quillfern-tests");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
