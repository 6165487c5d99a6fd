// The program's command-line options.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace qf {

struct CommandLine {
  QString dataFile;              // empty: the default data file
  std::optional<uint64_t> seed;  // empty: seeded from the system's entropy
  std::optional<int> zoom;       // 1..4; empty: fit the screen
  bool exitNow = false;          // --help, --version or a bad option
  int exitCode = 0;
  QString message;  // what to print before exiting
};

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 4;

// Parses the arguments (the first is the program name). Needs no application
// object, so --help and --version work without a display.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& version);

}  // namespace qf
