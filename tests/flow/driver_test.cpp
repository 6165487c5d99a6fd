// The hand driver with a human at the table, and what the shared actions
// draw and sound. Computer tables tick by tick: the soak test.
#include <gtest/gtest.h>

#include "flow_test_support.h"

namespace qf {
namespace {

using testing::Calls;
using testing::Game;
using testing::MakeTable;
using testing::PeekTurn;
using testing::RecordingUi;
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

TEST(DriverTest, ChipsAndFoldsAreDrawnAndHeard) {
  Game game(MakeTable("HST"));
  RecordingUi& ui = game.ui;
  TableRecord& table = game.table;
  // A forced bet owed by a seat gone inactive is a fold that posts nothing.
  table.players[4].status = StatusToAct;
  PostForcedBet(table, ui, 4);
  EXPECT_EQ(
      std::tuple(table.players[4].status, table.players[4].lastAction, table.players[4].inPot),
      std::tuple(uint32_t{StatusOut}, uint32_t{ActionFold}, 0u));
  EXPECT_TRUE(ui.calls.empty());

  ASSERT_TRUE(TickUntil(game, TurnAct));
  const struct {
    int seat;
    uint32_t amount;
    bool fold;
    uint32_t sound, foldStyle;
    Calls calls;
  } steps[] = {
      {0, 2, false, 1, 0, {"Seat 0", "Chips 0 2", "Sound 0", "Centre"}},  // the call of the big
                                                                          // blind
      {1, 1, false, 0, 0, {"Seat 1", "Chips 1 1", "Centre"}},
      {2, 0, false, 1, 0, {"Sound 1", "Centre"}},  // seat 2 checks: a knock
      {0, 0, true, 1, 0, {"Seat 0", "Sound 2"}},
      {1, 0, true, 1, 1, {"FullTable", "Sound 2"}},
      {1, 0, true, 1, 1, {}},  // already out: nothing at all
  };
  for (const auto& step : steps) {
    table.soundEnabled = step.sound;
    table.foldStyle = step.foldStyle;
    ui.calls.clear();
    if (step.fold) {
      PlayFold(table, ui, step.seat);
    } else {
      PlayChips(table, ui, step.seat, step.amount, 0);
    }
    EXPECT_EQ(ui.calls, step.calls) << "seat " << step.seat;
  }
  EXPECT_EQ(table.players[0].status, StatusOut);
  EXPECT_EQ(table.players[1].status, StatusFolded);
}

}  // namespace
}  // namespace qf
