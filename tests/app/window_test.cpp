// The window in play: menu commands, the label toggles, the zoom, the
// questions, the help window, ticks held while a dialog is open, and hands
// played with the keys, the mouse and the bet popup. (Which input does what
// in which state is the game flow's, tested there; here the window's keys,
// taps and list reach it.)
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <utility>

#include "engine/betting.h"
#include "game_harness.h"

namespace qf::apptest {
namespace {

TEST(Commands, MenusTogglesQuestionsNewTableAndZoom) {
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindSmart, KindTight}));
  game.Start();
  ASSERT_TRUE(game.TickToPlayer());
  const QByteArray before = RecordBytes(game.Table());
  // The label toggles: independent of each other, checked, and drawn at once.
  auto* names = game.window->findChild<QAction*>("actionNames");
  auto* amounts = game.window->findChild<QAction*>("actionAmounts");
  QImage shown = game.window->TableArea()->grab().toImage();
  const struct {
    const char* action;
    bool names, amounts;
  } toggles[] = {
      {"actionNames", true, false}, {"actionAmounts", true, true}, {"actionNames", false, true}};
  for (const auto& toggle : toggles) {
    SCOPED_TRACE(toggle.action);
    game.Trigger(toggle.action);
    EXPECT_EQ(game.Session().showNames, toggle.names);
    EXPECT_EQ(names->isChecked(), toggle.names);
    EXPECT_EQ(game.Session().showAmounts, toggle.amounts);
    EXPECT_EQ(amounts->isChecked(), toggle.amounts);
    EXPECT_NE(std::exchange(shown, game.window->TableArea()->grab().toImage()), shown);
  }

  // The menu's dialogs, and a tap on a seat on the player's turn, leave the hand.
  for (const char* action :
       {"actionEditPlayers", "actionEditGame", "actionPreferences", "actionStats", "actionAbout"})
    game.Trigger(action);
  const Rect seat2 = SeatRectOf(game.Table().smallTable, kTableRect, 2);
  game.Tap(seat2.left + 10, seat2.top + 10);
  EXPECT_EQ(game.Session().settingsSeat, 2);
  EXPECT_EQ(game.dialogs,
            (std::vector<std::string>{"qf::PlayerSettingsDialog", "qf::BettingDialog",
                                      "qf::PreferencesDialog", "qf::GameStatsDialog",
                                      "qf::AboutDialog", "qf::PlayerSettingsDialog"}));
  EXPECT_EQ(RecordBytes(game.Table()), before);
  EXPECT_EQ(game.Label(3), "Fold");  // the player's buttons are drawn again

  // A question shows its Latin-1 texts and returns the button chosen.
  QStringList asked;
  game.answer = [&](QDialog& dialog) {
    auto* question = qobject_cast<ConfirmationDialog*>(&dialog);
    asked << question->MessageLabel()->text() << question->Button(1)->text()
          << question->Button(2)->text();
    EXPECT_EQ(question->Button(3), nullptr);
    question->Button(2)->click();
    return dialog.result();
  };
  EXPECT_EQ(game.window->Ui().AskConfirmation("Zo\xEB is out of cash.",
                                              {"Get Cash", "Dismiss from Table"}),
            2);
  EXPECT_EQ(asked, (QStringList{QString::fromUtf8("Zo\u00EB is out of cash."), "Get Cash",
                                "Dismiss from Table"}));

  // New Table cancelled leaves the hand; Go starts a new one.
  game.answer = [](QDialog& dialog) {
    if (auto* newTable = qobject_cast<NewTableDialog*>(&dialog)) newTable->CancelButton()->click();
    return dialog.result();
  };
  game.Trigger("actionNewTable");
  EXPECT_EQ(RecordBytes(game.Table()), before);
  game.answer = nullptr;
  game.Trigger("actionNewTable");
  EXPECT_EQ(game.Next().code, TurnForcedBet);  // a fresh hand, blinds due
  for (const PlayerRecord& player : game.Table().players) EXPECT_EQ(player.inPot, 0u);

  // The View menu's zoom, which taps follow.
  EXPECT_EQ(game.window->TableArea()->size(), QSize(240, 269));
  game.Trigger("actionZoom3");
  EXPECT_EQ(game.window->Zoom(), 3);
  EXPECT_EQ(game.window->TableArea()->size(), QSize(720, 807));
  EXPECT_TRUE(game.window->findChild<QAction*>("actionZoom3")->isChecked());
  EXPECT_FALSE(game.window->findChild<QAction*>("actionZoom1")->isChecked());
  ASSERT_TRUE(game.TickToPlayer());
  game.TapButton(3);
  EXPECT_TRUE(IsOut(game.Table(), 0));
}

