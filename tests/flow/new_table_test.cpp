// Starting a new table: the dialog, Cancel, the fresh buy-ins, the line-up.
#include <gtest/gtest.h>

#include "engine/deck.h"
#include "flow/button_bar.h"
#include "flow/driver.h"
#include "flow_test_support.h"

namespace qf {
namespace {

using testing::KindOf;
using testing::MakeTable;
using testing::PeekTurn;
using testing::RecordingUi;
using testing::SameBytes;

int64_t Profit(const PlayerRecord& p) {
  return int64_t{p.balance} + p.chips + p.inPot + p.winnings;
}

// A table in the middle of a hand, with a seat that went out of play.
TableRecord MidHandTable() {
  TableRecord table = MakeTable({KindHuman, KindSmart, KindTight, KindLoose}, 5);
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
  return table;
}

TEST(StartNewTableTest, CancelRestoresEveryByteAndGoBuysEverySeatInAfresh) {
  TableRecord table = MidHandTable();
  const TableRecord before = table;
  RecordingUi ui;
  TableRecord shown;
  ui.newTableEdit = [&](TableRecord& t) {
    shown = t;
    // The dialog and the dialogs it opens write straight into the record.
    t.holeCards = kOmahaHoleCards;
    t.baseBet = 25;
    t.players[5].kind = KindSmart;
    t.soundEnabled = 0;
    t.dealer = kDealerCancelled;
  };
  EXPECT_FALSE(StartNewTable(table, ui, true));
  EXPECT_TRUE(SameBytes(table, before));
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"NewTableDialog"}));
  EXPECT_EQ(shown.players[2].kind, KindTight) << "the dialog shows the dismissed seat's kind";

  // Go: the chips each seat had are taken back, a fresh buy-in is charged.
  ui.newTableEdit = nullptr;
  ui.Clear();
  ASSERT_TRUE(StartNewTable(table, ui, true));
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"NewTableDialog", "Felt 0 0 240 269"}));
  EXPECT_EQ(table.cardsDealt, 0);
  EXPECT_EQ(table.progressiveLevel, 1u);
  EXPECT_EQ(table.dealer, 2) << "a button on a seat in play stays";
  EXPECT_EQ(table.players[2].kind, KindTight) << "a dismissed seat is back in play";
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& p = table.players[seat];
    EXPECT_EQ(p.chips, 500u) << seat;
    EXPECT_EQ(p.inPot + p.winnings, 0u);
    EXPECT_EQ(p.tableKind, p.kind);
    EXPECT_EQ(Profit(p), Profit(before.players[seat])) << seat;
  }
  EXPECT_EQ(table.players[0].balance, -500 + 350 + 20 - 500);

  // Without the dialog; the button moves from an empty seat to the first seat in play.
  table = MakeTable({KindInactive, KindInactive, KindSmart, KindSmart});
  table.dealer = 1;
  table.progressiveLevel = 0;
  ASSERT_TRUE(StartNewTable(table, ui, false));
  EXPECT_EQ(ui.newTableDialogs, 2);
  EXPECT_EQ(table.dealer, 2);
  EXPECT_EQ(table.progressiveLevel, 0u);
}

TEST(StartNewTableTest, ATableWithoutChipsAsksOnceATickAndKeepsItsSeats) {
  // As stored with a base bet of 0: seats in play, none with chips.
  TableRecord table = MakeTable({KindHuman, KindSmart, KindTight}, 0);
  SessionState session;
  session.newTableRequested = true;  // left by a cancelled bust question
  Rng rng(2);
  RecordingUi ui;
  ui.newTableEdit = [](TableRecord& t) { t.dealer = kDealerCancelled; };
  TickGame(table, session, rng, ui);
  EXPECT_EQ(ui.newTableDialogs, 1);
  EXPECT_EQ(table.players[1].tableKind, KindSmart) << "the seats are not replaced";
  EXPECT_EQ(table.players[3].tableKind, KindInactive);
  ui.newTableEdit = nullptr;
  TickGame(table, session, rng, ui);
  EXPECT_EQ(ui.newTableDialogs, 2);
  EXPECT_EQ(table.baseBet, 1u);
  EXPECT_EQ(table.players[2].chips, 100u);
  EXPECT_FALSE(session.newTableRequested) << "any table set up meets the request";
  EXPECT_EQ(PeekTurn(table).code, TurnForcedBet);
}

TEST(StartNewTableTest, EmptyTableOffersTheDefaultLineUpUntilATableIsSetUp) {
  for (uint8_t small : {0, 1}) {
    SCOPED_TRACE(small);
    const std::string lineUp = small ? "HPBDES...." : "HPBDESETTS";
    TableRecord table = MakeTable({});
    table.smallTable = small;
    SessionState session;
    Rng rng(1);
    RecordingUi ui;
    const auto kinds = [](const TableRecord& t) {
      std::string letters;
      for (const PlayerRecord& p : t.players) letters += "Hh.STLDPBE"[p.kind];
      return letters;
    };
    std::string offered;
    ui.newTableEdit = [&](TableRecord& t) {
      offered = kinds(t);
      t.dealer = kDealerCancelled;
    };
    BuildButtonBar(table, session, ui, session.pendingRaise);
    EXPECT_EQ(offered, lineUp);
    // Cancelled: every seat still Inactive, the line-up kept in tableKind.
    for (int seat = 0; seat < kSeatCount; ++seat) {
      EXPECT_EQ(table.players[seat].kind, KindInactive);
      EXPECT_EQ(table.players[seat].tableKind, KindOf(lineUp[seat]));
    }
    EXPECT_TRUE(session.buttonLabel[0].empty());

    // A tick asks again, once.
    TickGame(table, session, rng, ui);
    EXPECT_EQ(ui.newTableDialogs, 2);
    EXPECT_EQ(table.players[0].kind, KindInactive);
    // Accepted: the line-up is in play and the hand begins.
    ui.newTableEdit = nullptr;
    TickGame(table, session, rng, ui);
    EXPECT_EQ(ui.newTableDialogs, 3);
    EXPECT_EQ(kinds(table), lineUp);
    EXPECT_EQ(PeekTurn(table).code, TurnForcedBet);
  }
}

}  // namespace
}  // namespace qf
