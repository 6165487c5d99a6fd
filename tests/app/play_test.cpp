// Playing hands with the mouse and the keys, the bet popup, and input that
// arrives when it is not the player's turn.
#include <QListWidget>

#include "engine/betting.h"
#include "game_harness.h"

namespace qf::apptest {
namespace {

TEST(Play, AWholeHandWithTheMouse) {
  GameHarness game;
  TableRecord table = MakeTable({KindHuman, KindHuman});
  table.confirmDeal = 1;
  game.WriteTable(table);
  game.Start();

  ASSERT_TRUE(game.TickUntil([&] { return game.Label(1) == "Deal"; }));
  game.TapButton(1);
  EXPECT_EQ(game.Table().players[0].cardsSeen, 2);

  int deals = 0;
  for (int step = 0; step < 40; ++step) {
    ASSERT_TRUE(game.TickToPlayer());
    const std::string label = game.Label(1);
    if (label == "Start") break;
    if (label == "Deal") {
      const int before = game.Table().players[0].cardsSeen;
      game.TapButton(1);
      EXPECT_GT(game.Table().players[0].cardsSeen, before);
      ++deals;
    } else if (label.rfind("Call ", 0) == 0) {
      const Turn turn = game.Next();
      const uint32_t before = game.InPot(turn.seat);
      game.sounds.clear();
      game.TapButton(1);
      EXPECT_EQ(game.InPot(turn.seat), before + turn.amount);
      // The player's own call is heard only as the click of the button.
      EXPECT_EQ(game.sounds, std::vector<GameSound>{GameSound::Click});
    } else {
      ASSERT_EQ(label, "Check");
      const int seat = game.Next().seat;
      game.TapButton(1);
      EXPECT_EQ(game.Table().players[seat].lastAction, ActionCheck);
    }
  }
  EXPECT_EQ(deals, 3);  // flop, turn and river each waited for "Deal"
  EXPECT_EQ(game.Table().players[0].cardsSeen, 7);
  ASSERT_EQ(game.Label(1), "Start");

  game.TapButton(1);
  EXPECT_EQ(game.Next().code, TurnNewHand);
  EXPECT_EQ(game.Table().players[0].chips + game.Table().players[1].chips, 400u);
  game.Tick();
  EXPECT_EQ(game.Table().players[0].cardsSeen, 0);  // the next hand has begun
}

TEST(Play, KeysMoveTheFocusAndTriggerButtonsAndTheFixedLimitBetActsAtOnce) {
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindHuman}));
  game.Start();
  ASSERT_TRUE(game.TickToPlayer());
  ASSERT_EQ(game.Next().code, TurnAct);
  ASSERT_EQ(game.Label(2).rfind("Raise ", 0), 0u) << game.Label(2);

  // Right, then the Action key: the middle button raises by the pending raise.
  Turn turn = game.Next();
  uint32_t before = game.InPot(turn.seat);
  game.Key(Qt::Key_Right);
  EXPECT_EQ(game.Session().focusedButton, 2);
  const uint32_t raise = game.Session().pendingRaise;
  game.Key(Qt::Key_Return);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(game.window->BetPopup(), nullptr);
  EXPECT_EQ(game.InPot(turn.seat), before + turn.amount + raise);
  // The other seat calls with '1'.
  ASSERT_TRUE(game.TickToPlayer());
  turn = game.Next();
  ASSERT_NE(turn.amount, 0u);
  before = game.InPot(turn.seat);
  game.Key(Qt::Key_1);
  EXPECT_EQ(game.InPot(turn.seat), before + turn.amount);

  // After the flop: '2' bets the fixed amount at once.
  ASSERT_TRUE(game.TickUntil([&] { return game.Table().players[0].cardsSeen == 5; }));
  ASSERT_TRUE(game.TickToPlayer());
  ASSERT_EQ(game.Label(2).rfind("Bet ", 0), 0u) << game.Label(2);
  turn = game.Next();
  before = game.InPot(turn.seat);
  game.Key(Qt::Key_2);
  EXPECT_EQ(game.InPot(turn.seat), before + game.Table().baseBet);
  EXPECT_EQ(game.Table().players[turn.seat].lastAction, ActionBet);

  // Right twice reaches "Fold" and stops there; Left comes back one button.
  ASSERT_TRUE(game.TickToPlayer());
  const int folder = game.Next().seat;
  game.Key(Qt::Key_Right);
  game.Key(Qt::Key_Right);
  game.Key(Qt::Key_Right);
  EXPECT_EQ(game.Session().focusedButton, 3);
  game.Key(Qt::Key_Left);
  EXPECT_EQ(game.Session().focusedButton, 2);
  game.Key(Qt::Key_3);
  EXPECT_TRUE(IsOut(game.Table(), folder));

  ASSERT_TRUE(game.TickUntil([&] { return game.Label(1) == "Start"; }));
  EXPECT_EQ(game.Session().focusedButton, 1);
  game.Key(Qt::Key_Left);
  EXPECT_EQ(game.Session().focusedButton, 1);  // no wrap-around
  game.Key(Qt::Key_Enter);
  EXPECT_EQ(game.Next().code, TurnNewHand);
}

