// Forced bets, bet limits, the raise cap, the dealer button and the payout of
// a river showdown (side pots, ties, odd chips, rake and stakes nobody
// contested). The order in which seats act is held by the random hands, the
// soak test and the benchmark's signature.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;

TEST(ForcedBets, BlindsAndAntesByDealerLevelAndStack) {
  const TableSetup three = TableSetup().Seats({1, 4, 6}, 500).Dealer(4).BaseBet(5);
  const TableSetup four = TableSetup().Seats({0, 2, 3}, 100);
  const struct {
    const char* what;
    TableSetup setup;
    std::vector<std::pair<int, uint32_t>> posts;  // seat and amount, in order
  } cases[] = {
      // clang-format off
      {"blinds left of the dealer", three, {{6, 2}, {1, 5}}},
      {"heads-up the dealer posts the big blind", TableSetup().Seats({3, 6}, 9).Dealer(6), {{3, 1}, {6, 2}}},
      {"progressive level 3", TableSetup(three).Level(3), {{6, 7}, {1, 15}}},
      {"antes at level 2, a short stack all it has",
       TableSetup().Seats({0, 5}, 500).Seat(2, 12).BaseBet(10).Level(2).Antes(), {{2, 20}, {5, 20}, {0, 20}}},
      {"a seat without chips is passed over", TableSetup(four).Seat(1, 0), {{2, 1}, {3, 2}}},
      {"a blind of its last chip counts", TableSetup(four).Seat(1, 1), {{1, 1}, {2, 2}}},
      {"base bet 1: a small blind of nothing counts as posted", TableSetup(four).BaseBet(1), {{3, 1}}},
      {"no stake, no ante", TableSetup(four).BaseBet(0).Antes(), {}},
      {"no stake, no blinds", TableSetup(four).BaseBet(0), {}},
      {"amounts beyond 16 bits", TableSetup().Seats({0, 1}, 5'000'000).BaseBet(9999).Level(100),
       {{1, 499'950}, {0, 999'900}}}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table = c.setup.Build();
    const uint64_t chips = ChipsOnTable(table);
    std::vector<std::pair<int, uint32_t>> posted;
    for (Turn turn = NextTurn(table); turn.code == TurnForcedBet; turn = NextTurn(table)) {
      posted.emplace_back(turn.seat, turn.amount);
      test::PostForcedBet(table, turn.seat);
      EXPECT_EQ(table.players[turn.seat].lastAction, ActionForcedBet);
    }
    EXPECT_EQ(posted, c.posts);
    EXPECT_EQ(ChipsOnTable(table), chips);
    EXPECT_EQ(NextTurn(table).code, TurnDeal);
  }
}

TEST(BetLimits, EachStructureOnEachStreet) {
  const uint32_t b = 2;
  const struct {
    uint8_t structure;
    int street;  // cards beyond the hole cards: 0 pre-flop, 3 flop, 4 turn, 5 river
    uint32_t min, max;
  } cases[] = {{0, 0, b, b},     {0, 3, b, b},     {0, 4, 2 * b, 2 * b}, {0, 5, 2 * b, 2 * b},
               {1, 0, b, b},     {1, 3, b, b},     {1, 4, 2 * b, 2 * b}, {1, 5, 2 * b, 4 * b},
               {2, 0, b, 2 * b}, {2, 3, b, 2 * b}, {2, 4, b, 2 * b},     {2, 5, b, 2 * b},
               {3, 0, b, 2 * b}, {3, 3, b, 2 * b}, {3, 4, b, 4 * b},     {3, 5, b, 8 * b},
               {4, 0, b, 2 * b}, {4, 3, b, 2 * b}, {4, 4, b, 4 * b},     {4, 5, b, 2 * b},
               {5, 0, b, 60},    {5, 5, b, 60},    {6, 0, b, 1000},      {6, 4, b, 1000},
               {7, 0, 1, 2},     {7, 3, 3, 4},     {7, 4, 5, 6},         {7, 5, 7, 8}};
  for (bool omaha : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << "structure " << int(c.structure) << " street " << c.street
                                      << (omaha ? " omaha" : " texas"));
      TableSetup setup = TableSetup().Seat(0, 1000).Seat(1, 1000).Structure(c.structure);
      setup.Custom(0, 1, 2).Custom(1, 3, 4).Custom(2, 5, 6).Custom(3, 7, 8);
      TableRecord table = (omaha ? setup.Omaha() : setup).Dealt(0, 30).Build();
      for (int seat : {0, 1}) table.players[seat].cardsSeen = uint8_t(table.holeCards + c.street);
      const BetLimitsResult limits = BetLimits(table, 0, 0);
      EXPECT_EQ(std::tuple(limits.forced, limits.min, limits.max), std::tuple(false, c.min, c.max));
    }
  }
}

