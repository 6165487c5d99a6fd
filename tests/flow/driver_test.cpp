// The hand driver: one step per tick, the shared actions and what they draw.
#include "flow/driver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/pots.h"
#include "flow/table_input.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::HandOver;
using testing::MakeTable;
using testing::PeekTurn;
using testing::RecordingUi;
using testing::SameBytes;
using Calls = std::vector<std::string>;

const std::string kChipsSound = "Sound 0", kKnockSound = "Sound 1", kFoldsSound = "Sound 2";

class DriverTest : public ::testing::Test {
 protected:
  void Tick() { TickGame(table, session, rng, ui); }
  void Press(int key) { OnTableInput(table, session, rng, ui, TableInput{key}); }

  // Ticks until the engine reports code (at most 200 ticks); false if never.
  bool TickUntil(TurnCode code) {
    for (int i = 0; i < 200 && PeekTurn(table).code != code; ++i) Tick();
    return PeekTurn(table).code == code;
  }

  // Only seat may have changed its stake since before.
  void ExpectOnlyStakeOf(int seat, const TableRecord& before) {
    for (int other = 0; other < kSeatCount; ++other) {
      if (other != seat) {
        EXPECT_EQ(table.players[other].inPot, before.players[other].inPot);
      }
    }
  }

  TableRecord table = MakeTable({KindHuman, KindSmart, KindTight});
  SessionState session;
  Rng rng{7};
  RecordingUi ui;
};

TEST_F(DriverTest, AllComputerHandRunsOneStepPerTickAndWaitsForStart) {
  table = MakeTable({KindSmart, KindLoose, KindErratic, KindTight});
  table.foldStyle = 0;  // a fold redraws only its seat
  const uint64_t chipsBefore = ChipsOnTable(table);

  // Between hands: a new hand, the street marker on the hole cards, one repaint.
  ASSERT_EQ(PeekTurn(table).code, TurnNewHand);
  Tick();
  EXPECT_EQ(table.cardsDealt, table.holeCards);
  EXPECT_EQ(ui.Count("FullTable"), 1);

  // Each forced bet on its own tick: small blind by seat 1, big blind by seat 2.
  for (int blind = 0; blind < 2; ++blind) {
    const Turn turn = PeekTurn(table);
    ASSERT_EQ(turn.code, TurnForcedBet);
    ASSERT_EQ(turn.seat, blind + 1);
    const TableRecord before = table;
    ui.Clear();
    Tick();
    EXPECT_EQ(table.players[turn.seat].inPot, before.players[turn.seat].inPot + turn.amount);
    EXPECT_EQ(table.players[turn.seat].status, StatusToAct);
    ExpectOnlyStakeOf(turn.seat, before);
    EXPECT_TRUE(ui.Has(kChipsSound));
  }
  EXPECT_EQ(table.players[1].inPot, 1u);
  EXPECT_EQ(table.players[2].inPot, 2u);

  // The hole cards are dealt at once (no human seat): every seat, in play or
  // not, is shown with its last hole card.
  ASSERT_EQ(PeekTurn(table).code, TurnDeal);
  ui.Clear();
  Tick();
  for (const PlayerRecord& player : table.players) EXPECT_EQ(player.cardsSeen, table.holeCards);
  EXPECT_EQ(ui.CountPrefix("BoardDeal "), kSeatCount);
  EXPECT_FALSE(ui.Has("BoardDeal -1"));

  // Betting and the later streets, one step per tick, until the hand is over.
  int ticks = 0;
  for (Turn turn = PeekTurn(table); turn.code == TurnAct || turn.code == TurnDeal;
       turn = PeekTurn(table)) {
    ASSERT_LT(++ticks, 500);
    const TableRecord before = table;
    ui.Clear();
    Tick();
    if (turn.code == TurnDeal) {
      EXPECT_TRUE(ui.Has("BoardDeal -1"));
      EXPECT_EQ(table.raisesThisRound, 0);
      continue;
    }
    ExpectOnlyStakeOf(turn.seat, before);  // only the acting seat's stake moves
    const uint32_t action = table.players[turn.seat].lastAction;
    if (action == ActionBet || action == ActionRaise) {
      EXPECT_TRUE(ui.Has("FullTable")) << "a raise redraws the whole table";
    } else if (PeekTurn(table).code != TurnDeal) {
      EXPECT_FALSE(ui.Has("FullTable")) << "a call, check or fold redraws only its seat";
      EXPECT_TRUE(ui.Has("Seat " + std::to_string(turn.seat)));
    }
    // The bar stays empty while computers act ("Deal" shows once a street is due).
    if (PeekTurn(table).code == TurnAct) {
      EXPECT_EQ(ui.CountPrefix("Button "), 0);
      EXPECT_FALSE(session.buttonShown[0]);
    }
  }

  // Settled once and drawn once, however many ticks the table then waits.
  ASSERT_TRUE(HandOver(table));
  ui.Clear();
  Tick();
  EXPECT_EQ(ui.Count("FullTable"), 1);
  EXPECT_EQ(ChipsOnTable(table), chipsBefore);
  EXPECT_EQ(session.buttonLabel[0], "Start");
  EXPECT_EQ(session.focusedButton, 1);
  const TableRecord settled = table;
  ui.Clear();
  for (int i = 0; i < 30; ++i) Tick();
  EXPECT_TRUE(SameBytes(table, settled));
  EXPECT_EQ(ui.Count("FullTable"), 0);
  EXPECT_TRUE(session.handSettled);

  // "Start" ends the hand; the next tick begins a new one.
  Press(KeyDigit1);
  EXPECT_EQ(PeekTurn(table).code, TurnNewHand);
  EXPECT_EQ(ChipsOnTable(table), chipsBefore);
  Tick();
  EXPECT_FALSE(session.handSettled);
  EXPECT_EQ(PeekTurn(table).code, TurnForcedBet);
}

