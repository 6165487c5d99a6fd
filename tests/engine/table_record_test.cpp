// The table record: first-run defaults, seat 0's name, buying chips on
// credit and cashing them in, and the data file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "engine/cash.h"
#include "engine/table_file.h"
#include "table_setup.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

bool SameBytes(const TableRecord& a, const TableRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(TableDefaults, EverySeatInactiveWithABuyInOnCreditAndNothingLeftOver) {
  TableRecord table, fromZero{};
  std::memset(&table, 0xAB, sizeof table);
  SetTableDefaults(table, "Maximilian Berg");
  SetTableDefaults(fromZero, "Maximilian Berg");
  EXPECT_TRUE(SameBytes(table, fromZero)) << "every byte not set is cleared";
  std::string names;
  for (const PlayerRecord& p : table.players) {
    names += std::string(p.name) + " ";
    EXPECT_EQ(std::tuple(p.kind, p.tableKind, p.chips, p.balance),
              std::tuple(uint32_t{KindInactive}, uint32_t{KindInactive}, 200u, -200));
  }
  EXPECT_EQ(names, "Maximil Zena Oswin Basil Ivy Ned Perry Gus Hugo Eli ");
  // Texas, fixed limit with base bet 2, 4% rake, four raises, rising stakes;
  // custom betting 2 to 2 before the flop and on the flop, 4 to 4 after.
  EXPECT_EQ((std::vector<uint32_t>{table.holeCards, table.betStructure, table.baseBet,
                                   table.rakePercent, table.raiseCap, table.progressiveLevel}),
            (std::vector<uint32_t>{2, 0, 2, 4, 4, 1}));
  for (int street = 0; street < 4; ++street) {
    EXPECT_EQ(std::pair(table.customMin[street], table.customMax[street]),
              std::pair(street < 2 ? 2u : 4u, street < 2 ? 2u : 4u));
  }
  EXPECT_EQ(ValidateTableImage(table), "");
}

TEST(TableDefaults, SeatZeroAndOwnerNames) {
  // Seven bytes at most, never cut inside a character, then cut at a blank after the second.
  // clang-format off
  const std::pair<const char*, const char*> seatZero[] = {
      {"Maximilian Berg", "Maximil"}, {"Al Berg", "Al"}, {"A Berg", "A Berg"}, {"Jo Ann Berg", "Jo"},
      {"You", "You"}, {"J\u00fcrgen M\u00fcller", "J\u00fcrgen"}, {"Ren\u00e9e\u00e9", "Ren\u00e9e"}};
  // clang-format on
  for (auto [owner, name] : seatZero) EXPECT_EQ(SeatZeroName(owner), name) << owner;
  EXPECT_EQ(OwnerNameFromGecos("Jo Ann Berg,Room 4,555-1234,,"), "Jo Ann Berg");
  for (const char* empty : {",Room 4", "", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(OwnerNameFromGecos(empty), "You");
  }
}

// Every move keeps the seat's profit, and is cut to what the table's chips
// and the seat's balance can hold.
TEST(Cash, BuyingAndCashingInStayWithinTheRecord) {
  // A buy-in of 500 against the seat's balance and another seat's chips.
  // clang-format off
  const std::tuple<int32_t, uint32_t, uint32_t> buys[] = {
      {-200, 1000, 500}, {INT32_MIN + 300, 1000, 300}, {INT32_MIN, 1000, 0},  // the credit left
      {0, UINT32_MAX - 100, 100}, {0, UINT32_MAX, 0}};                        // the table's room
  // clang-format on
  for (auto [balance, elsewhere, bought] : buys) {
    TableRecord table{};
    table.baseBet = 5;
    table.players[0].balance = balance;
    table.players[1].chips = elsewhere;
    EXPECT_EQ(BuyChips(table, 0, BuyInAmount(table)), bought) << balance << " " << elsewhere;
    EXPECT_EQ(int64_t{table.players[0].balance} + table.players[0].chips, balance);
  }
  const std::tuple<uint32_t, int32_t, uint32_t> cashIns[] = {
      {700u, -200, 700u}, {3'000'000'000u, 0, uint32_t{INT32_MAX}}, {5u, INT32_MAX, 0u}};
  for (auto [chips, balance, moved] : cashIns) {
    PlayerRecord seat{};
    seat.chips = chips;
    seat.balance = balance;
    EXPECT_EQ(CashIn(seat), moved);
    EXPECT_EQ(int64_t{seat.balance} + seat.chips, int64_t{balance} + chips);
  }
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Bytes(const TableRecord& table) {
  return std::string(reinterpret_cast<const char*>(&table), sizeof table);
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
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
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }
  int FilesInFolder() const { return int(std::distance(fs::directory_iterator(folder_), {})); }

  const fs::path folder_ = fs::temp_directory_path() / ("qf-file-" + std::to_string(getpid()));
  const std::string path_ = (folder_ / "Quillfern.dat").string();
};

TEST_F(TableFile, RoundTripKeepsEveryByteAndAFailedSaveLeavesTheOldFile) {
  TableRecord table = MidHandTable();
  EXPECT_EQ(LoadTable(path_, table).status, LoadStatus::Missing);
  EXPECT_TRUE(SameBytes(table, MidHandTable()));
  TableRecord fresh;  // a first-run table, its deck still empty
  SetTableDefaults(fresh, "Tester");
  for (const TableRecord& saved : {fresh, MidHandTable()}) {
    ASSERT_TRUE(SaveTable(path_, saved));
    EXPECT_EQ(ReadBytes(path_), Bytes(saved));
    TableRecord loaded{};
    EXPECT_EQ(LoadTable(path_, loaded).status, LoadStatus::Loaded);
    EXPECT_TRUE(SameBytes(loaded, saved));
    EXPECT_EQ(FilesInFolder(), 1);  // no temporary file left behind
  }
  // No such folder: the temporary file cannot even be created. A folder in
  // the target's place: writing works, replacing does not.
  EXPECT_FALSE(SaveTable((folder_ / "missing" / "Quillfern.dat").string(), fresh));
  const fs::path blocked = folder_ / "blocked.dat";
  fs::create_directory(blocked);
  WriteBytes(blocked / "precious", "kept");
  EXPECT_FALSE(SaveTable(blocked.string(), fresh));
  EXPECT_EQ(ReadBytes(blocked / "precious"), "kept");
  EXPECT_EQ(ReadBytes(path_), Bytes(MidHandTable()));
  EXPECT_EQ(FilesInFolder(), 2);  // the old file and the blocking folder, nothing temporary
}

TEST_F(TableFile, BadFilesAreMovedAsideUnderNamesOfTheirOwnAndNotLoaded) {
  using Damage = std::function<void(TableRecord&)>;
  const auto emptyDeck = [](Damage more) {
    return [more](TableRecord& t) {
      std::memset(t.deck, 0, sizeof t.deck);
      for (PlayerRecord& player : t.players) player.cardsSeen = 0;
      more(t);
    };
  };
  const std::pair<const char*, Damage> cases[] = {
      {"cards seen 200", [](TableRecord& t) { t.players[4].cardsSeen = 200; }},
      {"cards seen one past the river", [](TableRecord& t) { t.players[0].cardsSeen = 8; }},
      {"hole cards 3", [](TableRecord& t) { t.holeCards = 3; }},
      {"dealer 10", [](TableRecord& t) { t.dealer = 10; }},
      {"street marker 9", [](TableRecord& t) { t.cardsDealt = 9; }},
      {"kind 10", [](TableRecord& t) { t.players[2].kind = 10; }},
      {"table kind", [](TableRecord& t) { t.players[9].tableKind = 0xFFFFFFFF; }},
      {"status 5", [](TableRecord& t) { t.players[1].status = 5; }},
      {"structure 8", [](TableRecord& t) { t.betStructure = 8; }},
      {"ante mode 2", [](TableRecord& t) { t.anteMode = 2; }},
      {"rake 11", [](TableRecord& t) { t.rakePercent = 11; }},
      {"cap 11", [](TableRecord& t) { t.raiseCap = 11; }},
      {"base bet 10000", [](TableRecord& t) { t.baseBet = 10000; }},
      {"progressive level 65536", [](TableRecord& t) { t.progressiveLevel = 65536; }},
      {"chips beyond 32 bits", [](TableRecord& t) { t.players[3].chips = 0xFFFFFF00u; }},
      {"duplicate card", [](TableRecord& t) { t.deck[10] = t.deck[11]; }},
      {"card 53", [](TableRecord& t) { t.deck[0] = 53; }},
      {"unterminated name", [](TableRecord& t) { std::memset(t.players[6].name, 'a', kNameSize); }},
      {"unterminated label", [](TableRecord& t) { std::memset(t.tableLabel, 'a', 36); }},
      {"empty deck, cards held", emptyDeck([](TableRecord& t) { t.players[5].cardsSeen = 1; })},
      {"empty deck with a seat in the hand", emptyDeck([](TableRecord&) {})},
      {"empty deck while only a folded seat holds cards", emptyDeck([](TableRecord& t) {
         for (PlayerRecord& player : t.players) player.status = StatusOut;
         t.players[3].cardsSeen = 2;
         t.players[3].status = StatusFolded;
       })}};
  // The edges themselves are good tables.
  TableRecord edge = MidHandTable();
  edge.dealer = 9, edge.rakePercent = edge.raiseCap = 10, edge.betStructure = 7;
  edge.baseBet = 9999, edge.progressiveLevel = 65535, edge.players[2].kind = 9;
  edge.players[0].cardsSeen = 7, edge.cardsDealt = 8;
  EXPECT_EQ(ValidateTableImage(edge), "");

  TableRecord table;
  SetTableDefaults(table, "Keep");
  const TableRecord before = table;
  std::vector<std::string> files = {std::string(1000, 'x'), "", Bytes(MidHandTable()) + "x"};
  for (const auto& [what, damage] : cases) {
    TableRecord bad = MidHandTable();
    damage(bad);
    files.push_back(Bytes(bad));
    EXPECT_NE(ValidateTableImage(bad), "") << what;
  }
  for (size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(i < 3 ? "a file of the wrong size" : cases[i - 3].first);
    WriteBytes(path_, files[i]);
    const LoadResult result = LoadTable(path_, table);
    EXPECT_EQ(result.status, LoadStatus::Rejected);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(SameBytes(table, before));
    // Never deleted: every reject is kept byte for byte under a name of its own.
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_EQ(result.movedTo,
              path_ + (i == 0 ? ".rejected" : ".rejected-" + std::to_string(i + 1)));
    EXPECT_EQ(ReadBytes(result.movedTo), files[i]);
  }
}

}  // namespace
}  // namespace qf
