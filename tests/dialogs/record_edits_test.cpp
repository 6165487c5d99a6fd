// Edits the dialogs make to the record that must stay sound at the limits
// of the record's fields.
#include <gtest/gtest.h>

#include <limits>

#include "dialogs/dialog_texts.h"
#include "dialogs/seat_money.h"
#include "engine/table_record.h"

namespace qf {
namespace {

TEST(SeatMoneyTest, ABuyInIsMadeWholeOrNotAtAll) {
  TableRecord table{};
  table.baseBet = 9999;
  PlayerRecord& seat = table.players[0];
  seat.chips = 100;
  seat.balance = std::numeric_limits<int32_t>::min() + 100000;
  BuyIn(table, 0);  // 99,990 more debt fits
  EXPECT_EQ(seat.chips, 100090u);
  BuyIn(table, 0);  // another 99,990 does not
  EXPECT_EQ(seat.chips, 100090u);
  EXPECT_EQ(seat.balance, std::numeric_limits<int32_t>::min() + 10);

  seat.balance = 0;  // nor more chips than the table can hold
  table.players[1].chips = std::numeric_limits<uint32_t>::max() - 100090 - 99989;
  BuyIn(table, 0);
  EXPECT_EQ(seat.chips, 100090u);
  EXPECT_EQ(seat.balance, 0);
}

TEST(DialogTextsTest, LargeAmountsPrintWithoutWrapping) {
  EXPECT_EQ(BettingButtonText(StructureFixed, 3'000'000'000u), "Betting: $3000000000/$6000000000");
  PlayerRecord seat{};
  seat.balance = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(SeatStatText(seat, 1), "Debt: $2147483648");
}

}  // namespace
}  // namespace qf
