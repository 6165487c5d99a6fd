#include "sim/bench_command.h"

#include <cstdio>
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
    "  --help   this text\n";

namespace {

const std::vector<uint32_t> kTenSeats = {KindSmart,    KindTight,    KindLoose,   KindStupid,
                                         KindParanoid, KindBluffing, KindErratic, KindSmart,
                                         KindTight,    KindLoose};
const std::vector<uint32_t> kSevenKinds = {KindSmart,    KindTight,    KindLoose,  KindStupid,
                                           KindParanoid, KindBluffing, KindErratic};

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

BenchOutcome RunBench(const std::vector<SimConfig>& runs, std::ostream* out) {
  BenchOutcome outcome;
  outcome.signature = kFnvOffsetBasis;
  for (const SimConfig& config : runs) {
    SimResult result = RunSimulation(config, nullptr);
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
  while (std::optional<std::string> name = reader.Next()) {
    if (*name == "--help") {
      help = reader.Flag();
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
  char line[200];
  std::snprintf(
      line, sizeof line,
      "signature %016llx\n%llu hands in %.2f s (%.2f s of processor time): %.0f hands "
      "per second\n",
      static_cast<unsigned long long>(outcome.signature),
      static_cast<unsigned long long>(outcome.hands), outcome.seconds, outcome.cpuSeconds,
      outcome.cpuSeconds > 0 ? static_cast<double>(outcome.hands) / outcome.cpuSeconds : 0.0);
  out << line;
  if (!outcome.stalled.empty()) {
    err << "quillfern-sim bench: a run stopped: " << outcome.stalled << "\n";
    return 1;
  }
  return 0;
}

}  // namespace qf
