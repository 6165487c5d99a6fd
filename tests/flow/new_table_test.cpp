// The end of a hand (busted seats, the questions asked, the tournament
// winner) and new tables: the dialog, Cancel, fresh buy-ins, the line-up, and
// the seat counts as the New Table dialog sets them.
#include <gtest/gtest.h>

#include <map>

#include "flow/end_of_hand.h"
#include "flow/seat_counts.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::Game;
using testing::Kinds;
using testing::MakeTable;
using testing::PeekTurn;
using testing::Question;
using testing::SameBytes;

TEST(ResolveBustsTest, AnswersToTheQuestions) {
  // The questions by letter: h the busted human, z and o the busted computers
  // Zena and Oswin, w the tournament winner Basil.
  const std::string outOfCash =
      " is out of cash. Can the player get cash (and keep playing), or would you like to "
      "dismiss from the table?";
  const std::map<char, Question> questions = {
      {'h', {"You have no cash! What do you want to do?", {"Get Cash", "New Table", "Watch"}}},
      {'z', {"Zena" + outOfCash, {"Get Cash", "Dismiss from Table"}}},
      {'o', {"Oswin" + outOfCash, {"Get Cash", "Dismiss from Table"}}},
      {'w', {"Basil has won this tournament! Good Job!", {"New Game"}}}};
  struct Case {
    const char* what;
    bool bustedStay, basilPlays, requestedBefore;
    uint32_t basilChips;
    std::deque<int> answers;
    const char* asked;
    const char* kinds;  // of seats 0..2 afterwards, by letter
    std::array<uint32_t, 3> chips;
    bool requestedAfter;
  };
  const uint32_t full = UINT32_MAX - 300;
  // clang-format off
  const Case cases[] = {
      {"cash, cash, dismiss", 1, 1, 0, 2000, {1, 1, 2}, "hzo", "HS.", {500, 500, 0}, false},
      {"buy-ins cut to what the table holds", 1, 1, 0, full, {1, 1, 1}, "hzo", "H..", {300, 0, 0}, false},
      {"new table stops the loop and the winner check", 1, 0, 0, 2000, {2}, "h", "HST", {0, 0, 0}, true},
      {"watch, then no answer twice", 1, 1, 0, 2000, {3, 0, 0}, "hzo", ".ST", {0, 0, 0}, false},
      {"busted computers leave unasked", 0, 1, 0, 2000, {1}, "h", "H..", {500, 0, 0}, false},
      {"the winner is asked ten times", 0, 1, 0, 2000, {3}, "hwwwwwwwwww", "...", {0, 0, 0}, false},
      {"New Game asks for a new table", 0, 1, 0, 2000, {3, 0, 0, 1}, "hwww", "...", {0, 0, 0}, true},
      {"a pending request skips the winner", 0, 1, 1, 2000, {3}, "h", "...", {0, 0, 0}, true}
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Seats 0 (human), 1 and 2 are busted after a finished hand; seat 3 holds every chip.
    Game game(MakeTable(c.basilPlays ? "HSTL" : "HST", 5));
    TableRecord& table = game.table;
    for (PlayerRecord& player : table.players) player.chips = 0;
    table.players[3].chips = c.basilChips;
    table.dealer = 2;
    table.bustedStay = c.bustedStay;
    game.session.newTableRequested = c.requestedBefore;
    game.ui.answers = c.answers;
    ResolveBusts(table, game.session, game.ui);
    std::vector<Question> asked;
    for (const char* letter = c.asked; *letter; ++letter) asked.push_back(questions.at(*letter));
    EXPECT_EQ(game.ui.questions, asked);
    EXPECT_EQ(Kinds(table).substr(0, 3), c.kinds);
    for (int seat = 0; seat < 3; ++seat) {
      EXPECT_EQ(table.players[seat].chips, c.chips[seat]) << seat;
      // "Get Cash" is a buy-in on credit: profit unchanged.
      EXPECT_EQ(table.players[seat].balance, -500 - int32_t(c.chips[seat])) << seat;
    }
    EXPECT_EQ(game.session.newTableRequested, c.requestedAfter);
    EXPECT_EQ(table.dealer, c.basilPlays ? 3 : 2) << "the button moves on";
    EXPECT_EQ(PeekTurn(table).code, TurnNewHand);
  }
}

