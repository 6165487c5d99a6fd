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
  void SetUpTable(uint8_t structure) {
    table = MakeTable({KindHuman, KindSmart, KindTight}, 2, structure);
    session = SessionState{};
    ASSERT_TRUE(CallAlongUntil(table, session, ui, rng, SeatZeroActsWith(2)));
    BuildButtonBar(table, session, ui, session.pendingRaise);  // as the tick does
    ui.Clear();
  }

  void Input(const TableInput& input) { OnTableInput(table, session, rng, ui, input); }

  TableRecord table;
  SessionState session;
  Rng rng{31};
  RecordingUi ui;
};

TEST_F(TableInputTest, KeysAndTapsTriggerTheButtons) {
  struct Case {
    const char* what;
    uint8_t structure;
    int focus;
    std::vector<TableInput> inputs;
    int stake;             // of seat 0 afterwards; -1: folded
    bool popup;            // the bet popup is open
    const char* feedback;  // sounds (S) and button pushes (P), in order
    int focusAfter;
  };
  // clang-format off
  const Case cases[] = {
      {"3 folds whatever the focus", StructureFixed, 1, {Key(KeyDigit3)}, -1, false, "S3P3S2", 1},
      {"1 calls", StructureFixed, 3, {Key(KeyDigit1)}, 2, false, "S3P1", 1},
      {"2 raises at once in fixed limit", StructureFixed, 1, {Key(KeyDigit2)}, 4, false, "S3P2", 1},
      {"Return on the focused Fold", StructureFixed, 3, {Key(KeyAction)}, -1, false, "S3P3S2", 1},
      {"Return on the focused Call", StructureFixed, 1, {Key(KeyAction)}, 2, false, "S3P1", 1},
      {"a tap on the last pixel of button 1", StructureFixed, 1, {Tap(74, 263)}, 2, false, "S3P1", 1},
      {"a tap between the buttons", StructureFixed, 1, {Tap(75, 250)}, 0, false, "", 1},
      {"a tap on 2 opens the popup", StructureSpread, 1, {Tap(100, 250)}, 0, true, "S3P2", 1},
      {"2 opens the popup in no limit", StructureNoLimit, 1, {Key(KeyDigit2)}, 0, true, "S3P2", 1},
      {"Left and Right do not wrap", StructureFixed, 1,
       {Key(KeyLeft), Key(KeyRight), Key(KeyRight), Key(KeyRight)}, 0, false, "", 3},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUpTable(c.structure);
    session.focusedButton = c.focus;
    const TableRecord before = table;
    for (const TableInput& input : c.inputs) Input(input);
    if (c.stake < 0) {
      EXPECT_TRUE(IsOut(table, 0));
    } else {
      EXPECT_FALSE(IsOut(table, 0));
      EXPECT_EQ(table.players[0].inPot, uint32_t(c.stake));
      if (c.stake == 0) {
        EXPECT_TRUE(SameBytes(table, before));
      }
    }
    EXPECT_EQ(session.betPopup.open, c.popup);
    EXPECT_EQ(ui.Count("ShowPopup"), c.popup ? 1 : 0);
    if (c.popup) {
      EXPECT_EQ(session.betPopup.callAmount, 2u);
    }
    std::string feedback;
    for (const std::string& call : ui.calls) {
      if (call.starts_with("Sound ") || call.starts_with("Push ")) {
        feedback += std::string(1, call[0]) + call.back();
      }
    }
    EXPECT_EQ(feedback, c.feedback);
    EXPECT_EQ(session.focusedButton, c.focusAfter);
  }
}

TEST_F(TableInputTest, FocusMovesOverShownButtonsOnly) {
  SetUpTable(StructureFixed);
  Input(Key(KeyRight));
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"Button 1 Call 2 plain", "Button 2 Raise 2 lit",
                                                "Button 3 Fold plain"}));
  // A hidden middle button is skipped both ways.
  BuildButtonBar(table, session, ui, std::nullopt);
  ASSERT_FALSE(session.buttonShown[1]);
  Input(Key(KeyLeft));
  EXPECT_EQ(session.focusedButton, 1);
  Input(Key(KeyRight));
  EXPECT_EQ(session.focusedButton, 3);
}

TEST_F(TableInputTest, SeatTapsOpenPlayerSettingsWhenAHumanMayAct) {
  SetUpTable(StructureFixed);
  Input(Tap(190, 30));  // seat 2 in the six-seat layout
  EXPECT_EQ(session.settingsSeat, 2);
  ASSERT_TRUE(ui.Has("Settings"));
  // The table and its buttons are repainted after the dialog.
  EXPECT_TRUE(ui.Has("FullTable"));
  EXPECT_TRUE(ui.Has("Button 1 Call 2 lit"));
  // A new table may switch the layout: taps follow the layout in force.
  table.smallTable = 0;
  Input(Tap(150, 30));  // seat 2 of ten, seat 1 of six
  EXPECT_EQ(session.settingsSeat, 2);
}

TEST_F(TableInputTest, InputIsIgnoredWhileAComputerActsOrOwesABlind) {
  SetUpTable(StructureFixed);
  Input(Key(KeyDigit1));
  ASSERT_EQ(PeekTurn(table).seat, 1);
  session.buttonLabel = {"Call 2", "Raise 2", "Fold"};  // even with stale buttons
  session.buttonShown = {true, true, true};
  for (int blind = 0; blind < 2; ++blind) {
    NextTurn(table);  // the engine's own bookkeeping, as any look at the turn does
    const TableRecord before = table;
    ui.Clear();
    for (const TableInput& input :
         {Key(KeyDigit1), Key(KeyDigit2), Key(KeyAction), Tap(10, 250), Tap(30, 30)}) {
      Input(input);
    }
    EXPECT_TRUE(SameBytes(table, before));
    EXPECT_TRUE(ui.calls.empty());
    // A blind owed by a computer.
    table = MakeTable({KindHuman, KindSmart, KindTight});
    NewHand(table, rng);
    table.cardsDealt = table.holeCards;
    ASSERT_EQ(PeekTurn(table).code, TurnForcedBet);
    ASSERT_NE(PeekTurn(table).seat, 0);
  }
}

}  // namespace
}  // namespace qf
