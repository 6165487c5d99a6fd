// The program's start: one copy per table file, the main window, the event loop.
#pragma once

#include <QApplication>
#include <QString>
#include <chrono>

#include "app/command_line.h"

namespace qf {

// The program's version, as --version prints it.
QString ProgramVersion();

// Runs the game until its window is closed; returns the exit code. When
// another copy already plays the same table file, asks it to raise its
// window, says so in one line and returns 0 at once.
int RunGame(QApplication& app, const CommandLine& options,
            std::chrono::steady_clock::time_point startedAt);

}  // namespace qf
