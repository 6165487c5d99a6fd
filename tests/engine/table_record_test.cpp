// The table record: first-run defaults, seat 0's name, and the data file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/table_defaults.h"
#include "engine/table_file.h"
#include "table_setup.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

TEST(TableDefaults, EverySeatInactiveWithABuyInOnCreditAndNothingLeftOver) {
  TableRecord table;
  std::memset(&table, 0xAB, sizeof table);
  SetTableDefaults(table, "Maximilian Berg");
  const char* names[] = {"Maximil", "Zena",  "Oswin", "Basil", "Ivy",
                         "Ned",     "Perry", "Gus",   "Hugo",  "Eli"};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& player = table.players[seat];
    EXPECT_STREQ(player.name, names[seat]);
    EXPECT_EQ(player.kind, KindInactive);
    EXPECT_EQ(player.tableKind, KindInactive);
    EXPECT_EQ(player.chips, 200u);
    EXPECT_EQ(player.balance, -200);
  }
  // Texas, fixed limit with base bet 2, 4% rake, four raises, rising stakes;
  // custom betting 2 to 2 before the flop.
  EXPECT_EQ((std::vector<uint32_t>{table.holeCards, table.betStructure, table.baseBet,
                                   table.rakePercent, table.raiseCap, table.progressiveLevel,
                                   table.customMin[0], table.customMax[0]}),
            (std::vector<uint32_t>{2, 0, 2, 4, 4, 1, 2, 2}));
  EXPECT_EQ(ValidateTableImage(table), "");
  // Every byte not set is cleared, whatever the record held before.
  TableRecord fromZero{};
  SetTableDefaults(fromZero, "Maximilian Berg");
  EXPECT_EQ(std::memcmp(&table, &fromZero, sizeof table), 0);
}

