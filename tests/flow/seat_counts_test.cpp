// Seat counts and computer kinds as the New Table dialog sets them.
#include "flow/seat_counts.h"

#include <gtest/gtest.h>

#include <set>

#include "flow_test_support.h"

namespace qf {
namespace {

using testing::MakeTable;

std::vector<uint32_t> Kinds(const TableRecord& table) {
  std::vector<uint32_t> kinds;
  for (const PlayerRecord& p : table.players) kinds.push_back(p.kind);
  return kinds;
}

TEST(CountSeatKindsTest, CountsPlayersHumansAndSkill) {
  TableRecord table = MakeTable({KindHuman, KindHiddenHuman, KindSmart, KindStupid, KindTight,
                                 KindInactive, KindErratic, KindBluffing});
  const SeatCounts counts = CountSeatKinds(table);
  EXPECT_EQ(counts.playerCount, 7);
  EXPECT_EQ(counts.humanCount, 2);
  EXPECT_EQ(counts.skillBalance, -2);
  EXPECT_STREQ(SkillLevelName(counts.skillBalance), "Beginner");
  EXPECT_STREQ(SkillLevelName(0), "Intermediate");  // e.g. one Smart and one Stupid
  EXPECT_STREQ(SkillLevelName(3), "Pro");
}

TEST(AssignComputerKindsTest, LevelChoosesTheFamilyAndLeavesOtherSeatsAlone) {
  Rng rng(11);
  for (int level : {-1, 0, 1}) {
    TableRecord table =
        MakeTable({KindHuman, KindSmart, KindInactive, KindTight, KindStupid, KindHiddenHuman,
                   KindLoose, KindErratic, KindParanoid, KindBluffing});
    std::set<uint32_t> seen;
    for (int round = 0; round < 20; ++round) {
      AssignComputerKinds(table, rng, level);
      EXPECT_EQ(table.players[0].kind, KindHuman);
      EXPECT_EQ(table.players[2].kind, KindInactive);
      EXPECT_EQ(table.players[5].kind, KindHiddenHuman);
      for (const PlayerRecord& p : table.players) {
        if (IsComputerKind(p.kind)) seen.insert(p.kind);
      }
    }
    if (level > 0) {
      EXPECT_EQ(seen, (std::set<uint32_t>{KindSmart}));
    } else if (level == 0) {
      EXPECT_EQ(seen, (std::set<uint32_t>{KindTight, KindLoose}));
    } else {
      EXPECT_EQ(seen, (std::set<uint32_t>{KindStupid, KindParanoid, KindBluffing, KindErratic}));
    }
  }
}

TEST(SetSeatCountsTest, HumansUpToEverySeatAndBackToOne) {
  Rng rng(2);
  TableRecord table = MakeTable({KindHuman, KindSmart, KindSmart, KindSmart});
  SetSeatCounts(table, rng, -1, 4);
  EXPECT_EQ(Kinds(table)[0], KindHiddenHuman);
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(table.players[seat].kind, KindHiddenHuman);
  EXPECT_EQ(CountSeatKinds(table).playerCount, 4);

  // Back to one human: the highest human seats give way to computers and the
  // one left is shown plainly again.
  SetSeatCounts(table, rng, -1, 1);
  const SeatCounts counts = CountSeatKinds(table);
  EXPECT_EQ(counts.humanCount, 1);
  EXPECT_EQ(counts.playerCount, 4);
  EXPECT_EQ(table.players[0].kind, KindHuman);
  for (int seat = 1; seat < 4; ++seat) EXPECT_TRUE(IsComputerKind(table.players[seat].kind));
}

TEST(SetSeatCountsTest, HumansGoDownFromSeveralOneAtATime) {
  Rng rng(4);
  TableRecord table = MakeTable({KindHuman, KindSmart, KindSmart, KindSmart, KindSmart});
  SetSeatCounts(table, rng, -1, 3);
  ASSERT_EQ(CountSeatKinds(table).humanCount, 3);
  SetSeatCounts(table, rng, -1, 2);
  EXPECT_EQ(CountSeatKinds(table).humanCount, 2);
  EXPECT_EQ(CountSeatKinds(table).playerCount, 5);
  EXPECT_EQ(table.players[0].kind, KindHiddenHuman);
  EXPECT_EQ(table.players[1].kind, KindHiddenHuman);
  EXPECT_TRUE(IsComputerKind(table.players[2].kind));
}

TEST(SetSeatCountsTest, NoHumanRefillsTheSeatWithAComputer) {
  Rng rng(6);
  TableRecord table = MakeTable({KindHuman, KindSmart, KindSmart});
  SetSeatCounts(table, rng, -1, 0);
  const SeatCounts counts = CountSeatKinds(table);
  EXPECT_EQ(counts.humanCount, 0);
  EXPECT_EQ(counts.playerCount, 3);
  EXPECT_TRUE(IsComputerKind(table.players[0].kind)) << "the lowest Inactive seat is refilled";
  EXPECT_EQ(table.players[3].kind, KindInactive);
}

TEST(SetSeatCountsTest, PlayersUpAndDown) {
  Rng rng(8);
  TableRecord table = MakeTable({KindHuman, KindSmart, KindSmart});
  SetSeatCounts(table, rng, 6, -1);
  EXPECT_EQ(CountSeatKinds(table).playerCount, 6);
  for (int seat = 1; seat < 6; ++seat) EXPECT_EQ(table.players[seat].kind, KindSmart);
  EXPECT_EQ(table.players[6].kind, KindInactive);

  // Down: the highest computer seats leave first; the human stays.
  SetSeatCounts(table, rng, 2, -1);
  EXPECT_EQ(Kinds(table), (std::vector<uint32_t>{KindHuman, KindSmart, 2, 2, 2, 2, 2, 2, 2, 2}));

  // With no computer seat left, the highest seat in play leaves.
  TableRecord humans = MakeTable({KindHiddenHuman, KindHiddenHuman, KindHiddenHuman});
  SetSeatCounts(humans, rng, 2, -1);
  EXPECT_EQ(humans.players[2].kind, KindInactive);
  EXPECT_EQ(CountSeatKinds(humans).playerCount, 2);
}

TEST(SetSeatCountsTest, AddedComputersTakeTheTablesLevel) {
  Rng rng(9);
  TableRecord table = MakeTable({KindHuman, KindStupid, KindErratic});
  SetSeatCounts(table, rng, 8, -1);
  for (int seat = 1; seat < 8; ++seat) {
    const uint32_t kind = table.players[seat].kind;
    EXPECT_TRUE(kind == KindStupid || kind == KindParanoid || kind == KindBluffing ||
                kind == KindErratic)
        << seat;
  }
}

}  // namespace
}  // namespace qf
