// New Table: every control writes into the table at once; Cancel undoes it all.
#include "dialogs/new_table_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <cstring>

#include "dialogs/betting_dialog.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/preferences_dialog.h"
#include "flow/driver.h"
#include "flow/null_table_ui.h"
#include "flow/seat_counts.h"

namespace qf::test {
namespace {

using NewTableDialogTest = DialogTest;

TEST_F(NewTableDialogTest, PlayersAndHumansListsSeatAndUnseat) {
  bench.SeatKinds({KindHuman, KindSmart, KindSmart, KindSmart, KindSmart, KindSmart});
  NewTableDialog dialog(bench.ctx);
  ChooseEntry(dialog.PlayersList(), 6);  // "8": computers of the table's level join
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{0, 3, 3, 3, 3, 3, 3, 3, 2, 2}));
  EXPECT_EQ(bench.table.smallTable, 0);
  EXPECT_EQ(dialog.HumansList()->count(), 9);
  ChooseEntry(dialog.PlayersList(), 2);  // "4": the last seats leave
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{0, 3, 3, 3, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(bench.table.smallTable, 1);

  ChooseEntry(dialog.HumansList(), 4);  // several humans hide their cards
  EXPECT_EQ(bench.Kinds(), (std::vector<uint32_t>{1, 1, 1, 1, 2, 2, 2, 2, 2, 2}));
  ChooseEntry(dialog.HumansList(), 1);  // one shows them
  SeatCounts counts = CountSeatKinds(bench.table);
  EXPECT_EQ(bench.table.players[0].kind, KindHuman);
  EXPECT_EQ(counts.humanCount, 1);
  EXPECT_EQ(counts.playerCount, 4);
  ChooseEntry(dialog.HumansList(), 0);  // none: a computer takes the human's seat
  EXPECT_TRUE(IsComputerKind(bench.table.players[0].kind));
  EXPECT_EQ(CountSeatKinds(bench.table).playerCount, 4);
  EXPECT_EQ(dialog.PlayersList()->currentText(), "4");
  EXPECT_EQ(Entries(dialog.HumansList()), QStringList({"0", "1", "2", "3", "4"}));

  DialogBench oneSeat;
  oneSeat.SeatKinds({KindHuman});
  NewTableDialog lonely(oneSeat.ctx);
  EXPECT_EQ(lonely.PlayersList()->currentText(), "2");
  EXPECT_EQ(Entries(lonely.HumansList()), QStringList({"0", "1"}));
}

TEST_F(NewTableDialogTest, GameAndLevelButtonsChangeOnlyWhatTheyOwn) {
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

TEST_F(NewTableDialogTest, NestedDialogsStoreAndTheTableIsShownAgain) {
  bench.table.baseBet = 9999;
  bench.table.betStructure = StructureSpreadWide;
  bench.SeatKinds({KindHuman, KindSmart, KindSmart});
  bench.session.settingsSeat = 2;
  NewTableDialog dialog(bench.ctx);
  QPushButton* betting = dialog.BettingButton();
  EXPECT_GE(betting->width(), betting->fontMetrics().horizontalAdvance(betting->text()));

  WhenOpen<BettingDialog>([](BettingDialog* d) {
    ChooseEntry(d->BaseBetList(), 3);    // "20"
    ChooseEntry(d->StructureList(), 6);  // No Limit
    d->close();
  });
  Click(betting);
  EXPECT_EQ(bench.table.baseBet, 20u);
  EXPECT_EQ(betting->text(), "Betting: No Limit $20");

  WhenOpen<PlayerSettingsDialog>([](PlayerSettingsDialog* d) {
    ChooseEntry(d->KindList(), KindStupid);
    d->close();
  });
  Click(dialog.PlayersButton());
  EXPECT_EQ(bench.table.players[2].kind, KindStupid);
  EXPECT_TRUE(dialog.LevelButton(0)->isChecked());  // one Smart, one Stupid

  WhenOpen<PreferencesDialog>([](PreferencesDialog* d) {
    Click(d->SoundBox());
    d->close();
  });
  Click(dialog.SettingsButton());
  EXPECT_EQ(bench.table.soundEnabled, 0);
}

TEST_F(NewTableDialogTest, VisitorTellsTheTableWillNotBeSaved) {
  NewTableDialog dialog(bench.ctx);
  QString shown;
  WhenOpen<QMessageBox>([&](QMessageBox* box) {
    shown = box->windowTitle() + ": " + box->text();
    box->accept();
  });
  Click(dialog.VisitorBox());
  EXPECT_TRUE(bench.session.visitorMode);
  EXPECT_EQ(shown, "Visitor: The game will not be saved when exiting the program.");
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

}  // namespace
}  // namespace qf::test
