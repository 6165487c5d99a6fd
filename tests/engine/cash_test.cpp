// Buying chips on credit and cashing them in, at the limits of the record.
#include "engine/cash.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/pots.h"

namespace qf {
namespace {

constexpr int32_t kLowest = std::numeric_limits<int32_t>::min();
constexpr int32_t kHighest = std::numeric_limits<int32_t>::max();
constexpr uint32_t kMost = std::numeric_limits<uint32_t>::max();

TEST(Cash, BuyingIsCutToWhatTheTableAndTheBalanceHoldAndKeepsTheProfit) {
  struct Case {
    const char* what;
    int32_t balance;
    uint32_t elsewhere;  // chips of another seat
    uint32_t bought;     // of a buy-in of 500
  };
  const Case cases[] = {
      {"room for all", -200, 1000, 500},
      {"the balance's last 300 of credit", kLowest + 300, 1000, 300},
      {"no credit left", kLowest, 1000, 0},
      {"the table's last 100 chips", 0, kMost - 100, 100},
      {"a full table", 0, kMost, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TableRecord table{};
    table.baseBet = 5;
    table.players[0].balance = c.balance;
    table.players[1].chips = c.elsewhere;
    EXPECT_EQ(BuyChips(table, 0, BuyInAmount(table)), c.bought);
    EXPECT_EQ(table.players[0].chips, c.bought);
    EXPECT_EQ(int64_t{table.players[0].balance} + table.players[0].chips, c.balance);
    EXPECT_LE(ChipsOnTable(table), kMost);
  }
}

TEST(Cash, CashInMovesWhatTheBalanceCanHold) {
  for (auto [chips, balance, moved] : {std::tuple{700u, -200, 700u},
                                       {3'000'000'000u, 0, uint32_t(kHighest)},
                                       {5u, kHighest, 0u}}) {
    PlayerRecord seat{};
    seat.chips = chips;
    seat.balance = balance;
    EXPECT_EQ(CashIn(seat), moved);
    EXPECT_EQ(seat.chips, chips - moved);
    EXPECT_EQ(int64_t{seat.balance} + seat.chips, int64_t{balance} + chips);
  }
}

}  // namespace
}  // namespace qf
