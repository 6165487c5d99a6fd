// Menu commands, the label toggles, the zoom, the questions, the help window,
// and ticks held while a dialog is open.
#include <QLabel>
#include <QScrollBar>
#include <utility>

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

TEST(Commands, TheTimerRunsThePlayAndHoldsItWhileADialogIsOpen) {
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
}

TEST(Commands, HelpOpensAtTheAnchorAndCanBeReadOverADialog) {
  GameHarness game;
  game.WriteTable(MakeTable({KindHuman, KindSmart}));
  game.Start();
  game.window->OpenHelp("Preferences_Help");
  HelpWindow* help = game.window->Help();
  ASSERT_NE(help, nullptr);
  QCoreApplication::processEvents();
  EXPECT_GT(help->verticalScrollBar()->value(), 0);
  game.Trigger("actionHelp");
  EXPECT_EQ(game.window->Help(), help);  // the one window, reused
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowModality(), Qt::NonModal);
  EXPECT_EQ(help->verticalScrollBar()->value(), 0);
  help->close();

  // From a dialog's "Help" the window is modal over that dialog, so it can be
  // read and closed while the dialog waits.
  game.realDialogs = true;
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

}  // namespace
}  // namespace qf::apptest