TEST(NewTableTest, CancelRestoresEveryByteAndGoBuysEverySeatInAfresh) {
  // A table in the middle of a hand, with a seat that went out of play.
  TableRecord table = MakeTable("HSTL", 5);
  Rng rng(3);
  NewHand(table, rng);
  table.cardsDealt = table.holeCards + 3;
  table.dealer = 2;
  table.progressiveLevel = 3;
  table.players[0].chips = 350;
  table.players[0].inPot = 20;
  table.players[1].chips = 0;
  table.players[1].winnings = 90;
  table.players[2].kind = KindInactive;  // dismissed during play
  table.players[3].balance = 1234;
  const TableRecord before = table;
  testing::RecordingUi ui;
  TableRecord shown;
  ui.newTableEdit = [&](TableRecord& t) {
    shown = t;
    // The dialog and the dialogs it opens write straight into the record.
    t.holeCards = kOmahaHoleCards;
    t.players[5].kind = KindSmart;
    t.dealer = kDealerCancelled;
  };
  EXPECT_FALSE(StartNewTable(table, ui, true));
  EXPECT_TRUE(SameBytes(table, before));
  EXPECT_EQ(ui.calls, (testing::Calls{"NewTableDialog"}));
  EXPECT_EQ(shown.players[2].kind, KindTight) << "the dialog shows the dismissed seat's kind";

  // Go: the chips each seat had are taken back, a fresh buy-in is charged;
  // a seat the dialog set up keeps that kind as its set-up kind.
  ui.newTableEdit = [](TableRecord& t) { t.players[5].kind = KindSmart; };
  ui.calls.clear();
  ASSERT_TRUE(StartNewTable(table, ui, true));
  EXPECT_EQ(ui.calls, (testing::Calls{"NewTableDialog", "Felt 0 0 240 269"}));
  EXPECT_EQ(std::tuple(table.cardsDealt, table.progressiveLevel, table.dealer),
            std::tuple(0, 1u, 2))
      << "a button on a seat in play stays";
  EXPECT_EQ(Kinds(table), "HSTL.S....") << "a dismissed seat is back in play";
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& p = table.players[seat];
    const PlayerRecord& old = before.players[seat];
    EXPECT_EQ(p.chips, 500u) << seat;
    EXPECT_EQ(p.inPot + p.winnings, 0u);
    EXPECT_EQ(p.tableKind, p.kind);
    EXPECT_EQ(int64_t{p.balance} + p.chips,
              int64_t{old.balance} + old.chips + old.inPot + old.winnings)
        << "profit kept";
  }

  // Without the dialog; the button moves from an empty seat to the first seat in play.
  table = MakeTable("..SS");
  table.dealer = 1;
  table.progressiveLevel = 0;
  ASSERT_TRUE(StartNewTable(table, ui, false));
  EXPECT_EQ(ui.newTableDialogs, 2);
  EXPECT_EQ(std::pair(int{table.dealer}, table.progressiveLevel), std::pair(2, 0u));
}

// A table as stored with a base bet of 0: seats in play, none with chips,
// and a New Table asked for. Each tick asks once; a cancelled dialog keeps the
// request and the seats; any table set up then meets the request.
TEST(NewTableTest, AChiplessTableAsksOnceATickAndAnyTableSetUpMeetsTheRequest) {
  Game chipless(MakeTable("HST", 0), 2);
  chipless.session.newTableRequested = true;
  chipless.ui.newTableEdit = [](TableRecord& t) { t.dealer = kDealerCancelled; };
  chipless.Tick();
  EXPECT_EQ(chipless.ui.newTableDialogs, 1);
  EXPECT_TRUE(chipless.session.newTableRequested);
  EXPECT_EQ(chipless.table.players[1].tableKind, KindSmart);
  chipless.ui.newTableEdit = nullptr;
  chipless.Tick();
  EXPECT_EQ(chipless.ui.newTableDialogs, 2);
  EXPECT_EQ(std::pair(chipless.table.baseBet, chipless.table.players[2].chips),
            std::pair(1u, 100u));
  EXPECT_FALSE(chipless.session.newTableRequested);
  EXPECT_EQ(PeekTurn(chipless.table).code, TurnForcedBet);
}

