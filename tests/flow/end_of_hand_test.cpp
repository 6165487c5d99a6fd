// The end of a hand: busted seats, the questions asked, the tournament winner.
#include "flow/end_of_hand.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/pots.h"
#include "flow/driver.h"
#include "flow/table_input.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::MakeTable;
using testing::PeekTurn;
using testing::RecordingUi;

const std::string kHumanBust = "You have no cash! What do you want to do?";
const std::string kComputerBustTail =
    " is out of cash. Can the player get cash (and keep playing), or would you like to dismiss "
    "from the table?";

class ResolveBustsTest : public ::testing::Test {
 protected:
  // Seats 0 (human) and 1, 2 (computers) are busted after a finished hand;
  // seat 3 holds every chip.
  ResolveBustsTest() {
    table = MakeTable({KindHuman, KindSmart, KindTight, KindLoose}, 5);
    for (int seat : {0, 1, 2}) table.players[seat].chips = 0;
    table.players[3].chips = 2000;
    table.bustedStay = 1;
  }

  void Resolve() { ResolveBusts(table, session, ui); }

  TableRecord table;
  SessionState session;
  RecordingUi ui;
};

TEST_F(ResolveBustsTest, BustedSeatsAreAskedInSeatOrderWithTheirNames) {
  ui.answers = {1, 1, 2};
  Resolve();
  ASSERT_EQ(ui.questions.size(), 3u);
  EXPECT_EQ(ui.questions[0].message, kHumanBust);
  EXPECT_EQ(ui.questions[0].buttons, (std::vector<std::string>{"Get Cash", "New Table", "Watch"}));
  EXPECT_EQ(ui.questions[1].message, "Zena" + kComputerBustTail);
  EXPECT_EQ(ui.questions[1].buttons, (std::vector<std::string>{"Get Cash", "Dismiss from Table"}));
  EXPECT_EQ(ui.questions[2].message, "Oswin" + kComputerBustTail);

  // "Get Cash" is a buy-in on credit: profit unchanged.
  EXPECT_EQ(table.players[0].chips, 500u);
  EXPECT_EQ(table.players[0].balance, -500 - 500);
  EXPECT_EQ(table.players[1].chips, 500u);
  EXPECT_EQ(table.players[1].kind, KindSmart);
  // "Dismiss from Table".
  EXPECT_EQ(table.players[2].kind, KindInactive);
  EXPECT_FALSE(session.newTableRequested);
}

TEST_F(ResolveBustsTest, NewTableStopsTheLoopAndTheTournamentCheck) {
  table.players[3].kind = KindInactive;  // seat 0 alone would otherwise have "won"
  ui.answers = {2};
  Resolve();
  EXPECT_EQ(ui.questions.size(), 1u) << "later busted seats wait for a later hand";
  EXPECT_TRUE(session.newTableRequested);
  EXPECT_EQ(table.players[1].kind, KindSmart);
}

TEST_F(ResolveBustsTest, WatchAndNoAnswer) {
  ui.answers = {3, 0, 0};
  Resolve();
  EXPECT_EQ(table.players[0].kind, KindInactive);
  // Closed without an answer: unchanged, asked again after the next hand.
  EXPECT_EQ(table.players[1].kind, KindSmart);
  EXPECT_EQ(table.players[1].chips, 0u);
  EXPECT_EQ(table.players[1].balance, -500);
}

TEST_F(ResolveBustsTest, BustedComputersQuitWithoutAQuestionWhenTheyMust) {
  table.bustedStay = 0;
  ui.answers = {1};
  Resolve();
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0].message, kHumanBust);
  EXPECT_EQ(table.players[1].kind, KindInactive);
  EXPECT_EQ(table.players[2].kind, KindInactive);
}

TEST_F(ResolveBustsTest, TournamentWinnerIsAskedAtMostTenTimes) {
  table.bustedStay = 0;
  ui.answers = {3};  // the human watches; the computers quit
  Resolve();
  ASSERT_EQ(ui.questions.size(), 11u);
  for (size_t i = 1; i < ui.questions.size(); ++i) {
    EXPECT_EQ(ui.questions[i].message, "Basil has won this tournament! Good Job!");
    EXPECT_EQ(ui.questions[i].buttons, (std::vector<std::string>{"New Game"}));
  }
  EXPECT_FALSE(session.newTableRequested);
}

