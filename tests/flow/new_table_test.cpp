// Starting a new table: the dialog, Cancel, the fresh buy-ins, the line-up.
#include <gtest/gtest.h>

#include "engine/deck.h"
#include "flow/button_bar.h"
#include "flow/driver.h"
#include "flow_test_support.h"

namespace qf {
namespace {

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

TEST(StartNewTableTest, CancelRestoresEveryByte) {
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
  // The dialog was shown the set-up kinds, the dismissed seat included.
  EXPECT_EQ(shown.players[2].kind, KindTight);
}

TEST(StartNewTableTest, FreshBuyInsCarryProfitOver) {
  TableRecord table = MidHandTable();
  const TableRecord before = table;
  RecordingUi ui;
  ASSERT_TRUE(StartNewTable(table, ui, true));
  EXPECT_EQ(ui.calls, (std::vector<std::string>{"NewTableDialog", "Felt 0 0 240 269"}));
  EXPECT_EQ(table.cardsDealt, 0);
  EXPECT_EQ(table.progressiveLevel, 1u);
  EXPECT_EQ(table.players[2].kind, KindTight) << "a dismissed seat is back in play";
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const PlayerRecord& p = table.players[seat];
    EXPECT_EQ(p.chips, 500u) << seat;
    EXPECT_EQ(p.inPot, 0u);
    EXPECT_EQ(p.winnings, 0u);
    EXPECT_EQ(p.tableKind, p.kind);
    EXPECT_EQ(Profit(p), Profit(before.players[seat])) << seat;
  }
  EXPECT_EQ(table.players[0].balance, -500 + 350 + 20 - 500);
}

TEST(StartNewTableTest, ButtonLandsOnTheFirstSeatInPlay) {
  TableRecord table = MakeTable({KindInactive, KindInactive, KindSmart, KindSmart});
  table.dealer = 1;
  table.progressiveLevel = 0;
  RecordingUi ui;
  ASSERT_TRUE(StartNewTable(table, ui, false));
  EXPECT_EQ(ui.newTableDialogs, 0);
  EXPECT_EQ(table.dealer, 2);
  EXPECT_EQ(table.progressiveLevel, 0u);

  // A button already on a seat in play stays there.
  table.dealer = 3;
  ASSERT_TRUE(StartNewTable(table, ui, false));
  EXPECT_EQ(table.dealer, 3);
}

TEST(StartNewTableTest, EmptyTableOffersTheDefaultLineUpUntilATableIsSetUp) {
  for (uint8_t small : {0, 1}) {
    TableRecord table = MakeTable({});
    table.smallTable = small;
    SessionState session;
    Rng rng(1);
    RecordingUi ui;
    std::vector<uint32_t> offered;
    ui.newTableEdit = [&](TableRecord& t) {
      offered.clear();
      for (const PlayerRecord& p : t.players) offered.push_back(p.kind);
      t.dealer = kDealerCancelled;
    };
    BuildButtonBar(table, session, ui, session.pendingRaise);
    const std::vector<uint32_t> tenSeats = {KindHuman,   KindParanoid, KindBluffing, KindStupid,
                                            KindErratic, KindSmart,    KindErratic,  KindTight,
                                            KindTight,   KindSmart};
    std::vector<uint32_t> expected = tenSeats;
    if (small == 1) std::fill(expected.begin() + 6, expected.end(), uint32_t{KindInactive});
    EXPECT_EQ(offered, expected);
    // Cancelled: every seat still Inactive, the line-up kept in tableKind.
    for (int seat = 0; seat < kSeatCount; ++seat) {
      EXPECT_EQ(table.players[seat].kind, KindInactive);
      EXPECT_EQ(table.players[seat].tableKind, expected[seat]);
    }
    EXPECT_TRUE(session.buttonLabel[0].empty());

    // The next tick asks again, offering the line-up; accepted, play starts.
    ui.newTableEdit = nullptr;
    TickGame(table, session, rng, ui);
    EXPECT_EQ(ui.newTableDialogs, 2);
    for (int seat = 0; seat < kSeatCount; ++seat) {
      EXPECT_EQ(table.players[seat].kind, expected[seat]);
    }
    EXPECT_EQ(PeekTurn(table).code, TurnForcedBet);
  }
}

TEST(StartNewTableTest, OtherLayoutValueWritesNoLineUp) {
  TableRecord table = MakeTable({KindSmart});
  table.smallTable = 7;
  const TableRecord before = table;
  WriteDefaultLineUp(table);
  EXPECT_TRUE(SameBytes(table, before));
}

}  // namespace
}  // namespace qf
