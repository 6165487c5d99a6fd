#include "dialogs/new_table_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/betting_dialog.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "flow/driver.h"
#include "flow/seat_counts.h"

namespace qf::test {
namespace {

QStringList Entries(const QComboBox* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

class NewTableDialogTest : public testing::Test {
 protected:
  DialogBench bench;
};

TEST_F(NewTableDialogTest, ShowsTheTableAsItIs) {
  bench.SeatKinds({KindHuman, KindSmart, KindStupid, KindTight});
  bench.table.holeCards = kOmahaHoleCards;
  bench.session.visitorMode = true;
  NewTableDialog dialog(bench.ctx);

  EXPECT_EQ(dialog.windowTitle(), "New Table");
  EXPECT_TRUE(dialog.OmahaButton()->isChecked());
  EXPECT_FALSE(dialog.TexasButton()->isChecked());
  EXPECT_TRUE(dialog.VisitorBox()->isChecked());
  // One Smart and one Stupid Computer balance out.
  EXPECT_TRUE(dialog.LevelButton(0)->isChecked());
  EXPECT_EQ(Entries(dialog.PlayersList()),
            QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(dialog.PlayersList()->currentText(), "4");
  EXPECT_EQ(Entries(dialog.HumansList()), QStringList({"0", "1", "2", "3", "4"}));
  EXPECT_EQ(dialog.HumansList()->currentText(), "1");
  EXPECT_EQ(dialog.BettingButton()->text(), "Betting: $2/$4");
  EXPECT_EQ(bench.table.smallTable, 1);
  EXPECT_GE(dialog.width(), 240);
}

TEST_F(NewTableDialogTest, ATableWithOneSeatOffersTwoPlayersAndUpToOneHuman) {
  bench.SeatKinds({KindHuman});
  NewTableDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.PlayersList()->currentText(), "2");
  EXPECT_EQ(Entries(dialog.HumansList()), QStringList({"0", "1"}));
  EXPECT_TRUE(dialog.LevelButton(0)->isChecked());
}

TEST_F(NewTableDialogTest, HumansUpToEverySeatHideThemAndBackToOneShowsOne) {
  bench.SeatKinds({KindHuman, KindSmart, KindTight, KindLoose});
  NewTableDialog dialog(bench.ctx);

  ChooseEntry(dialog.HumansList(), 4);
  for (int seat = 0; seat < 4; ++seat) {
    EXPECT_EQ(bench.table.players[seat].kind, KindHiddenHuman) << "seat " << seat;
  }
  EXPECT_EQ(dialog.HumansList()->currentText(), "4");

  ChooseEntry(dialog.HumansList(), 1);
  const SeatCounts counts = CountSeatKinds(bench.table);
  EXPECT_EQ(counts.humanCount, 1);
  EXPECT_EQ(counts.playerCount, 4);
  EXPECT_EQ(bench.table.players[0].kind, KindHuman);
  for (int seat = 1; seat < 4; ++seat) {
    EXPECT_TRUE(IsComputerKind(bench.table.players[seat].kind)) << "seat " << seat;
  }
  EXPECT_EQ(dialog.HumansList()->currentText(), "1");
  EXPECT_EQ(dialog.PlayersList()->currentText(), "4");
}

TEST_F(NewTableDialogTest, NoHumansRefillsTheSeatWithAComputer) {
  bench.SeatKinds({KindHuman, KindSmart, KindSmart});
  NewTableDialog dialog(bench.ctx);

  ChooseEntry(dialog.HumansList(), 0);
  EXPECT_EQ(bench.table.players[0].kind, KindSmart);
  EXPECT_EQ(CountSeatKinds(bench.table).playerCount, 3);
  EXPECT_EQ(dialog.PlayersList()->currentText(), "3");
  EXPECT_EQ(Entries(dialog.HumansList()), QStringList({"0", "1", "2", "3"}));
}

TEST_F(NewTableDialogTest, PlayersListAddsAndRemovesComputersAndPicksTheLayout) {
  bench.SeatKinds({KindHuman, KindSmart, KindSmart, KindSmart, KindSmart, KindSmart});
  NewTableDialog dialog(bench.ctx);
  EXPECT_EQ(bench.table.smallTable, 1);

  ChooseEntry(dialog.PlayersList(), 6);  // "8"
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{0, 3, 3, 3, 3, 3, 3, 3, 2, 2}));
  EXPECT_EQ(bench.table.smallTable, 0);
  EXPECT_EQ(dialog.HumansList()->count(), 9);

