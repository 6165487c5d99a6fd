// Thousands of random hands at random tables, played the way the game flow
// plays them: whatever the seats, settings and actions, no chip is created
// or lost, no amount wraps, and every hand ends ready for the next one.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/table_file.h"
#include "table_setup.h"

namespace qf {
namespace {

using test::ChipsAndRake;
using test::Pick;

// Plays the hand on from the table's state with random folds, calls and
// raises within the limits, for at most `steps` steps, checking after each
// that no chip was created or lost. Returns the turn code that ended the hand,
// or the last one played when the steps ran out.
TurnCode PlaySteps(TableRecord& table, Rng& rng, int steps) {
  const uint64_t chips = ChipsOnTable(table);
  Turn turn;
  for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
    turn = NextTurn(table);
    EXPECT_TRUE(turn.seat >= 0 && turn.seat < kSeatCount);
    if (turn.code == TurnForcedBet) {
      const BetLimitsResult limits = BetLimits(table, turn.seat, 0);
      EXPECT_TRUE(limits.forced && turn.amount > 0 && turn.amount == limits.max);
      test::PostForcedBet(table, turn.seat);
    } else if (turn.code == TurnDeal) {
      test::DealStreet(table);
    } else if (turn.code == TurnAct) {
      EXPECT_FALSE(IsOutOrInactive(table, turn.seat));
      const BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
      EXPECT_LE(uint64_t{turn.amount} + limits.max, table.players[turn.seat].chips);
      const uint32_t choice = Random(rng, 10);
      if (choice == 0) {
        FoldSeat(table, turn.seat);
      } else if (choice <= 3 && limits.max > 0) {
        const uint32_t raise = Pick(rng, std::min(limits.min, limits.max), limits.max);
        ApplyAction(table, turn.seat, turn.amount, raise);
      } else {
        ApplyAction(table, turn.seat, turn.amount, 0);
      }
      // Valued as the computer players value them (out-of-range reads show
      // under the sanitizers).
      for (int seat = 0; seat < kSeatCount; ++seat) SeatHandValue(table, seat);
      FindWinners(table, true);
    } else {
      return turn.code;
    }
    EXPECT_EQ(ChipsOnTable(table), chips);
  }
  return turn.code;
}

// Hands on random tables; the first hand of every third table has a few of
// its bytes damaged part way through. Any image the loader accepts plays on
// safely (out-of-range reads show under the sanitizers) and keeps its chips.
TEST(HandProperty, RandomHandsKeepEveryChipAndEndCleanly) {
  int hands = 0, accepted = 0;
  for (uint64_t seed = 1; hands < 5000; ++seed) {
    Rng rng(seed);
    TableRecord table = test::RandomTable(rng);
    for (int hand = 0; hand < 12; ++hand, ++hands) {
      if (std::count_if(table.players, table.players + kSeatCount, [](const PlayerRecord& p) {
            return p.kind != KindInactive && p.chips > 0;
          }) < 2) {
        break;
      }
      SCOPED_TRACE(testing::Message() << "table seed " << seed << " hand " << hand);
      ASSERT_EQ(NextTurn(table).code, TurnNewHand);
      NewHand(table, rng);
      table.cardsDealt = table.holeCards;
      if (hand == 0 && seed % 3 == 0) {
        PlaySteps(table, rng, Pick(rng, 0, 30));
        unsigned char* bytes = reinterpret_cast<unsigned char*>(&table);
        for (int flips = Pick(rng, 1, 4); flips > 0; --flips) {
          // Biased towards the seats and the hand's progress, where the codes are.
          const uint32_t offset = Random(rng, 2) == 0 ? Pick(rng, 40, 799) : Pick(rng, 876, 975);
          bytes[offset] = static_cast<unsigned char>(Random(rng, 256));
        }
        if (!ValidateTableImage(table).empty()) break;
        ++accepted;
        const uint64_t before = ChipsAndRake(table);
        const TurnCode end = PlaySteps(table, rng, 1000);
        ASSERT_TRUE(end != TurnForcedBet && end != TurnDeal && end != TurnAct) << "no end";
        EndHand(table);
        ASSERT_EQ(ChipsAndRake(table), before);
        break;
      }
      const uint64_t total = ChipsAndRake(table);
      const TurnCode end = PlaySteps(table, rng, 1000);
      ASSERT_TRUE(end == TurnShowdown || end == TurnLastStanding) << "turn code " << end;
      PayShowdown(table);
      PayShowdown(table);  // settling again on a later tick changes nothing
      EXPECT_EQ(ChipsAndRake(table), total);
      EndHand(table);
      for (const PlayerRecord& player : table.players) {
        ASSERT_EQ(player.status, StatusOut);
        ASSERT_EQ(player.inPot + player.cardsSeen + player.winnings, 0u);
      }
      ASSERT_EQ(ChipsAndRake(table), total);
      AdvanceButton(table);
      // Busted seats leave, or stay without chips (they post nothing).
      for (PlayerRecord& player : table.players) {
        if (player.chips == 0 && Random(rng, 2) == 0) player.kind = KindInactive;
      }
    }
  }
  EXPECT_GT(accepted, 30);
}

}  // namespace
}  // namespace qf
