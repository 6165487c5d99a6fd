// The fixed answers of the screenless UI.
#include "sim/headless_ui.h"

#include <gtest/gtest.h>

namespace qf {
namespace {

const std::string kBusted =
    "Ivy is out of cash. Can the player get cash (and keep playing), or would you like to "
    "dismiss from the table?";

TEST(HeadlessUi, BustedComputerBuysInAgainOrLeaves) {
  HeadlessUi rebuy(HeadlessPolicy{true});
  EXPECT_EQ(rebuy.AskConfirmation(kBusted, {"Get Cash", "Dismiss from Table"}), 1);
  EXPECT_EQ(rebuy.RebuyCount(), 1);
  HeadlessUi leave(HeadlessPolicy{false});
  EXPECT_EQ(leave.AskConfirmation(kBusted, {"Get Cash", "Dismiss from Table"}), 2);
  EXPECT_EQ(leave.DismissCount(), 1);
  EXPECT_FALSE(leave.TournamentWinner().has_value());
}

TEST(HeadlessUi, TournamentWinnerStartsANewGameAndIsNoted) {
  HeadlessUi ui;
  EXPECT_EQ(ui.AskConfirmation("Gus has won this tournament! Good Job!", {"New Game"}), 1);
  ASSERT_TRUE(ui.TournamentWinner().has_value());
  EXPECT_EQ(*ui.TournamentWinner(), "Gus");
}

TEST(HeadlessUi, OtherQuestionsGetNoAnswer) {
  HeadlessUi ui;
  EXPECT_EQ(ui.AskConfirmation("You have no cash! What do you want to do?",
                               {"Get Cash", "New Table", "Watch"}),
            0);
  EXPECT_EQ(ui.AskConfirmation("Something else", {"New Game"}), 0);
  EXPECT_FALSE(ui.TournamentWinner().has_value());
}

}  // namespace
}  // namespace qf
