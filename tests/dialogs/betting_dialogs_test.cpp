// Betting and Custom Betting: each choice is stored at once.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <cstdlib>
#include <cstring>

#include "dialogs/betting_dialog.h"
#include "dialogs/custom_betting_dialog.h"
#include "dialogs/dialog_test_support.h"

namespace qf::test {
namespace {

using BettingDialogTest = DialogTest;

TEST_F(BettingDialogTest, EachListStoresItsChoiceAtOnceAndANewBaseBetKeepsThem) {
  bench.table.baseBet = 7;  // not offered: the list shows $2, the labels $7
  bench.table.progressiveLevel = 5;
  BettingDialog dialog(bench.ctx);
  EXPECT_EQ(dialog.StructureList()->itemText(0), "$7/$14");
  ChooseEntry(dialog.BaseBetList(), 0);  // the entry already shown
  EXPECT_EQ(bench.table.baseBet, 2u);
  EXPECT_EQ(dialog.StructureList()->itemText(0), "$2/$4");

  const TableRecord& t = bench.table;
  const struct {
    QComboBox* list;
    int entry;
    const uint8_t& field;
  } choices[] = {
      {dialog.RakeList(), 0, t.rakePercent},      {dialog.RakeList(), 7, t.rakePercent},
      {dialog.AnteList(), 1, t.anteMode},         {dialog.RaisesList(), 0, t.raiseCap},
      {dialog.RaisesList(), 10, t.raiseCap},      {dialog.StructureList(), 5, t.betStructure},
      {dialog.StructureList(), 4, t.betStructure}};
  for (const auto& choice : choices) {
    SCOPED_TRACE(choice.list->itemText(choice.entry).toStdString());
    ChooseEntry(choice.list, choice.entry);
    EXPECT_EQ(choice.field, choice.entry);
  }
  ChooseEntry(dialog.BaseBetList(), 4);
  EXPECT_EQ(t.baseBet, 25u);
  EXPECT_EQ(t.betStructure, StructureSpreadWide);
  EXPECT_EQ(t.rakePercent, 7);
  EXPECT_EQ(t.anteMode, 1);
  EXPECT_EQ(t.raiseCap, 10);
  EXPECT_EQ(dialog.StructureList()->currentText(), "$25-50-100-200");
  EXPECT_EQ(dialog.StructureList()->itemText(1), "$25/$50/$100");

  // Progressive off and on again restarts at level one.
  Click(dialog.ProgressiveBox());
  EXPECT_EQ(t.progressiveLevel, 0u);
  Click(dialog.ProgressiveBox());
  EXPECT_EQ(t.progressiveLevel, 1u);
}

TEST_F(BettingDialogTest, CustomOpensTheCustomTableAtOnceAndAgainWhenChosenAgain) {
  BettingDialog dialog(bench.ctx);
  int opened = 0;
  auto raiseBaseBetTwice = [&opened](CustomBettingDialog* custom) {
    ++opened;
    ClickRow(custom->BetList(), 0);
    Click(custom->RaiseButton());
    Click(custom->RaiseButton());
    Click(custom->OkButton());
  };
  WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
  ChooseEntry(dialog.StructureList(), 7);
  EXPECT_EQ(bench.table.betStructure, StructureCustom);
  EXPECT_EQ(bench.table.baseBet, 4u);
  EXPECT_EQ(dialog.StructureList()->itemText(0), "$4/$8");
  EXPECT_EQ(dialog.StructureList()->currentText(), "Custom...");
  WhenOpen<CustomBettingDialog>(raiseBaseBetTwice);
  ChooseEntry(dialog.StructureList(), 7);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(bench.table.baseBet, 6u);
}

TEST_F(BettingDialogTest, CustomStepsWrapKeepEachMinimumAtMostItsMaximumAndTheBaseBetAboveZero) {
  const struct {
    const char* what;
    int row;
    uint32_t min, max;  // of the row's street, before
    int steps;          // > 0 "Raise +", < 0 "Lower -"
    uint32_t wantMin, wantMax;
  } cases[] = {
      {"a minimum below 0 wraps and pushes the maximum", 4, 0, 40, -1, 9999, 9999},
      {"a maximum past 9999 wraps and pulls the minimum", 7, 40, 9999, 1, 0, 0},
      {"a maximum lowered at its minimum lowers both", 1, 15, 15, -3, 12, 12},
      {"a maximum raised leaves the minimum", 1, 12, 12, 2, 12, 14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int street = (c.row - 1) / 2;
    bench.table.customMin[street] = c.min;
    bench.table.customMax[street] = c.max;
    CustomBettingDialog dialog(bench.ctx);
    ClickRow(dialog.BetList(), c.row);
    for (int i = 0; i < std::abs(c.steps); ++i)
      Click(c.steps > 0 ? dialog.RaiseButton() : dialog.LowerButton());
    EXPECT_EQ(bench.table.customMin[street], c.wantMin);
    EXPECT_EQ(bench.table.customMax[street], c.wantMax);
    const int maxRow = 2 * street + 1;
    EXPECT_TRUE(dialog.BetList()->item(maxRow)->text().endsWith(QString("$%1").arg(c.wantMax)));
    EXPECT_TRUE(dialog.BetList()->item(maxRow + 1)->text().endsWith(QString("$%1").arg(c.wantMin)));
    EXPECT_TRUE(dialog.BetList()->item(c.row)->isSelected());
  }
  // The base bet never reaches 0: below $1 it wraps to $9999, and back.
  bench.table.baseBet = 1;
  CustomBettingDialog dialog(bench.ctx);
  const TableRecord before = bench.table;  // no row chosen: the steps do nothing
  Click(dialog.LowerButton());
  Click(dialog.RaiseButton());
  EXPECT_EQ(std::memcmp(&before, &bench.table, sizeof before), 0);
  ClickRow(dialog.BetList(), 0);
  Click(dialog.LowerButton());
  EXPECT_EQ(dialog.BetList()->item(0)->text(), "Ante or Big Blind: $9999");
  Click(dialog.RaiseButton());
  EXPECT_EQ(bench.table.baseBet, 1u);
  // Cancel and OK both close keeping the steps.
  for (QPushButton* close : {dialog.CancelButton(), dialog.OkButton()}) {
    dialog.setResult(QDialog::Rejected);
    Click(close);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(bench.table.baseBet, 1u);
  }
}

}  // namespace
}  // namespace qf::test