  ChooseEntry(dialog.PlayersList(), 1);  // "3"
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{0, 3, 3, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(bench.table.smallTable, 1);
  EXPECT_EQ(dialog.HumansList()->currentText(), "1");
}

TEST_F(NewTableDialogTest, LevelButtonsRedrawTheComputerKindsOnly) {
  bench.SeatKinds({KindHuman, KindTight, KindLoose, KindSmart, KindInactive, KindSmart});
  NewTableDialog dialog(bench.ctx);
  EXPECT_TRUE(dialog.LevelButton(1)->isChecked());

  Click(dialog.LevelButton(-1));
  for (int seat : {1, 2, 3, 5}) {
    const uint32_t kind = bench.table.players[seat].kind;
    EXPECT_TRUE(kind >= KindStupid && kind <= KindErratic) << "seat " << seat;
  }
  EXPECT_EQ(bench.table.players[0].kind, KindHuman);
  EXPECT_EQ(bench.table.players[4].kind, KindInactive);

  Click(dialog.LevelButton(0));
  for (int seat : {1, 2, 3, 5}) {
    const uint32_t kind = bench.table.players[seat].kind;
    EXPECT_TRUE(kind == KindTight || kind == KindLoose) << "seat " << seat;
  }

  Click(dialog.LevelButton(1));
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{0, 3, 3, 3, 2, 3, 2, 2, 2, 2}));
}

TEST_F(NewTableDialogTest, ProWithoutComputersChangesNothingAndTheNextRefreshSaysIntermediate) {
  bench.SeatKinds({KindHuman, KindHiddenHuman});
  NewTableDialog dialog(bench.ctx);
  const std::vector<uint32_t> before = bench.Kinds();

  Click(dialog.LevelButton(1));
  EXPECT_TRUE(dialog.LevelButton(1)->isChecked());
  EXPECT_EQ(bench.Kinds(), before);

  // The Betting dialog, opened and closed, refreshes this one.
  WhenOpen<BettingDialog>([](BettingDialog* betting) { betting->close(); });
  Click(dialog.BettingButton());
  EXPECT_TRUE(dialog.LevelButton(0)->isChecked());
}

TEST_F(NewTableDialogTest, VariantButtonsStoreTheHoleCards) {
  bench.SeatKinds({KindHuman, KindSmart});
  NewTableDialog dialog(bench.ctx);
  Click(dialog.OmahaButton());
  EXPECT_EQ(bench.table.holeCards, kOmahaHoleCards);
  Click(dialog.TexasButton());
  EXPECT_EQ(bench.table.holeCards, kTexasHoleCards);
}

TEST_F(NewTableDialogTest, BettingButtonShowsTheWholeLabelAndFollowsTheBettingDialog) {
  bench.SeatKinds({KindHuman, KindSmart});
  bench.table.baseBet = 9999;
  bench.table.betStructure = StructureSpreadWide;
  NewTableDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.BettingButton()->text(), "Betting: $9999-19998-39996-79992");
  EXPECT_GE(
      dialog.BettingButton()->width(),
      dialog.BettingButton()->fontMetrics().horizontalAdvance(dialog.BettingButton()->text()));

  WhenOpen<BettingDialog>([](BettingDialog* betting) {
    ChooseEntry(betting->BaseBetList(), 3);    // "20"
    ChooseEntry(betting->StructureList(), 6);  // No Limit
    QTest::keyClick(betting, Qt::Key_Escape);
  });
  Click(dialog.BettingButton());
  EXPECT_EQ(bench.table.baseBet, 20u);
  EXPECT_EQ(dialog.BettingButton()->text(), "Betting: No Limit $20");
}

TEST_F(NewTableDialogTest, PlayersAndSettingsButtonsOpenTheirDialogsAndRefresh) {
  bench.SeatKinds({KindHuman, KindSmart, KindSmart});
  bench.session.settingsSeat = 2;
  NewTableDialog dialog(bench.ctx);

  WhenOpen<PlayerSettingsDialog>([](PlayerSettingsDialog* players) {
    ChooseEntry(players->KindList(), KindStupid);
    players->close();
  });
  Click(dialog.PlayersButton());
  EXPECT_EQ(bench.table.players[2].kind, KindStupid);
  EXPECT_TRUE(dialog.LevelButton(0)->isChecked());  // one Smart, one Stupid

  WhenOpen<PreferencesDialog>([](PreferencesDialog* preferences) {
    Click(preferences->SoundBox());
    preferences->close();
  });
  Click(dialog.SettingsButton());
  EXPECT_EQ(bench.table.soundEnabled, 0);
}

