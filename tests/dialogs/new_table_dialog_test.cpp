#include "dialogs/new_table_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/about_dialog.h"
#include "dialogs/betting_dialog.h"
#include "dialogs/confirmation_dialog.h"
#include "dialogs/custom_betting_dialog.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/game_stats_dialog.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "flow/driver.h"
#include "flow/null_table_ui.h"
#include "flow/seat_counts.h"

namespace qf::test {
namespace {

using NewTableDialogTest = DialogTest;

TEST_F(NewTableDialogTest, ShowsTheTableAsItIs) {
  bench.SeatKinds({KindHuman, KindSmart, KindStupid, KindTight});
  bench.table.holeCards = kOmahaHoleCards;
  bench.session.visitorMode = true;
  NewTableDialog dialog(bench.ctx);
  EXPECT_TRUE(dialog.OmahaButton()->isChecked());
  EXPECT_FALSE(dialog.TexasButton()->isChecked());
  EXPECT_TRUE(dialog.VisitorBox()->isChecked());
  EXPECT_TRUE(dialog.LevelButton(0)->isChecked());  // one Smart and one Stupid balance out
  EXPECT_EQ(Entries(dialog.PlayersList()),
            QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(dialog.PlayersList()->currentText(), "4");
  EXPECT_EQ(Entries(dialog.HumansList()), QStringList({"0", "1", "2", "3", "4"}));
  EXPECT_EQ(dialog.HumansList()->currentText(), "1");
  EXPECT_EQ(dialog.BettingButton()->text(), "Betting: $2/$4");
  EXPECT_EQ(bench.table.smallTable, 1);
  EXPECT_GE(dialog.width(), 240);

  DialogBench oneSeat;
  oneSeat.SeatKinds({KindHuman});
  NewTableDialog lonely(oneSeat.ctx);
  EXPECT_EQ(lonely.PlayersList()->currentText(), "2");
  EXPECT_EQ(Entries(lonely.HumansList()), QStringList({"0", "1"}));
}

TEST_F(NewTableDialogTest, HumansListHidesSeveralHumansShowsOneAndRefillsNone) {
  bench.SeatKinds({KindHuman, KindSmart, KindTight, KindLoose});
  NewTableDialog dialog(bench.ctx);

  ChooseEntry(dialog.HumansList(), 4);
  for (int seat = 0; seat < 4; ++seat)
    EXPECT_EQ(bench.table.players[seat].kind, KindHiddenHuman) << "seat " << seat;
  EXPECT_EQ(dialog.HumansList()->currentText(), "4");

  ChooseEntry(dialog.HumansList(), 1);
  SeatCounts counts = CountSeatKinds(bench.table);
  EXPECT_EQ(counts.humanCount, 1);
  EXPECT_EQ(counts.playerCount, 4);
  EXPECT_EQ(bench.table.players[0].kind, KindHuman);
  EXPECT_EQ(dialog.HumansList()->currentText(), "1");

  // No humans: the human's seat is filled again by a computer.
  ChooseEntry(dialog.HumansList(), 0);
  counts = CountSeatKinds(bench.table);
  EXPECT_EQ(counts.humanCount, 0);
  EXPECT_EQ(counts.playerCount, 4);
  EXPECT_TRUE(IsComputerKind(bench.table.players[0].kind));
  EXPECT_EQ(dialog.PlayersList()->currentText(), "4");
  EXPECT_EQ(Entries(dialog.HumansList()), QStringList({"0", "1", "2", "3", "4"}));
}

TEST_F(NewTableDialogTest, PlayersListAddsAndRemovesComputersAndPicksTheLayout) {
  bench.SeatKinds({KindHuman, KindSmart, KindSmart, KindSmart, KindSmart, KindSmart});
  NewTableDialog dialog(bench.ctx);

  ChooseEntry(dialog.PlayersList(), 6);  // "8"
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{0, 3, 3, 3, 3, 3, 3, 3, 2, 2}));
  EXPECT_EQ(bench.table.smallTable, 0);
  EXPECT_EQ(dialog.HumansList()->count(), 9);

  ChooseEntry(dialog.PlayersList(), 1);  // "3"
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{0, 3, 3, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(bench.table.smallTable, 1);
}

TEST_F(NewTableDialogTest, GameAndLevelButtonsRedrawOnlyWhatTheyOwn) {
  bench.SeatKinds({KindHuman, KindTight, KindLoose, KindSmart, KindInactive, KindSmart});
  NewTableDialog dialog(bench.ctx);
  EXPECT_TRUE(dialog.LevelButton(1)->isChecked());

  const struct {
    int level;
    uint32_t lowest, highest;
  } levels[] = {
      {-1, KindStupid, KindErratic}, {0, KindTight, KindLoose}, {1, KindSmart, KindSmart}};
  for (const auto& level : levels) {
    SCOPED_TRACE(level.level);
    Click(dialog.LevelButton(level.level));
    for (int seat : {1, 2, 3, 5}) {
      const uint32_t kind = bench.table.players[seat].kind;
      EXPECT_TRUE(kind >= level.lowest && kind <= level.highest) << "seat " << seat;
    }
    EXPECT_EQ(bench.table.players[0].kind, KindHuman);
    EXPECT_EQ(bench.table.players[4].kind, KindInactive);
  }

  Click(dialog.OmahaButton());
  EXPECT_EQ(bench.table.holeCards, kOmahaHoleCards);
  Click(dialog.TexasButton());
  EXPECT_EQ(bench.table.holeCards, kTexasHoleCards);
}

TEST_F(NewTableDialogTest, BettingButtonShowsTheWholeLabelAndTheBettingDialogRefreshesAll) {
  bench.table.baseBet = 9999;
  bench.table.betStructure = StructureSpreadWide;
  NewTableDialog dialog(bench.ctx);
  QPushButton* button = dialog.BettingButton();
  EXPECT_EQ(button->text(), "Betting: $9999-19998-39996-79992");
  EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()));

