#include "sim/step_command.h"

#include <optional>

#include "engine/rng.h"
#include "engine/table_file.h"
#include "engine/turn.h"
#include "flow/driver.h"
#include "flow/session.h"
#include "history/history_files.h"
#include "sim/command_options.h"
#include "sim/headless_ui.h"

namespace qf {

const char kStepHelp[] =
    "usage: quillfern-sim step --table FILE [--ticks N] [--out FILE] [--seed S]\n"
    "\n"
    "Loads a saved table, runs N ticks of the game's hand driver (default 1)\n"
    "and saves the table. Each tick prints one line: the tick number, the turn\n"
    "code the tick found (0 no table, 1 new hand, 2 forced bet, 3 a seat acts,\n"
    "4 deal, 5 showdown, 6 last seat standing), its name, and the seat and the\n"
    "amount where the code has them. A human seat's turn, a \"Deal\" that waits\n"
    "for the player and a finished hand waiting for \"Start\" simply stay.\n"
    "\n"
    "  --table FILE   the table file (1056 bytes, as the game saves it)\n"
    "  --ticks N      ticks to run, 0 to 1000000 (default 1)\n"
    "  --out FILE     where to save the result (default: the table file itself)\n"
    "  --seed S       seed of the random source for shuffles and the computer\n"
    "                 seats' draws (default 1)\n"
    "  --history FILE append every hand settled to FILE in the PHH hand history\n"
    "                 format; a hand still under way is kept in FILE.unfinished\n"
    "                 and recorded whole by the run that settles it\n"
    "  --help         this text\n"
    "\n"
    "A file that is not a valid table is refused as the game refuses it: it is\n"
    "moved aside (FILE.rejected) and the reason is printed.\n"
    "Exit status: 0 done, 1 the result could not be saved, 2 bad arguments or\n"
    "a table file that cannot be used.\n";

namespace {

const char* TurnName(TurnCode code) {
  switch (code) {
    case TurnNoTable:
      return "no-table";
    case TurnNewHand:
      return "new-hand";
    case TurnForcedBet:
      return "forced-bet";
    case TurnAct:
      return "act";
    case TurnDeal:
      return "deal";
    case TurnShowdown:
      return "showdown";
    case TurnLastStanding:
      return "last-standing";
  }
  return "?";
}

struct StepOptions {
  std::string tablePath;
  std::string outPath;
  uint64_t ticks = 1;
  uint64_t seed = 1;
  std::string historyFile;
  bool help = false;
};

std::optional<StepOptions> ParseStepOptions(const std::vector<std::string>& args,
                                            std::string& error) {
  StepOptions options;
  OptionReader reader(args);
  while (std::optional<std::string> name = reader.Next()) {
    if (*name == "--help") {
      options.help = reader.Flag();
    } else if (*name == "--table") {
      if (auto path = reader.Value()) options.tablePath = *path;
    } else if (*name == "--out") {
      if (auto path = reader.Value()) options.outPath = *path;
    } else if (*name == "--ticks") {
      if (auto n = reader.Number(0, 1'000'000)) options.ticks = *n;
    } else if (*name == "--seed") {
      if (auto n = reader.Number(0, UINT64_MAX)) options.seed = *n;
    } else if (*name == "--history") {
      if (auto path = reader.Value()) options.historyFile = *path;
    } else {
      reader.Fail("unknown option " + *name);
    }
  }
  if (!reader.Failed() && !options.help && options.tablePath.empty()) {
    reader.Fail("--table FILE is required");
  }
  if (reader.Failed()) {
    error = reader.Error();
    return std::nullopt;
  }
  if (options.outPath.empty()) options.outPath = options.tablePath;
  return options;
}

}  // namespace

int RunStepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  std::optional<StepOptions> options = ParseStepOptions(args, error);
  if (!options) {
    err << "quillfern-sim step: " << error << "\n"
        << "Try 'quillfern-sim step --help'.\n";
    return 2;
  }
  if (options->help) {
    out << kStepHelp;
    return 0;
  }

  TableRecord table{};
  LoadResult loaded = LoadTable(options->tablePath, table);
  if (loaded.status == LoadStatus::Missing) {
    err << "quillfern-sim step: cannot read " << options->tablePath << "\n";
    return 2;
  }
  if (loaded.status == LoadStatus::Rejected) {
    err << "quillfern-sim step: " << options->tablePath
        << " is not a usable table: " << loaded.reason << "\n";
    return 2;
  }

  SessionState session;
  Rng rng(options->seed);
  HeadlessUi ui;
  std::optional<HistoryFileRecorder> history;
  if (!options->historyFile.empty()) {
    history.emplace(options->historyFile);
    history->Start(table);
  }
  for (uint64_t tick = 1; tick <= options->ticks; ++tick) {
    // NextTurn is what the tick itself asks first; asking it here as well
    // changes nothing the tick would not change.
    const Turn turn = NextTurn(table);
    out << tick << " " << turn.code << " " << TurnName(turn.code);
    if (turn.code == TurnForcedBet || turn.code == TurnAct) {
      out << " seat " << turn.seat << " amount " << turn.amount;
    }
    out << "\n";
    TickGame(table, session, rng, ui);
    if (history) history->Observe(table);
  }
  if (history && !history->Finish()) {
    err << "quillfern-sim step: cannot write the hand history to " << options->historyFile << "\n";
  }

  if (!SaveTable(options->outPath, table)) {
    err << "quillfern-sim step: cannot save " << options->outPath << "\n";
    return 1;
  }
  return 0;
}

}  // namespace qf
