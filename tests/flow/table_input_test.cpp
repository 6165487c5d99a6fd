// The player's taps and keys on the table.
#include "flow/table_input.h"

#include <gtest/gtest.h>

#include "flow/button_bar.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::CallAlongUntil;
using testing::MakeTable;
using testing::PeekTurn;
using testing::RecordingUi;
using testing::SameBytes;
using testing::SeatZeroActsWith;

constexpr TableInput Key(int key) {
  return TableInput{key};
}
constexpr TableInput Tap(int x, int y) {
  return TableInput{KeyNone, x, y};
}

class TableInputTest : public ::testing::Test {
 protected:
  // Seat 0 (human) to act before the flop, facing the big blind of 2.
  TableInputTest() { SetUpTable(StructureFixed); }

  void SetUpTable(uint8_t structure) {
    table = MakeTable({KindHuman, KindSmart, KindTight}, 2, structure);
    session = SessionState{};
    InitSeatRects(table, session);
    ui.session = &session;
    EXPECT_TRUE(CallAlongUntil(table, session, ui, rng, SeatZeroActsWith(2)));
    BuildButtonBar(table, session, ui, session.pendingRaise);  // as the tick does
    ui.Clear();
  }

  void Input(const TableInput& input) { OnTableInput(table, session, rng, ui, input); }

  TableRecord table;
  SessionState session;
  Rng rng{31};
  RecordingUi ui;
};

TEST_F(TableInputTest, DigitsTriggerTheirButtonWhateverTheFocus) {
  Input(Key(KeyDigit3));
  ASSERT_GE(ui.calls.size(), 2u);
  EXPECT_EQ(ui.calls[0], "Button 1 Call 2 plain");
  EXPECT_EQ(ui.calls[1], "Button 2 Raise 2 plain");
  EXPECT_EQ(ui.calls[2], "Sound 3");
  EXPECT_EQ(ui.calls[3], "Push 3");
  EXPECT_TRUE(IsOut(table, 0));
  EXPECT_TRUE(ui.Has("Sound 2")) << "the fold is heard";
  EXPECT_EQ(session.buttonLabel, (std::array<std::string, 3>{"", "", ""}));
}

TEST_F(TableInputTest, ActionTriggersOnlyTheFocusedButton) {
  session.focusedButton = 3;
  Input(Key(KeyAction));
  EXPECT_TRUE(IsOut(table, 0));

  SetUpTable(StructureFixed);
  Input(Key(KeyAction));
  EXPECT_EQ(table.players[0].inPot, 2u) << "called";
  EXPECT_FALSE(IsOut(table, 0));
  // The player's own call is heard only as the click of the button.
  EXPECT_EQ(ui.Count("Sound 3"), 1);
  EXPECT_EQ(ui.CountPrefix("Sound "), 1);
  EXPECT_TRUE(ui.Has("Seat 0"));
  EXPECT_TRUE(ui.Has("Centre"));
}

TEST_F(TableInputTest, TapsHitTheButtonRectangles) {
  const TableRecord before = table;
  Input(Tap(75, 250));  // the pixel right of button 1
  EXPECT_TRUE(SameBytes(table, before));
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 1 Call 2 plain", "Button 2 Raise 2 plain",
                                                "Button 3 Fold plain"}));
  ui.Clear();
  Input(Tap(74, 263));
  EXPECT_EQ(table.players[0].inPot, 2u);
  EXPECT_TRUE(ui.Has("Push 1"));
}

TEST_F(TableInputTest, LeftAndRightMoveTheFocusWithoutWrapping) {
  Input(Key(KeyLeft));
  EXPECT_EQ(session.focusedButton, 1);
  EXPECT_TRUE(ui.calls.empty());
  Input(Key(KeyRight));
  EXPECT_EQ(session.focusedButton, 2);
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 1 Call 2 plain", "Button 2 Raise 2 lit",
                                                "Button 3 Fold plain"}));
  Input(Key(KeyRight));
  EXPECT_EQ(session.focusedButton, 3);
  ui.Clear();
  Input(Key(KeyRight));
  EXPECT_EQ(session.focusedButton, 3);
  EXPECT_TRUE(ui.calls.empty());

  // A hidden middle button is skipped both ways.
  BuildButtonBar(table, session, ui, std::nullopt);
  ASSERT_FALSE(session.buttonShown[1]);
  Input(Key(KeyLeft));
  EXPECT_EQ(session.focusedButton, 1);
  Input(Key(KeyRight));
  EXPECT_EQ(session.focusedButton, 3);
}

TEST_F(TableInputTest, FixedLimitMiddleButtonActsAtOnce) {
  Input(Key(KeyDigit2));
  EXPECT_FALSE(ui.Has("ShowPopup"));
  EXPECT_FALSE(session.betPopup.open);
  EXPECT_EQ(table.players[0].inPot, 4u) << "the call and the raise of 2 shown on the button";
  EXPECT_EQ(table.raisesThisRound, 1);
  EXPECT_TRUE(ui.Has("FullTable"));
  EXPECT_EQ(PeekTurn(table).seat, 1);
}

TEST_F(TableInputTest, OtherStructuresOpenThePopup) {
  SetUpTable(StructureSpread);
  const TableRecord before = table;
  Input(Tap(100, 250));
  EXPECT_TRUE(SameBytes(table, before));
  EXPECT_TRUE(session.betPopup.open);
  EXPECT_EQ(ui.Count("ShowPopup"), 1);
  EXPECT_EQ(session.betPopup.seat, 0);
  EXPECT_EQ(session.betPopup.callAmount, 2u);
  EXPECT_EQ(session.betPopup.texts[session.betPopup.rowCount - 1], "Raise: $4");
}

TEST_F(TableInputTest, InputIsIgnoredWhileAComputerActs) {
  Input(Key(KeyDigit1));
  ASSERT_EQ(PeekTurn(table).seat, 1);
  session.buttonLabel = {"Call 2", "Raise 2", "Fold"};  // even with stale buttons
  session.buttonShown = {true, true, true};
  const TableRecord before = table;
  ui.Clear();
  for (const TableInput& input :
       {Key(KeyDigit1), Key(KeyDigit2), Key(KeyAction), Tap(10, 250), Tap(90, 30)}) {
    Input(input);
  }
  EXPECT_TRUE(SameBytes(table, before));
  EXPECT_TRUE(ui.calls.empty());
}

TEST_F(TableInputTest, SeatTapsOpenPlayerSettingsWhenAHumanMayAct) {
  Input(Tap(190, 30));  // seat 2 in the six-seat layout
  EXPECT_EQ(session.settingsSeat, 2);
  ASSERT_TRUE(ui.Has("Settings 2"));
  // The table is repainted after the dialog.
  EXPECT_TRUE(ui.Has("FullTable"));

  // During a computer's turn the tap is ignored.
  Input(Key(KeyDigit1));
  ASSERT_EQ(PeekTurn(table).seat, 1);
  ui.Clear();
  Input(Tap(30, 30));
  EXPECT_TRUE(ui.calls.empty());
}

TEST_F(TableInputTest, ForcedBetOwedByAComputerBlocksInput) {
  table = MakeTable({KindHuman, KindSmart, KindTight});
  InitSeatRects(table, session);
  NewHand(table, rng);
  table.cardsDealt = table.holeCards;
  ASSERT_EQ(PeekTurn(table).code, TurnForcedBet);
  Input(Tap(30, 30));
  EXPECT_TRUE(ui.calls.empty());
}

}  // namespace
}  // namespace qf
