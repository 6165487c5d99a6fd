// A human's turn: the ticks that wait for it, the player's keys and taps on
// the table, the action button bar and the bet amount popup.
#include <gtest/gtest.h>

#include "flow/bet_popup.h"
#include "flow/repaint.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::Calls;
using testing::Game;
using testing::MakeTable;
using testing::PeekTurn;
using testing::SameBytes;
using Amounts = std::vector<uint32_t>;
using Labels = std::array<std::string, 3>;
constexpr auto Key = [](int key) { return TableInput{key}; };
constexpr auto Tap = [](int x, int y) { return TableInput{KeyNone, x, y}; };

// Seat 0 (human) to act holding cards (2: before the flop, facing the big
// blind; 5: first on the flop), seats 1 and 2 computers.
Game SeatZeroToAct(uint8_t structure, int cards = 2, uint32_t baseBet = 2) {
  Game game(MakeTable("HST", baseBet, structure), 31);
  game.table.dealer = cards == 2 ? 0 : 2;
  EXPECT_TRUE(game.CallAlongToSeatZero(cards));
  return game;
}

// Ticks wait for "Deal" while the human is in the hand, then on the human's
// turn; once the human has folded every street is dealt without waiting.
TEST(TableInputTest, TicksWaitForDealAndForTheHumansTurn) {
  Game game(MakeTable("HST"));
  game.table.confirmDeal = 1;
  for (int i = 0; i < 200 && PeekTurn(game.table).code != TurnDeal; ++i) game.Tick();
  for (int i = 0; i < 20; ++i) game.Tick();
  EXPECT_EQ(game.table.players[0].cardsSeen, 0) << "the deal waits for the player";
  EXPECT_EQ(game.session.buttonLabel, (Labels{"Deal", "", ""}));
  EXPECT_EQ(game.session.buttonShown, (std::array<bool, 3>{true, false, false}));
  game.Key(KeyDigit1);  // "Deal" deals the hole cards
  EXPECT_EQ(game.table.players[0].cardsSeen, game.table.holeCards);
  ASSERT_EQ(PeekTurn(game.table).seat, 0);
  game.Tick();  // the first tick of the turn shows the betting buttons
  EXPECT_EQ(game.session.buttonLabel, (Labels{"Call 2", "Raise 2", "Fold"}));
  const TableRecord waiting = game.table;
  game.ui.calls.clear();
  for (int i = 0; i < 100; ++i) game.Tick();
  EXPECT_TRUE(SameBytes(game.table, waiting));
  EXPECT_EQ(game.ui.Count("Sound") + game.ui.Count("FullTable"), 0);
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

TEST(TableInputTest, KeysAndTapsTriggerTheButtons) {
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
       {Key(KeyLeft), Key(KeyRight), Key(KeyRight), Key(KeyRight)}, 0, false, "", 3}
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Game game = SeatZeroToAct(c.structure);
    game.session.focusedButton = c.focus;
    const TableRecord before = game.table;
    for (const TableInput& input : c.inputs) game.Input(input);
    EXPECT_EQ(IsOut(game.table, 0), c.stake < 0);
    if (c.stake >= 0) {
      EXPECT_EQ(game.table.players[0].inPot, uint32_t(c.stake));
      EXPECT_TRUE(c.stake != 0 || SameBytes(game.table, before));
    }
    EXPECT_EQ(game.session.betPopup.open, c.popup);
    EXPECT_EQ(game.ui.Count("ShowPopup"), c.popup ? 1 : 0);
    EXPECT_TRUE(!c.popup || game.session.betPopup.callAmount == 2u);
    std::string feedback;
    for (const std::string& call : game.ui.calls) {
      if (call.starts_with("Sound ") || call.starts_with("Push "))
        feedback += {call[0], call.back()};
    }
    EXPECT_EQ(feedback, c.feedback);
    EXPECT_EQ(game.session.focusedButton, c.focusAfter);
  }
}

TEST(TableInputTest, FocusMovesOverShownButtonsOnly) {
  Game game = SeatZeroToAct(StructureFixed);
  game.Key(KeyRight);
  EXPECT_EQ(game.ui.calls,
            (Calls{"Button 1 Call 2 plain", "Button 2 Raise 2 lit", "Button 3 Fold plain"}));
  game.Bar(std::nullopt);  // a hidden middle button is skipped both ways
  ASSERT_FALSE(game.session.buttonShown[1]);
  game.Key(KeyLeft);
  EXPECT_EQ(game.session.focusedButton, 1);
  game.Key(KeyRight);
  EXPECT_EQ(game.session.focusedButton, 3);
}