// Seat 0 on the river (or turn) of a two-seat table, at the edges of the limits.
TEST(BetLimits, StakesShortStacksAndEdges) {
  const struct {
    const char* what;
    TableSetup setup;
    uint32_t chips, stake, otherStake, call, min, max;
  } cases[] = {
      // clang-format off
      {"spread rising at level 3", TableSetup().Structure(3).Level(3), 1000, 10, 10, 0, 6, 48},
      {"custom limits are not scaled", TableSetup().Structure(7).Level(3), 1000, 10, 10, 0, 4, 4},
      {"cut to what is left after the call", TableSetup().Structure(4).BaseBet(5), 29, 20, 20, 20, 5, 9},
      {"pot limit: the pot", TableSetup().Structure(5).BaseBet(5), 35, 20, 10, 10, 5, 25},
      {"a stack short of the call may not raise", TableSetup().Structure(5), 30, 20, 10, 50, 0, 0},
      {"no chips, no raise", TableSetup().Structure(5), 0, 20, 10, 0, 0, 0},
      {"a pot below the smallest bet: the smallest bet", TableSetup().Structure(5).BaseBet(5), 100, 0, 1, 1, 5, 5}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table = TableSetup(c.setup).Seat(0, c.chips).Seat(1, 1000).Dealt(7, 0).Build();
    table.players[0].inPot = c.stake;
    table.players[1].inPot = c.otherStake;
    const BetLimitsResult limits = BetLimits(table, 0, c.call);
    EXPECT_EQ(std::pair(limits.min, limits.max), std::pair(c.min, c.max));
  }
  TableRecord inactive = TableSetup().Seat(0, 100, KindInactive).Seat(1, 100).Dealt(7).Build();
  EXPECT_EQ(BetLimits(inactive, 0, 0).max, 0u);
  EXPECT_EQ(ApplyAction(inactive, 0, 10, 10), 0u);
}

TEST(Betting, RaiseCapCountsTheOpeningBetAndLabelsBetThenRaise) {
  for (int cap : {0, 1, 4}) {
    SCOPED_TRACE(testing::Message() << "cap " << cap);
    TableRecord table = TableSetup().Seat(0, 1000).Seat(1, 1000).Cap(cap).Build();
    Turn turn = test::RunToDecision(table);
    int made = 0;
    for (; made < 12 && BetLimits(table, turn.seat, turn.amount).max > 0; ++made) {
      ApplyAction(table, turn.seat, turn.amount, BetLimits(table, turn.seat, turn.amount).min);
      EXPECT_EQ(table.players[turn.seat].lastAction, made == 0 ? ActionBet : ActionRaise);
      turn = NextTurn(table);
      ASSERT_EQ(turn.code, TurnAct);
      EXPECT_EQ(turn.amount, 2u);  // fixed limit: each raise is one base bet
    }
    EXPECT_EQ(made, cap == 0 ? 12 : cap);
    EXPECT_EQ(table.players[0].raises + table.players[1].raises, made);
  }
}

// To the next seat with chips; the progressive level rises as it passes seat 0.
TEST(AdvanceButton, MovesToTheNextSeatWithChipsAndRaisesTheLevelPastSeatZero) {
  TableRecord table = TableSetup().Seat(2, 100).Seat(7, 100).Seat(9, 0).Dealer(7).Build();
  // The level before, then the dealer and the level after; fixed stakes (0) stay fixed.
  for (auto [level, dealer, after] : {std::tuple{3u, 2, 4u}, {4u, 7, 4u}, {0u, 2, 0u}}) {
    table.progressiveLevel = level;
    AdvanceButton(table);
    EXPECT_EQ(std::pair(int{table.dealer}, table.progressiveLevel), std::pair(dealer, after));
  }
  TableRecord nobody = TableSetup().Seat(4, 0).Dealer(4).Level(2).Build();
  AdvanceButton(nobody);
  EXPECT_EQ(std::pair(int{nobody.dealer}, nobody.progressiveLevel), std::pair(4, 2u));
}

