// quillfern-sim equity: the chances of hands against each other.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/equity.h"

namespace qf {

struct EquityOptions {
  EquitySpot spot;
  std::vector<std::string> handWords;  // as given, "??" for unknown hands
  uint64_t trials = 200000;
  uint64_t seed = 1;
  bool json = false;
  bool help = false;
};

// On bad input returns nothing and sets error to a message naming the bad word.
std::optional<EquityOptions> ParseEquityOptions(const std::vector<std::string>& args,
                                                std::string& error);

int RunEquityCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char kEquityHelp[];

}  // namespace qf