TEST_F(ResolveBustsTest, NewGameAsksForANewTable) {
  table.bustedStay = 0;
  ui.answers = {3, 0, 0, 1};
  Resolve();
  EXPECT_EQ(ui.questions.size(), 4u);
  EXPECT_TRUE(session.newTableRequested);
}

TEST_F(ResolveBustsTest, PendingNewTableRequestSkipsTheWinner) {
  session.newTableRequested = true;
  table.bustedStay = 0;
  ui.answers = {3};
  Resolve();
  EXPECT_EQ(ui.questions.size(), 1u);
}

TEST_F(ResolveBustsTest, HandIsClosedAndTheButtonMoves) {
  // A stake still in the pot is paid into chips before the busts are looked at.
  table.players[0].status = StatusToAct;
  table.players[0].inPot = 40;
  table.players[3].status = StatusFolded;
  table.players[3].inPot = 40;
  table.players[0].cardsSeen = table.players[3].cardsSeen = 2;
  table.dealer = 3;
  const uint64_t chips = ChipsOnTable(table);
  ui.answers = {2};  // seat 1: dismissed
  Resolve();
  EXPECT_EQ(table.players[0].chips, 80u) << "seat 0 won the pot and is not busted";
  EXPECT_EQ(ChipsOnTable(table), chips);
  EXPECT_EQ(table.dealer, 0);
  EXPECT_EQ(PeekTurn(table).code, TurnNewHand);
}

TEST(StartButtonTest, NewTableRequestStaysWhenTheDialogIsCancelled) {
  TableRecord table = MakeTable({KindHuman, KindSmart}, 2);
  SessionState session;
  Rng rng(5);
  RecordingUi ui;
  table.players[0].chips = 0;
  table.players[0].status = StatusToAct;  // seat 1 wins the last hand
  table.players[1].status = StatusToAct;
  table.players[1].inPot = 200;
  table.players[0].cardsSeen = table.players[1].cardsSeen = 7;
  table.cardsDealt = 8;
  TickGame(table, session, rng, ui);
  ASSERT_EQ(session.buttonLabel[0], "Start");

  ui.answers = {2};  // "New Table"
  ui.newTableEdit = [](TableRecord& t) { t.dealer = kDealerCancelled; };
  ui.Clear();
  OnTableInput(table, session, rng, ui, TableInput{KeyAction});
  EXPECT_TRUE(session.newTableRequested);
  EXPECT_EQ(ui.newTableDialogs, 1);
  EXPECT_EQ(PeekTurn(table).code, TurnNewHand) << "no hand was started";
  EXPECT_EQ(table.players[0].chips, 0u);
  const std::vector<std::string> start = {"Sound 3", "Push 1"};
  EXPECT_TRUE(std::equal(start.begin(), start.end(), ui.calls.begin()));
  EXPECT_TRUE(ui.Has("TableImage"));

  // Accepted the next time: a fresh table, a new hand, and the request cleared.
  ui.newTableEdit = nullptr;
  for (int i = 0;
       i < 500 && PeekTurn(table).code != TurnShowdown && PeekTurn(table).code != TurnLastStanding;
       ++i) {
    TickGame(table, session, rng, ui);
    if (PeekTurn(table).code == TurnAct && PeekTurn(table).seat == 0) {
      // Seat 0 kept no chips: it can only go "All In" (a check of nothing).
      ASSERT_EQ(session.buttonLabel[0], "All In");
      OnTableInput(table, session, rng, ui, TableInput{KeyAction});
    }
  }
  TickGame(table, session, rng, ui);
  ASSERT_EQ(session.buttonLabel[0], "Start");
  ui.answers.clear();
  OnTableInput(table, session, rng, ui, TableInput{KeyDigit1});
  EXPECT_FALSE(session.newTableRequested);
  EXPECT_EQ(ui.newTableDialogs, 2);
  EXPECT_EQ(table.players[0].chips, 200u);
  EXPECT_EQ(table.players[1].chips, 200u);
  EXPECT_EQ(PeekTurn(table).code, TurnForcedBet) << "the new hand has begun";
}

}  // namespace
}  // namespace qf
