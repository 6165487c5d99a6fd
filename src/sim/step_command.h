// quillfern-sim step: runs driver ticks on a saved table and writes it back.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qf {

// args are the words after "step". Returns 0, 1 when the table could not be
// saved, or 2 for bad arguments or a table file that cannot be used.
int RunStepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char kStepHelp[];

}  // namespace qf
