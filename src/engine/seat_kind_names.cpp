#include "engine/seat_kind_names.h"

#include <cctype>

#include "engine/table_record.h"

namespace qf {

namespace {

constexpr const char* kNames[kKindCount] = {"human", "hidden", "inactive", "smart",    "tight",
                                            "loose", "stupid", "paranoid", "bluffing", "erratic"};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<uint32_t> ComputerKindFromName(std::string_view name) {
  for (uint32_t kind = KindSmart; kind <= KindErratic; ++kind) {
    if (SameIgnoringCase(name, kNames[kind])) return kind;
  }
  return std::nullopt;
}

const char* SeatKindName(uint32_t kind) {
  return kind < kKindCount ? kNames[kind] : "?";
}

}  // namespace qf
