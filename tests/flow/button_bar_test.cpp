// The action button bar: labels for every turn, the pending raise, focus,
// what is erased and drawn, and the press and track feedback.
#include "flow/button_bar.h"

#include <gtest/gtest.h>

#include "flow/repaint.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::CallAlongUntil;
using testing::MakeTable;
using testing::PeekTurn;
using testing::RecordingUi;
using testing::SeatZeroActsWith;

using Labels = std::array<std::string, 3>;

class ButtonBarTest : public ::testing::Test {
 protected:
  // Seat 0 (human) acts first before the flop when the button is on seat 0,
  // and first after the flop when it is on seat 2.
  void SetUpTable(uint8_t structure, uint32_t baseBet, uint8_t dealer) {
    table = MakeTable({KindHuman, KindSmart, KindTight}, baseBet, structure);
    table.dealer = dealer;
  }
  void ReachSeatZero(int cards) {
    ASSERT_TRUE(CallAlongUntil(table, session, ui, rng, SeatZeroActsWith(cards)));
    ui.Clear();
  }
  void Build(std::optional<uint32_t> pending) { BuildButtonBar(table, session, ui, pending); }

  TableRecord table;
  SessionState session;
  Rng rng{21};
  RecordingUi ui;
};

TEST_F(ButtonBarTest, FacingABetInAFixedLimit) {
  SetUpTable(StructureFixed, 2, 0);
  ReachSeatZero(2);
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Call 2", "Raise 2", "Fold"}));
  EXPECT_EQ(session.pendingRaise, 2u) << "a pending raise of 0 wraps to the maximum";
  // With no pending raise given (as after a dialog) the middle button is empty.
  Build(std::nullopt);
  EXPECT_EQ(session.buttonLabel, (Labels{"Call 2", "", "Fold"}));
  EXPECT_FALSE(session.buttonShown[1]);
  EXPECT_TRUE(ui.Has("Erase 2"));
}

TEST_F(ButtonBarTest, NothingToCall) {
  SetUpTable(StructureFixed, 2, 2);
  ReachSeatZero(5);
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Check", "Bet 2", "Fold"}));
  Build(std::nullopt);
  EXPECT_EQ(session.buttonLabel, (Labels{"Check", "Check", "Fold"}));

  // Once the raise cap is reached the limits are 0: a pending raise of 0 stays 0.
  table.raiseCap = 1;
  table.raisesThisRound = 1;
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Check", "Check", "Fold"}));
  EXPECT_EQ(session.pendingRaise, 0u);
}

TEST_F(ButtonBarTest, ChosenAmountsHaveNoFigureOnTheButton) {
  SetUpTable(StructureNoLimit, 10, 2);
  ReachSeatZero(5);
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Check", "Bet", "Fold"}));
  SetUpTable(StructureNoLimit, 10, 0);
  ReachSeatZero(2);
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Call 10", "Raise", "Fold"}));
}

TEST_F(ButtonBarTest, PendingRaiseWrapsIntoTheLimits) {
  SetUpTable(StructureNoLimit, 10, 2);
  ReachSeatZero(5);
  table.players[0].chips = 200;  // limits 10..200
  Build(250u);
  EXPECT_EQ(session.pendingRaise, 10u);
  Build(5u);
  EXPECT_EQ(session.pendingRaise, 200u);
  Build(120u);
  EXPECT_EQ(session.pendingRaise, 120u);
  // No pending raise given: the kept one is left alone.
  Build(std::nullopt);
  EXPECT_EQ(session.pendingRaise, 120u);
}

TEST_F(ButtonBarTest, SeatWithoutChipsGetsAllInAloneWithTheFocus) {
  SetUpTable(StructureFixed, 2, 2);
  ReachSeatZero(5);
  Build(0u);
  session.focusedButton = 3;
  table.players[0].chips = 0;
  ui.Clear();
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"All In", "", ""}));
  EXPECT_EQ(session.focusedButton, 1);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Erase 2", "Erase 3", "Button 1 All In plain",
                                                "Button 1 All In lit"}));
}

TEST_F(ButtonBarTest, DealStartAndBetweenHands) {
  SetUpTable(StructureFixed, 2, 0);
  table.confirmDeal = 1;
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"", "", ""})) << "between hands";
  ASSERT_TRUE(CallAlongUntil(table, session, ui, rng,
                             [](const TableRecord&, const Turn& t) { return t.code == TurnDeal; }));
  session.focusedButton = 2;
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Deal", "", ""}));
  EXPECT_EQ(session.focusedButton, 1);

  for (PlayerRecord& p : table.players) p.status = StatusOut;
  table.players[1].status = StatusToAct;
  Build(0u);
  ASSERT_EQ(PeekTurn(table).code, TurnLastStanding);
  EXPECT_EQ(session.buttonLabel, (Labels{"Start", "", ""}));
}

