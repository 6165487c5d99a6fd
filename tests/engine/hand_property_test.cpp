// Thousands of random hands at random tables, played the way the game flow
// plays them: whatever the seats, settings and actions, no chip is created
// or lost, no amount wraps, and every hand ends ready for the next one.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/table_file.h"
#include "table_setup.h"

namespace qf {
namespace {

uint32_t Pick(Rng& rng, uint32_t low, uint32_t high) {
  return low + Random(rng, high - low + 1);
}

// 2 to 10 seats in random places, mostly with full stacks, some with short
// ones that will go all in; random stakes and settings; between hands.
TableRecord RandomTable(Rng& rng) {
  test::TableSetup setup;
  const uint32_t bets[] = {1, 2, 5, 10, 25};
  setup.BaseBet(bets[Random(rng, 5)]).Structure(Random(rng, kStructureCount));
  setup.Rake(Random(rng, 11)).Cap(Random(rng, 11)).Level(Random(rng, 4));
  if (Random(rng, 2) != 0) setup.Antes();
  if (Random(rng, 2) != 0) setup.Omaha();
  bool taken[kSeatCount] = {};
  for (int placed = 0, seats = Pick(rng, 2, 10); placed < seats;) {
    int seat = static_cast<int>(Random(rng, kSeatCount));
    if (taken[seat]) continue;
    taken[seat] = true;
    uint32_t chips = Random(rng, 4) == 0 ? Pick(rng, 1, 20) : Pick(rng, 50, 600);
    setup.Seat(seat, chips, Pick(rng, KindSmart, KindErratic));
    if (placed++ == 0) setup.Dealer(seat);
  }
  TableRecord table = setup.Build();
  table.foldStyle = Random(rng, 2);
  for (int street = 0; street < 4; ++street) {
    table.customMin[street] = Pick(rng, 0, 10);
    table.customMax[street] = table.customMin[street] + Pick(rng, 0, 30);
  }
  for (PlayerRecord& player : table.players) player.status = StatusOut;
  return table;
}

int SeatsWithChips(const TableRecord& table) {
  int count = 0;
  for (const PlayerRecord& player : table.players) {
    if (player.kind != KindInactive && player.chips > 0) ++count;
  }
  return count;
}

// Plays the hand on from the table's state the way the game flow does, with
// random folds, calls and raises, for at most `steps` steps. After every step
// no chip has been created or lost (so no amount wrapped). Returns the turn
// code that ended the hand (showdown, last seat standing, or no hand at all),
// or the last one played when the steps ran out.
TurnCode PlaySteps(TableRecord& table, Rng& rng, int steps) {
  const uint64_t chips = ChipsOnTable(table);
  Turn turn;
  for (int step = 0; step < steps; ++step) {
    turn = NextTurn(table);
    EXPECT_TRUE(turn.seat >= 0 && turn.seat < kSeatCount);
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
        EXPECT_FALSE(IsOutOrInactive(table, turn.seat));
        BetLimitsResult limits = BetLimits(table, turn.seat, turn.amount);
        EXPECT_LE(uint64_t{turn.amount} + limits.max, table.players[turn.seat].chips);
        uint32_t choice = Random(rng, 10);
        if (choice == 0) {
          FoldSeat(table, turn.seat);
        } else if (choice <= 3 && limits.max > 0) {
          uint32_t raise = Pick(rng, std::min(limits.min, limits.max), limits.max);
          ApplyAction(table, turn.seat, turn.amount, raise);
        } else {
          ApplyAction(table, turn.seat, turn.amount, 0);
        }
        // Valued as the computer players value them (out-of-range reads show
        // under the sanitizers).
        for (int seat = 0; seat < kSeatCount; ++seat) SeatHandValue(table, seat);
        FindWinners(table, true);
        break;
      }
      default:
        return turn.code;
    }
    EXPECT_EQ(ChipsOnTable(table), chips);
    if (::testing::Test::HasFailure()) break;
  }
  return turn.code;
}

// Plays one hand from TurnNewHand to the next. Returns false (after a test
// failure) when something went wrong.
bool PlayHand(TableRecord& table, Rng& rng) {
  const uint64_t total = ChipsOnTable(table) + test::RakeTaken(table);
  EXPECT_EQ(NextTurn(table).code, TurnNewHand);
  NewHand(table, rng);
  table.cardsDealt = table.holeCards;
  TurnCode end = PlaySteps(table, rng, 1000);
  EXPECT_TRUE(end == TurnShowdown || end == TurnLastStanding) << "turn code " << end;
  PayShowdown(table);
  PayShowdown(table);  // settling again on a later tick changes nothing
  EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table), total);
  EndHand(table);
  for (const PlayerRecord& player : table.players) {
    EXPECT_EQ(player.status, StatusOut);
    EXPECT_EQ(player.inPot + player.cardsSeen + player.winnings, 0u);
  }
  EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table), total);
  EXPECT_EQ(NextTurn(table).code, TurnNewHand);
  return !::testing::Test::HasFailure();
}

TEST(HandProperty, RandomHandsKeepEveryChipAndEndCleanly) {
  int hands = 0;
  for (uint64_t seed = 1; hands < 5000; ++seed) {
    Rng rng(seed);
    TableRecord table = RandomTable(rng);
    for (int hand = 0; hand < 12 && SeatsWithChips(table) >= 2; ++hand, ++hands) {
      SCOPED_TRACE(testing::Message() << "table seed " << seed << " hand " << hand);
      ASSERT_TRUE(PlayHand(table, rng));
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
    PlaySteps(table, rng, Pick(rng, 0, 30));
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
    TurnCode end = PlaySteps(table, rng, 1000);
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(end != TurnForcedBet && end != TurnDeal && end != TurnAct) << "no end";
    EndHand(table);
    EXPECT_EQ(ChipsOnTable(table) + test::RakeTaken(table), before);
  }
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace qf
