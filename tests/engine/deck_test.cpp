// Card texts and the dealer button. Shuffling and dealing from fixed deck
// bytes are held by the arranged showdowns, the random hands and the
// benchmark's signature.
#include "engine/deck.h"

#include <gtest/gtest.h>

#include "table_setup.h"

namespace qf {
namespace {

TEST(Cards, EveryCodeHasATextThatParsesBack) {
  EXPECT_EQ(CardText(1) + CardText(10) + CardText(14) + CardText(52), "AsTsAcKh");
  for (int code = 1; code <= 52; ++code) EXPECT_EQ(ParseCard(CardText(code)), code);
  EXPECT_EQ(ParseCard("td") * 100 + ParseCard("QH"), MakeCard(9, 2) * 100 + MakeCard(11, 3));
  for (const char* bad : {"", "A", "1s", "10h", "Ax", "As ", "Zs"}) EXPECT_EQ(ParseCard(bad), 0);
  for (int bad : {0, 53, 255, -1}) EXPECT_EQ(CardText(bad), "X");
}

// To the next seat with chips; the progressive level rises as it passes seat 0.
TEST(AdvanceButton, MovesToTheNextSeatWithChipsAndRaisesTheLevelPastSeatZero) {
  TableRecord table =
      test::TableSetup().Seat(2, 100).Seat(7, 100).Seat(9, 0).Dealer(7).Level(3).Build();
  for (auto [dealer, level] : {std::pair{2, 4u}, {7, 4u}}) {
    AdvanceButton(table);
    EXPECT_EQ(std::pair(int{table.dealer}, table.progressiveLevel), std::pair(dealer, level));
  }
  table.progressiveLevel = 0;  // fixed stakes stay fixed
  AdvanceButton(table);
  EXPECT_EQ(std::pair(int{table.dealer}, table.progressiveLevel), std::pair(2, 0u));
  TableRecord nobody = test::TableSetup().Seat(4, 0).Dealer(4).Level(2).Build();
  AdvanceButton(nobody);
  EXPECT_EQ(std::pair(int{nobody.dealer}, nobody.progressiveLevel), std::pair(4, 2u));
}

}  // namespace
}  // namespace qf
