#include "engine/table_defaults.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace qf {

namespace {

constexpr const char* kDefaultSeatNames[kSeatCount - 1] = {
    "Zena", "Oswin", "Basil", "Ivy", "Ned", "Perry", "Gus", "Hugo", "Eli",
};

constexpr size_t kSeatZeroNameLength = 7;
constexpr uint32_t kDefaultChips = 200;

// Shortens a byte count so that the text does not end inside a UTF-8 sequence.
size_t Utf8Boundary(std::string_view text, size_t length) {
  if (length >= text.size()) return text.size();
  // Step back over continuation bytes to the start of the character that is cut.
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return length;
}

}  // namespace

void CopyName(char (&field)[kNameSize], std::string_view text) {
  std::memset(field, 0, kNameSize);
  size_t length = Utf8Boundary(text, std::min(text.size(), static_cast<size_t>(kNameSize - 1)));
  std::memcpy(field, text.data(), length);
}

std::string SeatZeroName(std::string_view owner) {
  std::string_view name = owner.substr(0, Utf8Boundary(owner, kSeatZeroNameLength));
  if (name.size() > 2) {
    size_t blank = name.find(' ', 2);
    if (blank != std::string_view::npos) name = name.substr(0, blank);
  }
  return std::string(name);
}

std::string OwnerNameFromGecos(const char* gecos) {
  if (gecos == nullptr) return "You";
  std::string_view comment(gecos);
  std::string_view fullName = comment.substr(0, comment.find(','));
  if (fullName.empty()) return "You";
  return std::string(fullName);
}

std::string OwnerName() {
  const passwd* entry = getpwuid(getuid());
  return OwnerNameFromGecos(entry != nullptr ? entry->pw_gecos : nullptr);
}

void SetTableDefaults(TableRecord& table, std::string_view ownerName) {
  std::memset(&table, 0, sizeof table);

  table.backgroundColor = 0x84FF84;
  table.tableColor = 0x8200;

  table.recordMark = 1;
  table.animateChips = 1;
  table.animateCards = 1;
  table.soundEnabled = 1;
  table.foldStyle = 1;
  table.progressiveLevel = 1;
  table.bustedStay = 1;
  table.confirmDeal = 1;
  table.showSplash = 1;
  table.smallTable = 1;

  table.baseBet = 2;
  const uint32_t streetBets[4] = {2, 2, 4, 4};
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = streetBets[street];
    table.customMax[street] = streetBets[street];
  }
  table.betStructure = StructureFixed;
  table.anteMode = 0;
  table.rakePercent = 4;
  table.raiseCap = 4;
  table.holeCards = kTexasHoleCards;

  CopyName(table.players[0].name, SeatZeroName(ownerName));
  for (int seat = 1; seat < kSeatCount; ++seat) {
    CopyName(table.players[seat].name, kDefaultSeatNames[seat - 1]);
  }

  for (PlayerRecord& player : table.players) {
    player.kind = KindInactive;
    player.tableKind = KindInactive;
    player.chips = kDefaultChips;
    player.balance = -static_cast<int32_t>(kDefaultChips);
  }
}

}  // namespace qf