TEST_F(ButtonBarTest, ComputersTurnEmptiesTheBarAndAForcedBetKeepsIt) {
  SetUpTable(StructureFixed, 2, 1);  // seat 2 posts the small blind, seat 0 the big blind
  NewHand(table, rng);
  table.cardsDealt = table.holeCards;
  session.buttonLabel = {"Start", "", ""};
  session.buttonShown = {true, false, false};
  ASSERT_EQ(PeekTurn(table).seat, 2);
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"", "", ""}));
  EXPECT_EQ(session.buttonShown, (std::array<bool, 3>{false, false, false}));
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Erase 1", "Erase 2", "Erase 3"}));

  PostForcedBet(table, ui, 2);
  ASSERT_EQ(PeekTurn(table).code, TurnForcedBet);
  ASSERT_EQ(PeekTurn(table).seat, 0);
  session.buttonLabel = {"Check", "Check", "Fold"};
  Build(0u);
  EXPECT_EQ(session.buttonLabel, (Labels{"Check", "Check", "Fold"}));
}

TEST_F(ButtonBarTest, ChangedLabelsAreDrawnPlainThenTheFocus) {
  SetUpTable(StructureFixed, 2, 0);
  ReachSeatZero(2);
  ClearButtonBar(session, ui);
  ui.Clear();
  Build(0u);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 1 Call 2 plain", "Button 2 Raise 2 plain",
                                                "Button 3 Fold plain", "Button 1 Call 2 lit",
                                                "Button 2 Raise 2 plain", "Button 3 Fold plain"}));
  // Nothing changed: only the focus is shown again.
  session.focusedButton = 3;
  ui.Clear();
  Build(0u);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 3 Fold lit", "Button 1 Call 2 plain",
                                                "Button 2 Raise 2 plain"}));
}

TEST_F(ButtonBarTest, FocusFallsBackWhenItsButtonVanishes) {
  SetUpTable(StructureFixed, 2, 0);
  ReachSeatZero(2);
  Build(0u);
  session.focusedButton = 2;
  ui.Clear();
  Build(std::nullopt);  // the middle button vanishes
  EXPECT_EQ(session.focusedButton, 1);
  EXPECT_EQ(ui.calls,
            (std::vector<std::string>{"Erase 2", "Button 1 Call 2 lit", "Button 3 Fold plain"}));
}

TEST_F(ButtonBarTest, RepaintsDrawEveryButtonAfresh) {
  SetUpTable(StructureFixed, 2, 0);
  ReachSeatZero(2);
  Build(0u);
  ui.Clear();
  RepaintAll(table, session, ui, true);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Felt 0 0 240 269", "FullTable+deal", "Erase 2",
                                                "Button 1 Call 2 plain", "Button 3 Fold plain",
                                                "Button 1 Call 2 lit", "Button 3 Fold plain"}));
  ui.Clear();
  PaintTable(table, session, ui);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Erase 1", "Erase 2", "Erase 3", "FullTable",
                                                "Button 1 Call 2 plain", "Button 2 Raise 2 plain",
                                                "Button 3 Fold plain", "Button 1 Call 2 lit",
                                                "Button 2 Raise 2 plain", "Button 3 Fold plain"}));
}

TEST_F(ButtonBarTest, PressAndTrackFeedback) {
  SetUpTable(StructureFixed, 2, 0);
  ReachSeatZero(2);
  Build(0u);
  ui.Clear();
  PressButtons(session, ui, 0, 100, 250);  // stylus down on button 2
  EXPECT_TRUE(session.buttonPressed);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 2 Raise 2 lit"}));
  ui.Clear();
  TrackButtons(session, ui, 100, 230);  // off it
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 1 Call 2 plain", "Button 2 Raise 2 plain",
                                                "Button 3 Fold plain"}));
  ui.Clear();
  TrackButtons(session, ui, 149, 263);  // back on it, at its last pixel
  EXPECT_EQ(ui.calls[1], "Button 2 Raise 2 lit");
  session.buttonPressed = false;
  ui.Clear();
  TrackButtons(session, ui, 100, 250);  // a move without a press
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 1 Call 2 plain", "Button 2 Raise 2 plain",
                                                "Button 3 Fold plain"}));

  // Keys: the digit lights its button only when it is shown; Action lights the focus.
  ui.Clear();
  PressButtons(session, ui, '3', -32768, -32768);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 3 Fold lit"}));
  Build(std::nullopt);
  session.buttonPressed = false;
  ui.Clear();
  PressButtons(session, ui, '2', -32768, -32768);
  EXPECT_TRUE(ui.calls.empty());
  EXPECT_FALSE(session.buttonPressed);
  PressButtons(session, ui, 13, -32768, -32768);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 1 Call 2 lit"}));
}

}  // namespace
}  // namespace qf
