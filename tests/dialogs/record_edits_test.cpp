// Edits the dialogs make to the record that must stay sound at the limits
// of the record's fields.
#include <gtest/gtest.h>

#include <limits>

#include "dialogs/dialog_texts.h"
#include "dialogs/seat_money.h"
#include "engine/table_record.h"

namespace qf {
namespace {

TEST(SeatMoneyTest, BuyInThatWouldOverflowIsNotMade) {
  PlayerRecord seat{};
  seat.chips = 100;
  seat.balance = std::numeric_limits<int32_t>::min() + 50000;
  BuyIn(seat, 9999);  // 99,990 more debt does not fit
  EXPECT_EQ(seat.chips, 100u);
  EXPECT_EQ(seat.balance, std::numeric_limits<int32_t>::min() + 50000);

  seat.balance = 0;
  seat.chips = std::numeric_limits<uint32_t>::max() - 10;
  BuyIn(seat, 2);
  EXPECT_EQ(seat.chips, std::numeric_limits<uint32_t>::max() - 10);
  EXPECT_EQ(seat.balance, 0);
}

TEST(SeatMoneyTest, CashInMovesWhatTheBalanceCanHold) {
  PlayerRecord seat{};
  seat.chips = 3'000'000'000u;
  seat.balance = 0;
  const int64_t worth = int64_t{seat.balance} + seat.chips;
  CashIn(seat);
  EXPECT_EQ(seat.balance, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(int64_t{seat.balance} + seat.chips, worth);
}

TEST(DialogTextsTest, LargeAmountsPrintWithoutWrapping) {
  EXPECT_EQ(BettingButtonText(StructureFixed, 3'000'000'000u), "Betting: $3000000000/$6000000000");
  PlayerRecord seat{};
  seat.balance = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(SeatStatText(seat, 1), "Debt: $2147483648");
}

}  // namespace
}  // namespace qf
