// qf-paint: paints every picture of the game.
//   qf-paint <resources-dir> [contact-sheet.png]
// writes <resources-dir>/pictures/<id>.png, the application icon at every size as
// <resources-dir>/icons/hicolor/<N>x<N>/apps/org.quillfern.quillfern.png and, when asked, a contact
// sheet of all pictures at three times their size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "pictures.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: qf-paint <resources-dir> [contact-sheet.png]\n");
    return 2;
  }
  QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath("pictures")) {
    std::fprintf(stderr, "qf-paint: cannot create folders under %s\n", argv[1]);
    return 1;
  }
  const auto pictures = qf::paint::AllPictures();
  for (const auto& [id, image] : pictures) {
    // Pictures carry their key colours and no alpha channel.
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QString path = out.filePath(QString("pictures/%1.png").arg(id));
    if (!rgb.save(path, "PNG")) {
      std::fprintf(stderr, "qf-paint: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  for (int size : qf::paint::kAppIconSizes) {
    const QString folder = QString("icons/hicolor/%1x%1/apps").arg(size);
    const QString path = out.filePath(folder + "/org.quillfern.quillfern.png");
    if (!out.mkpath(folder) || !qf::paint::AppIcon(size).save(path, "PNG")) {
      std::fprintf(stderr, "qf-paint: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  if (argc >= 3 && !qf::paint::ContactSheet(pictures).save(QString::fromLocal8Bit(argv[2]), "PNG"))
    return 1;
  std::printf("qf-paint: wrote %zu pictures\n", pictures.size());
  return 0;
}
