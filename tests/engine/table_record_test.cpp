#include "engine/table_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/table_defaults.h"
#include "table_setup.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

std::vector<char> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A table in the middle of a hand: every field the file carries is set.
TableRecord MidHandTable() {
  TableRecord table = test::TableSetup().Seat(0, 180, KindHuman).Seat(3, 150).Seat(7, 90).Build();
  std::strcpy(table.tableLabel, "-Empty-");
  test::TableSetup::BeginHand(table);
  test::RunToDecision(table);
  table.players[3].handsWon = 7;
  table.players[7].balance = -1234;
  return table;
}

class TableFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("qf-table-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "Quillfern.dat").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  std::string path_;
};

TEST_F(TableFile, DefaultsSaveAsExactly1056BytesStartingWithOne) {
  TableRecord table;
  SetTableDefaults(table, "Tester");
  ASSERT_TRUE(SaveTable(path_, table));
  std::vector<char> bytes = ReadBytes(path_);
  ASSERT_EQ(bytes.size(), 1056u);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(std::memcmp(bytes.data(), &table, sizeof table), 0);
}

TEST_F(TableFile, RoundTripKeepsEveryByteOfAHandInProgress) {
  TableRecord saved = MidHandTable();
  saved.reserved800[5] = 0x5A;  // reserved bytes travel with the record
  saved.reserved1028[2] = 0x77;
  ASSERT_TRUE(SaveTable(path_, saved));

  TableRecord loaded;
  std::memset(&loaded, 0, sizeof loaded);
  LoadResult result = LoadTable(path_, loaded);
  EXPECT_EQ(result.status, LoadStatus::Loaded);
  EXPECT_EQ(std::memcmp(&loaded, &saved, sizeof saved), 0);

  ASSERT_TRUE(SaveTable(path_, loaded));
  std::vector<char> again = ReadBytes(path_);
  ASSERT_EQ(again.size(), sizeof saved);
  EXPECT_EQ(std::memcmp(again.data(), &saved, sizeof saved), 0);
  // The save leaves no temporary file behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TableFile, MissingFileLeavesTheRecordAlone) {
  TableRecord table = MidHandTable();
  TableRecord before = table;
  EXPECT_EQ(LoadTable(path_, table).status, LoadStatus::Missing);
  EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);
}

TEST_F(TableFile, BadFilesAreMovedAsideUntouchedAndNotLoaded) {
  struct Case {
    const char* what;
    std::function<void(TableRecord&)> damage;
  };
  const std::vector<Case> cases = {
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
      {"empty deck with a seat in the hand",
       [](TableRecord& t) {
         std::memset(t.deck, 0, 52);
         for (PlayerRecord& player : t.players) player.cardsSeen = 0;
       }},
      {"unterminated name", [](TableRecord& t) { std::memset(t.players[6].name, 'a', kNameSize); }},
      {"unterminated label", [](TableRecord& t) { std::memset(t.tableLabel, 'a', 36); }},
      {"chips beyond 32 bits", [](TableRecord& t) { t.players[3].chips = 0xFFFFFF00u; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table;
    SetTableDefaults(table, "Keep");
    TableRecord before = table;
    TableRecord bad = MidHandTable();
    c.damage(bad);
    EXPECT_FALSE(ValidateTableImage(bad).empty());
    WriteBytes(path_, &bad, sizeof bad);

    LoadResult result = LoadTable(path_, table);
    EXPECT_EQ(result.status, LoadStatus::Rejected);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);
    EXPECT_FALSE(fs::exists(path_));
    ASSERT_FALSE(result.movedTo.empty());
    std::vector<char> kept = ReadBytes(result.movedTo);
    ASSERT_EQ(kept.size(), sizeof bad);
    EXPECT_EQ(std::memcmp(kept.data(), &bad, sizeof bad), 0);
    fs::remove(result.movedTo);
  }
}

TEST_F(TableFile, WrongSizesAreRejectedAndEachRejectGetsItsOwnName) {
  TableRecord good = MidHandTable();
  TableRecord table;
  SetTableDefaults(table, "Keep");

  WriteBytes(path_, &good, 1000);  // truncated
  LoadResult first = LoadTable(path_, table);
  EXPECT_EQ(first.status, LoadStatus::Rejected);
  EXPECT_EQ(first.movedTo, path_ + ".rejected");

  std::vector<char> longer(sizeof good + 1, 0);
  std::memcpy(longer.data(), &good, sizeof good);
  WriteBytes(path_, longer.data(), longer.size());
  LoadResult second = LoadTable(path_, table);
  EXPECT_EQ(second.status, LoadStatus::Rejected);
  EXPECT_EQ(second.movedTo, path_ + ".rejected-2");

  WriteBytes(path_, &good, 0);
  EXPECT_EQ(LoadTable(path_, table).movedTo, path_ + ".rejected-3");

  EXPECT_EQ(ReadBytes(path_ + ".rejected").size(), 1000u);
  EXPECT_EQ(ReadBytes(path_ + ".rejected-2").size(), sizeof good + 1);
  EXPECT_EQ(table.players[0].chips, 200u);  // still the defaults
}

TEST_F(TableFile, AFreshTableWithAnEmptyDeckLoads) {
  TableRecord fresh;
  SetTableDefaults(fresh, "Tester");
  WriteBytes(path_, &fresh, sizeof fresh);
  TableRecord table = MidHandTable();
  EXPECT_EQ(LoadTable(path_, table).status, LoadStatus::Loaded);
  EXPECT_EQ(std::memcmp(&table, &fresh, sizeof table), 0);
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
  fs::path inside = blocked / "precious";
  WriteBytes(inside, &old, sizeof old);
  EXPECT_FALSE(SaveTable(blocked.string(), changed));
  EXPECT_TRUE(fs::is_directory(blocked));
  EXPECT_EQ(ReadBytes(inside).size(), sizeof old);

  std::vector<char> bytes = ReadBytes(path_);
  ASSERT_EQ(bytes.size(), sizeof old);
  EXPECT_EQ(std::memcmp(bytes.data(), &old, sizeof old), 0);
  // Only the old file, the blocking folder and nothing temporary remain.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace qf
