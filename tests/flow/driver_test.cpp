// The hand driver with a human at the table. Computer tables tick by tick,
// and what each step draws and sounds: the soak test.
#include <gtest/gtest.h>

#include "flow_test_support.h"

namespace qf {
namespace {

using testing::Game;
using testing::MakeTable;
using testing::PeekTurn;
using testing::SameBytes;

// Seat 0 human, seats 1 and 2 computers, dealer on seat 0; ticks until code.
bool TickUntil(Game& game, TurnCode code) {
  for (int i = 0; i < 200 && PeekTurn(game.table).code != code; ++i) game.Tick();
  return PeekTurn(game.table).code == code;
}

TEST(DriverTest, AHumanTurnWaitsForThePlayerOverManyTicks) {
  Game game(MakeTable("HST"));
  ASSERT_TRUE(TickUntil(game, TurnAct));
  ASSERT_EQ(PeekTurn(game.table).seat, 0);
  game.Tick();  // the first tick of the turn shows the betting buttons
  EXPECT_EQ(game.session.buttonLabel, (std::array<std::string, 3>{"Call 2", "Raise 2", "Fold"}));
  const TableRecord waiting = game.table;
  game.ui.calls.clear();
  for (int i = 0; i < 100; ++i) game.Tick();
  EXPECT_TRUE(SameBytes(game.table, waiting));
  EXPECT_EQ(game.ui.Count("Sound") + game.ui.Count("FullTable"), 0);
}

TEST(DriverTest, ConfirmDealWaitsOnlyWhileAHumanIsInTheHand) {
  Game game(MakeTable("HST"));
  game.table.confirmDeal = 1;
  ASSERT_TRUE(TickUntil(game, TurnDeal));
  for (int i = 0; i < 20; ++i) game.Tick();
  EXPECT_EQ(game.table.players[0].cardsSeen, 0) << "the deal waits for the player";
  EXPECT_EQ(game.session.buttonLabel, (std::array<std::string, 3>{"Deal", "", ""}));
  EXPECT_EQ(game.session.buttonShown, (std::array<bool, 3>{true, false, false}));
  game.Key(KeyDigit1);  // "Deal" deals the hole cards
  EXPECT_EQ(game.table.players[0].cardsSeen, game.table.holeCards);
  // The human folds; from then on every street is dealt without waiting.
  ASSERT_EQ(PeekTurn(game.table).seat, 0);
  game.Tick();
  game.Key(KeyDigit3);
  ASSERT_EQ(game.table.players[0].status, StatusFolded);
  for (int i = 0; i < 200 && PeekTurn(game.table).code < TurnShowdown; ++i) {
    const TurnCode code = PeekTurn(game.table).code;
    const uint8_t seen = game.table.players[0].cardsSeen;
    game.Tick();
    EXPECT_TRUE(code != TurnDeal || game.table.players[0].cardsSeen > seen);
  }
  EXPECT_GE(PeekTurn(game.table).code, TurnShowdown);
}

}  // namespace
}  // namespace qf
