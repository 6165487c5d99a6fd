// quillfern-sim: the game's engine, computer players and hand driver without
// a screen. The first word names a subcommand; the rest is its own.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "sim/bench_command.h"
#include "sim/equity_command.h"
#include "sim/eval_command.h"
#include "sim/play_command.h"
#include "sim/step_command.h"

namespace {

using Args = std::vector<std::string>;

struct Subcommand {
  std::string_view name;
  std::string_view summary;
  int (*run)(const Args& args);
};

// One line per subcommand.
constexpr Subcommand kSubcommands[] = {
    {"play", "computer seats play hands; results per seat and per kind",
     [](const Args& a) { return qf::RunPlayCommand(a, std::cout, std::cerr); }},
    {"eval", "value, category and name of a hand written as cards (As Td 7h ...)",
     [](const Args& a) { return qf::RunEvalCommand(a, std::cin, std::cout, std::cerr); }},
    {"equity", "chances of hands against each other (known or unknown cards)",
     [](const Args& a) { return qf::RunEquityCommand(a, std::cout, std::cerr); }},
    {"step", "run driver ticks on a saved table file and save it again",
     [](const Args& a) { return qf::RunStepCommand(a, std::cout, std::cerr); }},
    {"bench", "a fixed set of simulated hands: behaviour signature and speed",
     [](const Args& a) { return qf::RunBenchCommand(a, std::cout, std::cerr); }},
};

void PrintUsage(std::ostream& out) {
  out << "usage: quillfern-sim SUBCOMMAND [ARGUMENTS]\n"
         "       quillfern-sim SUBCOMMAND --help\n\n"
         "Subcommands:\n";
  for (const Subcommand& sub : kSubcommands) {
    out << "  " << sub.name << std::string(8 - sub.name.size(), ' ') << sub.summary << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    PrintUsage(std::cerr);
    return 2;
  }
  std::string_view first = argv[1];
  if (first == "--help" || first == "-h" || first == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  for (const Subcommand& sub : kSubcommands) {
    if (sub.name == first) return sub.run(Args(argv + 2, argv + argc));
  }
  std::cerr << "quillfern-sim: unknown subcommand \"" << first << "\"\n";
  PrintUsage(std::cerr);
  return 2;
}
