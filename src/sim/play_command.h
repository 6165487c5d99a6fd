// quillfern-sim play: computer seats play hand after hand; a table of how
// each seat and each kind fared.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sim/simulation.h"

namespace qf {

struct PlayOptions {
  SimConfig config;
  bool json = false;
  bool help = false;
};

// Reads play's options; on a bad option returns nothing and sets error.
std::optional<PlayOptions> ParsePlayOptions(const std::vector<std::string>& args,
                                            std::string& error);

// args are the words after "play". Returns the exit status: 0, or 2 for bad
// arguments (with a message on err), or 1 when the run could not finish.
int RunPlayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char kPlayHelp[];

}  // namespace qf
