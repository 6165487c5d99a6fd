// The bet amount popup: its rows, committing a row, dismissing it.
#include "flow/bet_popup.h"

#include <gtest/gtest.h>

#include "flow/button_bar.h"
#include "flow/table_input.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::CallAlongUntil;
using testing::MakeTable;
using testing::PeekTurn;
using testing::RecordingUi;
using testing::SameBytes;
using testing::SeatZeroActsWith;

std::vector<uint32_t> Amounts(const BetPopupState& popup) {
  return {popup.amounts.begin(), popup.amounts.begin() + popup.rowCount};
}

TEST(BetPopupRowsTest, DoublingFromTheBaseBetThenTheMaximum) {
  BetPopupState popup;
  BuildBetPopupRows(popup, 2, 0, 0, 1000);
  EXPECT_EQ(Amounts(popup), (std::vector<uint32_t>{2, 4, 8, 16, 32, 64, 128, 256, 512, 1000}));
  EXPECT_EQ(popup.texts[0], "Bet: $2");
  EXPECT_EQ(popup.texts[9], "Bet: $1000");

  // Nine attempts at most: a large maximum cuts the doubling short.
  BuildBetPopupRows(popup, 5, 0, 0, 100000);
  EXPECT_EQ(Amounts(popup),
            (std::vector<uint32_t>{5, 10, 20, 40, 80, 160, 320, 640, 1280, 100000}));

  // From 0 and 1 the steps are by one, then doubling.
  BuildBetPopupRows(popup, 0, 0, 0, 10);
  EXPECT_EQ(Amounts(popup), (std::vector<uint32_t>{0, 1, 2, 4, 8, 10}));
}

TEST(BetPopupRowsTest, MaximumAtOrBelowTheBaseBetGivesOneRow) {
  BetPopupState popup;
  BuildBetPopupRows(popup, 10, 0, 0, 10);
  EXPECT_EQ(Amounts(popup), (std::vector<uint32_t>{10}));
  BuildBetPopupRows(popup, 10, 0, 4, 6);
  EXPECT_EQ(Amounts(popup), (std::vector<uint32_t>{6}));
  EXPECT_EQ(popup.texts[0], "Raise: $6");
}

TEST(BetPopupRowsTest, WithAnAmountToCallTheRowsAreRaises) {
  BetPopupState popup;
  BuildBetPopupRows(popup, 5, 3, 15, 40);
  EXPECT_EQ(popup.seat, 3);
  EXPECT_EQ(popup.callAmount, 15u);
  EXPECT_EQ(Amounts(popup), (std::vector<uint32_t>{5, 10, 20, 40}));
  EXPECT_EQ(popup.texts[1], "Raise: $10");
}

TEST(BetPopupRowsTest, DoublingLargeAmountsNeverWrapsToSmallOnes) {
  BetPopupState popup;
  BuildBetPopupRows(popup, 0x80000000u, 0, 0, 0xFFFFFFFFu);
  EXPECT_EQ(Amounts(popup), (std::vector<uint32_t>{0x80000000u, 0xFFFFFFFFu}));
}

class BetPopupTest : public ::testing::Test {
 protected:
  // No limit, base bet 2; seat 0 first to act on the flop with 2000 chips.
  BetPopupTest() {
    table = MakeTable({KindHuman, KindSmart, KindTight}, 2, StructureNoLimit);
    table.dealer = 2;
    for (PlayerRecord& p : table.players) p.chips = 2000;
    EXPECT_TRUE(CallAlongUntil(table, session, ui, rng, SeatZeroActsWith(5)));
    BuildButtonBar(table, session, ui, session.pendingRaise);
    ui.Clear();
  }
  void Open() { OnTableInput(table, session, rng, ui, TableInput{KeyDigit2}); }

  TableRecord table;
  SessionState session;
  Rng rng{41};
  RecordingUi ui;
};

TEST_F(BetPopupTest, EveryRowCommitsItsOwnAmount) {
  Open();
  ASSERT_TRUE(session.betPopup.open);
  const std::vector<uint32_t> amounts = Amounts(session.betPopup);
  ASSERT_EQ(amounts, (std::vector<uint32_t>{2, 4, 8, 16, 32, 64, 128, 256, 512, 1998}));
  const TableRecord atOpen = table;
  const SessionState sessionAtOpen = session;
  for (int row = 0; row < static_cast<int>(amounts.size()); ++row) {
    table = atOpen;
    session = sessionAtOpen;
    const uint32_t stake = table.players[0].inPot;
    ui.Clear();
    CommitBetPopup(table, session, ui, row);
    EXPECT_EQ(table.players[0].inPot, stake + amounts[row]) << row;
    EXPECT_EQ(table.players[0].lastAction, ActionBet);
    EXPECT_FALSE(session.betPopup.open);
    EXPECT_EQ(ui.calls.front(), "ClosePopup");
    EXPECT_TRUE(ui.Has("FullTable"));
    EXPECT_EQ(PeekTurn(table).seat, 1);
    EXPECT_FALSE(session.buttonShown[0]) << "a computer's turn: the bar is empty";
  }
}

TEST_F(BetPopupTest, CommitWithoutARowDoesNothing) {
  Open();
  const TableRecord before = table;
  ui.Clear();
  CommitBetPopup(table, session, ui, -1);
  CommitBetPopup(table, session, ui, session.betPopup.rowCount);
  EXPECT_TRUE(SameBytes(table, before));
  EXPECT_TRUE(session.betPopup.open);
  EXPECT_TRUE(ui.calls.empty());

  // A closed popup commits nothing either.
  DismissBetPopup(session, ui, 0);
  CommitBetPopup(table, session, ui, 0);
  EXPECT_TRUE(SameBytes(table, before));
}

TEST_F(BetPopupTest, LeftAndRightDismissAndMoveTheFocus) {
  Open();
  session.focusedButton = 2;
  ui.Clear();
  DismissBetPopup(session, ui, 1);
  EXPECT_FALSE(session.betPopup.open);
  EXPECT_EQ(session.focusedButton, 1);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"ClosePopup"})) << "no button is redrawn";

  Open();
  DismissBetPopup(session, ui, 3);
  EXPECT_EQ(session.focusedButton, 3);

  // A button that is not shown does not take the focus.
  Open();
  session.focusedButton = 2;
  session.buttonShown[2] = false;
  DismissBetPopup(session, ui, 3);
  EXPECT_EQ(session.focusedButton, 2);
}

}  // namespace
}  // namespace qf
