// New Table writes every control into the table at once: its Cancel, run
// as the game runs it, undoes it all (nested dialogs too).
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
