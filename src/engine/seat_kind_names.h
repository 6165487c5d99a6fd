// The computer kinds by their command-line names.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qf {

// "smart", "tight", "loose", "stupid", "paranoid", "bluffing", "erratic"
// (any case) to the seat kind; nothing for any other text.
std::optional<uint32_t> ComputerKindFromName(std::string_view name);

// The command-line name of a computer kind; "human", "inactive" or "?" otherwise.
const char* SeatKindName(uint32_t kind);

}  // namespace qf