// Odds: off at first, shown under the board on the player's turn only, and
// the choice kept in the user's settings.
TEST(Commands, OddsShowOnThePlayersTurnOnlyAndTheChoiceIsRemembered) {
  QSettings().remove(kOddsSetting);
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindSmart, KindTight}));
  game.Start();
  ASSERT_TRUE(game.TickToPlayer());
  auto* odds = game.window->findChild<QAction*>("actionOdds");
  ASSERT_NE(odds, nullptr);
  EXPECT_FALSE(odds->isChecked());
  EXPECT_TRUE(game.window->TableArea()->OverlayText().isEmpty());
  const QImage plain = game.window->TableArea()->grab().toImage();
  game.Trigger("actionOdds");
  EXPECT_TRUE(QSettings().value(kOddsSetting).toBool());
  game.window->Odds().WaitForCount();
  QCoreApplication::processEvents();
  const QString text = game.window->TableArea()->OverlayText();
  const QRegularExpression shape("^Win \\d+% Tie \\d+%  Pot odds \\d(\\.\\d)?:1$");
  EXPECT_TRUE(shape.match(text).hasMatch()) << text.toStdString();
  EXPECT_NE(game.window->TableArea()->grab().toImage(), plain);
  game.Key(Qt::Key_1);  // once the player has acted the computers' turns show nothing
  EXPECT_TRUE(game.window->TableArea()->OverlayText().isEmpty());
  game.Trigger("actionOdds");
  EXPECT_FALSE(QSettings().value(kOddsSetting).toBool());
}

TEST(Commands, TheTimerRunsThePlayHeldWhileADialogIsOpenAndTheHelpWindow) {
  GameHarness game;
  game.autoTick = true;
  game.realDialogs = true;
  game.WriteTable(MakeTable({KindSmart, KindTight, KindLoose, KindSmart, KindTight, KindLoose}));
  game.Start();
  const QByteArray atStart = RecordBytes(game.Table());
  // The first paint starts the 100 ms timer, and the computers play.
  ASSERT_TRUE(QTest::qWaitFor([&] { return RecordBytes(game.Table()) != atStart; }, 10000));
  EXPECT_EQ(game.window->TickTimer().interval(), 100);
  bool heldStill = false, sawDialog = false;
  QTimer::singleShot(0, [&] {
    sawDialog = QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000);
    const QByteArray under = RecordBytes(game.Table());
    QTest::qWait(600);
    heldStill = RecordBytes(game.Table()) == under;
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  game.Trigger("actionPreferences");
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(heldStill);
  const QByteArray after = RecordBytes(game.Table());
  EXPECT_TRUE(QTest::qWaitFor([&] { return RecordBytes(game.Table()) != after; }, 10000));

  // Help opens at the anchor, in one window, not modal; from a dialog's "Help"
  // it is modal over that dialog, so it can be read while the dialog waits.
  game.window->OpenHelp("Preferences_Help");
  HelpWindow* help = game.window->Help();
  ASSERT_NE(help, nullptr);
  QCoreApplication::processEvents();
  EXPECT_GT(help->verticalScrollBar()->value(), 0);
  game.Trigger("actionHelp");
  EXPECT_EQ(game.window->Help(), help);  // the one window, reused
  EXPECT_EQ(help->windowTitle(), "Quillfern Help");
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowModality(), Qt::NonModal);
  EXPECT_EQ(help->verticalScrollBar()->value(), 0);
  help->close();
  QWidget* modalOverDialog = nullptr;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<NewTableDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    dialog->HelpButton()->click();
    modalOverDialog = QApplication::activeModalWidget();
    help->close();
    dialog->CancelButton()->click();
  });
  game.Trigger("actionNewTable");
  EXPECT_EQ(modalOverDialog, help);
}

TEST(Play, AWholeHandWithTheKeysAndTheMouse) {
  GameHarness game;
  TableRecord table = MakeTable({KindHuman, KindHuman});
  table.confirmDeal = 1;
  game.WriteTable(table);
  game.Start();
  // The input acts for the seat to act, whose stake grows by its call and raise.
  const auto acts = [&game](const std::function<void()>& input, uint32_t raise) {
    ASSERT_TRUE(game.TickToPlayer());
    const Turn turn = game.Next();
    const uint32_t before = game.InPot(turn.seat);
    input();
    EXPECT_EQ(game.InPot(turn.seat), before + turn.amount + raise);
  };
  ASSERT_TRUE(game.TickUntil([&] { return game.Label(1) == "Deal"; }));
  game.TapButton(1);
  EXPECT_EQ(game.Table().players[0].cardsSeen, 2);
  acts([&] { game.Key(Qt::Key_Right), game.Key(Qt::Key_Return); }, 2);  // raise
  EXPECT_EQ(game.window->BetPopup(), nullptr);
  game.sounds.clear();
  acts([&] { game.TapButton(1); }, 0);  // call, heard only as the button's click
  EXPECT_EQ(game.sounds, std::vector<GameSound>{GameSound::Click});
  ASSERT_TRUE(game.TickToPlayer());
  ASSERT_EQ(game.Label(1), "Deal");
  game.Key(Qt::Key_1);
  acts([&] { game.Key(Qt::Key_2); }, 2);  // the fixed bet, at once
  // Right stops at "Fold", Left comes back one; '3' folds, Enter starts anew.
  ASSERT_TRUE(game.TickToPlayer());
  const int folder = game.Next().seat;
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) game.Key(key);
  EXPECT_EQ(game.Session().focusedButton, 2);
  game.Key(Qt::Key_3);
  EXPECT_TRUE(IsOut(game.Table(), folder));
  ASSERT_TRUE(game.TickUntil([&] { return game.Label(1) == "Start"; }));
  EXPECT_EQ(game.Session().focusedButton, 1);
  game.Key(Qt::Key_Enter);
  EXPECT_EQ(game.Next().code, TurnNewHand);
  EXPECT_EQ(game.Table().players[0].chips + game.Table().players[1].chips, 400u);
}

