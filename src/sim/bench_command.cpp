#include "sim/bench_command.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>

#include "sim/command_options.h"
#include "sim/play_report.h"

namespace qf {

const char kBenchHelp[] =
    "usage: quillfern-sim bench\n"
    "\n"
    "Plays a fixed, seeded set of hands through the game's hand driver: 10-seat\n"
    "Texas fixed limit, 10-seat Texas no limit, 6-seat Omaha pot limit, 10-seat\n"
    "Omaha spread limit, a 7-seat Texas table with antes, a 3-seat table with\n"
    "progressive stakes, and a 5-seat tournament played to its winner.\n"
    "Prints a line per run, then the signature (64-bit FNV-1a over the final\n"
    "table records, in hex), the time taken and hands per second of processor\n"
    "time. The signature changes exactly when the game's behaviour changes.\n"
    "\n"
    "  --history   play the runs a second time recording every hand to a\n"
    "              temporary hand history file, and print what that costs\n"
    "              (the signature must not change)\n"
    "  --help      this text\n";

namespace {

const std::vector<uint32_t> kTenSeats = {KindSmart,    KindTight,    KindLoose,   KindStupid,
                                         KindParanoid, KindBluffing, KindErratic, KindSmart,
                                         KindTight,    KindLoose};
const std::vector<uint32_t> kSevenKinds = {KindSmart,    KindTight,    KindLoose,  KindStupid,
                                           KindParanoid, KindBluffing, KindErratic};

std::string Hex(uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::string Timing(const BenchOutcome& outcome) {
  char line[160];
  std::snprintf(
      line, sizeof line, "%llu hands in %.2f s (%.2f s of processor time): %.0f hands per second\n",
      static_cast<unsigned long long>(outcome.hands), outcome.seconds, outcome.cpuSeconds,
      outcome.cpuSeconds > 0 ? static_cast<double>(outcome.hands) / outcome.cpuSeconds : 0.0);
  return line;
}

}  // namespace

std::vector<SimConfig> BenchRuns() {
  std::vector<SimConfig> runs;
  runs.push_back(MakeSimConfig(kTexasHoleCards, kTenSeats, StructureFixed, 4000, 1));
  runs.push_back(MakeSimConfig(kTexasHoleCards, kTenSeats, StructureNoLimit, 4000, 2));
  runs.push_back(MakeSimConfig(
      kOmahaHoleCards, {KindSmart, KindLoose, KindBluffing, KindTight, KindErratic, KindParanoid},
      StructurePotLimit, 2000, 3));
  runs.push_back(MakeSimConfig(kOmahaHoleCards, kTenSeats, StructureSpread, 1000, 4));

  SimConfig ante = MakeSimConfig(kTexasHoleCards, kSevenKinds, StructureFixedThreeTier, 3000, 5);
  ante.ante = true;
  ante.rakePercent = 10;
  ante.raiseCap = 0;
  ante.baseBet = 5;
  runs.push_back(ante);

  SimConfig progressive = MakeSimConfig(kTexasHoleCards, {KindLoose, KindParanoid, KindBluffing},
                                        StructureSpreadRising, 600, 6);
  progressive.progressive = true;
  runs.push_back(progressive);

  SimConfig tournament =
      MakeSimConfig(kTexasHoleCards, {KindSmart, KindLoose, KindStupid, KindErratic, KindTight},
                    StructureSpreadWide, 20000, 6);
  tournament.tournament = true;
  tournament.rebuy = false;
  runs.push_back(tournament);
  return runs;
}

BenchOutcome RunBench(const std::vector<SimConfig>& runs, std::ostream* out,
                      const std::string& historyFile) {
  BenchOutcome outcome;
  outcome.signature = kFnvOffsetBasis;
  for (SimConfig config : runs) {
    config.historyFile = historyFile;
    SimResult result = RunSimulation(config, nullptr);
    if (!historyFile.empty()) std::filesystem::remove(historyFile);
    outcome.signature = Fnv1a(&result.table, sizeof result.table, outcome.signature);
    outcome.hands += result.hands;
    outcome.seconds += result.seconds;
    outcome.cpuSeconds += result.cpuSeconds;
    if (!result.stalled.empty() && outcome.stalled.empty()) outcome.stalled = result.stalled;
    if (out != nullptr) {
      char line[96];
      std::snprintf(line, sizeof line, ": %llu hands, %.0f hands/s\n",
                    static_cast<unsigned long long>(result.hands), HandsPerSecond(result));
      *out << DescribeTable(config) << line;
    }
  }
  return outcome;
}

int RunBenchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  OptionReader reader(args);
  bool help = false;
  bool history = false;
  while (std::optional<std::string> name = reader.Next()) {
    if (*name == "--help") {
      help = reader.Flag();
    } else if (*name == "--history") {
      history = reader.Flag();
    } else {
      reader.Fail("unknown option " + *name);
    }
  }
  if (reader.Failed()) {
    err << "quillfern-sim bench: " << reader.Error() << "\n"
        << "Try 'quillfern-sim bench --help'.\n";
    return 2;
  }
  if (help) {
    out << kBenchHelp;
    return 0;
  }
  BenchOutcome outcome = RunBench(BenchRuns(), &out);
  out << "signature " << Hex(outcome.signature) << "\n" << Timing(outcome);
  if (history) {
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("quillfern-bench-" + std::to_string(getpid()) + ".phhs"))
                                 .string();
    const BenchOutcome recorded = RunBench(BenchRuns(), nullptr, file);
    out << "with the hand history: signature " << Hex(recorded.signature) << "\n"
        << Timing(recorded);
    char line[160];
    std::snprintf(line, sizeof line,
                  "recording costs %.0f%% of the hands per second of processor time, %.0f%% "
                  "of those per second of wall-clock time\n",
                  100.0 * (1.0 - outcome.cpuSeconds / recorded.cpuSeconds),
                  100.0 * (1.0 - outcome.seconds / recorded.seconds));
    out << line;
    if (recorded.signature != outcome.signature) {
      err << "quillfern-sim bench: recording the hands changed the play\n";
      return 1;
    }
  }
  if (!outcome.stalled.empty()) {
    err << "quillfern-sim bench: a run stopped: " << outcome.stalled << "\n";
    return 1;
  }
  return 0;
}

}  // namespace qf
