// The payout of a river showdown: side pots, ties, odd chips, rake, and
// stakes nobody contested.
#include "engine/pots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "table_setup.h"

namespace qf {
namespace {

using test::TableSetup;
using Seats = std::map<int, uint32_t>;

// A river showdown: every seat holds all its cards, the listed seats their
// stakes (the chips they hold besides), the folded ones folded.
TableRecord Showdown(const TableSetup& setup, const Seats& stakes, std::vector<int> folded) {
  TableRecord table = setup.Build();
  NextTurn(table);  // inactive seats out
  for (int pass = 0; pass < 7; ++pass) test::DealPass(table);
  for (auto [seat, stake] : stakes) {
    table.players[seat].inPot = stake;
    if (!IsOut(table, seat)) table.players[seat].status = StatusCalled;
  }
  for (int seat : folded) FoldSeat(table, seat);
  table.cardsDealt = 8;
  return table;
}

TEST(Payout, StacksAfterTheShowdown) {
  const TableSetup ties = TableSetup()
                              .Seat(1, 100)
                              .Seat(2, 100)
                              .Seat(3, 100)
                              .Seat(6, 100)
                              .Dealer(6)
                              .Hole(1, "Ac 7c")
                              .Hole(2, "Ad 7d")
                              .Hole(3, "4c 4d")
                              .Hole(6, "Qs 3c")
                              .Board("2s 5h 9d Jc Kh");
  const struct {
    const char* what;
    TableSetup setup;
    Seats stakes;
    std::vector<int> folded;
    Seats stacks, rake;  // chips and winnings after the payout
    std::vector<int> winners;
  } cases[] = {
      {"side pots go to the best hand that reached them, ties split",
       TableSetup()
           .Seat(1, 0)
           .Seat(2, 400)
           .Seat(3, 400)
           .Dealer(3)
           .Hole(1, "As Ad")
           .Hole(2, "Qc 3s")
           .Hole(3, "Qh 3d")
           .Board("2c 7d 9h Jd Ks"),
       {{1, 50}, {2, 100}, {3, 100}},
       {},
       {{1, 150}, {2, 450}, {3, 450}},
       {},
       {1}},
      {"the odd chip goes to the dealer, out of the hand",
       ties,
       {{1, 5}, {2, 5}, {3, 5}},
       {3, 6},
       {{1, 107}, {2, 107}, {3, 100}, {6, 101}},
       {},
       {1, 2}},
      {"the odd chip rolls into the side pot",
       TableSetup(ties).Seat(2, 0),
       {{1, 9}, {2, 5}, {3, 4}, {6, 9}},
       {3},
       {{1, 118}, {2, 9}, {3, 100}, {6, 100}},
       {},
       {1, 2}},
      {"rake from every stake, folded ones too, before the pots",
       TableSetup()
           .Seat(0, 100)
           .Seat(1, 100)
           .Seat(2, 100)
           .Rake(4)
           .Hole(0, "As Ad")
           .Hole(1, "Kc Kd")
           .Board("2c 7d 9h Jd 4s"),
       {{0, 24}, {1, 25}, {2, 50}},
       {2},
       {{0, 172}, {1, 100}, {2, 124}},
       {{0, 0}, {1, 1}, {2, 2}},
       {0}},
      {"a stake no live seat reached goes back to its seat, an inactive one's without rake",
       TableSetup().Seat(0, 100).Seat(1, 0).Seat(2, 100).Seat(5, 100, KindInactive).Rake(10),
       {{0, 100}, {1, 40}, {2, 10}, {5, 30}},
       {0, 2},
       {{0, 154}, {1, 81}, {2, 100}, {5, 130}},
       {{0, 10}, {1, 4}, {2, 1}, {5, 0}},
       {1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table = Showdown(c.setup, c.stakes, c.folded);
    const uint64_t before = test::ChipsAndRake(table);
    PayShowdown(table);
    for (auto [seat, chips] : c.stacks) {
      const PlayerRecord& p = table.players[seat];
      EXPECT_EQ(p.chips + p.winnings, chips) << "seat " << seat;
      const bool won = std::count(c.winners.begin(), c.winners.end(), seat) > 0;
      EXPECT_EQ(p.isWinner, won ? 1u : 0u) << "seat " << seat;  // main pot winners only
      EXPECT_EQ(p.handsWon, won ? 1 : 0) << "seat " << seat;
    }
    for (auto [seat, rake] : c.rake) EXPECT_EQ(table.players[seat].rakePaid, rake) << seat;
    // A second payout finds nothing left to pay; the hand's end keeps every chip.
    const TableRecord paid = table;
    PayShowdown(table);
    EXPECT_EQ(std::memcmp(&paid, &table, sizeof table), 0);
    EndHand(table);
    EXPECT_EQ(test::ChipsAndRake(table), before);
    for (auto [seat, chips] : c.stacks) EXPECT_EQ(table.players[seat].chips, chips) << seat;
  }

  // Nobody live holds a stake: the hand's end hands every stake back.
  TableRecord empty = Showdown(TableSetup().Seat(0, 100).Seat(2, 100), {{0, 30}, {2, 20}}, {0, 2});
  EndHand(empty);
  EXPECT_EQ(std::pair(empty.players[0].chips, empty.players[2].chips), std::pair(130u, 120u));
}

}  // namespace
}  // namespace qf