TEST(BetPopup, RowsAboveTheButtonsChosenByKeysOrMouseOrClosedWithoutActing) {
  GameHarness game;  // no limit: the first player to act faces the big blind
  game.WriteTable(MakeTable({KindHuman, KindHuman}, StructureNoLimit, 2));
  game.Start(2);
  ASSERT_TRUE(game.TickToPlayer());
  ASSERT_EQ(game.Label(2), "Raise");
  const auto open = [&game] {
    game.TapButton(2);
    return game.window->BetPopup();
  };
  Turn turn = game.Next();
  BetPopupList* popup = open();
  ASSERT_NE(popup, nullptr);
  const BetPopupState& rows = game.Session().betPopup;
  ASSERT_EQ(popup->count(), rows.rowCount);
  EXPECT_EQ(rows.amounts[rows.rowCount - 1], BetLimits(game.Table(), turn.seat, turn.amount).max);
  for (int i = 0; i < rows.rowCount; ++i)
    EXPECT_EQ(popup->item(i)->text(), QString("Raise: $%1").arg(rows.amounts[i]));
  // x 110, bottom edge at 269, 80 wide, 15 per row; all doubled at zoom 2.
  EXPECT_EQ(popup->geometry(), QRect(220, 2 * (269 - 15 * rows.rowCount), 160, 30 * rows.rowCount));
  EXPECT_TRUE(popup->hasFocus());
  // The rows share its height: the last one ends at the border.
  EXPECT_EQ(popup->visualItemRect(popup->item(rows.rowCount - 1)).bottom(),
            popup->viewport()->height() - 1);

  // Ticks wait while it is open, and so does Return with nothing selected;
  // Left, Right and a tap on the felt close it without acting.
  const QByteArray waiting = RecordBytes(game.Table());
  game.Tick(3);
  QTest::keyClick(popup, Qt::Key_Return);
  EXPECT_TRUE(game.Session().betPopup.open);
  for (const auto& [key, focus] : {std::pair{Qt::Key_Left, 1}, {Qt::Key_Right, 3}}) {
    if (!game.Session().betPopup.open) popup = open();
    QTest::keyClick(popup, key);
    EXPECT_FALSE(game.Session().betPopup.open);
    EXPECT_EQ(game.Session().focusedButton, focus);
    game.FlushDeletes();
    EXPECT_EQ(game.window->BetPopup(), nullptr);
  }
  ASSERT_NE(open(), nullptr);
  game.Tap(150, 200);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(RecordBytes(game.Table()), waiting);

  // Arrows select, Return commits; its release on the table, where the other
  // player is now to act, presses nothing for them.
  popup = open();
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
    QTest::keyClick(popup, key);
  EXPECT_EQ(popup->SelectedRow(), 1);
  uint32_t before = game.InPot(turn.seat);
  QTest::keyPress(popup, Qt::Key_Return);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(game.InPot(turn.seat), before + turn.amount + rows.amounts[1]);
  ASSERT_TRUE(game.TickToPlayer());
  const QByteArray next = RecordBytes(game.Table());
  QTest::keyRelease(game.window->TableArea(), Qt::Key_Return);
  EXPECT_EQ(RecordBytes(game.Table()), next);

  // A click only selects; a double click commits the row clicked.
  turn = game.Next();
  popup = open();
  const uint32_t amount = game.Session().betPopup.amounts[0];
  before = game.InPot(turn.seat);
  const QPoint row = popup->visualItemRect(popup->item(0)).center();
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, row);
  EXPECT_TRUE(game.Session().betPopup.open);
  EXPECT_EQ(popup->SelectedRow(), 0);
  QTest::mouseDClick(popup->viewport(), Qt::LeftButton, {}, row);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_EQ(game.InPot(turn.seat), before + turn.amount + amount);

  // A tap on "Fold": the press closes the list, the release folds.
  ASSERT_TRUE(game.TickToPlayer());
  const int seat = game.Next().seat;
  ASSERT_NE(open(), nullptr);
  const Rect fold = ButtonHitRect(3);
  game.Press(fold.left + 5, fold.top + 5);
  EXPECT_FALSE(game.Session().betPopup.open);
  EXPECT_FALSE(IsOut(game.Table(), seat));
  game.Release(fold.left + 5, fold.top + 5);
  EXPECT_TRUE(IsOut(game.Table(), seat));
}

}  // namespace
}  // namespace qf::apptest
