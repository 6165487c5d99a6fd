// Whole runs of computer seats through the game's driver: what the tool
// reports must agree with the table's own records.
#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "engine/pots.h"

namespace qf {
namespace {

const std::vector<uint32_t> kSevenKinds = {KindSmart,    KindTight,    KindLoose,  KindStupid,
                                           KindParanoid, KindBluffing, KindErratic};

TEST(SimSetUp, SeatsFillFromZeroWithFreshBuyIns) {
  TableRecord table;
  SimConfig config = MakeSimConfig(kOmahaHoleCards, {KindLoose, KindTight, KindSmart}, 5, 1, 1);
  config.baseBet = 10;
  config.ante = true;
  config.rakePercent = 0;
  config.raiseCap = 0;
  Rng rng(1);
  SetUpSimTable(config, table, rng);
  EXPECT_EQ(table.holeCards, kOmahaHoleCards);
  EXPECT_EQ(table.betStructure, StructurePotLimit);
  EXPECT_EQ(table.anteMode, 1);
  EXPECT_EQ(table.rakePercent, 0);
  EXPECT_EQ(table.raiseCap, 0);
  EXPECT_EQ(table.progressiveLevel, 0u);
  EXPECT_EQ(table.confirmDeal, 0u);
  EXPECT_EQ(table.smallTable, 1);
  EXPECT_EQ(table.players[0].kind, KindLoose);
  EXPECT_EQ(table.players[2].kind, KindSmart);
  EXPECT_EQ(table.players[3].kind, KindInactive);
  for (int seat = 0; seat < 3; ++seat) {
    EXPECT_EQ(table.players[seat].chips, 1000u);
    EXPECT_EQ(table.players[seat].balance + int64_t{table.players[seat].chips}, 0);
  }
  // The first hand is begun: a shuffled deck, every seat to act.
  std::vector<bool> seen(kDeckSize + 1, false);
  for (uint8_t card : table.deck) {
    ASSERT_TRUE(card >= 1 && card <= kDeckSize && !seen[card]);
    seen[card] = true;
  }
  EXPECT_EQ(table.players[0].status, StatusToAct);
  config.kinds.resize(7, KindErratic);
  SetUpSimTable(config, table, rng);
  EXPECT_EQ(table.smallTable, 0);
}

// Over a run short enough that no counter of the record saturates, the
// tool's counts are the record's own.
void ExpectCountsMatchTheRecord(const SimConfig& config) {
  SimResult result = RunSimulation(config);
  ASSERT_EQ(result.stalled, "");
  ASSERT_EQ(result.hands, config.hands);
  int64_t netSum = 0;
  uint64_t rakeSum = 0;
  for (size_t seat = 0; seat < config.kinds.size(); ++seat) {
    const PlayerRecord& player = result.table.players[seat];
    const SeatStats& stats = result.seats[seat];
    EXPECT_EQ(stats.hands, config.hands) << "seat " << seat;  // everybody buys in again
    EXPECT_EQ(stats.hands, player.handsPlayed) << "seat " << seat;
    EXPECT_EQ(stats.won, player.handsWon) << "seat " << seat;
    EXPECT_EQ(stats.folds, player.folds) << "seat " << seat;
    EXPECT_EQ(stats.checks, player.checks) << "seat " << seat;
    EXPECT_EQ(stats.calls, player.calls) << "seat " << seat;
    EXPECT_EQ(stats.raises, player.raises) << "seat " << seat;
    EXPECT_EQ(stats.rake, player.rakePaid) << "seat " << seat;
    EXPECT_EQ(stats.perHand.Count(), stats.hands);
    EXPECT_NEAR(stats.perHand.Mean() * static_cast<double>(stats.hands),
                static_cast<double>(stats.net), 1e-6 * static_cast<double>(stats.hands) + 1e-6);
    // Profit counts every buy-in: what the seat has minus what it paid.
    EXPECT_EQ(stats.net, int64_t{player.balance} + player.chips) << "seat " << seat;
    netSum += stats.net;
    rakeSum += stats.rake;
  }
  // Chips only leave the table as rake.
  EXPECT_EQ(netSum, -static_cast<int64_t>(rakeSum));
}

TEST(Simulation, CountsAgreeWithTheRecord) {
  SimConfig texas = MakeSimConfig(kTexasHoleCards, kSevenKinds, StructureFixed, 600, 3);
  SimConfig omaha = MakeSimConfig(kOmahaHoleCards, kSevenKinds, StructureNoLimit, 300, 8);
  omaha.rakePercent = 10;
  SimConfig progressive =
      MakeSimConfig(kTexasHoleCards, {KindStupid, KindErratic, KindLoose}, 4, 400, 21);
  progressive.ante = true;
  progressive.progressive = true;
  progressive.raiseCap = 0;
  for (const SimConfig& config : {texas, omaha, progressive}) {
    SCOPED_TRACE(::testing::Message() << "structure " << int{config.structure});
    ExpectCountsMatchTheRecord(config);
  }
}

TEST(Simulation, SameSeedSameTableOtherSeedOtherTable) {
  SimConfig config = MakeSimConfig(kTexasHoleCards, kSevenKinds, StructureSpread, 200, 42);
  SimResult first = RunSimulation(config);
  SimResult again = RunSimulation(config);
  EXPECT_EQ(std::memcmp(&first.table, &again.table, sizeof first.table), 0);
  config.seed = 43;
  SimResult other = RunSimulation(config);
  EXPECT_NE(std::memcmp(&first.table, &other.table, sizeof first.table), 0);
}

TEST(Simulation, TournamentEndsWithOneSeatLeft) {
  SimConfig config =
      MakeSimConfig(kTexasHoleCards, {KindStupid, KindLoose, KindErratic}, 6, 100000, 5);
  config.tournament = true;
  SimResult result = RunSimulation(config);
  ASSERT_EQ(result.stalled, "");
  ASSERT_TRUE(result.tournamentWinner.has_value());
  EXPECT_LT(result.hands, config.hands);
  // The winner played every hand; the first seat to bust left early.
  int winners = 0;
  uint64_t fewest = result.hands;
  for (int seat = 0; seat < 3; ++seat) {
    const char* name = result.table.players[seat].name;
    fewest = std::min(fewest, result.seats[seat].hands);
    if (*result.tournamentWinner == name) {
      ++winners;
      EXPECT_EQ(result.seats[seat].hands, result.hands);
    }
  }
  EXPECT_LT(fewest, result.hands);
  EXPECT_EQ(winners, 1);
}

TEST(Simulation, WithoutRebuysBustedSeatsLeave) {
  SimConfig config = MakeSimConfig(kTexasHoleCards, {KindStupid, KindSmart, KindErratic, KindLoose},
                                   StructureNoLimit, 100000, 12);
  config.rebuy = false;
  SimResult result = RunSimulation(config);
  ASSERT_EQ(result.stalled, "");
  EXPECT_TRUE(result.tournamentWinner.has_value());  // the last seat left ends the run
  EXPECT_LT(result.hands, config.hands);
}

TEST(Fnv1a, KnownValues) {
  EXPECT_EQ(Fnv1a("", 0), 0xcbf29ce484222325ULL);
  EXPECT_EQ(Fnv1a("a", 1), 0xaf63dc4c8601ec8cULL);
  EXPECT_EQ(Fnv1a("foobar", 6), 0x85944171f73967e8ULL);
  // Continuing a hash is hashing the joined bytes.
  EXPECT_EQ(Fnv1a("bar", 3, Fnv1a("foo", 3)), Fnv1a("foobar", 6));
}

TEST(RunningStats, MeanDeviationAndMerge) {
  RunningStats all;
  RunningStats low;
  RunningStats high;
  for (int x : {2, 4, 4, 4, 5, 5, 7, 9}) {
    all.Add(x);
    (x < 5 ? low : high).Add(x);
  }
  EXPECT_DOUBLE_EQ(all.Mean(), 5.0);
  EXPECT_NEAR(all.StdDev(), 2.138089935, 1e-9);  // sample deviation
  EXPECT_NEAR(all.HalfWidth95(), 1.96 * 2.138089935 / std::sqrt(8.0), 1e-9);
  low.Merge(high);
  EXPECT_EQ(low.Count(), 8u);
  EXPECT_NEAR(low.Mean(), 5.0, 1e-12);
  EXPECT_NEAR(low.StdDev(), all.StdDev(), 1e-12);
}

}  // namespace
}  // namespace qf
