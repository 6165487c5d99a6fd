// Builds the hand evaluator's tables from the value rules. Only the table
// maker runs this, at build time; the game uses the tables it writes out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/evaluate_tables.h"

namespace qf {

// Where a perfect hash put its keys: each row's displacement, and for every
// slot the index of the key in it (kEmptySlot for none). slotsUsed is one past
// the last slot a lookup of any key can read.
struct PackedHash {
  static constexpr uint32_t kEmptySlot = 0xffffffff;
  std::vector<uint16_t> rowDisplacements;
  std::vector<uint32_t> slotKeys;
  size_t slotsUsed = 0;
};

// Packs the keys (each row << slotBits | slot in the row, all different)
// into at most slotLimit slots, the fullest rows first, each at the lowest
// displacement where its keys find free slots. Returns false when they do
// not fit.
bool PackPerfectHash(const std::vector<uint32_t>& keys, int rowBits, int slotBits,
                     size_t slotLimit, PackedHash& packed);

// The tables, or an empty pointer and the reason in `error`.
std::unique_ptr<EvaluatorTables> BuildEvaluatorTables(std::string& error);

}  // namespace qf