// One seat at a river showdown: its chips beside its stake, live (L),
// folded (F) or inactive (I), its hole cards, and after the payout its chips
// and winnings, the rake it paid and whether it won the main pot.
struct SeatAtShowdown {
  int seat;
  uint32_t chips, stake;
  char state;
  const char* hole;
  uint32_t after, rake;
  bool winner;
};

TEST(Payout, StacksAfterTheShowdown) {
  const struct {
    const char* what;
    const char* board;
    int dealer, rake;
    std::vector<SeatAtShowdown> seats;
  } cases[] = {
      // clang-format off
      {"side pots go to the best hand that reached them, ties split", "2c 7d 9h Jd Ks", 3, 0,
       {{1, 0, 50, 'L', "As Ad", 150, 0, 1}, {2, 400, 100, 'L', "Qc 3s", 450, 0, 0},
        {3, 400, 100, 'L', "Qh 3d", 450, 0, 0}}},
      {"the odd chip goes to the dealer, out of the hand", "2s 5h 9d Jc Kh", 6, 0,
       {{1, 100, 5, 'L', "Ac 7c", 107, 0, 1}, {2, 100, 5, 'L', "Ad 7d", 107, 0, 1},
        {3, 100, 5, 'F', "4c 4d", 100, 0, 0}, {6, 100, 0, 'F', "Qs 3c", 101, 0, 0}}},
      {"the odd chip rolls into the side pot", "2s 5h 9d Jc Kh", 6, 0,
       {{1, 100, 9, 'L', "Ac 7c", 118, 0, 1}, {2, 0, 5, 'L', "Ad 7d", 9, 0, 1},
        {3, 100, 4, 'F', "4c 4d", 100, 0, 0}, {6, 100, 9, 'L', "Qs 3c", 100, 0, 0}}},
      {"rake from every stake, folded ones too, before the pots", "2c 7d 9h Jd 4s", 0, 4,
       {{0, 100, 24, 'L', "As Ad", 172, 0, 1}, {1, 100, 25, 'L', "Kc Kd", 100, 1, 0},
        {2, 100, 50, 'F', "", 124, 2, 0}}},
      {"a stake no live seat reached goes back to its seat, an inactive one's without rake", "", 0, 10,
       {{0, 100, 100, 'F', "", 154, 10, 0}, {1, 0, 40, 'L', "", 81, 4, 1},
        {2, 100, 10, 'F', "", 100, 1, 0}, {5, 100, 30, 'I', "", 130, 0, 0}}}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::TableSetup setup;
    setup.Dealer(c.dealer).Rake(c.rake).Board(c.board);
    for (const SeatAtShowdown& s : c.seats) {
      setup.Seat(s.seat, s.chips, s.state == 'I' ? KindInactive : KindSmart).Hole(s.seat, s.hole);
    }
    TableRecord table = setup.Build();
    NextTurn(table);  // inactive seats out
    for (int pass = 0; pass < 7; ++pass) test::DealPass(table);
    table.cardsDealt = 8;
    for (const SeatAtShowdown& s : c.seats) {
      table.players[s.seat].inPot = s.stake;
      if (s.state != 'I') table.players[s.seat].status = StatusCalled;
      if (s.state == 'F') FoldSeat(table, s.seat);
    }
    const uint64_t before = test::ChipsAndRake(table);
    PayShowdown(table);
    for (const SeatAtShowdown& s : c.seats) {
      const PlayerRecord& p = table.players[s.seat];
      EXPECT_EQ(p.chips + p.winnings, s.after) << "seat " << s.seat;
      EXPECT_EQ(p.rakePaid, s.rake) << "seat " << s.seat;
      EXPECT_EQ(p.isWinner + p.handsWon, s.winner ? 2 : 0) << "seat " << s.seat;
    }
    // A second payout finds nothing left to pay; the hand's end keeps every chip.
    const TableRecord paid = table;
    PayShowdown(table);
    EXPECT_EQ(std::memcmp(&paid, &table, sizeof table), 0);
    EndHand(table);
    EXPECT_EQ(test::ChipsAndRake(table), before);
    for (const SeatAtShowdown& s : c.seats) EXPECT_EQ(table.players[s.seat].chips, s.after);
  }
}

}  // namespace
}  // namespace qf