TEST(NewTableTest, AnEmptyTableOffersTheDefaultLineUpUntilATableIsSetUp) {
  for (uint8_t small : {0, 1}) {
    SCOPED_TRACE(small);
    const std::string lineUp = small ? "HPBDES...." : "HPBDESETTS";
    Game game(MakeTable(""), 1);
    game.table.smallTable = small;
    std::string offered;
    game.ui.newTableEdit = [&](TableRecord& t) {
      offered = Kinds(t);
      t.dealer = kDealerCancelled;
    };
    game.Bar(game.session.pendingRaise);
    EXPECT_EQ(offered, lineUp);
    EXPECT_TRUE(game.session.buttonLabel[0].empty());
    game.Tick();  // cancelled: asks again, once, the seats still inactive
    EXPECT_EQ(game.ui.newTableDialogs, 2);
    EXPECT_EQ(Kinds(game.table), "..........");
    game.ui.newTableEdit = nullptr;  // accepted: the line-up is in play and the hand begins
    game.Tick();
    EXPECT_EQ(game.ui.newTableDialogs, 3);
    EXPECT_EQ(Kinds(game.table), lineUp);
    EXPECT_EQ(PeekTurn(game.table).code, TurnForcedBet);
  }
}

// Whether the seat's kind fits the letter: a kind's own letter, or * any computer,
// i Intermediate (Tight, Loose), b Beginner (Stupid, Paranoid, Bluffing, Erratic).
bool Fits(uint32_t kind, char letter) {
  if (letter == '*') return IsComputerKind(kind);
  if (letter == 'i') return kind == KindTight || kind == KindLoose;
  if (letter == 'b') return kind >= KindStupid && kind <= KindErratic;
  return "Hh.STLDPBE"[kind] == letter;
}

TEST(SeatCountsTest, SetSeatCountsTakesSeatsAndGivesThemBack) {
  struct Case {
    const char* before;  // empty: the table the previous row left
    int players, humans;
    const char* after;  // seats 0..9
  };
  // clang-format off
  const Case cases[] = {
      // Humans up to every seat (two or more are all hidden), then back to one.
      {"HSSS", -1, 4, "hhhh......"},
      {"", -1, 1, "H***......"},
      // Hidden humans go down one at a time; a seat given up is refilled.
      {"HSSSS", -1, 3, "hhhSS....."},
      {"", -1, 2, "hh***....."},
      // No human: the lowest Inactive seat is refilled with a computer.
      {"HSS", -1, 0, "***......."},
      // Players up; down, the highest computers leave first, then the highest seat in play.
      {"HSS", 6, -1, "HSSSSS...."},
      {"", 2, -1, "HS........"},
      {"hhh", 2, -1, "hh........"},
      // Every computer takes the level of the table as it was, humans and empty seats stay.
      {"HTL", 5, -1, "Hiiii....."},
      {"HDE.h", 8, -1, "Hbbbhbbb.."}
  };
  // clang-format on
  Rng rng(2);
  TableRecord table;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.before << " " << c.players << " " << c.humans);
    if (*c.before) table = MakeTable(c.before);
    SetSeatCounts(table, rng, c.players, c.humans);
    for (int seat = 0; seat < kSeatCount; ++seat) {
      EXPECT_TRUE(Fits(table.players[seat].kind, c.after[seat]))
          << "seat " << seat << " kind " << table.players[seat].kind;
    }
  }
}

}  // namespace
}  // namespace qf
