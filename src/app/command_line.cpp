#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace qf {

CommandLine ParseCommandLine(const QStringList& arguments, const QString& version) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Quillfern, a poker table: Texas Hold'em and Omaha.");
  QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  QCommandLineOption versionOption({"v", "version"}, "Show the version and exit.");
  QCommandLineOption dataFile("data-file", "Keep the table in PATH instead of the default file.",
                              "PATH");
  QCommandLineOption seed("seed", "Seed the dealing with N, to replay a run.", "N");
  QCommandLineOption zoom("zoom", "Show the table at a zoom factor of N (1 to 4).", "N");
  parser.addOptions({help, versionOption, dataFile, seed, zoom});

  CommandLine result;
  const QString program =
      arguments.isEmpty() ? QString("quillfern") : QFileInfo(arguments.first()).fileName();
  auto fail = [&](const QString& why) {
    result.exitNow = true;
    result.exitCode = 2;
    result.message = program + ": " + why + "\nTry '" + program + " --help'.\n";
    return result;
  };
  if (!parser.parse(arguments)) return fail(parser.errorText());
  if (!parser.positionalArguments().isEmpty())
    return fail("unexpected argument '" + parser.positionalArguments().first() + "'");
  if (parser.isSet(help)) {
    result.exitNow = true;
    // Qt takes the program's name from the application object, which does not exist yet.
    result.message = parser.helpText();
    result.message.replace(0, result.message.indexOf('\n'), "Usage: " + program + " [options]");
    return result;
  }
  if (parser.isSet(versionOption)) {
    result.exitNow = true;
    result.message = "quillfern " + version + "\n";
    return result;
  }
  result.dataFile = parser.value(dataFile);
  if (parser.isSet(dataFile) && result.dataFile.isEmpty()) return fail("--data-file needs a path");
  if (parser.isSet(seed)) {
    bool ok = false;
    const qulonglong value = parser.value(seed).toULongLong(&ok, 0);
    if (!ok) return fail("--seed needs a whole number, not '" + parser.value(seed) + "'");
    result.seed = value;
  }
  if (parser.isSet(zoom)) {
    bool ok = false;
    const int value = parser.value(zoom).toInt(&ok);
    if (!ok || value < kMinZoom || value > kMaxZoom)
      return fail("--zoom needs a whole number from 1 to 4, not '" + parser.value(zoom) + "'");
    result.zoom = value;
  }
  return result;
}

}  // namespace qf
