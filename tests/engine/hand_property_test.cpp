// Thousands of random hands at random tables, played the way the game flow
// plays them: whatever the seats, settings and actions, no chip is created
// or lost, no amount wraps, and every hand ends ready for the next one.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/table_file.h"
#include "table_setup.h"

namespace qf {
namespace {

uint32_t Pick(Rng& rng, uint32_t low, uint32_t high) {
  return low + Random(rng, high - low + 1);
}

TableRecord RandomTable(Rng& rng) {
  test::TableSetup setup;
  const int seats = static_cast<int>(Pick(rng, 2, 10));
  int placed = 0;
  while (placed < seats) {
    int seat = static_cast<int>(Random(rng, kSeatCount));
    TableRecord probe = setup.Build();
    if (probe.players[seat].kind != KindInactive) continue;
    // Mostly full stacks, some short ones that will go all in.
    uint32_t chips = Random(rng, 4) == 0 ? Pick(rng, 1, 20) : Pick(rng, 50, 600);
    setup.Seat(seat, chips, Pick(rng, KindSmart, KindErratic));
    if (placed == 0) setup.Dealer(seat);
    ++placed;
  }
  const uint32_t bets[] = {1, 2, 5, 10, 25};
  setup.BaseBet(bets[Random(rng, 5)])
      .Structure(static_cast<uint8_t>(Random(rng, kStructureCount)))
      .Rake(static_cast<uint8_t>(Random(rng, 11)))
      .Cap(static_cast<uint8_t>(Random(rng, 11)))
      .Level(Random(rng, 4));
  if (Random(rng, 2) != 0) setup.Antes();
  if (Random(rng, 2) != 0) setup.Omaha();
  TableRecord table = setup.Build();
  table.foldStyle = Random(rng, 2);
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = Pick(rng, 0, 10);
    table.customMax[street] = table.customMin[street] + Pick(rng, 0, 30);
  }
  for (PlayerRecord& player : table.players) player.status = StatusOut;  // between hands
  return table;
}

int SeatsWithChips(const TableRecord& table) {
  int count = 0;
  for (const PlayerRecord& player : table.players) {
    if (player.kind != KindInactive && player.chips > 0) ++count;
  }
  return count;
}

// Plays one hand from TurnNewHand to the end. Returns false (after a test
// failure) when something went wrong.
bool PlayHand(TableRecord& table, Rng& rng, uint64_t total) {
  const uint64_t rakeBefore = test::RakeTaken(table);
  const uint64_t chipsBefore = ChipsOnTable(table);
  Turn turn = NextTurn(table);
  EXPECT_EQ(turn.code, TurnNewHand);
  NewHand(table, rng);
  table.cardsDealt = table.holeCards;

  for (int step = 0; step < 1000; ++step) {
    turn = NextTurn(table);
    switch (turn.code) {
      case TurnForcedBet: {
        BetLimitsResult limits = BetLimits(table, turn.seat, 0);
        EXPECT_TRUE(limits.forced);
        EXPECT_GT(turn.amount, 0u);
        EXPECT_EQ(turn.amount, limits.max);
        test::PostForcedBet(table, turn.seat);
        break;
      }
      case TurnDeal:
        test::DealStreet(table);
        break;
      case TurnAct: {
        const PlayerRecord& player = table.players[turn.seat];
        EXPECT_FALSE(IsOutOrInactive(table, turn.seat));
        EXPECT_LE(turn.amount, player.chips);
        BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
        EXPECT_LE(uint64_t{turn.amount} + limits.max, player.chips);
        uint32_t choice = Random(rng, 10);
        if (choice == 0) {
          FoldSeat(table, turn.seat);
        } else if (choice <= 3 && limits.max > 0) {
          ApplyAction(table, turn.seat, turn.amount, Pick(rng, limits.min, limits.max));
        } else {
          ApplyAction(table, turn.seat, turn.amount, 0);
        }
        break;
      }
      case TurnShowdown:
      case TurnLastStanding:
        PayShowdown(table);
        PayShowdown(table);  // settling again on a later tick changes nothing
        EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table) - rakeBefore, chipsBefore);
        EndHand(table);
        for (const PlayerRecord& player : table.players) {
          EXPECT_EQ(player.status, StatusOut);
          EXPECT_EQ(player.inPot, 0u);
          EXPECT_EQ(player.cardsSeen, 0);
          EXPECT_EQ(player.winnings, 0u);
        }
        EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table) - rakeBefore, chipsBefore);
        EXPECT_EQ(NextTurn(table).code, TurnNewHand);
        return !::testing::Test::HasFailure();
      default:
        ADD_FAILURE() << "turn code " << turn.code << " in the middle of a hand";
        return false;
    }
    EXPECT_EQ(ChipsOnTable(table), chipsBefore);
    for (const PlayerRecord& player : table.players) {
      EXPECT_LE(uint64_t{player.chips} + player.inPot, total) << "an amount wrapped";
    }
    if (::testing::Test::HasFailure()) return false;
  }
  ADD_FAILURE() << "the hand did not end";
  return false;
}