TEST(TableInputTest, SeatTapsFollowTheLayoutAndInputWaitsForTheHumansTurn) {
  Game game = SeatZeroToAct(StructureFixed);
  game.Tap(190, 30);  // seat 2 in the six-seat layout
  EXPECT_EQ(game.session.settingsSeat, 2);
  ASSERT_TRUE(game.ui.Has("Settings"));
  // The table and its buttons are repainted after the dialog.
  EXPECT_TRUE(game.ui.Has("FullTable"));
  EXPECT_TRUE(game.ui.Has("Button 1 Call 2 lit"));
  game.table.smallTable = 0;  // a new table may switch the layout
  game.Tap(150, 30);          // seat 2 of ten, seat 1 of six
  EXPECT_EQ(game.session.settingsSeat, 2);

  // While a computer acts, or owes a blind, keys and taps do nothing, even
  // with stale buttons.
  game.Key(KeyDigit1);
  ASSERT_EQ(PeekTurn(game.table).seat, 1);
  for (int blind = 0; blind < 2; ++blind) {
    game.session.buttonLabel = {"Call 2", "Raise 2", "Fold"};
    game.session.buttonShown = {true, true, true};
    NextTurn(game.table);  // the engine's own bookkeeping, as any look at the turn does
    const TableRecord before = game.table;
    game.ui.calls.clear();
    for (const TableInput& input :
         {Key(KeyDigit1), Key(KeyDigit2), Key(KeyAction), Tap(10, 250), Tap(30, 30)}) {
      game.Input(input);
    }
    EXPECT_TRUE(SameBytes(game.table, before));
    EXPECT_TRUE(game.ui.calls.empty());
    game.table = MakeTable("HST");  // a blind owed by a computer
    NewHand(game.table, game.rng);
    game.table.cardsDealt = game.table.holeCards;
    ASSERT_EQ(PeekTurn(game.table).code, TurnForcedBet);
    ASSERT_NE(PeekTurn(game.table).seat, 0);
  }
}