TEST(TableDefaults, SeatZeroAndOwnerNames) {
  // Seven bytes at most, never cut inside a character, then cut at a blank after the second.
  const std::pair<const char*, const char*> seatZero[] = {
      {"Maximilian Berg", "Maximil"},
      {"Al Berg", "Al"},
      {"A Berg", "A Berg"},
      {"Jo Ann Berg", "Jo"},
      {"Bartholomew", "Barthol"},
      {"Ann Lee", "Ann"},
      {"You", "You"},
      {"J\u00fcrgen M\u00fcller", "J\u00fcrgen"},
      {"Ren\u00e9e\u00e9", "Ren\u00e9e"},
  };
  for (auto [owner, name] : seatZero) EXPECT_EQ(SeatZeroName(owner), name) << owner;

  EXPECT_EQ(OwnerNameFromGecos("Jo Ann Berg,Room 4,555-1234,,"), "Jo Ann Berg");
  EXPECT_EQ(OwnerNameFromGecos("Maximilian Berg"), "Maximilian Berg");
  for (const char* empty : {",Room 4", "", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(OwnerNameFromGecos(empty), "You");
  }
  EXPECT_FALSE(OwnerName().empty());

  char field[kNameSize];
  std::memset(field, 'x', sizeof field);
  CopyName(field, "A name far longer than twenty characters");
  EXPECT_EQ(std::strlen(field), static_cast<size_t>(kNameSize - 1));
}

std::vector<char> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

bool SameBytes(const std::vector<char>& bytes, const TableRecord& table) {
  return bytes.size() == sizeof table && std::memcmp(bytes.data(), &table, sizeof table) == 0;
}

// A table in the middle of a hand: every field the file carries is set.
TableRecord MidHandTable() {
  TableRecord table = test::TableSetup().Seat(0, 180, KindHuman).Seat(3, 150).Seat(7, 90).Build();
  std::strcpy(table.tableLabel, "-Empty-");
  test::RunToDecision(table);
  table.players[3].handsWon = 7;
  table.players[7].balance = -1234;
  table.reserved800[5] = 0x5A;  // reserved bytes travel with the record
  table.reserved1028[2] = 0x77;
  return table;
}

class TableFile : public ::testing::Test {
 protected:
  void SetUp() override {
    const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
    folder_ = fs::temp_directory_path() / ("qf-table-file-" + std::to_string(unit.random_seed()) +
                                           "-" + unit.current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "Quillfern.dat").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  int FilesInFolder() const {
    return static_cast<int>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
  std::string path_;
};

TEST_F(TableFile, RoundTripKeepsEveryByte) {
  TableRecord table = MidHandTable();
  const TableRecord kept = table;
  EXPECT_EQ(LoadTable(path_, table).status, LoadStatus::Missing);
  EXPECT_EQ(std::memcmp(&table, &kept, sizeof table), 0);

  TableRecord fresh;  // a first-run table, its deck still empty
  SetTableDefaults(fresh, "Tester");
  for (const TableRecord& saved : {MidHandTable(), fresh}) {
    ASSERT_TRUE(SaveTable(path_, saved));
    EXPECT_TRUE(SameBytes(ReadBytes(path_), saved));
    TableRecord loaded{};
    EXPECT_EQ(LoadTable(path_, loaded).status, LoadStatus::Loaded);
    EXPECT_EQ(std::memcmp(&loaded, &saved, sizeof saved), 0);
    EXPECT_EQ(FilesInFolder(), 1);  // no temporary file left behind
  }
}

TEST_F(TableFile, BadFilesAreMovedAsideUnderNamesOfTheirOwnAndNotLoaded) {
  const struct {
    const char* what;
    std::function<void(TableRecord&)> damage;
    size_t size = sizeof(TableRecord);
  } cases[] = {
      {"truncated", nullptr, 1000},
      {"empty", nullptr, 0},
      {"one byte too long", nullptr, sizeof(TableRecord) + 1},
      {"cards seen 200", [](TableRecord& t) { t.players[4].cardsSeen = 200; }},
      {"cards seen one past the river", [](TableRecord& t) { t.players[0].cardsSeen = 8; }},
      {"hole cards 3", [](TableRecord& t) { t.holeCards = 3; }},
      {"dealer 255", [](TableRecord& t) { t.dealer = 255; }},
      {"dealer 10", [](TableRecord& t) { t.dealer = 10; }},
      {"street marker", [](TableRecord& t) { t.cardsDealt = 9; }},
      {"kind 10", [](TableRecord& t) { t.players[2].kind = 10; }},
      {"table kind", [](TableRecord& t) { t.players[9].tableKind = 0xFFFFFFFF; }},
      {"status 5", [](TableRecord& t) { t.players[1].status = 5; }},
      {"structure 8", [](TableRecord& t) { t.betStructure = 8; }},
      {"ante mode 2", [](TableRecord& t) { t.anteMode = 2; }},
      {"rake 11", [](TableRecord& t) { t.rakePercent = 11; }},
      {"cap 11", [](TableRecord& t) { t.raiseCap = 11; }},
      {"duplicate card", [](TableRecord& t) { t.deck[10] = t.deck[11]; }},
      {"card 53", [](TableRecord& t) { t.deck[0] = 53; }},
      {"empty deck while cards are held", [](TableRecord& t) { std::memset(t.deck, 0, 52); }},
      {"empty deck while a folded seat holds cards",
       [](TableRecord& t) {
         std::memset(t.deck, 0, 52);
         for (PlayerRecord& player : t.players) player.cardsSeen = 0, player.status = StatusOut;
         t.players[3].cardsSeen = 2;
         t.players[3].status = StatusFolded;
       }},
      {"base bet 10000", [](TableRecord& t) { t.baseBet = 10000; }},
      {"progressive level past its top", [](TableRecord& t) { t.progressiveLevel = 65536; }},
      {"empty deck with a seat in the hand",
       [](TableRecord& t) {
         std::memset(t.deck, 0, 52);
         for (PlayerRecord& player : t.players) player.cardsSeen = 0;
       }},
      {"unterminated name", [](TableRecord& t) { std::memset(t.players[6].name, 'a', kNameSize); }},
      {"unterminated label", [](TableRecord& t) { std::memset(t.tableLabel, 'a', 36); }},
      {"chips beyond 32 bits", [](TableRecord& t) { t.players[3].chips = 0xFFFFFF00u; }},
  };
  TableRecord table;
  SetTableDefaults(table, "Keep");
  const TableRecord before = table;
  int rejects = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord bad = MidHandTable();
    if (c.damage) c.damage(bad);
    std::vector<char> bytes(c.size, 0);
    std::copy_n(reinterpret_cast<const char*>(&bad), std::min(c.size, sizeof bad), bytes.begin());
    WriteBytes(path_, bytes.data(), bytes.size());

    LoadResult result = LoadTable(path_, table);
    EXPECT_EQ(result.status, LoadStatus::Rejected);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);
    EXPECT_FALSE(fs::exists(path_));
    // Never deleted: every reject is kept byte for byte under a name of its own.
    ++rejects;
    EXPECT_EQ(result.movedTo,
              rejects == 1 ? path_ + ".rejected" : path_ + ".rejected-" + std::to_string(rejects));
    EXPECT_EQ(ReadBytes(result.movedTo), bytes);
  }
}

TEST_F(TableFile, FailedSaveLeavesTheOldFileIntact) {
  TableRecord old = MidHandTable();
  ASSERT_TRUE(SaveTable(path_, old));
  TableRecord changed = old;
  changed.players[0].chips = 1;

  // No such folder: the temporary file cannot even be created.
  EXPECT_FALSE(SaveTable((folder_ / "missing" / "Quillfern.dat").string(), changed));

  // The target is a folder: writing works, replacing does not.
  fs::path blocked = folder_ / "blocked.dat";
  fs::create_directory(blocked);
  WriteBytes(blocked / "precious", &old, sizeof old);
  EXPECT_FALSE(SaveTable(blocked.string(), changed));
  EXPECT_TRUE(SameBytes(ReadBytes(blocked / "precious"), old));

  EXPECT_TRUE(SameBytes(ReadBytes(path_), old));
  EXPECT_EQ(FilesInFolder(), 2);  // the old file and the blocking folder, nothing temporary
}

}  // namespace
}  // namespace qf