// A no-limit table where the first player to act faces the big blind.
struct PopupGame : GameHarness {
  void StartAtPlayersTurn(int zoom = 1) {
    WriteTable(MakeTable({KindHuman, KindHuman}, StructureNoLimit, 2));
    Start(zoom);
    ASSERT_TRUE(TickToPlayer());
    ASSERT_EQ(Next().code, TurnAct);
    ASSERT_EQ(Label(2), "Raise");
  }
  BetPopupList* OpenPopup() {
    TapButton(2);
    return window->BetPopup();
  }
};

TEST(BetPopup, ShowsTheRowsAboveTheButtonsAndCommitsTheChosenRow) {
  PopupGame game;
  game.StartAtPlayersTurn(2);
  const Turn turn = game.Next();
  const BetLimitsResult limits = BetLimits(game.Table(), turn.seat, turn.amount);

  BetPopupList* popup = game.OpenPopup();
  ASSERT_NE(popup, nullptr);
  const BetPopupState& rows = game.Session().betPopup;
  ASSERT_TRUE(rows.open);
  ASSERT_EQ(popup->count(), rows.rowCount);
  EXPECT_EQ(rows.amounts[0], 2u);
  for (int i = 1; i + 1 < rows.rowCount; ++i) EXPECT_EQ(rows.amounts[i], 2 * rows.amounts[i - 1]);
  EXPECT_EQ(rows.amounts[rows.rowCount - 1], limits.max);
  for (int i = 0; i < rows.rowCount; ++i) {
    EXPECT_EQ(popup->item(i)->text(), QString("Raise: $%1").arg(rows.amounts[i]));
  }
  // x 110, bottom edge at 269, 80 wide, 15 per row; all doubled at zoom 2.
  EXPECT_EQ(popup->geometry(), QRect(220, 2 * (269 - 15 * rows.rowCount), 160, 30 * rows.rowCount));
  EXPECT_TRUE(popup->hasFocus());

  // A tick while the list is open does nothing.
  const QByteArray waiting = RecordBytes(game.Table());
  game.Tick(3);
  EXPECT_EQ(RecordBytes(game.Table()), waiting);
  EXPECT_FALSE(game.Session().tickArmed);

  // Return with nothing selected keeps the list open.
  QTest::keyClick(popup, Qt::Key_Return);
  EXPECT_TRUE(game.Session().betPopup.open);
  QTest::keyClick(popup, Qt::Key_Down);
  QTest::keyClick(popup, Qt::Key_Down);
  QTest::keyClick(popup, Qt::Key_Down);
  QTest::keyClick(popup, Qt::Key_Up);
  EXPECT_EQ(popup->SelectedRow(), 1);
  const uint32_t before = game.InPot(turn.seat);
  const uint32_t chosen = rows.amounts[1];
  QTest::keyPress(popup, Qt::Key_Return);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(game.InPot(turn.seat), before + turn.amount + chosen);
  game.FlushDeletes();
  EXPECT_EQ(game.window->BetPopup(), nullptr);

  // The release of that Return reaches the table, where the other player is
  // now to act: it must not press a button for them.
  ASSERT_TRUE(game.TickToPlayer());
  const QByteArray next = RecordBytes(game.Table());
  QTest::keyRelease(game.window->TableArea(), Qt::Key_Return);
  EXPECT_EQ(RecordBytes(game.Table()), next);

  // A double click commits the row clicked.
  const Turn second = game.Next();
  popup = game.OpenPopup();
  ASSERT_NE(popup, nullptr);
  const uint32_t amount = game.Session().betPopup.amounts[0];
  const uint32_t inPot = game.InPot(second.seat);
  const QPoint row = popup->visualItemRect(popup->item(0)).center();
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, row);
  EXPECT_TRUE(game.Session().betPopup.open);  // a single click only selects
  EXPECT_EQ(popup->SelectedRow(), 0);
  QTest::mouseDClick(popup->viewport(), Qt::LeftButton, {}, row);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(game.InPot(second.seat), inPot + second.amount + amount);
}

