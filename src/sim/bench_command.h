// quillfern-sim bench: a fixed set of seeded runs whose final tables make a
// signature of the game's behaviour, and how fast they play.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "sim/simulation.h"

namespace qf {

// The fixed runs of the benchmark, in order.
std::vector<SimConfig> BenchRuns();

struct BenchOutcome {
  uint64_t signature = 0;  // FNV-1a over the final table records, run after run
  uint64_t hands = 0;
  double seconds = 0.0;     // wall-clock
  double cpuSeconds = 0.0;  // processor time
  std::string stalled;      // a run that stopped early, "" when none did
};

// Plays the runs; with out set, one line per run is printed. With a history
// file, every hand is recorded there (the file is removed after each run).
BenchOutcome RunBench(const std::vector<SimConfig>& runs, std::ostream* out,
                      const std::string& historyFile = "");

// args are the words after "bench". Returns 0, 1 when a run stopped making
// progress, or 2 for bad arguments.
int RunBenchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char kBenchHelp[];

}  // namespace qf
