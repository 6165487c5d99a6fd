// The bet amount popup: its rows, committing a row, dismissing it.
#include "flow/bet_popup.h"

#include <gtest/gtest.h>

#include "flow/button_bar.h"
#include "flow/repaint.h"
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
using Amounts = std::vector<uint32_t>;

Amounts RowAmounts(const BetPopupState& popup) {
  return {popup.amounts.begin(), popup.amounts.begin() + popup.rowCount};
}

TEST(BetPopupRowsTest, FromTheMinimumDoublingThenTheMaximum) {
  struct Case {
    uint32_t minimum, toCall, maximum;
    Amounts rows;
  };
  const Case cases[] = {
      {2, 0, 1000, {2, 4, 8, 16, 32, 64, 128, 256, 512, 1000}},
      // Nine attempts at most: a large maximum cuts the doubling short.
      {5, 0, 100000, {5, 10, 20, 40, 80, 160, 320, 640, 1280, 100000}},
      {0, 0, 10, {1, 2, 4, 8, 10}},  // a raise of 0 would be a call
      {5, 15, 40, {5, 10, 20, 40}},
      {6, 0, 194, {6, 12, 24, 48, 96, 192, 194}},  // never below the table's minimum
      {10, 0, 10, {10}},
      {6, 4, 6, {6}},
      // Doubling a large amount never wraps to a small one.
      {0x80000000u, 0, 0xFFFFFFFFu, {0x80000000u, 0xFFFFFFFFu}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.minimum << " " << c.toCall << " " << c.maximum);
    BetPopupState popup;
    BuildBetPopupRows(popup, BetLimitsResult{false, c.minimum, c.maximum}, 3, c.toCall);
    EXPECT_EQ(RowAmounts(popup), c.rows);
    EXPECT_EQ(popup.seat, 3);
    EXPECT_EQ(popup.callAmount, c.toCall);
    for (size_t row = 0; row < c.rows.size(); ++row) {
      EXPECT_EQ(popup.texts[row], (c.toCall ? "Raise: $" : "Bet: $") + std::to_string(c.rows[row]));
    }
  }
}

class BetPopupTest : public ::testing::Test {
 protected:
  // No limit, base bet 2 at stakes times 3; seat 0 first to act on the flop
  // with 2000 chips less its big blind of 6.
  BetPopupTest() {
    table = MakeTable({KindHuman, KindSmart, KindTight}, 2, StructureNoLimit);
    table.dealer = 2;
    table.progressiveLevel = 3;
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

TEST_F(BetPopupTest, EveryRowCommitsItsOwnAmountAndNothingElseCommits) {
  Open();
  ASSERT_TRUE(session.betPopup.open);
  const Amounts amounts = RowAmounts(session.betPopup);
  ASSERT_EQ(amounts, (Amounts{6, 12, 24, 48, 96, 192, 384, 768, 1536, 1994}));
  const TableRecord atOpen = table;
  const SessionState sessionAtOpen = session;
  for (int row = 0; row < static_cast<int>(amounts.size()); ++row) {
    SCOPED_TRACE(row);
    table = atOpen;
    session = sessionAtOpen;
    ui.Clear();
    CommitBetPopup(table, session, ui, row);
    EXPECT_EQ(table.players[0].inPot, atOpen.players[0].inPot + amounts[row]);
    EXPECT_EQ(table.players[0].lastAction, ActionBet);
    EXPECT_FALSE(session.betPopup.open);
    EXPECT_EQ(ui.calls.front(), "ClosePopup");
    EXPECT_TRUE(ui.Has("FullTable"));
    EXPECT_EQ(PeekTurn(table).seat, 1);
    EXPECT_FALSE(session.buttonShown[0]) << "a computer's turn: the bar is empty";
  }
  // No row, or a popup already closed (as by a tap on the table): nothing happens.
  table = atOpen;
  session = sessionAtOpen;
  ui.Clear();
  CommitBetPopup(table, session, ui, -1);
  CommitBetPopup(table, session, ui, session.betPopup.rowCount);
  EXPECT_TRUE(session.betPopup.open);
  EXPECT_TRUE(ui.calls.empty());
  DismissBetPopup(session, ui, 0);
  CommitBetPopup(table, session, ui, 0);
  EXPECT_TRUE(SameBytes(table, atOpen));
}

TEST_F(BetPopupTest, LeftAndRightDismissAndMoveTheFocusToAShownButton) {
  for (auto [focus, shown3, given, focusAfter] :
       {std::tuple{2, true, 1, 1}, {2, true, 3, 3}, {2, false, 3, 2}}) {
    Open();
    session.focusedButton = focus;
    session.buttonShown[2] = shown3;
    ui.Clear();
    DismissBetPopup(session, ui, given);
    EXPECT_FALSE(session.betPopup.open);
    EXPECT_EQ(session.focusedButton, focusAfter);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"ClosePopup"})) << "no button is redrawn";
    // The table repainted once the popup is gone keeps that focus.
    PaintTable(table, session, ui);
    EXPECT_EQ(session.focusedButton, focusAfter);
  }
}

}  // namespace
}  // namespace qf