TEST(BetPopup, LeftRightAndATapCloseItWithoutActing) {
  PopupGame game;
  game.StartAtPlayersTurn();
  const int seat = game.Next().seat;
  const QByteArray untouched = RecordBytes(game.Table());

  BetPopupList* popup = game.OpenPopup();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_Left);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(game.Session().focusedButton, 1);
  EXPECT_EQ(RecordBytes(game.Table()), untouched);
  game.FlushDeletes();
  EXPECT_EQ(game.window->BetPopup(), nullptr);

  popup = game.OpenPopup();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_Right);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(game.Session().focusedButton, 3);
  EXPECT_EQ(RecordBytes(game.Table()), untouched);

  // A tap on the felt only closes the list.
  popup = game.OpenPopup();
  ASSERT_NE(popup, nullptr);
  game.Tap(150, 200);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(RecordBytes(game.Table()), untouched);

  // A tap on "Fold": the press closes the list, the release folds.
  ASSERT_NE(game.OpenPopup(), nullptr);
  const Rect fold = ButtonHitRect(3);
  game.Press(fold.left + 5, fold.top + 5);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_FALSE(IsOut(game.Table(), seat));
  game.Release(fold.left + 5, fold.top + 5);
  EXPECT_TRUE(IsOut(game.Table(), seat));
}

TEST(Play, InputDuringAComputersTurnIsIgnored) {
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindSmart, KindSmart}));
  game.Start();
  // Play (calling whenever it is the player's turn) up to a computer's turn.
  bool computersTurn = false;
  for (int i = 0; i < 400 && !computersTurn; ++i) {
    const Turn turn = game.Next();
    computersTurn = turn.code == TurnAct && turn.seat != 0;
    if (computersTurn) break;
    if (turn.code == TurnAct && !game.Label(1).empty()) {
      game.Key(Qt::Key_1);
    } else {
      game.Tick();
    }
  }
  ASSERT_TRUE(computersTurn);
  EXPECT_TRUE(game.Label(1).empty());
  const QByteArray before = RecordBytes(game.Table());
  for (int button = 1; button <= 3; ++button) game.TapButton(button);
  for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_Return}) game.Key(key);
  const Rect seat1 = SeatRectOf(game.Table().smallTable, kTableRect, 1);
  game.Tap(seat1.left + 10, seat1.top + 10);
  EXPECT_EQ(RecordBytes(game.Table()), before);
  EXPECT_TRUE(game.dialogs.empty());
  EXPECT_FALSE(game.Session().betPopup.open);
}

TEST(Play, ATapOnASeatOpensItsPlayerSettingsOnThePlayersTurn) {
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindSmart, KindSmart}));
  game.Start();
  ASSERT_TRUE(game.TickUntil([&] {
    const Turn turn = game.Next();
    return turn.code == TurnAct && turn.seat == 0 && !game.Label(1).empty();
  }));
  const Rect seat2 = SeatRectOf(game.Table().smallTable, kTableRect, 2);
  game.Tap(seat2.left + 10, seat2.top + 10);
  ASSERT_EQ(game.dialogs.size(), 1u);
  EXPECT_EQ(game.dialogs[0], "qf::PlayerSettingsDialog");
  EXPECT_EQ(game.Session().settingsSeat, 2);
}

}  // namespace
}  // namespace qf::apptest
