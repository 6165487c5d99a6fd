// The dialog tests run on the offscreen platform unless a display is chosen.
// "--screenshots=DIR" saves a picture of every dialog instead of testing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QString>

namespace qf::test {
int SaveDialogScreenshots(const QString& folder);
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString shotsFlag = QStringLiteral("--screenshots=");
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg.startsWith(shotsFlag))
      return qf::test::SaveDialogScreenshots(arg.mid(shotsFlag.size()));
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