TEST(ButtonBarTest, BettingLabels) {
  const struct {
    uint8_t structure;
    uint32_t baseBet;
    int cards;
    std::optional<uint32_t> pending;  // none: as after a dialog, no raise offered
    Labels labels;
  } cases[] = {{StructureFixed, 2, 2, 0u, {"Call 2", "Raise 2", "Fold"}},
               {StructureFixed, 2, 2, std::nullopt, {"Call 2", "", "Fold"}},
               {StructureFixed, 2, 5, 0u, {"Check", "Bet 2", "Fold"}},
               {StructureFixed, 2, 5, std::nullopt, {"Check", "Check", "Fold"}},
               // Chosen amounts have no figure on the button.
               {StructureNoLimit, 10, 5, 0u, {"Check", "Bet", "Fold"}},
               {StructureNoLimit, 10, 2, 0u, {"Call 10", "Raise", "Fold"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << int{c.structure} << " " << c.cards);
    Game game = SeatZeroToAct(c.structure, c.cards, c.baseBet);
    game.Bar(c.pending);
    EXPECT_EQ(game.session.buttonLabel, c.labels);
  }
  // A seat without chips gets "All In" alone, with the focus.
  Game game = SeatZeroToAct(StructureFixed);
  game.session.focusedButton = 3;
  game.table.players[0].chips = 0;
  game.Bar(0u);
  EXPECT_EQ(game.session.buttonLabel, (Labels{"All In", "", ""}));
  EXPECT_EQ(game.ui.calls,
            (Calls{"Erase 2", "Erase 3", "Button 1 All In plain", "Button 1 All In lit"}));
}

TEST(ButtonBarTest, PendingRaiseWrapsIntoTheLimits) {
  Game game = SeatZeroToAct(StructureNoLimit, 5, 10);
  TableRecord& table = game.table;
  table.players[0].chips = 200;  // limits 10..200
  for (auto [given, kept] : {std::pair{0u, 200u}, {250u, 10u}, {5u, 200u}, {120u, 120u}}) {
    game.Bar(given);
    EXPECT_EQ(game.session.pendingRaise, kept) << given;
  }
  game.Bar(std::nullopt);  // no pending raise given: the kept one is left alone
  EXPECT_EQ(game.session.pendingRaise, 120u);
  table.players[0].chips = 3'000'000'000u;  // limits past the signed range
  game.Bar(2'500'000'000u);
  EXPECT_EQ(game.session.pendingRaise, 2'500'000'000u);
  // A custom street whose minimum is 0 still offers a bet.
  table.betStructure = StructureCustom;
  table.customMin[1] = 0;
  table.customMax[1] = 8;
  game.Bar(0u);
  EXPECT_EQ(game.session.pendingRaise, 8u);
  EXPECT_EQ(game.session.buttonLabel, (Labels{"Check", "Bet", "Fold"}));
  // Once the raise cap is reached the limits are 0: a pending raise of 0 stays 0.
  table.raiseCap = table.raisesThisRound = 1;
  game.Bar(0u);
  EXPECT_EQ(game.session.buttonLabel, (Labels{"Check", "Check", "Fold"}));
  EXPECT_EQ(game.session.pendingRaise, 0u);
}

TEST(BetPopupTest, RowsFromTheMinimumDoublingThenTheMaximum) {
  const struct {
    uint32_t minimum, toCall, maximum;
    Amounts rows;
  } cases[] = {
      // clang-format off
      {2, 0, 1000, {2, 4, 8, 16, 32, 64, 128, 256, 512, 1000}},
      {5, 0, 100000, {5, 10, 20, 40, 80, 160, 320, 640, 1280, 100000}},  // nine doublings at most
      {0, 0, 10, {1, 2, 4, 8, 10}},                 // a raise of 0 would be a call
      {5, 15, 40, {5, 10, 20, 40}},
      {6, 0, 194, {6, 12, 24, 48, 96, 192, 194}},   // never below the table's minimum
      {0x80000000u, 0, 0xFFFFFFFFu, {0x80000000u, 0xFFFFFFFFu}}};  // doubling never wraps
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.minimum << " " << c.toCall << " " << c.maximum);
    BetPopupState popup;
    BuildBetPopupRows(popup, BetLimitsResult{false, c.minimum, c.maximum}, 3, c.toCall);
    EXPECT_EQ(Amounts(popup.amounts.begin(), popup.amounts.begin() + popup.rowCount), c.rows);
    EXPECT_EQ(std::pair(popup.seat, popup.callAmount), std::pair(3, c.toCall));
    for (size_t row = 0; row < c.rows.size(); ++row) {
      EXPECT_EQ(popup.texts[row], (c.toCall ? "Raise: $" : "Bet: $") + std::to_string(c.rows[row]));
    }
  }
}

// No limit at stakes times 3: seat 0 first to act on the flop with 2000
// chips less its big blind of 6 opens the popup with 2.
Game PopupOpen() {
  Game game(MakeTable("HST", 2, StructureNoLimit), 41);
  game.table.dealer = 2;
  game.table.progressiveLevel = 3;
  for (PlayerRecord& p : game.table.players) p.chips = 2000;
  EXPECT_TRUE(game.CallAlongToSeatZero(5));
  game.Key(KeyDigit2);
  EXPECT_TRUE(game.session.betPopup.open);
  game.ui.calls.clear();
  return game;
}

TEST(BetPopupTest, EveryRowCommitsItsOwnAmountAndNothingElseCommits) {
  const Game open = PopupOpen();
  const BetPopupState& popup = open.session.betPopup;
  const Amounts amounts(popup.amounts.begin(), popup.amounts.begin() + popup.rowCount);
  ASSERT_EQ(amounts, (Amounts{6, 12, 24, 48, 96, 192, 384, 768, 1536, 1994}));
  for (int row = 0; row < popup.rowCount; ++row) {
    Game game = open;
    CommitBetPopup(game.table, game.session, game.ui, row);
    EXPECT_EQ(game.table.players[0].inPot, open.table.players[0].inPot + amounts[row]);
    EXPECT_EQ(game.table.players[0].lastAction, ActionBet);
    EXPECT_FALSE(game.session.betPopup.open);
    EXPECT_EQ(game.ui.calls.front(), "ClosePopup");
    EXPECT_TRUE(game.ui.Has("FullTable"));
    EXPECT_EQ(PeekTurn(game.table).seat, 1);
    EXPECT_FALSE(game.session.buttonShown[0]) << "a computer's turn: the bar is empty";
  }
  // No row, or a popup already closed (as by a tap on the table): nothing happens.
  Game game = open;
  CommitBetPopup(game.table, game.session, game.ui, -1);
  CommitBetPopup(game.table, game.session, game.ui, popup.rowCount);
  EXPECT_TRUE(game.session.betPopup.open);
  EXPECT_TRUE(game.ui.calls.empty());
  DismissBetPopup(game.session, game.ui, 0);
  CommitBetPopup(game.table, game.session, game.ui, 0);
  EXPECT_TRUE(SameBytes(game.table, open.table));
}

TEST(BetPopupTest, LeftAndRightDismissAndMoveTheFocusToAShownButton) {
  for (auto [shown3, given, focusAfter] : {std::tuple{true, 1, 1}, {true, 3, 3}, {false, 3, 2}}) {
    Game game = PopupOpen();
    game.session.focusedButton = 2;
    game.session.buttonShown[2] = shown3;
    DismissBetPopup(game.session, game.ui, given);
    EXPECT_FALSE(game.session.betPopup.open);
    EXPECT_EQ(game.session.focusedButton, focusAfter);
    EXPECT_EQ(game.ui.calls, (Calls{"ClosePopup"})) << "no button is redrawn";
    // The table repainted once the popup is gone keeps that focus.
    PaintTable(game.table, game.session, game.ui);
    EXPECT_EQ(game.session.focusedButton, focusAfter);
  }
}

}  // namespace
}  // namespace qf
