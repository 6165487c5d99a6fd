// The report of a play run, as a text table or as one JSON object.
#pragma once

#include <ostream>

#include "sim/simulation.h"

namespace qf {

// One line naming the table's settings ("Texas, 7 seats, fixed limit $2/$4, ...").
std::string DescribeTable(const SimConfig& config);

void PrintPlayReport(const SimConfig& config, const SimResult& result, std::ostream& out);
void PrintPlayJson(const SimConfig& config, const SimResult& result, std::ostream& out);

}  // namespace qf