TEST_F(DriverTest, HumanTurnChangesNothingOverManyTicks) {
  ASSERT_TRUE(TickUntil(TurnAct));
  ASSERT_EQ(PeekTurn(table).seat, 0);
  Tick();  // the first tick of the turn shows the betting buttons
  EXPECT_EQ(session.buttonLabel[0], "Call 2");
  EXPECT_EQ(session.buttonLabel[2], "Fold");
  const TableRecord waiting = table;
  const SessionState before = session;
  ui.Clear();
  for (int i = 0; i < 100; ++i) Tick();
  EXPECT_TRUE(SameBytes(table, waiting));
  EXPECT_EQ(session.buttonLabel, before.buttonLabel);
  EXPECT_EQ(ui.CountPrefix("Sound"), 0);
  EXPECT_EQ(ui.Count("FullTable"), 0);
}

TEST_F(DriverTest, ConfirmDealWaitsOnlyWhileAHumanIsInTheHand) {
  table.confirmDeal = 1;
  ASSERT_TRUE(TickUntil(TurnDeal));
  for (int i = 0; i < 20; ++i) Tick();
  EXPECT_EQ(table.players[0].cardsSeen, 0) << "the deal waits for the player";
  EXPECT_EQ(session.buttonLabel[0], "Deal");
  EXPECT_TRUE(session.buttonShown[0]);
  EXPECT_FALSE(session.buttonShown[1]);

  Press(KeyDigit1);  // "Deal" deals the hole cards
  EXPECT_EQ(table.players[0].cardsSeen, table.holeCards);

  // The human folds; from then on every street is dealt without waiting.
  ASSERT_EQ(PeekTurn(table).code, TurnAct);
  ASSERT_EQ(PeekTurn(table).seat, 0);
  Tick();
  Press(KeyDigit3);
  ASSERT_EQ(table.players[0].status, StatusFolded);
  for (int i = 0; i < 200 && !HandOver(table); ++i) {
    const TurnCode code = PeekTurn(table).code;
    const uint8_t seen = table.players[0].cardsSeen;
    Tick();
    if (code == TurnDeal) {
      EXPECT_GT(table.players[0].cardsSeen, seen);
    }
  }
  EXPECT_TRUE(HandOver(table));
}

TEST_F(DriverTest, ForcedBetOfAnInactiveSeatIsAFoldThatPostsNothing) {
  table.players[4].status = StatusToAct;
  PostForcedBet(table, ui, 4);
  EXPECT_EQ(table.players[4].status, StatusOut);
  EXPECT_EQ(table.players[4].lastAction, ActionFold);
  EXPECT_EQ(table.players[4].inPot, 0u);
  EXPECT_TRUE(ui.calls.empty());
}

TEST_F(DriverTest, ChipsAndFoldsAreDrawnAndHeard) {
  ASSERT_TRUE(TickUntil(TurnAct));
  ui.Clear();
  PlayChips(table, ui, 0, 2, 0);  // the call of the big blind
  EXPECT_EQ(ui.calls, (Calls{"Seat 0", "Chips 0 2", kChipsSound, "Centre"}));
  PlayChips(table, ui, 1, 1, 0);  // the small blind completes; seat 2 then checks
  ui.Clear();
  PlayChips(table, ui, 2, 0, 0);
  EXPECT_EQ(ui.calls, (Calls{kKnockSound, "Centre"}));
  table.soundEnabled = 0;
  ui.Clear();
  PlayChips(table, ui, 2, 0, 0);
  EXPECT_EQ(ui.CountPrefix("Sound"), 0);

  // The fold style decides what a fold redraws; a seat already out: nothing at all.
  table.soundEnabled = 1;
  table.foldStyle = 0;
  ui.Clear();
  PlayFold(table, ui, 0);
  EXPECT_EQ(ui.calls, (Calls{"Seat 0", kFoldsSound}));
  EXPECT_EQ(table.players[0].status, StatusOut);
  table.foldStyle = 1;
  ui.Clear();
  PlayFold(table, ui, 1);
  EXPECT_EQ(ui.calls, (Calls{"FullTable", kFoldsSound}));
  EXPECT_EQ(table.players[1].status, StatusFolded);
  ui.Clear();
  PlayFold(table, ui, 1);
  EXPECT_TRUE(ui.calls.empty());
}

TEST_F(DriverTest, DealStepDealsEachStreetAndShowsOnlyNewBoardCards) {
  ASSERT_TRUE(TickUntil(TurnAct));
  // Everyone calls or checks round to the flop.
  PlayChips(table, ui, 0, 2, 0);
  PlayChips(table, ui, 1, 1, 0);
  PlayChips(table, ui, 2, 0, 0);
  ASSERT_EQ(PeekTurn(table).code, TurnDeal);
  table.raisesThisRound = 3;
  ui.Clear();
  DealStep(table, session, ui);
  EXPECT_EQ(table.players[0].cardsSeen, table.holeCards + 3);
  EXPECT_EQ(table.players[9].cardsSeen, table.holeCards + 3);
  EXPECT_EQ(table.raisesThisRound, 0);
  EXPECT_EQ(ui.Count("BoardDeal -1"), 1);
  EXPECT_EQ(ui.CountPrefix("BoardDeal "), 1);
  // The full table comes after the board deal.
  const auto boardDeal = std::find(ui.calls.begin(), ui.calls.end(), "BoardDeal -1");
  EXPECT_LT(boardDeal, std::find(ui.calls.begin(), ui.calls.end(), "FullTable"));
}

}  // namespace
}  // namespace qf
