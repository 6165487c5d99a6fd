#include "engine/table_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace qf {

namespace {

constexpr size_t kImageSize = sizeof(TableRecord);

bool IsTerminated(const char* field, size_t size) {
  return std::memchr(field, '\0', size) != nullptr;
}

std::string SeatReason(int seat, std::string_view what) {
  return "seat " + std::to_string(seat) + " " + std::string(what);
}

std::string DeckReason(const TableRecord& table) {
  bool allZero = true;
  bool seen[kDeckSize + 1] = {};
  for (uint8_t card : table.deck) {
    if (card != 0) allZero = false;
  }
  if (allZero) {
    // Only a table that never started a hand has no deck: nobody may hold
    // cards or be in a hand, or the next deal would hand out no cards.
    for (const PlayerRecord& player : table.players) {
      if (player.cardsSeen != 0) return "cards held with an empty deck";
      bool inHand = player.status != StatusOut && player.status != StatusFolded;
      if (player.kind != KindInactive && inHand) return "a hand under way with an empty deck";
    }
    return "";
  }
  for (uint8_t card : table.deck) {
    if (card < 1 || card > kDeckSize || seen[card]) return "deck is not a full deck of cards";
    seen[card] = true;
  }
  return "";
}

// Reads the whole file, at most one byte more than an image, into buffer.
// Returns the count read, or -1 on a read error.
ssize_t ReadUpTo(int fd, unsigned char* buffer, size_t capacity) {
  size_t total = 0;
  while (total < capacity) {
    ssize_t got = read(fd, buffer + total, capacity - total);
    if (got < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (got == 0) break;
    total += static_cast<size_t>(got);
  }
  return static_cast<ssize_t>(total);
}

bool PathExists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// Moves a bad file out of the way under a name that does not exist yet.
std::string MoveAside(const std::string& path) {
  std::string target = path + ".rejected";
  for (int n = 2; PathExists(target); ++n) {
    if (n > 1000) return "";
    target = path + ".rejected-" + std::to_string(n);
  }
  if (std::rename(path.c_str(), target.c_str()) != 0) return "";
  return target;
}

LoadResult Reject(const std::string& path, const std::string& reason) {
  LoadResult result;
  result.status = LoadStatus::Rejected;
  result.reason = reason;
  result.movedTo = MoveAside(path);
  std::string where = result.movedTo.empty() ? std::string("it could not be moved aside")
                                             : "moved to " + result.movedTo;
  std::fprintf(stderr, "quillfern: table file %s not loaded (%s); %s\n", path.c_str(),
               reason.c_str(), where.c_str());
  return result;
}

bool WriteAll(int fd, const unsigned char* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    ssize_t wrote = write(fd, data + done, size - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(wrote);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

std::string ValidateTableImage(const TableRecord& table) {
  const uint32_t hole = table.holeCards;
  if (hole != kTexasHoleCards && hole != kOmahaHoleCards) return "hole card count out of range";
  if (table.dealer >= kSeatCount) return "dealer seat out of range";
  if (table.cardsDealt > hole + 6) return "street marker out of range";
  if (!IsTerminated(table.tableLabel, sizeof table.tableLabel)) return "table label not terminated";
  uint64_t chipsOnTable = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& player = table.players[seat];
    if (!IsTerminated(player.name, kNameSize)) return SeatReason(seat, "name not terminated");
    if (player.cardsSeen > hole + 5) return SeatReason(seat, "card count out of range");
    if (player.kind >= kKindCount) return SeatReason(seat, "kind out of range");
    if (player.tableKind >= kKindCount) return SeatReason(seat, "table kind out of range");
    if (player.status > StatusFolded) return SeatReason(seat, "status out of range");
    chipsOnTable += uint64_t{player.chips} + player.inPot + player.winnings;
  }
  if (chipsOnTable > UINT32_MAX) return "more chips on the table than an amount can hold";
  if (table.betStructure >= kStructureCount) return "betting structure out of range";
  if (table.anteMode > 1) return "ante mode out of range";
  if (table.rakePercent > 10) return "rake out of range";
  if (table.raiseCap > 10) return "raise cap out of range";
  if (table.baseBet > kMaxBaseBet) return "base bet out of range";
  if (table.progressiveLevel > kMaxProgressiveLevel) return "progressive level out of range";
  return DeckReason(table);
}

LoadResult LoadTable(const std::string& path, TableRecord& table) {
  // Non-blocking so that a pipe or device in the file's place cannot hang the start.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return LoadResult{};  // Missing
    // A file that exists but cannot be read is kept safe from the next save.
    return Reject(path, std::string("cannot be opened: ") + std::strerror(errno));
  }

  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return Reject(path, "not a regular file");
  }
  unsigned char buffer[kImageSize + 1];
  ssize_t size = ReadUpTo(fd, buffer, sizeof buffer);
  close(fd);
  if (size < 0) return Reject(path, "cannot be read");
  if (static_cast<size_t>(size) != kImageSize) {
    std::string reason = static_cast<size_t>(size) < kImageSize
                             ? "only " + std::to_string(size) + " bytes"
                             : "longer than " + std::to_string(kImageSize) + " bytes";
    return Reject(path, reason);
  }

  TableRecord image;
  std::memcpy(&image, buffer, kImageSize);
  std::string reason = ValidateTableImage(image);
  if (!reason.empty()) return Reject(path, reason);

  table = image;
  LoadResult result;
  result.status = LoadStatus::Loaded;
  return result;
}

bool SaveTable(const std::string& path, const TableRecord& table) {
  std::string temp = path + ".tmp-XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) return false;

  mode_t mode = 0644;
  struct stat old;
  if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) mode = old.st_mode & 0777;

  unsigned char image[kImageSize];
  std::memcpy(image, &table, kImageSize);
  bool written = fchmod(fd, mode) == 0 && WriteAll(fd, image, kImageSize) && fsync(fd) == 0;
  if (close(fd) != 0) written = false;
  if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }

  // Make the rename itself durable; the file is already complete either way.
  int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return true;
}

}  // namespace qf
