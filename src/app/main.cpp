// Quillfern: a poker table for the Linux desktop.
#include <QApplication>
#include <QStringList>
#include <chrono>
#include <cstdio>

#include "app/app_start.h"
#include "app/command_line.h"
#include "app/quit_signals.h"

int main(int argc, char** argv) {
  const auto startedAt = std::chrono::steady_clock::now();
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const qf::CommandLine options = qf::ParseCommandLine(arguments, qf::ProgramVersion());
  if (options.exitNow) {
    std::fputs(options.message.toLocal8Bit().constData(), options.exitCode == 0 ? stdout : stderr);
    return options.exitCode;
  }

  qf::BlockQuitSignals();  // before any thread starts, so all of them inherit it
  QApplication app(argc, argv);
  // Preferences that are not part of the table: ~/.config/quillfern/Quillfern.conf.
  QApplication::setOrganizationName("quillfern");
  QApplication::setApplicationName("Quillfern");
  QApplication::setApplicationVersion(qf::ProgramVersion());
  return qf::RunGame(app, options, startedAt);
}