TEST_F(NewTableDialogTest, VisitorTellsTheTableWillNotBeSaved) {
  bench.SeatKinds({KindHuman, KindSmart});
  NewTableDialog dialog(bench.ctx);
  QString shown;
  QString caption;
  WhenOpen<QMessageBox>([&](QMessageBox* box) {
    shown = box->text();
    caption = box->windowTitle();
    box->accept();
  });
  Click(dialog.VisitorBox());
  EXPECT_TRUE(bench.session.visitorMode);
  EXPECT_EQ(shown, "The game will not be saved when exiting the program.");
  EXPECT_EQ(caption, "Visitor");

  Click(dialog.VisitorBox());  // unchecking asks nothing
  EXPECT_FALSE(bench.session.visitorMode);
}

TEST_F(NewTableDialogTest, GoAndClosingTheWindowKeepTheTableAndCancelMarksIt) {
  bench.SeatKinds({KindHuman, KindSmart});
  bench.table.dealer = 1;
  {
    NewTableDialog dialog(bench.ctx);
    WhenOpen<NewTableDialog>([](NewTableDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(bench.table.dealer, 1);
  }
  {
    NewTableDialog dialog(bench.ctx);
    WhenOpen<NewTableDialog>([](NewTableDialog* d) { Click(d->GoButton()); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(bench.table.dealer, 1);
  }
  {
    NewTableDialog dialog(bench.ctx);
    WhenOpen<NewTableDialog>([](NewTableDialog* d) { Click(d->CancelButton()); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(bench.table.dealer, kDealerCancelled);
  }
}

TEST_F(NewTableDialogTest, HelpOpensItsPage) {
  NewTableDialog dialog(bench.ctx);
  Click(dialog.HelpButton());
  EXPECT_EQ(bench.helpAnchors, QStringList({"NewTable_Help"}));
}

// A table screen that runs the real New Table dialog and draws nothing.
class DialogOnlyUi : public TableUi {
 public:
  DialogOnlyUi(DialogBench& bench, std::function<void(NewTableDialog*)> user)
      : bench_(bench), user_(std::move(user)) {}

  void RunNewTableDialog(TableRecord& table) override {
    DialogContext ctx{table, bench_.session, bench_.rng, {}, {}, 1};
    NewTableDialog dialog(ctx);
    WhenOpen<NewTableDialog>(user_);
    dialog.exec();
  }
  void DrawFullTable(TableRecord&, bool) override {}
  void DrawSeat(TableRecord&, int) override {}
  void DrawCentre(TableRecord&) override {}
  void DrawTableImage(TableRecord&) override {}
  void DrawChipStack(TableRecord&, int, uint32_t) override {}
  void FillFelt(const Rect&) override {}
  void DrawButton(int, const std::string&, bool) override {}
  void EraseButton(int) override {}
  void AnimateButtonPush(int) override {}
  void AnimateBoardDeal(TableRecord&, int, bool) override {}
  void PlaySound(GameSound) override {}
  int AskConfirmation(const std::string&, const std::vector<std::string>&) override { return 0; }
  void OpenPlayerSettings(TableRecord&) override {}
  void ShowBetPopup(const BetPopupState&) override {}
  void CloseBetPopup() override {}

 private:
  DialogBench& bench_;
  std::function<void(NewTableDialog*)> user_;
};

TEST_F(NewTableDialogTest, CancelThroughStartNewTableRestoresEveryByteButVisitorStays) {
  bench.SeatKinds({KindHuman, KindSmart, KindTight});
  for (int seat = 0; seat < 3; ++seat)
    bench.table.players[seat].tableKind = bench.table.players[seat].kind;
  bench.table.dealer = 2;
  const TableRecord before = bench.table;

  DialogOnlyUi ui(bench, [](NewTableDialog* dialog) {
    ChooseEntry(dialog->PlayersList(), 5);
    ChooseEntry(dialog->HumansList(), 2);
    Click(dialog->OmahaButton());
    WhenOpen<BettingDialog>([](BettingDialog* betting) {
      ChooseEntry(betting->BaseBetList(), 4);
      betting->close();
    });
    Click(dialog->BettingButton());
    WhenOpen<QMessageBox>([](QMessageBox* box) { box->accept(); });
    Click(dialog->VisitorBox());
    Click(dialog->CancelButton());
  });
  EXPECT_FALSE(StartNewTable(bench.table, ui, true));
  EXPECT_EQ(std::memcmp(&before, &bench.table, sizeof before), 0);
  EXPECT_TRUE(bench.session.visitorMode);
}

}  // namespace
}  // namespace qf::test
