#include "app/app_start.h"

#include <QDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/data_file.h"
#include "app/main_window.h"
#include "app/quit_signals.h"
#include "app/single_instance.h"
#include "app/zoom.h"
#include "dialogs/about_dialog.h"
#include "engine/rng.h"

namespace qf {

#ifndef QF_VERSION
#define QF_VERSION "0"
#endif

QString ProgramVersion() {
  return QStringLiteral(QF_VERSION);
}

int RunGame(QApplication& app, const CommandLine& options,
            std::chrono::steady_clock::time_point startedAt) {
  const QString dataFile = options.dataFile.isEmpty() ? DefaultDataFilePath() : options.dataFile;
  SingleInstance instance(InstanceNameFor(dataFile));
  if (!instance.Claim()) {
    std::fputs("quillfern: this table is already open in another window; brought it forward\n",
               stderr);
    return 0;
  }

  app.setWindowIcon(ProgramIcon());
  QGuiApplication::setDesktopFileName("org.quillfern.quillfern");

  if (qEnvironmentVariable("QF_REPORT_STARTUP") == "1") {
    std::fprintf(
        stderr, "quillfern: application up %.1f ms after start\n",
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - startedAt)
            .count());
  }
  MainWindowConfig config;
  config.dataFile = dataFile;
  config.seed = options.seed ? *options.seed : Rng::EntropySeed();
  const QScreen* screen = QGuiApplication::primaryScreen();
  config.zoom = options.zoom ? *options.zoom
                             : DefaultZoom(screen ? screen->availableSize() : QSize(800, 600),
                                           AboutDialog::SizeAtZoom);
  config.reportStartup = qEnvironmentVariable("QF_REPORT_STARTUP") == "1";
  config.startedAt = startedAt;
  // Once a quit signal has come, a dialog the game asks for is closed at once
  // as its close button would close it, so none comes back while the open
  // ones are closed (a first New Table is opened again when cancelled).
  bool quitting = false;
  config.runDialog = [&quitting](QDialog& dialog) {
    if (!quitting) return dialog.exec();
    dialog.reject();
    return dialog.result();
  };

  MainWindow window(std::move(config));
  QObject::connect(&instance, &SingleInstance::RaiseRequested, &window, &MainWindow::RaiseWindow);
  // A quit signal closes the open dialogs one after the other, then the window.
  std::function<void()> quitSoon;
  quitSoon = [&window, &quitSoon, &quitting] {
    quitting = true;
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      dialog->close();
      QTimer::singleShot(50, &window, quitSoon);
    } else {
      window.close();
    }
  };
  QuitOnSignals quitOnSignals(quitSoon);
  window.Start();
  return app.exec();
}

}  // namespace qf
