// The payout of a river showdown: side pots, ties, odd chips, rake, and
// stakes nobody contested.
#include "engine/pots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "table_setup.h"

namespace qf {
namespace {

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
      {"side pots go to the best hand that reached them, ties split",
       "2c 7d 9h Jd Ks",
       3,
       0,
       {{1, 0, 50, 'L', "As Ad", 150, 0, 1},
        {2, 400, 100, 'L', "Qc 3s", 450, 0, 0},
        {3, 400, 100, 'L', "Qh 3d", 450, 0, 0}}},
      {"the odd chip goes to the dealer, out of the hand",
       "2s 5h 9d Jc Kh",
       6,
       0,
       {{1, 100, 5, 'L', "Ac 7c", 107, 0, 1},
        {2, 100, 5, 'L', "Ad 7d", 107, 0, 1},
        {3, 100, 5, 'F', "4c 4d", 100, 0, 0},
        {6, 100, 0, 'F', "Qs 3c", 101, 0, 0}}},
      {"the odd chip rolls into the side pot",
       "2s 5h 9d Jc Kh",
       6,
       0,
       {{1, 100, 9, 'L', "Ac 7c", 118, 0, 1},
        {2, 0, 5, 'L', "Ad 7d", 9, 0, 1},
        {3, 100, 4, 'F', "4c 4d", 100, 0, 0},
        {6, 100, 9, 'L', "Qs 3c", 100, 0, 0}}},
      {"rake from every stake, folded ones too, before the pots",
       "2c 7d 9h Jd 4s",
       0,
       4,
       {{0, 100, 24, 'L', "As Ad", 172, 0, 1},
        {1, 100, 25, 'L', "Kc Kd", 100, 1, 0},
        {2, 100, 50, 'F', "", 124, 2, 0}}},
      {"a stake no live seat reached goes back to its seat, an inactive one's without rake",
       "",
       0,
       10,
       {{0, 100, 100, 'F', "", 154, 10, 0},
        {1, 0, 40, 'L', "", 81, 4, 1},
        {2, 100, 10, 'F', "", 100, 1, 0},
        {5, 100, 30, 'I', "", 130, 0, 0}}}};
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

  // Nobody live holds a stake: the hand's end hands every stake back.
  TableRecord empty = test::TableSetup().Seats({0, 2}, 100).Dealt(7, 0).Build();
  empty.players[0].inPot = 30;
  empty.players[2].inPot = 20;
  FoldSeat(empty, 0);
  FoldSeat(empty, 2);
  EndHand(empty);
  EXPECT_EQ(std::pair(empty.players[0].chips, empty.players[2].chips), std::pair(130u, 120u));
}

}  // namespace
}  // namespace qf
