// Tallying actions tick by tick, also once the table's own counters have
// reached their limit.
#include "sim/action_tally.h"

#include <gtest/gtest.h>

#include "flow/driver.h"
#include "flow/session.h"
#include "flow/table_input.h"
#include "sim/headless_ui.h"

namespace qf {
namespace {

struct Tallied {
  TableRecord table;
  std::array<SeatStats, kSeatCount> seats{};
};

// Plays ticks on a fresh table; with nearFull, every seat's counters start
// a few short of their limit (computer seats never read them with no human
// at the table, so play is the same).
Tallied PlayTicks(bool nearFull, int ticks) {
  SimConfig config;
  config.kinds = {KindSmart, KindLoose, KindStupid, KindErratic, KindBluffing};
  config.structure = StructureSpread;
  Tallied run;
  Rng rng(17);
  SetUpSimTable(config, run.table, rng);
  if (nearFull) {
    for (PlayerRecord& p : run.table.players) {
      p.folds = p.checks = p.calls = p.raises = UINT16_MAX - 3;
    }
  }
  SessionState session;
  HeadlessUi ui;
  ActionTally tally;
  for (int i = 0; i < ticks; ++i) {
    tally.Before(run.table);
    TickGame(run.table, session, rng, ui);
    tally.After(run.table, run.seats);
    if (session.handSettled) OnTableInput(run.table, session, rng, ui, TableInput{KeyDigit1});
  }
  return run;
}

TEST(ActionTally, AgreesWithTheTableCounters) {
  Tallied run = PlayTicks(false, 400);  // several hands
  uint64_t actions = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& p = run.table.players[seat];
    EXPECT_EQ(run.seats[seat].folds, p.folds) << "seat " << seat;
    EXPECT_EQ(run.seats[seat].checks, p.checks) << "seat " << seat;
    EXPECT_EQ(run.seats[seat].calls, p.calls) << "seat " << seat;
    EXPECT_EQ(run.seats[seat].raises, p.raises) << "seat " << seat;
    actions += p.folds + p.checks + p.calls + p.raises;
  }
  EXPECT_GT(actions, 5u);
}

TEST(ActionTally, KeepsCountingPastTheCountersLimit) {
  Tallied plain = PlayTicks(false, 400);
  Tallied full = PlayTicks(true, 400);
  bool saturated = false;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& p = full.table.players[seat];
    if (p.folds == UINT16_MAX || p.calls == UINT16_MAX) saturated = true;
    EXPECT_EQ(full.seats[seat].folds, plain.seats[seat].folds) << "seat " << seat;
    EXPECT_EQ(full.seats[seat].checks, plain.seats[seat].checks) << "seat " << seat;
    EXPECT_EQ(full.seats[seat].calls, plain.seats[seat].calls) << "seat " << seat;
    EXPECT_EQ(full.seats[seat].raises, plain.seats[seat].raises) << "seat " << seat;
  }
  EXPECT_TRUE(saturated);  // the fallback was really needed
}

}  // namespace
}  // namespace qf
