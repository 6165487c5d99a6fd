// The end of a hand: busted seats, the questions asked, the tournament winner.
#include "flow/end_of_hand.h"

#include <gtest/gtest.h>

#include "engine/pots.h"
#include "flow/driver.h"
#include "flow/table_input.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::KindOf;
using testing::MakeTable;
using testing::PeekTurn;
using testing::Question;
using testing::RecordingUi;

// The questions by letter: h the busted human, z and o the busted computers
// Zena and Oswin, w the tournament winner Basil.
Question Expected(char asked) {
  const std::string computer =
      " is out of cash. Can the player get cash (and keep playing), or would you like to "
      "dismiss from the table?";
  switch (asked) {
    case 'h':
      return {"You have no cash! What do you want to do?", {"Get Cash", "New Table", "Watch"}};
    case 'z':
      return {"Zena" + computer, {"Get Cash", "Dismiss from Table"}};
    case 'o':
      return {"Oswin" + computer, {"Get Cash", "Dismiss from Table"}};
    default:
      return {"Basil has won this tournament! Good Job!", {"New Game"}};
  }
}

TEST(ResolveBustsTest, AnswersToTheQuestions) {
  struct Case {
    const char* what;
    bool bustedStay, basilPlays, requestedBefore;
    std::deque<int> answers;
    const char* asked;
    const char* kinds;  // of seats 0..2 afterwards, by letter
    std::array<uint32_t, 3> chips;
    bool requestedAfter;
  };
  // clang-format off
  const Case cases[] = {
      {"cash, cash, dismiss", 1, 1, 0, {1, 1, 2}, "hzo", "HS.", {500, 500, 0}, false},
      {"new table stops the loop and the winner check", 1, 0, 0, {2}, "h", "HST", {0, 0, 0}, true},
      {"watch, then no answer twice", 1, 1, 0, {3, 0, 0}, "hzo", ".ST", {0, 0, 0}, false},
      {"busted computers leave unasked", 0, 1, 0, {1}, "h", "H..", {500, 0, 0}, false},
      {"the winner is asked ten times", 0, 1, 0, {3}, "hwwwwwwwwww", "...", {0, 0, 0}, false},
      {"New Game asks for a new table", 0, 1, 0, {3, 0, 0, 1}, "hwww", "...", {0, 0, 0}, true},
      {"a pending request skips the winner", 0, 1, 1, {3}, "h", "...", {0, 0, 0}, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Seats 0 (human), 1 and 2 are busted after a finished hand; seat 3 holds every chip.
    TableRecord table = MakeTable({KindHuman, KindSmart, KindTight, KindLoose}, 5);
    for (int seat : {0, 1, 2}) table.players[seat].chips = 0;
    table.players[3].chips = 2000;
    table.dealer = 2;
    table.bustedStay = c.bustedStay;
    if (!c.basilPlays) table.players[3].kind = KindInactive;
    SessionState session;
    session.newTableRequested = c.requestedBefore;
    RecordingUi ui;
    ui.answers = c.answers;
    ResolveBusts(table, session, ui);
    ASSERT_EQ(ui.questions.size(), std::strlen(c.asked));
    for (size_t i = 0; i < ui.questions.size(); ++i) {
      EXPECT_EQ(ui.questions[i].message, Expected(c.asked[i]).message);
      EXPECT_EQ(ui.questions[i].buttons, Expected(c.asked[i]).buttons);
    }
    for (int seat = 0; seat < 3; ++seat) {
      EXPECT_EQ(table.players[seat].kind, KindOf(c.kinds[seat])) << seat;
      EXPECT_EQ(table.players[seat].chips, c.chips[seat]) << seat;
      // "Get Cash" is a buy-in on credit: profit unchanged.
      EXPECT_EQ(table.players[seat].balance, -500 - int32_t(c.chips[seat])) << seat;
    }
    EXPECT_EQ(session.newTableRequested, c.requestedAfter);
    if (c.basilPlays) {
      EXPECT_EQ(table.dealer, 3) << "the button moves on";
    }
    EXPECT_EQ(PeekTurn(table).code, TurnNewHand);
  }
}

TEST(ResolveBustsTest, BuyInsAreCutToWhatTheTableCanHold) {
  TableRecord table = MakeTable({KindHuman, KindSmart, KindTight, KindLoose}, 5);
  for (PlayerRecord& player : table.players) player.chips = 0;
  table.players[3].chips = UINT32_MAX - 300;
  SessionState session;
  RecordingUi ui;
  ui.answers = {1, 1, 1};  // "Get Cash" every time
  ResolveBusts(table, session, ui);
  EXPECT_EQ(table.players[0].chips, 300u) << "the last chips that fit";
  EXPECT_EQ(table.players[1].kind, KindInactive) << "no cash to be had: the seat leaves";
  EXPECT_EQ(table.players[2].kind, KindInactive);
  EXPECT_EQ(ChipsOnTable(table), UINT32_MAX);
}

TEST(ResolveBustsTest, NewTableRequestStaysWhenTheDialogIsCancelled) {
  TableRecord table = MakeTable({KindHuman, KindSmart}, 2);
  SessionState session;
  Rng rng(5);
  RecordingUi ui;
  // Seat 1 wins the last hand; seat 0 is busted.
  const auto finishHand = [&] {
    table.players[0].chips = 0;
    table.players[0].status = table.players[1].status = StatusToAct;
    table.players[1].inPot = 200;
    table.players[0].cardsSeen = table.players[1].cardsSeen = 7;
    table.cardsDealt = 8;
    TickGame(table, session, rng, ui);
    ASSERT_EQ(session.buttonLabel[0], "Start");
  };
  finishHand();
  ui.answers = {2};  // "New Table"
  ui.newTableEdit = [](TableRecord& t) { t.dealer = kDealerCancelled; };
  OnTableInput(table, session, rng, ui, TableInput{KeyAction});
  EXPECT_TRUE(session.newTableRequested);
  EXPECT_EQ(ui.newTableDialogs, 1);
  EXPECT_EQ(PeekTurn(table).code, TurnNewHand) << "no hand was started";
  EXPECT_EQ(table.players[0].chips, 0u);

  // Accepted after the next hand (its question left unanswered): a fresh
  // table, a new hand, and the request cleared.
  finishHand();
  ui.newTableEdit = nullptr;
  OnTableInput(table, session, rng, ui, TableInput{KeyDigit1});
  EXPECT_FALSE(session.newTableRequested);
  EXPECT_EQ(ui.newTableDialogs, 2);
  EXPECT_EQ(table.players[0].chips, 200u);
  EXPECT_EQ(table.players[1].chips, 200u);
  EXPECT_EQ(PeekTurn(table).code, TurnForcedBet) << "the new hand has begun";
}

}  // namespace
}  // namespace qf