TEST(HandProperty, RandomHandsKeepEveryChipAndEndCleanly) {
  int hands = 0;
  for (uint64_t seed = 1; hands < 5000; ++seed) {
    Rng rng(seed);
    TableRecord table = RandomTable(rng);
    for (int hand = 0; hand < 12 && SeatsWithChips(table) >= 2; ++hand, ++hands) {
      SCOPED_TRACE(testing::Message() << "table seed " << seed << " hand " << hand);
      const uint64_t total = ChipsOnTable(table) + test::RakeTaken(table);
      ASSERT_TRUE(PlayHand(table, rng, total));
      AdvanceButton(table);
      // Busted seats leave, or stay without chips (they post nothing).
      for (PlayerRecord& player : table.players) {
        if (player.chips == 0 && Random(rng, 2) == 0) player.kind = KindInactive;
      }
    }
  }
}

// Any image the loader accepts can be played on: damaged bytes that pass the
// checks never lead the engine outside the record (run under the sanitizers
// in CI) and never cost or create a chip.
TEST(HandProperty, AcceptedDamagedImagesPlayOnSafely) {
  int accepted = 0;
  for (uint64_t seed = 1; seed <= 3000; ++seed) {
    Rng rng(seed);
    TableRecord table = RandomTable(rng);
    NextTurn(table);
    NewHand(table, rng);
    table.cardsDealt = table.holeCards;
    for (int steps = Pick(rng, 0, 30); steps > 0; --steps) {
      Turn turn = NextTurn(table);
      if (turn.code == TurnForcedBet) test::PostForcedBet(table, turn.seat);
      if (turn.code == TurnDeal) test::DealStreet(table);
      if (turn.code == TurnAct) ApplyAction(table, turn.seat, turn.amount, Random(rng, 3));
      if (turn.code != TurnForcedBet && turn.code != TurnDeal && turn.code != TurnAct) break;
    }
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&table);
    for (int flips = Pick(rng, 1, 4); flips > 0; --flips) {
      // Bias towards the seats and the hand's progress, where the codes are.
      uint32_t offset = Random(rng, 2) == 0 ? Pick(rng, 40, 799) : Pick(rng, 876, 975);
      bytes[offset] = static_cast<unsigned char>(Random(rng, 256));
    }
    if (!ValidateTableImage(table).empty()) continue;
    ++accepted;

    SCOPED_TRACE(testing::Message() << "seed " << seed);
    const uint64_t before = ChipsOnTable(table) + test::RakeTaken(table);
    bool ended = false;
    for (int step = 0; step < 1000 && !ended; ++step) {
      Turn turn = NextTurn(table);
      ASSERT_GE(turn.seat, 0);
      ASSERT_LT(turn.seat, kSeatCount);
      switch (turn.code) {
        case TurnForcedBet:
          test::PostForcedBet(table, turn.seat);
          break;
        case TurnDeal:
          test::DealStreet(table);
          break;
        case TurnAct: {
          BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
          uint32_t raise = Random(rng, 3) == 0 ? limits.max : 0;
          ApplyAction(table, turn.seat, turn.amount, raise);
          for (int seat = 0; seat < kSeatCount; ++seat) SeatHandValue(table, seat);
          FindWinners(table, true);
          break;
        }
        case TurnShowdown:
        case TurnLastStanding:
          EndHand(table);
          ended = true;
          break;
        default:
          ended = true;
      }
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table), before);
  }
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace qf
