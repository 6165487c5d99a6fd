// Whole runs of computer seats through the game's driver: what the tool
// reports must agree with the table's own records, and the benchmark's fixed
// runs must end in the recorded signature.
#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "flow/driver.h"
#include "flow/table_input.h"
#include "sim/action_tally.h"
#include "sim/bench_command.h"
#include "sim/headless_ui.h"

namespace qf {
namespace {

const std::vector<uint32_t> kSevenKinds = {KindSmart,    KindTight,    KindLoose,  KindStupid,
                                           KindParanoid, KindBluffing, KindErratic};

// The benchmark's signature: the final tables of its fixed runs. A change of
// the game's behaviour changes it; such a change must be explained and the
// signature here and in the README updated together.
TEST(BenchSignature, FixedRunsGiveTheRecordedSignature) {
  const BenchOutcome outcome = RunBench(BenchRuns(), nullptr);
  EXPECT_EQ(outcome.stalled, "");
  EXPECT_EQ(outcome.signature, 0x5d9d00fb451f9a18ULL) << std::hex << outcome.signature;
}

// Over a run short enough that no counter of the record saturates, the
// tool's counts are the record's own, and chips leave the table only as rake.
TEST(Simulation, CountsAgreeWithTheRecordAndRakeIsCountedExactly) {
  SimConfig texas = MakeSimConfig(kTexasHoleCards, kSevenKinds, StructureFixed, 600, 3);
  SimConfig omaha = MakeSimConfig(kOmahaHoleCards, kSevenKinds, StructureNoLimit, 300, 8);
  omaha.rakePercent = 10;
  SimConfig progressive =
      MakeSimConfig(kTexasHoleCards, {KindStupid, KindErratic, KindLoose}, 4, 400, 21);
  progressive.ante = progressive.progressive = true;
  progressive.raiseCap = 0;
  // The largest stakes: pots of millions, rake of every size.
  SimConfig top = MakeSimConfig(kTexasHoleCards, kSevenKinds, StructureNoLimit, 200, 5);
  top.baseBet = 9999;
  top.rakePercent = 10;
  for (const SimConfig& config : {texas, omaha, progressive, top}) {
    SCOPED_TRACE(::testing::Message()
                 << "structure " << int{config.structure} << " base bet " << config.baseBet);
    const SimResult result = RunSimulation(config);
    ASSERT_EQ(result.stalled, "");
    ASSERT_EQ(result.hands, config.hands);
    int64_t netSum = 0, rakeSum = 0;
    for (size_t seat = 0; seat < config.kinds.size(); ++seat) {
      const PlayerRecord& p = result.table.players[seat];
      const SeatStats& s = result.seats[seat];
      SCOPED_TRACE(seat);
      EXPECT_EQ(
          std::tuple(s.hands, s.won, s.folds, s.checks, s.calls, s.raises, s.rake),
          std::tuple(config.hands, uint64_t{p.handsWon}, uint64_t{p.folds}, uint64_t{p.checks},
                     uint64_t{p.calls}, uint64_t{p.raises}, uint64_t{p.rakePaid}));
      EXPECT_EQ(s.hands, p.handsPlayed);  // everybody buys in again
      EXPECT_EQ(s.perHand.Count(), s.hands);
      EXPECT_NEAR(s.perHand.Mean() * double(s.hands), double(s.net), 1e-6 * double(s.hands) + 1e-6);
      // Profit counts every buy-in: what the seat has minus what it paid.
      EXPECT_EQ(s.net, int64_t{p.balance} + p.chips);
      netSum += s.net;
      rakeSum += static_cast<int64_t>(s.rake);
    }
    EXPECT_EQ(netSum, -rakeSum);
    EXPECT_GT(rakeSum, 0);
  }
}

// A tournament, or play without buying in again, ends with the last seat
// left; the winner played every hand, the first seat to bust left early.
TEST(Simulation, TournamentsAndRunsWithoutRebuysEndWithOneSeatLeft) {
  SimConfig tournament =
      MakeSimConfig(kTexasHoleCards, {KindStupid, KindLoose, KindErratic}, 6, 100000, 5);
  tournament.tournament = true;
  SimConfig noRebuy =
      MakeSimConfig(kTexasHoleCards, {KindStupid, KindSmart, KindErratic, KindLoose},
                    StructureNoLimit, 100000, 12);
  noRebuy.rebuy = false;
  for (const SimConfig& config : {tournament, noRebuy}) {
    const SimResult result = RunSimulation(config);
    ASSERT_EQ(result.stalled, "");
    ASSERT_TRUE(result.tournamentWinner.has_value());
    EXPECT_LT(result.hands, config.hands);
    int winners = 0;
    uint64_t fewest = result.hands;
    for (size_t seat = 0; seat < config.kinds.size(); ++seat) {
      fewest = std::min(fewest, result.seats[seat].hands);
      if (*result.tournamentWinner == result.table.players[seat].name) {
        ++winners;
        EXPECT_EQ(result.seats[seat].hands, result.hands);
      }
    }
    EXPECT_LT(fewest, result.hands);
    EXPECT_EQ(winners, 1);
  }
}

// The tally keeps counting once the table's own counters stop at their
// limit: a run with every counter a few short of it counts as a plain one
// (computer seats never read them with no human at the table).
TEST(ActionTally, KeepsCountingPastTheCountersLimit) {
  std::array<SeatStats, kSeatCount> seats[2] = {};
  bool saturated = false;
  for (int nearFull = 0; nearFull < 2; ++nearFull) {
    SimConfig config;
    config.kinds = {KindSmart, KindLoose, KindStupid, KindErratic, KindBluffing};
    config.structure = StructureSpread;
    TableRecord table;
    Rng rng(17);
    SetUpSimTable(config, table, rng);
    for (PlayerRecord& p : table.players) {
      if (nearFull) p.folds = p.checks = p.calls = p.raises = UINT16_MAX - 3;
    }
    SessionState session;
    HeadlessUi ui;
    ActionTally tally;
    for (int i = 0; i < 400; ++i) {
      tally.Before(table);
      TickGame(table, session, rng, ui);
      tally.After(table, seats[nearFull]);
      if (session.handSettled) OnTableInput(table, session, rng, ui, TableInput{KeyDigit1});
    }
    for (const PlayerRecord& p : table.players) saturated |= p.folds == UINT16_MAX;
  }
  EXPECT_TRUE(saturated);  // the fallback was really needed
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const SeatStats &a = seats[0][seat], &b = seats[1][seat];
    EXPECT_EQ(std::tuple(a.folds, a.checks, a.calls, a.raises),
              std::tuple(b.folds, b.checks, b.calls, b.raises))
        << "seat " << seat;
  }
  EXPECT_GT(seats[0][0].folds + seats[0][0].calls + seats[0][1].calls, 10u);
}

// The report's mean and 95% interval per 100 hands, merged over seats of a kind.
TEST(Simulation, RunningStatsMeanDeviationAndMerge) {
  RunningStats all, low, high;
  for (int x : {2, 4, 4, 4, 5, 5, 7, 9}) {
    all.Add(x);
    (x < 5 ? low : high).Add(x);
  }
  low.Merge(high);
  for (const RunningStats& s : {all, low}) {
    EXPECT_EQ(s.Count(), 8u);
    EXPECT_NEAR(s.Mean(), 5.0, 1e-12);
    EXPECT_NEAR(s.StdDev(), 2.138089935, 1e-9);  // sample deviation
    EXPECT_NEAR(s.HalfWidth95(), 1.96 * 2.138089935 / std::sqrt(8.0), 1e-9);
  }
}

}  // namespace
}  // namespace qf