  // "Pro" without a computer seat changes nothing, and the refresh after the
  // Betting dialog shows the level of the seats again.
  const std::vector<uint32_t> before = bench.Kinds();
  Click(dialog.LevelButton(1));
  EXPECT_EQ(bench.Kinds(), before);
  WhenOpen<BettingDialog>([](BettingDialog* betting) {
    ChooseEntry(betting->BaseBetList(), 3);    // "20"
    ChooseEntry(betting->StructureList(), 6);  // No Limit
    QTest::keyClick(betting, Qt::Key_Escape);
  });
  Click(button);
  EXPECT_EQ(bench.table.baseBet, 20u);
  EXPECT_EQ(button->text(), "Betting: No Limit $20");
  EXPECT_TRUE(dialog.LevelButton(0)->isChecked());
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

// A table screen that runs the real New Table dialog and draws nothing.
class DialogOnlyUi : public NullTableUi {
 public:
  DialogOnlyUi(DialogBench& bench, std::function<void(NewTableDialog*)> user)
      : bench_(bench), user_(std::move(user)) {}

  void RunNewTableDialog(TableRecord& table) override {
    DialogContext ctx{table, bench_.session, bench_.rng, {}, {}, 1};
    NewTableDialog dialog(ctx);
    WhenOpen<NewTableDialog>(user_);
    dialog.exec();
  }

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

TEST(DialogHelpTest, EachHelpButtonOpensItsPage) {
  DialogBench bench;
  NewTableDialog newTable(bench.ctx);
  BettingDialog betting(bench.ctx);
  CustomBettingDialog custom(bench.ctx);
  PreferencesDialog preferences(bench.ctx);
  for (QPushButton* help :
       {newTable.HelpButton(), betting.HelpButton(), custom.HelpButton(), preferences.HelpButton()})
    Click(help);
  EXPECT_EQ(bench.helpAnchors,
            QStringList({"NewTable_Help", "Game_Help", "CustomBet_Help", "Preferences_Help"}));
}

// Escape and the window's close button are Cancel in a dialog that has a
// Cancel button and OK in the others: what OK stores is stored, and a
// question closed that way has no answer.
TEST(DialogCloseTest, EscapeAndTheCloseButtonAreCancelWhereThereIsOneElseOk) {
  const auto closed = [](DialogBench&, QDialog*) { return true; };
  const struct {
    const char* name;
    std::function<QDialog*(DialogBench&)> open;  // the dialog, edited by the user
    std::function<bool(DialogBench&, QDialog*)> kept;
  } dialogs[] = {
      {"New Table is cancelled", [](DialogBench& b) { return new NewTableDialog(b.ctx); },
       [](DialogBench& b, QDialog*) { return b.table.dealer == kDealerCancelled; }},
      {"Betting", [](DialogBench& b) { return new BettingDialog(b.ctx); }, closed},
      {"Custom Betting keeps its step on Cancel",
       [](DialogBench& b) {
         auto* d = new CustomBettingDialog(b.ctx);
         d->BetList()->setCurrentRow(0);
         d->RaiseButton()->click();
         return d;
       },
       [](DialogBench& b, QDialog*) { return b.table.baseBet == 3; }},
      {"Player Settings stores the name",
       [](DialogBench& b) {
         auto* d = new PlayerSettingsDialog(b.ctx);
         d->NameBox()->clear();
         QTest::keyClicks(d->NameBox(), "Ada");
         return d;
       },
       [](DialogBench& b, QDialog*) { return std::string(b.table.players[0].name) == "Ada"; }},
      {"Preferences stores the boxes",
       [](DialogBench& b) {
         auto* d = new PreferencesDialog(b.ctx);
         d->SoundBox()->click();
         return d;
       },
       [](DialogBench& b, QDialog*) { return b.table.soundEnabled == 0; }},
      {"Game Stats", [](DialogBench& b) { return new GameStatsDialog(b.ctx); }, closed},
      {"Confirmation has no answer",
       [](DialogBench&) {
         return new ConfirmationDialog("Leave?", {"Yes", "No", "Later"});
       },
       [](DialogBench&, QDialog* d) { return static_cast<ConfirmationDialog*>(d)->Answer() == 0; }},
      {"About", [](DialogBench& b) { return new AboutDialog(b.ctx, false); }, closed},
  };
  for (const auto& d : dialogs) {
    for (bool byEscape : {true, false}) {
      SCOPED_TRACE(std::string(d.name) + (byEscape ? ", by Escape" : ", by the close button"));
      DialogBench bench;
      bench.table.dealer = 1;
      const std::unique_ptr<QDialog> dialog(d.open(bench));
      WhenModalOpens(
          [byEscape](QWidget* w) {
            byEscape ? QTest::keyClick(w, Qt::Key_Escape) : void(w->close());
          },
          [&dialog](QWidget* w) { return w == dialog.get(); });
      EXPECT_EQ(dialog->exec(), QDialog::Accepted);
      EXPECT_TRUE(d.kept(bench, dialog.get()));
    }
  }
}

}  // namespace
}  // namespace qf::test
